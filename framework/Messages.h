#pragma once
#include <windows.h>

namespace ui {

// The framework's own notifications, sent through Perform like window messages.
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = 0xB000;
constexpr UINT CM_DIALOGKEY = 0xB005;  // wParam: VK_RETURN or VK_ESCAPE not taken by the focused control
constexpr UINT CM_DIALOGCHAR = 0xB006;
constexpr UINT CM_FOCUSCHANGED = 0xB007;
constexpr UINT CM_PARENTFONTCHANGED = 0xB008;
constexpr UINT CM_PARENTCOLORCHANGED = 0xB009;
constexpr UINT CM_VISIBLECHANGED = 0xB00B;
constexpr UINT CM_ENABLEDCHANGED = 0xB00C;
constexpr UINT CM_COLORCHANGED = 0xB00D;
constexpr UINT CM_FONTCHANGED = 0xB00E;
constexpr UINT CM_TEXTCHANGED = 0xB012;
constexpr UINT CM_MOUSEENTER = 0xB013;
constexpr UINT CM_MOUSELEAVE = 0xB014;
constexpr UINT CM_BUTTONPRESSED = 0xB018;
constexpr UINT CM_ENTER = 0xB01A;
constexpr UINT CM_EXIT = 0xB01B;
constexpr UINT CM_SYSCOLORCHANGE = 0xB024;

// Notifications a parent reflects back to the native child that sent them.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;  // $BD11
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;

struct TMessage {
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
  LRESULT result = 0;
};

}  // namespace ui
