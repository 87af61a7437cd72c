#include "devices/AgentLink.h"

bool NotifyAgent(UINT timeoutMs) {
    HWND agent = ::FindWindowW(nullptr, kAgentTitle);
    if (!agent) return false;
    DWORD_PTR answer = 0;
    return ::SendMessageTimeoutW(agent, WM_AGENT_RELOAD, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &answer) != 0;
}

bool StartAgentIfAbsent(const std::wstring& dir) {
    if (::FindWindowW(nullptr, kAgentTitle)) return false;
    // The full path as the application name: spaces and any characters in the
    // program folder can neither split the command nor pick another program.
    const std::wstring exe = dir + kAgentExe;
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          dir.empty() ? nullptr : dir.c_str(), &si, &pi))
        return false;
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return true;
}

bool HandleAgentMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM,
                        const std::function<void()>& closeWithoutSaving, LRESULT& result) {
    switch (msg) {
    case WM_AGENT_CLOSE:
        if (wParam == kCloseRequest1 || wParam == kCloseRequest2) {
            // Bounded like the reload notice: a hung window must not keep us open.
            for (const wchar_t* title : {kWarningTitle, kPreferenceTitle})
                if (HWND other = ::FindWindowW(nullptr, title))
                    ::SendMessageTimeoutW(other, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, kAgentReplyTimeoutMs, nullptr);
            if (closeWithoutSaving) closeWithoutSaving();
        }
        result = 1;
        return true;
    case WM_AGENT_SHOW:
        ::ShowWindow(hwnd, SW_SHOWNORMAL);
        return false;
    case WM_AGENT_NOTE1:
    case WM_AGENT_NOTE2:
        result = 0;
        return true;
    case WM_AGENT_QUERY:
        result = 1;
        return true;
    }
    return false;
}
