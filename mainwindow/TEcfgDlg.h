#pragma once
#include "devices/DeviceFinder.h"
#include "framework/Dialog.h"
#include "settings/LightingState.h"

// The configurator's only top-level window.
class CTEcfgDlg : public CDialog {
public:
    CTEcfgDlg();
    ~CTEcfgDlg() override;
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Modeless creation from the same template (the application runs it modally).
    virtual BOOL Create(HWND parent) { return CreateModeless(parent); }

    HICON m_hIcon = nullptr;
    CDeviceFinder m_deviceFinder;
    CLightingState m_state;

protected:
    // Discovery and the agent's launch, before the window is shown.
    LRESULT OnCreate(LPCREATESTRUCTW cs);
};
