#pragma once
#include "framework/Wnd.h"

// Command identifier the framework sends for F1 (help).
constexpr UINT ID_HELP = 57670;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, HWND parent = nullptr) : m_nTemplate(templateId), m_hParent(parent) {}
    // Creates the dialog from its template, disables the owner and runs a
    // loop of its own until EndDialog; returns the EndDialog result
    // (-1 when the dialog could not be created).
    virtual INT_PTR DoModal();
    // Modeless creation from the template.
    BOOL CreateModeless(HWND parent);
    void EndDialog(INT_PTR result);
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    BOOL PreTranslateMessage(MSG* msg) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool IsModalRunning() const { return m_bModal && !m_bEnd; }

protected:
    UINT m_nTemplate;
    HWND m_hParent;
    INT_PTR m_nResult = -1;
    bool m_bModal = false;
    bool m_bEnd = false;

private:
    static INT_PTR CALLBACK DlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND CreateFromTemplate(HWND parent);
};
