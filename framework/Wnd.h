#pragma once
// The thin window layer: an object per window, found from its handle.
#include <windows.h>
#include <string>

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The object attached to a window, or null.
    static CWnd* FromHandle(HWND hwnd);

    // Creates a window of any class (ours or a system control) and attaches
    // this object before the window's first message. A null class name means
    // AfxDefaultWndClass().
    virtual BOOL CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR title, DWORD style,
                          const RECT& rc, HWND parent, UINT id);
    BOOL Create(LPCWSTR className, LPCWSTR title, DWORD style, const RECT& rc, HWND parent, UINT id) {
        return CreateEx(0, className, title, style, rc, parent, id);
    }
    // Attaches to an existing window by replacing its procedure.
    BOOL SubclassWindow(HWND hwnd);
    HWND UnsubclassWindow();
    BOOL DestroyWindow();

    // Called for every message the modal or application loop routes through
    // this window; true means handled (not dispatched).
    virtual BOOL PreTranslateMessage(MSG* msg);
    // The object's message handling; the default reflects owner-draw, colour
    // and command notifications to the child that sent them.
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // Processing by the procedure the window had before this object.
    virtual LRESULT DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // WM_COMMAND not taken by the child that sent it; true when handled.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // A notification from this window's parent about this window.
    // Return true and set *result to take it.
    virtual bool OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual void DrawItem(LPDRAWITEMSTRUCT) {}
    virtual void PreSubclassWindow() {}
    virtual void PostNcDestroy() {}

    // Processing of the current message by the previous procedure.
    LRESULT Default();

    // Conveniences used throughout.
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    DWORD GetStyle() const { return (DWORD)::GetWindowLongPtrW(m_hWnd, GWL_STYLE); }
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    RECT GetClientRect() const { RECT rc{}; ::GetClientRect(m_hWnd, &rc); return rc; }
    RECT GetWindowRect() const { RECT rc{}; ::GetWindowRect(m_hWnd, &rc); return rc; }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL ShowWindow(int cmd) { return ::ShowWindow(m_hWnd, cmd); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL MoveWindow(const RECT& rc, BOOL repaint = TRUE) {
        return ::MoveWindow(m_hWnd, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, repaint);
    }
    void SetWindowText(const std::wstring& s) { ::SetWindowTextW(m_hWnd, s.c_str()); }
    std::wstring GetWindowText() const;
    LRESULT SendMessage(UINT msg, WPARAM w = 0, LPARAM l = 0) const { return ::SendMessageW(m_hWnd, msg, w, l); }
    BOOL PostMessage(UINT msg, WPARAM w = 0, LPARAM l = 0) const { return ::PostMessageW(m_hWnd, msg, w, l); }

    // Routes a message through PreTranslateMessage from its target window up
    // through its parents, stopping at (and including) `top`.
    static BOOL WalkPreTranslateTree(HWND top, MSG* msg);

protected:
    WNDPROC m_pfnSuper = nullptr;
    // The message being handled, for Default().
    struct Current { UINT msg; WPARAM w; LPARAM l; };
    Current m_cur{};

    // Handles WM_NCDESTROY and detaches; derived overrides call this last.
    virtual void OnNcDestroy();

private:
    friend class CDialog;
    static LRESULT CALLBACK StdWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    void AttachSubclass(HWND hwnd);
    void Detach();
    bool ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);

protected:
    // Creation hook: the next window created on this thread is attached to `wnd`.
    struct CreationHook {
        explicit CreationHook(CWnd* wnd);
        ~CreationHook();
        HHOOK m_hook = nullptr;
    };
};

// Module instance of the running program.
HINSTANCE AfxGetInstanceHandle();
// The class of plain windows of our own (double-clicks, arrow cursor, no
// background brush: they paint everything themselves). Registered on first use.
LPCWSTR AfxDefaultWndClass();
