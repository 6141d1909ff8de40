#pragma once

#include "CMessageEvent.h"

// Requests that pages post to the sheet (see CMessageEvent).
constexpr int WM_SHEET_NEXT_PAGE = 0x4401;      // lParam: the page
constexpr int WM_SHEET_PREV_PAGE = 0x4402;      // lParam: the page
constexpr int WM_SHEET_ENABLE_BUTTON = 0x4406;  // wParam: focus flag, NParam: button id
constexpr int WM_SHEET_DISABLE_BUTTON = 0x4407; // NParam: button id
constexpr int WM_SHEET_GOTO_PAGE = 0x4408;      // wParam: page index
// The sheet's own, posted so that it lands after the new page's activation.
constexpr int WM_SHEET_SET_WIZARD_BUTTONS = 0x4410; // wParam: PSWIZB flags

// Buttons of the sheet.
constexpr int IDCANCEL = 2;
constexpr int ID_SHEET_ADVICE = 120;
constexpr int ID_SHEET_FINISH = 121;
constexpr int ID_SHEET_PRINT = 122;
constexpr int ID_WIZBACK = 0x3023;
constexpr int ID_WIZNEXT = 0x3024;
constexpr int ID_WIZFINISH = 0x3025;

// Wizard button flags.
constexpr int PSWIZB_BACK = 1;
constexpr int PSWIZB_NEXT = 2;

// What the back/next handlers of a page answer.
constexpr int WIZ_DEFAULT_MOVE = 0; // let the sheet move to the neighbouring page
constexpr int WIZ_STAY = -1;        // the page has asked for its own move, or stays
