#pragma once
#include <string>

// Makes sure the directories of `relative` exist under the per-user
// application-data folder. 0 when the path opened as a file, 1 otherwise.
int CreateAppDataDir(const std::wstring& relative);
// The same under "C:\".
int CreateDriveDir(const std::wstring& relative);
// The walk both share: creates every component of `relative` that is followed
// by a backslash, under `root`, after probing `probe` as a file.
int EnsureDirectories(const std::wstring& root, const std::wstring& relative, const std::wstring& probe);
// The per-user application-data folder (created if needed); false if unknown.
bool GetAppDataFolder(std::wstring& out);
bool PathExists(const std::wstring& path, bool* isDirectory = nullptr);
