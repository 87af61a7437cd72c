#include "controls/PngBtnMenu.h"
#include "res/resource.h"
#include "skin/Picture.h"
#include <algorithm>
#include <cwchar>

namespace {
constexpr UINT WM_RAISE_LIST = WM_APP + 57;
}

CPngBtnMenu::CPngBtnMenu(HWND owner) : CDialog(IDD_MENU_DIALOG, owner), m_pOwner(owner) {}

CPngBtnMenu::~CPngBtnMenu() {
    if (m_hWnd) ::DestroyWindow(m_hWnd);
    FreeRows();
}

void CPngBtnMenu::SetMenuPictures(const std::wstring& normal, const std::wstring& over, const std::wstring& down,
                                  const std::wstring& disable) {
    const std::wstring* paths[4] = {&normal, &over, &down, &disable};
    for (int i = 0; i < 4; ++i) LoadPngBitmap(*paths[i], m_bmpItem[i]);
}

void CPngBtnMenu::AddItem(const std::wstring& text, int data) {
    BMPMENUINFO info{};
    // Longer captions are cut to the record's capacity.
    wcsncpy(info.szText, text.c_str(), 259);
    info.szText[259] = L'\0';
    info.nData = data;
    m_itemList.push_back(info);
}

BOOL CPngBtnMenu::CreateMenuWindow() {
    if (!CreateModeless(m_pOwner)) return FALSE;
    // A pop-up list must not take the activation from its owner: the owner
    // would be raised over it again when the click that opened it ends.
    ::ShowWindow(m_hWnd, SW_SHOWNA);
    // The click that opened the list activates the owner once its own handling
    // ends, which raises the owner over the list on screen: raise the list
    // again after that.
    ::PostMessageW(m_hWnd, WM_RAISE_LIST, 0, 0);
    return TRUE;
}

void StretchThreeSlice(CBitmap& bmp, HDC dc, int t, int edge) {
    const SIZE size = bmp.GetSize();
    const int w = size.cx, s = size.cy;
    if (!bmp || w <= 0 || s <= 0 || t <= 0) return;
    CBitmap target;
    target.CreateCompatibleBitmap(dc, w, t);
    {
        CDC src, dst;
        src.CreateCompatibleDC(dc);
        dst.CreateCompatibleDC(dc);
        src.SelectObject(bmp);
        dst.SelectObject(target);
        auto rows = [&](int from, int to, int count) {
            if (count > 0) ::BitBlt(dst, 0, to, w, count, src, 0, from, SRCCOPY);
        };
        if (t < s) {
            if (t > edge) {
                rows(0, 0, t);
                rows(s - edge, t - edge, edge);
            } else {
                rows(0, 0, std::min(s, t));
                const int half = t / 2;
                rows(s - half, half, half);
            }
        } else {
            rows(0, 0, s);
            const int middle = s - 2 * edge;
            // An empty or negative middle band has nothing to tile.
            if (middle > 0) {
                const int k = (t - s + edge) / middle;
                for (int j = 0; j <= k; ++j) rows(edge, edge + middle * j, std::min(middle, t - (edge + middle * j)));
            }
            if (s - edge > 0) rows(edge, std::max(t - s + edge, edge), s - edge);
        }
    }
    bmp = std::move(target);
}

BOOL CPngBtnMenu::OnInitDialog() {
    CDialog::OnInitDialog();
    const SIZE pic = m_bmpItem[0].GetSize();
    const int W = pic.cx, H = pic.cy;
    if (m_nItemHeight == -1) m_nItemHeight = H;
    const int h = m_nItemHeight > 0 ? m_nItemHeight : 0;
    const int n = (int)m_itemList.size();
    {
        CClientDC dc(m_hWnd);
        if (H != n * h)
            for (CBitmap& b : m_bmpItem) StretchThreeSlice(b, dc, n * h, h);
    }
    int i = 0;
    for (const BMPMENUINFO& item : m_itemList) {
        auto row = std::make_unique<CPngListBtn>();
        const RECT rc{0, i * h, W, (i + 1) * h};
        row->Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rc, m_hWnd, 0);
        row->SetImages(m_bmpItem[0], m_bmpItem[1], m_bmpItem[2], m_bmpItem[3], RECT{0, 0, W, h});
        row->SetTextAlign(m_nItemAlign);
        row->SetText(item.szText, m_nItemTextMargin);
        row->SetTooltipText(item.szText, TRUE);
        row->SetFontHeight(m_nItemFontHeight);
        m_pRows.push_back(std::move(row));
        ++i;
    }
    ::SetWindowPos(m_hWnd, HWND_TOP, m_ptPos.x, m_ptPos.y, W + 18, n * h, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    i = 0;
    for (const BMPMENUINFO& item : m_itemList) {
        CPngListBtn& row = *m_pRows[i++];
        if (item.szText[0] == L'\0') row.ShowWindow(SW_HIDE);
        row.SetTextColors(m_clrItemHover, m_clrItemText, 0xFFFFFF, 0x464646);
        row.SetCheck(0);
    }
    m_nSel = -1;
    return TRUE;
}

void CPngBtnMenu::OnPaint() {
    CPaintDC dc(m_hWnd);
    RECT rc = GetClientRect();
    if (!m_bmpItem[0]) return;
    CDC mem;
    mem.CreateCompatibleDC(dc);
    mem.SelectObject(m_bmpItem[0]);
    const SIZE pic = m_bmpItem[0].GetSize();
    const int h = rc.bottom - rc.top;
    ::BitBlt(dc, 0, 0, pic.cx, h, mem, 0, 0, SRCCOPY);
    // The window is 18 pixels wider than its picture: each row's strip is
    // filled from a column in the middle of the row picture the rows show.
    const int rowH = m_nItemHeight > 0 ? m_nItemHeight : h;
    if (rc.right > pic.cx && pic.cx > 0 && rowH > 0)
        for (int y = 0; y < h; y += rowH)
            ::StretchBlt(dc, pic.cx, y, rc.right - pic.cx, rowH, mem, pic.cx / 2, 0, 1, rowH, SRCCOPY);
}

void CPngBtnMenu::FreeRows() {
    m_pRows.clear();
    m_itemList.clear();
}

BOOL CPngBtnMenu::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) != BN_CLICKED || !lParam) return CDialog::OnCommand(wParam, lParam);
    int index = -1;
    for (size_t i = 0; i < m_pRows.size(); ++i)
        if (m_pRows[i]->m_hWnd == (HWND)lParam) index = (int)i;
    if (index < 0) return CDialog::OnCommand(wParam, lParam);
    if (m_nSel >= 0 && m_nSel < (int)m_pRows.size()) m_pRows[m_nSel]->SetCheck(0);
    m_pRows[index]->SetCheck(1);
    m_nSel = index;
    auto it = m_itemList.begin();
    std::advance(it, index);
    ::PostMessageW(m_pOwner, WM_PNGMENU_SELECT, MAKEWPARAM(0xFFFF, index), MAKELPARAM(0, it->nData));
    return TRUE;
}

LRESULT CPngBtnMenu::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return TRUE;
    case WM_RAISE_LIST:
        ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return 0;
    case WM_DESTROY: {
        LRESULT r = CDialog::WindowProc(msg, wParam, lParam);
        FreeRows();
        return r;
    }
    default: break;
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}
