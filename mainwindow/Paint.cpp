#include "mainwindow/EffectCaps.h"
#include "mainwindow/TEcfgDlg.h"
#include "controls/ControlSupport.h"
#include "app/ModuleDir.h"
#include "settings/IniFile.h"
#include "skin/Picture.h"

const EffectCaps g_EffectCaps[kEffectCapsRows] = {
    {1, 0, 0}, {1, 0, 0}, {1, 1, 0}, {1, 1, 0}, {0, 1, 0}, {0, 1, 1},
    {0, 1, 0}, {1, 1, 0}, {0, 1, 0}, {1, 1, 1}, {0, 1, 1}, {0, 1, 0},
    {0, 1, 0}, {0, 1, 0}, {0, 0, 0}, {1, 0, 1}, {0, 0, 0},
};

const EffectCaps* EffectCapsRow(int effect) {
    return effect >= 0 && effect < kEffectCapsRows ? &g_EffectCaps[effect] : nullptr;
}

namespace {
constexpr UINT kLeft = DT_WORDBREAK;
constexpr UINT kCentred = DT_WORDBREAK | DT_CENTER;

HFONT MakePaintFont(int height) {
    return CreateSkinFont(height, 500, OUT_DEFAULT_PRECIS, CLIP_STROKE_PRECIS, PROOF_QUALITY, FF_SWISS | DEFAULT_PITCH);
}

void DrawLedText(HDC dc, LPCWSTR key, UINT format, const std::wstring& text = {}) {
    DrawSkinText(L"LED_TEXT", key, dc, format, text);
}
}

int CTEcfgDlg::CapsRow() const {
    if (m_state.m_bSyncMode) return kSyncRow;
    if (m_state.m_bMusicMode) return kMusicRow;
    return m_state.m_nEffect;
}

void CTEcfgDlg::OnPaint() {
    if (::IsIconic(m_hWnd)) {
        CPaintDC dc(m_hWnd);
        ::SendMessageW(m_hWnd, WM_ICONERASEBKGND, (WPARAM)dc.GetSafeHdc(), 0);
        int cx = ::GetSystemMetrics(SM_CXICON), cy = ::GetSystemMetrics(SM_CYICON);
        RECT rc = GetClientRect();
        ::DrawIcon(dc, (rc.right - rc.left - cx + 1) / 2, (rc.bottom - rc.top - cy + 1) / 2, m_hIcon);
        return;
    }
    CPaintDC dc(m_hWnd);
    RECT rc = GetClientRect();
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    CBitmap buffer;
    buffer.CreateCompatibleBitmap(dc, w, h);
    CDC mem, back;
    mem.CreateCompatibleDC(dc);
    back.CreateCompatibleDC(dc);
    mem.SelectObject(buffer);
    // Where the background does not reach (a smaller skin after a language
    // change, or none at all) the buffer shows black, not garbage.
    ::PatBlt(mem, 0, 0, w, h, BLACKNESS);
    if (m_bmpBackground) {
        back.SelectObject(m_bmpBackground);
        ::BitBlt(mem, 0, 0, w, h, back, 0, 0, SRCCOPY);
    }
    PaintSkinTexts(mem);
    ::BitBlt(dc, rc.left, rc.top, w, h, mem, 0, 0, SRCCOPY);
}

void CTEcfgDlg::PaintSkinTexts(HDC dc) {
    CFont normal(MakePaintFont(15));
    CFont small(MakePaintFont(10));
    const int saved = ::SaveDC(dc);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(255, 255, 255));
    ::SelectObject(dc, normal);

    DrawSkinPicture(L"MAINPIC", L"1", dc, nullptr, g_szModuleDir);
    DrawSkinText(L"MAIN_TEXT", L"VER", dc, kCentred, L"v1.00.03");
    DrawLedText(dc, L"1", kLeft);

    int row;
    if (m_state.m_bSyncMode) {
        row = kSyncRow;
        DrawLedText(dc, L"2", kLeft, g_iniText.GetString(L"LED_STRING", L"6", L""));
        DrawSkinPicture(L"MAINPIC", L"5", dc, nullptr, g_szModuleDir);
        DrawSkinPicture(L"MAINPIC", L"6", dc, nullptr, g_szModuleDir);
    } else if (m_state.m_bMusicMode) {
        row = kMusicRow;
        DrawLedText(dc, L"2", kLeft, g_iniText.GetString(L"LED_STRING", L"1", L""));
        DrawLedText(dc, L"22", kLeft);
    } else {
        row = m_state.m_nEffect;
        DrawLedText(dc, L"2", kLeft, m_strEffectName);
    }

    const EffectCaps* caps = EffectCapsRow(row);
    if (caps && caps->bColour) {
        for (LPCWSTR key : {L"3", L"5", L"7", L"8", L"9", L"10", L"11"}) DrawLedText(dc, key, kLeft);
        ::SelectObject(dc, small);
        DrawLedText(dc, L"12", kCentred);
        DrawLedText(dc, L"16", kCentred);
    }
    if (m_state.m_bMusicMode) {
        DrawLedText(dc, L"23", kCentred);
        DrawLedText(dc, L"24", kCentred);
    }
    ::SelectObject(dc, normal);
    if (caps && caps->bSpeed) DrawLedText(dc, L"4", kLeft);
    if (caps && caps->bDirection) DrawLedText(dc, L"6", kLeft);
    ::RestoreDC(dc, saved);  // fonts are deselected before their owners delete them
}
