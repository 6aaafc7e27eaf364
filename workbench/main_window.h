// The workbench's frame: its global state, the main window with every control,
// the creation event that restores the last use, the one event dispatcher and
// the clean-up at exit.
//
// The program calls InitGlobals, registers ExitCleanup to run at exit, calls
// CreateMainWindow and then runs the message loop until the window is
// destroyed. Nothing is saved at exit: every change was written through.
#pragma once

#include "toolkit/skinkit.h"

namespace workbench {

constexpr char kProgramTitle[] = "Vintrel 1.3";

// Makes the global state empty, with a new regexObject.
void InitGlobals();
// Releases every piece of the global state.
void ExitCleanup();

// Creates the window and its controls with `kit`, registers the event handler
// and the match timer, then runs OnWindowCreated. Returns the main window.
SkinHandle CreateMainWindow(const SkinKitApi* kit);
// Restores the state of the last use from the Data files.
void OnWindowCreated();

// Maps (control, event) to its handler.
intptr_t SKINKIT_CALL OnSkinEvent(SkinHandle control, int event, intptr_t a, intptr_t b);

}  // namespace workbench
