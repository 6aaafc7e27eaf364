// The engine's public objects as the workbench sees them.
#pragma once

#include "vintrel/vintrel.h"
