#pragma once
// The configurator's side of the lighting agent: its launch, the reload
// notice after a save, and the messages the agent may send the main window.
#include <windows.h>
#include <functional>
#include <string>

inline constexpr wchar_t kAgentTitle[] = L"Veltrane Lumenkit_Hid";
inline constexpr wchar_t kConfigTitle[] = L"Veltrane Lumenkit_Config";
inline constexpr wchar_t kWarningTitle[] = L"Veltrane Lumenkit_Warning";
inline constexpr wchar_t kPreferenceTitle[] = L"Veltrane Lumenkit_Preference";
inline constexpr wchar_t kAgentExe[] = L"hid.exe";

inline constexpr UINT WM_AGENT_RELOAD = WM_USER + 300;   // to the agent: the settings file is complete
inline constexpr UINT WM_AGENT_CLOSE = WM_USER + 600;    // from the agent: close without saving
inline constexpr WPARAM kCloseRequest1 = 1625;
inline constexpr WPARAM kCloseRequest2 = 1626;
inline constexpr UINT WM_AGENT_SHOW = 4000;
inline constexpr UINT WM_AGENT_NOTE1 = 4024;
inline constexpr UINT WM_AGENT_NOTE2 = 4025;
inline constexpr UINT WM_AGENT_QUERY = WM_USER + 20;

// A live agent is waited for; one that does not answer within this bound is
// given up on, so the configurator never freezes behind it.
inline constexpr UINT kAgentReplyTimeoutMs = 5000;

// Tells a running agent to reload the settings file. True when the agent
// handled the message; false when there is none or it did not answer.
bool NotifyAgent(UINT timeoutMs = kAgentReplyTimeoutMs);

// Starts `dir` + hid.exe (dir ends with a backslash) in that directory,
// without waiting for it, unless an agent window already exists.
// True when a new agent process was started.
bool StartAgentIfAbsent(const std::wstring& dir);

// The messages the main window accepts from outside. `closeWithoutSaving`
// ends the main window's run with result 1. Returns false when the message is
// not one of them or still wants default processing after its handling.
bool HandleAgentMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                        const std::function<void()>& closeWithoutSaving, LRESULT& result);
