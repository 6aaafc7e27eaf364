// Finds SkinKit.dll along its search order, resolves every export by name and
// starts it. This file's one entry point is toolkit::LoadSkinKit.
//
// Compiled with the GBK execution charset: the warning text must reach the
// message box in the ANSI code page.
#include <string>

#include "platform/platform.h"
#include "toolkit/skinkit_loader.h"

namespace toolkit {
namespace {

// A path file names the library in its first bytes; nothing is trimmed.
constexpr int kPathFileHead = 255;

std::string PathFromFile(const std::string& bytes) {
  // The bytes are used as a C string, so a NUL ends the path.
  return bytes.substr(0, bytes.find('\0'));
}

void* FindLibrary() {
  const std::string here = platform::CurrentFolder();
  for (const std::string& path : {here + "\\SkinKit.dll", here + "\\lib\\SkinKit\\SkinKit.dll",
                                   std::string("SkinKit.dll"), std::string("lib\\SkinKit\\SkinKit.dll")}) {
    if (void* module = platform::LoadModule(path)) return module;
  }
  std::string head;
  if (!platform::ReadFileHead("C:\\SkinKit.ini", kPathFileHead, head) &&
      !platform::ReadFileHead("D:\\SkinKit.ini", kPathFileHead, head)) {
    return nullptr;
  }
  std::string path = PathFromFile(head);
  return path.empty() ? nullptr : platform::LoadModule(path);
}

bool ResolveExports(void* module, SkinKitApi& api) {
  bool complete = true;
#define RESOLVE_EXPORT(ret, name, params)                                                   \
  api.name = reinterpret_cast<ret(SKINKIT_CALL*) params>(platform::ModuleSymbol(module, #name)); \
  complete = complete && api.name != nullptr;
  SKINKIT_EXPORTS(RESOLVE_EXPORT)
#undef RESOLVE_EXPORT
  return complete;
}

}  // namespace

bool LoadSkinKit(SkinKitApi& api) {
  api = SkinKitApi{};
  void* module = FindLibrary();
  if (module && ResolveExports(module, api) && api.SkinKit_Startup(module) != 0) return true;
  // A half-filled table must not look usable.
  api = SkinKitApi{};
  platform::ShowWarning("程序缺少界面运行库必须依赖的 SkinKit.dll 文件", "Warning");
  return false;
}

}  // namespace toolkit
