#include "mainwindow/EffectCaps.h"
#include "mainwindow/TEcfgDlg.h"
#include "controls/ControlSupport.h"
#include "settings/Colour.h"
#include "settings/IniFile.h"
#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <cstdlib>

namespace {
// The strip that drags the window.
constexpr RECT kDragStrip{0, 0, 1200, 48};
constexpr int kEffectRowPitch = 37;

template <class T, size_t N>
int IndexOf(const T (&group)[N], HWND hwnd) {
    for (size_t i = 0; i < N; ++i)
        if (group[i].m_hWnd && group[i].m_hWnd == hwnd) return (int)i;
    return -1;
}

void Show(CWnd& wnd, bool show) { wnd.ShowWindow(show ? SW_SHOW : SW_HIDE); }

std::wstring Decimal(float v) { return std::to_wstring((int)v); }

// An edit rewritten with its own text would still notify and repaint.
bool SetTextIfChanged(CWnd& wnd, const std::wstring& text) {
    if (wnd.GetWindowText() == text) return false;
    wnd.SetWindowText(text);
    return true;
}
}

std::wstring CTEcfgDlg::EffectCaption(int effect) const {
    if (!IsListedEffect(effect)) return std::wstring();  // no such button: an empty name
    return m_btnEffect[effect].GetText();
}

COLORREF CTEcfgDlg::SlotColour(int slot) const {
    const COLORREF* colours = m_state.TargetColours();
    return colours[slot & 7];
}

void CTEcfgDlg::SetRgbSliders(COLORREF c) {
    m_sliderRed.SetPos(GetRValue(c));
    m_sliderGreen.SetPos(GetGValue(c));
    m_sliderBlue.SetPos(GetBValue(c));
}

void CTEcfgDlg::UpdateColour(int mode) {
    float r, g, b;
    if (mode == 1) {
        r = (float)m_sliderRed.GetPos();
        g = (float)m_sliderGreen.GetPos();
        b = (float)m_sliderBlue.GetPos();
        HSVF hsv = RgbToHsv(r, g, b);
        m_sliderHue.SetPos((int)hsv.h);
        const double s = hsv.s * 100.0;
        m_sliderSaturation.SetPos(s >= 100.0 ? 100 : s <= 0.0 ? 0 : (int)s);
        m_sliderValue.SetPos((int)hsv.v);
    } else {
        RGBF rgb = HsvToRgb((float)m_sliderHue.GetPos(), (float)(m_sliderSaturation.GetPos() * 0.01),
                            (float)m_sliderValue.GetPos());
        r = rgb.r;
        g = rgb.g;
        b = rgb.b;
        m_sliderRed.SetPos((int)r);
        m_sliderGreen.SetPos((int)g);
        m_sliderBlue.SetPos((int)b);
    }
    SetTextIfChanged(m_edit[0], Decimal(r));
    SetTextIfChanged(m_edit[1], Decimal(g));
    SetTextIfChanged(m_edit[2], Decimal(b));

    const COLORREF c = PackColour(r, g, b);
    m_state.SetColour(c);
    if (m_state.TargetSameColour()) {
        for (CColorBtn2& s : m_swatchSlot) s.SetSwatchColour(GetRValue(c), GetGValue(c), GetBValue(c));
    } else if (m_pCurSwatch) {
        m_pCurSwatch->SetSwatchColour(GetRValue(c), GetGValue(c), GetBValue(c));
    }
    SetTextIfChanged(m_edit[3], RgbToHex(r, g, b));
}

void CTEcfgDlg::ScrollEffectList(int firstRow) {
    ::MoveWindow(m_btnEffect[0].m_hWnd, 0, 0, 0, 0, TRUE);
    for (int n = 1; n < 15; ++n) {
        if (n >= firstRow + 1 && n <= firstRow + 8) {
            RECT rc = m_rcEffectName;
            ::OffsetRect(&rc, 0, kEffectRowPitch * (n - firstRow - 1));
            m_btnEffect[n].MoveWindow(rc, TRUE);
        } else {
            ::MoveWindow(m_btnEffect[n].m_hWnd, 0, 0, 0, 0, TRUE);
        }
    }
}

