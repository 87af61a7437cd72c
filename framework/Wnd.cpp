#include "framework/Wnd.h"
#include <unordered_map>
#include <utility>

namespace {
std::unordered_map<HWND, CWnd*>& Map() {
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}
thread_local CWnd* t_pWndInit = nullptr;
}

HINSTANCE AfxGetInstanceHandle() { return ::GetModuleHandleW(nullptr); }

LPCWSTR AfxDefaultWndClass() {
    static const wchar_t kName[] = L"LkWnd";
    static const bool registered = [] {
        WNDCLASSEXW wc{sizeof(wc)};
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = AfxGetInstanceHandle();
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kName;
        return ::RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
    return kName;
}

CWnd::~CWnd() {
    if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
    if (m_hWnd) Detach();
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    auto it = Map().find(hwnd);
    return it == Map().end() ? nullptr : it->second;
}

void CWnd::AttachSubclass(HWND hwnd) {
    m_hWnd = hwnd;
    Map()[hwnd] = this;
    m_pfnSuper = (WNDPROC)::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, (LONG_PTR)&CWnd::StdWndProc);
}

void CWnd::Detach() {
    if (!m_hWnd) return;
    auto it = Map().find(m_hWnd);
    if (it != Map().end() && it->second == this) Map().erase(it);
    m_hWnd = nullptr;
}

CWnd::CreationHook::CreationHook(CWnd* wnd) {
    t_pWndInit = wnd;
    m_hook = ::SetWindowsHookExW(WH_CBT, &CWnd::CbtProc, nullptr, ::GetCurrentThreadId());
}

CWnd::CreationHook::~CreationHook() {
    if (m_hook) ::UnhookWindowsHookEx(m_hook);
    t_pWndInit = nullptr;
}

LRESULT CALLBACK CWnd::CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && t_pWndInit) {
        CWnd* wnd = std::exchange(t_pWndInit, nullptr);
        wnd->AttachSubclass((HWND)wParam);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR title, DWORD style,
                    const RECT& rc, HWND parent, UINT id) {
    HWND hwnd;
    {
        CreationHook hook(this);
        hwnd = ::CreateWindowExW(exStyle, className ? className : AfxDefaultWndClass(), title ? title : L"", style, rc.left, rc.top,
                                 rc.right - rc.left, rc.bottom - rc.top, parent,
                                 (style & WS_CHILD) ? (HMENU)(UINT_PTR)id : nullptr,
                                 AfxGetInstanceHandle(), nullptr);
    }
    if (!hwnd) {
        if (m_hWnd) Detach();
        return FALSE;
    }
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
    if (!hwnd || m_hWnd || FromHandle(hwnd)) return FALSE;
    PreSubclassWindow();
    AttachSubclass(hwnd);
    return TRUE;
}

HWND CWnd::UnsubclassWindow() {
    HWND hwnd = m_hWnd;
    if (!hwnd) return nullptr;
    if (m_pfnSuper) ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = nullptr;
    Detach();
    return hwnd;
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd) return FALSE;
    return ::DestroyWindow(m_hWnd);
}

std::wstring CWnd::GetWindowText() const {
    int n = ::GetWindowTextLengthW(m_hWnd);
    std::wstring s(n + 1, L'\0');
    n = ::GetWindowTextW(m_hWnd, s.data(), n + 1);
    s.resize(n > 0 ? n : 0);
    return s;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags) {
    DWORD style = GetStyle();
    DWORD next = (style & ~remove) | add;
    if (style == next) return FALSE;
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, (LONG_PTR)next);
    if (swpFlags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return TRUE;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND top, MSG* msg) {
    for (HWND h = msg->hwnd; h; h = ::GetParent(h)) {
        if (CWnd* w = FromHandle(h))
            if (w->PreTranslateMessage(msg)) return TRUE;
        if (h == top) break;
    }
    return FALSE;
}

LRESULT CWnd::DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper) return ::CallWindowProcW(m_pfnSuper, m_hWnd, msg, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, msg, wParam, lParam);
}

LRESULT CWnd::Default() { return DefWindowProc(m_cur.msg, m_cur.w, m_cur.l); }

BOOL CWnd::OnCommand(WPARAM, LPARAM) { return FALSE; }

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return false; }

bool CWnd::ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    HWND child = nullptr;
    switch (msg) {
    case WM_DRAWITEM: child = ((LPDRAWITEMSTRUCT)lParam)->hwndItem; break;
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX: child = (HWND)lParam; break;
    case WM_NOTIFY: child = ((LPNMHDR)lParam)->hwndFrom; break;
    default: return false;
    }
    if (!child || child == m_hWnd) return false;
    CWnd* w = FromHandle(child);
    if (!w) return false;
    if (msg == WM_DRAWITEM) {
        w->DrawItem((LPDRAWITEMSTRUCT)lParam);
        *result = TRUE;
        return true;
    }
    return w->OnChildNotify(msg, wParam, lParam, result);
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (ReflectToChild(msg, wParam, lParam, &result)) return result;
    if (msg == WM_COMMAND && OnCommand(wParam, lParam)) return 0;
    return DefWindowProc(msg, wParam, lParam);
}

void CWnd::OnNcDestroy() {
    WNDPROC super = m_pfnSuper;
    HWND hwnd = m_hWnd;
    Detach();
    if (super) ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, (LONG_PTR)super);
    m_pfnSuper = nullptr;
    PostNcDestroy();
}

LRESULT CALLBACK CWnd::StdWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = FromHandle(hwnd);
    if (!wnd) return ::DefWindowProcW(hwnd, msg, wParam, lParam);
    // No exception may cross into the system's code.
    try {
        Current saved = wnd->m_cur;
        wnd->m_cur = {msg, wParam, lParam};
        LRESULT r;
        if (msg == WM_NCDESTROY) {
            r = wnd->DefWindowProc(msg, wParam, lParam);
            wnd->OnNcDestroy();
            return r;
        }
        r = wnd->WindowProc(msg, wParam, lParam);
        if (FromHandle(hwnd) == wnd) wnd->m_cur = saved;
        return r;
    } catch (...) {
        return ::DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}
