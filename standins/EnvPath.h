#pragma once
#include <windows.h>
#include <string>

// The path an environment variable gives (so a test can redirect a stand-in),
// or `fallback` when it is unset or too long to be a path.
inline std::wstring EnvPathOr(const wchar_t* name, const std::wstring& fallback) {
    wchar_t value[MAX_PATH] = {};
    DWORD n = ::GetEnvironmentVariableW(name, value, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::wstring(value, n) : fallback;
}