void CTEcfgDlg::ShowEffectControls() {
    const int row = CapsRow();
    const EffectCaps* caps = EffectCapsRow(row);
    const bool colour = caps && caps->bColour;
    Show(m_btnRazer, row == kSyncRow);
    Show(m_sliderMusic, row == kMusicRow);
    for (CWnd* w : std::initializer_list<CWnd*>{&m_btnSameColour, &m_sliderHue, &m_sliderSaturation,
                                               &m_sliderValue, &m_sliderRed, &m_sliderGreen, &m_sliderBlue,
                                               &m_edit[0], &m_edit[1], &m_edit[2], &m_edit[3]})
        Show(*w, colour);
    for (CColorBtn2& p : m_swatchPreset) Show(p, colour);
    Show(m_sliderSpeed, caps && caps->bSpeed);
    for (CPngListBtn& d : m_btnDirection) Show(d, caps && caps->bDirection);
    const int leds = m_state.EditedRecord().nLedCount;
    for (int i = 0; i < 8; ++i) Show(m_swatchSlot[i], m_state.m_bMusicMode || (colour && i < leds));
    if (row == 7 || row == 9) {
        for (int i = 1; i < 8; ++i) Show(m_swatchSlot[i], false);
        Show(m_btnSameColour, false);
    }
    ::InvalidateRgn(m_hWnd, m_rgnText, TRUE);
}

void CTEcfgDlg::RefreshPanel(bool resetView) {
    const LEDSETTING& s = m_state.m_setting;
    RefreshProfileControls();

    m_btnLed.SetCheck(s.bLedOn == 0);
    m_btnMusic.SetCheck(s.bAudio != 0);
    m_btnSync.SetCheck(s.bSync != 0);
    m_btnRazer.SetCheck(s.bRazer != 0);
    m_sliderMusic.SetPos(s.musicInfo.nLevel);

    const bool music = m_state.m_bMusicMode;
    const EFFECTINFO& rec = m_state.EditedRecord();
    const int same = music ? s.musicInfo.bSameColour : rec.bSameColour;
    m_btnSameColour.SetCheck(same != 0);
    const std::wstring prefix = g_iniText.GetString(L"LED_STRING", music ? L"4" : L"2", L"");
    for (int i = 0; i < 8; ++i) {
        COLORREF c = music ? s.musicInfo.clrColours[i] : rec.clrColours[same ? 0 : i];
        m_swatchSlot[i].SetSwatchColour(GetRValue(c), GetGValue(c), GetBValue(c));
        m_swatchSlot[i].EnableWindow(music || !same);
        wchar_t label[160];
        swprintf(label, 160, L"%ls %d", prefix.c_str(), i + 1);
        m_swatchSlot[i].SetText(label, 0);
    }
    m_btnSameColour.SetText(g_iniText.GetString(L"LED_STRING", music ? L"5" : L"3", L""), 0, (BYTE)-1);

    const int slot = m_state.m_nSlot & 7;
    m_pCurSwatch = &m_swatchSlot[slot];
    SetRgbSliders(music ? s.musicInfo.clrColours[slot] : rec.clrColours[slot]);
    UpdateColour(1);

    m_strEffectName = EffectCaption(m_state.m_nEffect);
    const bool modes = m_state.m_bMusicMode || m_state.m_bSyncMode;
    for (int i = 0; i < 15; ++i) {
        m_btnEffect[i].SetCheck(i == m_state.m_nEffect);
        m_btnEffect[i].EnableWindow(!modes);
    }

    if (resetView) {
        const int first = m_state.m_nEffect <= 8 ? 0 : m_state.m_nEffect - 8;
        const int clamped = first > 6 ? 6 : first;
        m_sliderScroll.SetPos(clamped);
        ScrollEffectList(clamped);
    }
    m_btnDirection[0].SetCheck(m_state.m_nPendingDirection == 0);
    m_btnDirection[1].SetCheck(m_state.m_nPendingDirection == 1);
    m_sliderSpeed.SetPos(rec.nSpeed);
    ShowEffectControls();
}

void CTEcfgDlg::ApplyChanges() {
    COLORREF colours[8];
    for (int i = 0; i < 8; ++i) colours[i] = m_swatchSlot[i].GetSwatchColour();
    m_state.Apply(m_sliderSpeed.GetPos(), colours, m_sliderMusic.GetPos());
}

