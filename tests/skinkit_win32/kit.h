// The test fixture: SkinKit.dll loaded once by name from the current folder,
// every export resolved into a SkinKitApi, a main window per test, and the
// events that reach the one callback.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/skinkit.h"

struct Event {
  SkinHandle control;
  int event;
  intptr_t a;
  HWND focus;  // the keyboard focus when the event came
};

class KitTest : public ::testing::Test {
 public:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  // Events raised since the last Clear(), in order; of one control.
  static std::vector<Event> EventsOf(SkinHandle control);
  static void ClearEvents();

  // The host window of a control (class "SkinKit.<handle>.<kind>"), and the
  // native window inside it whose class name contains `cls`.
  static HWND Host(SkinHandle control);
  static HWND Inner(SkinHandle control, const wchar_t* cls);
  static std::wstring ClassOf(HWND hwnd);

  static void Pump();
  // A mouse button going down and up at x, y of a window.
  static void Click(HWND hwnd, int x, int y);
  // What a window draws (WM_PRINTCLIENT), and one pixel of it.
  struct Snapshot {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const;
  };
  static Snapshot Shoot(HWND hwnd);
  static COLORREF PixelOf(HWND hwnd, int x, int y) { return Shoot(hwnd).At(x, y); }

  // Property shorthands.
  void SetText(SkinHandle c, int number, const char* text);
  std::string GetText(SkinHandle c, int number);

  static SkinKitApi api;
  static HMODULE dll;
  static SkinHandle mainWindow;
  SkinHandle window = 0;
};
