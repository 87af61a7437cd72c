#pragma once
// Pieces every skinned control shares: pointer following, click reports,
// the owner-draw setup of buttons, tooltips and the skin's fonts.
#include "framework/Controls.h"
#include <functional>

enum class HoverChange { None, Entered, Left };

// The pointer-following rule of the skinned controls: the control takes the
// mouse capture when the pointer enters and lets it go once the pointer is
// seen over another window without the left button held. `entering` runs
// just before the capture is taken.
HoverChange TrackHover(HWND wnd, int& hover, WPARAM keys, POINT pt, const std::function<void()>& entering = {});

// The hover messages of the picture buttons (mouse move, leave, focus loss,
// capture loss); true when `msg` was one, with its result.
bool HandleButtonHover(CWnd& button, int& hover, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result,
                       const std::function<void()>& entering = {});
// A double-click is reported unless the clock has not moved since the last report.
void ReportDoubleClick(HWND button, DWORD now, DWORD& lastClick);

// The messages of controls that paint themselves: no erasing, WM_PAINT and
// WM_PRINTCLIENT through `paint`, WM_ENABLE kept in `enabled` and repainted.
bool HandleSelfPaint(CWnd& wnd, UINT msg, WPARAM wParam, int& enabled, const std::function<void(HDC)>& paint,
                     LRESULT& result);

// WM_COMMAND with `code` and the control's ID, sent to its parent.
void ReportButton(HWND button, WORD code);
// Owner-draw style, no Tab stop.
void MakeOwnerDrawButton(CWnd& button);
// The platform button stays pushed after a press whose release it never
// handled; drop that look once the press is over.
void DropPushedLook(HWND button);
// A tooltip owned by `owner`, created inactive on first use.
void EnsureTooltip(CToolTipCtrl& tip, HWND owner);
// Hands a message of the loop to the tooltip, which decides when to show.
void RelayToTooltip(CToolTipCtrl& tip, HWND owner, MSG* msg);

// A font of the skin's face.
HFONT CreateSkinFont(int height, int weight, BYTE outPrecision, BYTE clipPrecision, BYTE quality, BYTE pitchFamily);

// The mouse position of a mouse message.
inline POINT MousePoint(LPARAM l) { return POINT{(short)LOWORD(l), (short)HIWORD(l)}; }