LRESULT CTEcfgDlg::OnSliderPos(int pos, int id) {
    CloseOpenMenu();
    CommitActiveEdit();
    switch (id) {
    case kSliderScroll:
        m_sliderScroll.SetPos(pos);
        ScrollEffectList(m_sliderScroll.GetPos());
        break;
    case kSliderRed: m_sliderRed.SetPos(pos); UpdateColour(1); break;
    case kSliderGreen: m_sliderGreen.SetPos(pos); UpdateColour(1); break;
    case kSliderBlue: m_sliderBlue.SetPos(pos); UpdateColour(1); break;
    case kSliderSaturation: m_sliderSaturation.SetPos(pos); UpdateColour(2); break;
    case kSliderHue: m_sliderHue.SetPos(pos); UpdateColour(2); break;
    case kSliderValue: m_sliderValue.SetPos(pos); UpdateColour(2); break;
    case kSliderSpeed: m_sliderSpeed.SetPos(pos); break;
    case kSliderMusic: m_sliderMusic.SetPos(pos); break;
    default: break;
    }
    return 1;
}

// ---- colour edits ----

void CTEcfgDlg::CommitActiveEdit() {
    if (!m_pActiveEdit) return;
    float r, g, b;
    if (m_pActiveEdit == &m_edit[3]) {
        RGBF c = HexToRgb(m_edit[3].GetWindowText());
        r = c.r;
        g = c.g;
        b = c.b;
    } else {
        // A value pasted past the key-up check must not put a knob off its track.
        auto channel = [](CClrEdit& e) { return (float)std::clamp(_wtoi(e.GetWindowText().c_str()), 0, 255); };
        r = channel(m_edit[0]);
        g = channel(m_edit[1]);
        b = channel(m_edit[2]);
    }
    SetRgbSliders(PackColour(r, g, b));
    UpdateColour(1);
    m_pActiveEdit = nullptr;
    ::SetFocus(m_btnProfile[0].m_hWnd);
}

void CTEcfgDlg::OnEditClicked(CClrEdit* edit) {
    if (edit == &m_edit[3]) {
        m_pActiveEdit = edit;
        return;
    }
    if (m_pActiveEdit && m_pActiveEdit != edit) CommitActiveEdit();
    m_pActiveEdit = edit;
}

