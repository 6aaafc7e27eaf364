// Finds SkinKit.dll and resolves its exports by name.
//
// Search order, first hit wins: CurrentFolder() + "\SkinKit.dll", then
// + "\lib\SkinKit\SkinKit.dll"; "SkinKit.dll" and "lib\SkinKit\SkinKit.dll" by
// the system's search; the path held in "C:\SkinKit.ini", or in "D:\SkinKit.ini"
// when that cannot be opened (its first 255 bytes, untrimmed). Every call goes
// through platform/, so the order is tested on Linux too.
#pragma once

#include "toolkit/skinkit.h"

namespace toolkit {

// Loads the library, fills api and calls SkinKit_Startup(module). Returns false
// (and shows "程序缺少界面运行库必须依赖的 SkinKit.dll 文件", caption "Warning")
// when no library is found, an export is missing or the start-up answers 0.
bool LoadSkinKit(SkinKitApi& api);

}  // namespace toolkit
