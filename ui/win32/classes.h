// Window classes of the program's own kinds and the procedures behind them.
#pragma once

#include <windows.h>

#include "platform/quiz_program.h"
#include "ui/table.h"

namespace lornel::win32 {

inline constexpr const wchar_t* kWindowClass = L"" LORNEL_WINDOW_CLASS;
inline constexpr const wchar_t* kLabelClass = L"LornelLabel";
inline constexpr const wchar_t* kTransLabelClass = L"LornelTransLabel";
inline constexpr const wchar_t* kPictureClass = L"LornelPicture";
inline constexpr const wchar_t* kTimerClass = L"LornelTimer";
inline constexpr const wchar_t* kLargePictureClass = L"LornelLargePicture";
inline constexpr const wchar_t* kRankingClass = L"LornelRanking";

// Control ids start above IDOK/IDCANCEL so Enter or Esc can never pose as a click.
inline constexpr int kFirstControlId = 1000;

void RegisterClassesOnce();

// Answered by the program's top-level windows with their layout scale in
// thousandths; the skin library sizes its corners and borders by it.
UINT LayoutScaleMessage();

LRESULT CALLBACK TopLevelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK OwnKindProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK LargePictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK RankingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The brush of a background colour: the skin-following button face for
// "default" (looked up at paint time), otherwise a cached solid brush.
HBRUSH BackgroundBrush(unsigned colour);
COLORREF BackgroundColour(unsigned colour);

}  // namespace lornel::win32
