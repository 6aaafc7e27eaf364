// The engine's public objects as the workbench sees them.
#pragma once

#if __has_include("vintrel/vintrel.h")
#include "vintrel/vintrel.h"
#else
#include "engine/regex.h"
#endif
