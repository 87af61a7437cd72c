#include "app/ModuleDir.h"
#include <windows.h>
#include <shellapi.h>
#include <cwchar>

wchar_t g_szModuleDir[260] = {};

std::wstring ModuleDirOf(const std::wstring& path) {
    size_t cut = path.rfind(L'\\');
    return cut == std::wstring::npos ? std::wstring() : path.substr(0, cut + 1);
}

void InitModuleDir() {
    wchar_t path[260] = {};
    DWORD n = ::GetModuleFileNameW(nullptr, path, 260);
    std::wstring dir = ModuleDirOf(std::wstring(path, n < 260 ? n : 259));
    wcsncpy(g_szModuleDir, dir.c_str(), 259);
    g_szModuleDir[259] = L'\0';
}

std::wstring HelpFilePath() {
    // The directory ends with a backslash already; the doubled one is harmless.
    return std::wstring(g_szModuleDir) + L"\\Help\\Help.pdf";
}

void OpenHelp() {
    ::ShellExecuteW(nullptr, nullptr, HelpFilePath().c_str(), nullptr, nullptr, SW_SHOW);
}
