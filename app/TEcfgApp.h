#pragma once
#include "framework/WinApp.h"
#include <windows.h>
#include <cstdint>

class CTEcfgApp : public CWinApp {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;
    BOOL OnCommand(UINT id) override;

    HANDLE m_hMutex = nullptr;
    uintptr_t m_gdiplusToken = 0;
};

extern CTEcfgApp theApp;