namespace {
// The leading decimal number of a text, 0 when there is none. Pasted "nan",
// "inf" or "0x5" would pass a plain float parse.
float LeadingDecimal(const std::wstring& text) {
    size_t i = text.find_first_not_of(L" \t");
    if (i == std::wstring::npos) return 0.0f;
    const size_t start = i;
    if (text[i] == L'+' || text[i] == L'-') ++i;
    bool point = false, digits = false;
    for (; i < text.size(); ++i) {
        if (iswdigit(text[i])) digits = true;
        else if (text[i] == L'.' && !point) point = true;
        else break;
    }
    return digits ? (float)wcstod(text.substr(start, i - start).c_str(), nullptr) : 0.0f;
}

// Rewrites an edit's text only when it changes, keeping the caret and the
// selection: a rewrite at every key-up would throw the caret to the start.
void RewriteKeepingCaret(CClrEdit& edit, const std::wstring& text) {
    DWORD start = 0, end = 0;
    edit.SendMessage(EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    if (SetTextIfChanged(edit, text)) edit.SendMessage(EM_SETSEL, start, end);
}
}

bool CTEcfgDlg::OnEditKeyUp(MSG* msg) {
    HWND focus = ::GetFocus();
    const bool enter = msg->wParam == VK_RETURN;
    if (focus && focus == m_edit[3].m_hWnd) {
        const std::wstring text = m_edit[3].GetWindowText();
        if (enter || text.size() == 6) {
            RGBF c = HexToRgb(text);
            RewriteKeepingCaret(m_edit[3], RgbToHex(c.r, c.g, c.b));
            if (enter) CommitActiveEdit();
        }
        return true;
    }
    for (int i = 0; i < 3; ++i) {
        if (!focus || focus != m_edit[i].m_hWnd) continue;
        const float v = LeadingDecimal(m_edit[i].GetWindowText());
        if (enter) {
            const int clamped = v <= 0.0f ? 0 : v >= 255.0f ? 255 : (int)v;
            RewriteKeepingCaret(m_edit[i], std::to_wstring(clamped));
            CommitActiveEdit();
        } else if (v > 255.0f) {
            RewriteKeepingCaret(m_edit[i], L"255");
        } else if (v < 0.0f) {
            RewriteKeepingCaret(m_edit[i], L"0");
        }
        return true;
    }
    return false;
}

BOOL CTEcfgDlg::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN) {
        if (msg->wParam == VK_ESCAPE) {
            // Past the dialog's key handling, so Escape never closes the window.
            ::TranslateMessage(msg);
            ::DispatchMessageW(msg);
            return TRUE;
        }
        if (msg->wParam == VK_RETURN) return TRUE;
    } else if (msg->message == WM_KEYUP) {
        OnEditKeyUp(msg);
        if (msg->wParam == VK_RETURN) return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

// ---- commands ----

BOOL CTEcfgDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const HWND ctl = (HWND)lParam;
    // An edit's own notifications change nothing, not even an open menu: a
    // commit rewriting the edits would otherwise close the menu just opened.
    if (ctl && wParam != 0 && IndexOf(m_edit, ctl) >= 0) return TRUE;
    const bool menuWasOpen = g_pOpenMenu != nullptr;
    CloseOpenMenu();

    if ((DWORD)wParam == 0xFFFFFFFF) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    if (ctl && ctl == m_btnClose.m_hWnd) {
        EndDialog(2);
        return TRUE;
    }
    if (!ctl) {
        // The help command (F1) carries no control either; it must not close.
        if (LOWORD(wParam) == ID_HELP) return CDialog::OnCommand(wParam, lParam);
        // Alt+F4 or the system menu: closing this way keeps the changes.
        m_state.SaveAndNotify();
        EndDialog(IDOK);
        return TRUE;
    }

    bool editClick = false;
    int i;
    if (ctl == m_btnMinimise.m_hWnd) {
        ShowWindow(SW_MINIMIZE);
    } else if (ctl == m_btnApply.m_hWnd) {
        ApplyChanges();
    } else if (ctl == m_btnLanguage.m_hWnd) {
        if (!menuWasOpen) OpenPopupMenu(m_btnLanguage, false);
    } else if (ctl == m_btnReset.m_hWnd) {
        m_state.ResetEffect();
        RefreshPanel(false);
    } else if (ctl == m_btnLed.m_hWnd) {
        // The panel's refresh sets the switches' looks and the effect name
        // from the state, and shows the controls the mode uses.
        m_state.ToggleLed();
        RefreshPanel(false);
    } else if (ctl == m_btnMusic.m_hWnd) {
        m_state.ToggleMusic();
        RefreshPanel(false);
    } else if (ctl == m_btnSync.m_hWnd) {
        m_state.ToggleSync();
        RefreshPanel(false);
    } else if (ctl == m_btnRazer.m_hWnd) {
        m_btnRazer.SetCheck(!m_btnRazer.GetCheck());
        m_state.ToggleRazer();
    } else if ((i = IndexOf(m_btnProfile, ctl)) >= 0) {
        OnProfileButton(i);
    } else if ((i = IndexOf(m_btnDevTab, ctl)) >= 0) {
        OnDeviceTab(i);
    } else if ((i = IndexOf(m_btnEffect, ctl)) >= 0) {
        CheckOnly(m_btnEffect, i);
        m_strEffectName = m_btnEffect[i].GetText();
        m_state.SelectEffect(i);
        ShowEffectControls();
    } else if ((i = IndexOf(m_swatchSlot, ctl)) >= 0) {
        CheckOnly(m_swatchSlot, i);
        SetRgbSliders(m_swatchSlot[i].GetSwatchColour());
        m_pCurSwatch = &m_swatchSlot[i];
        m_state.SelectSlot(i);
        UpdateColour(1);
    } else if ((i = IndexOf(m_swatchPreset, ctl)) >= 0) {
        CheckOnly(m_swatchPreset, i);
        const COLORREF c = m_swatchPreset[i].GetSwatchColour();
        SetRgbSliders(c);
        if (m_pCurSwatch) m_pCurSwatch->SetSwatchColour(GetRValue(c), GetGValue(c), GetBValue(c));
        UpdateColour(1);
    } else if (ctl == m_btnSameColour.m_hWnd) {
        const int next = !m_btnSameColour.GetCheck();
        m_btnSameColour.SetCheck(next);
        m_pCurSwatch = &m_swatchSlot[0];
        m_state.ToggleSameColour(next == 0);
        RefreshPanel(true);
    } else if ((i = IndexOf(m_btnDirection, ctl)) >= 0) {
        CheckOnly(m_btnDirection, i);
        m_state.SetPendingDirection(i);
    } else if ((i = IndexOf(m_edit, ctl)) >= 0) {
        editClick = true;
        OnEditClicked(&m_edit[i]);
    }
    if (!editClick) CommitActiveEdit();
    return CDialog::OnCommand(wParam, lParam);
}

void CTEcfgDlg::OnLButtonDown(WPARAM, LPARAM pos) {
    CloseOpenMenu();
    CommitActiveEdit();
    const POINT pt = MousePoint(pos);
    if (::PtInRect(&kDragStrip, pt)) PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, pos);
}
