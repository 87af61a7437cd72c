#pragma once
#include <string>

// The executable's directory with its trailing backslash.
extern wchar_t g_szModuleDir[260];

// `path` up to and including its last backslash (empty when it has none).
std::wstring ModuleDirOf(const std::wstring& path);
// Fills g_szModuleDir from the running executable's path.
void InitModuleDir();
// The manual beside the program: "%s\Help\Help.pdf" with the module directory.
std::wstring HelpFilePath();
// Opens the manual with the shell; a missing file or viewer is not reported.
void OpenHelp();
