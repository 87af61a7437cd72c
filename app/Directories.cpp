#include "app/Directories.h"
#include <windows.h>
#include <shlobj.h>

bool GetAppDataFolder(std::wstring& out) {
    wchar_t buf[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, buf)))
        return false;
    out = buf;
    return true;
}

bool PathExists(const std::wstring& path, bool* isDirectory) {
    WIN32_FIND_DATAW fd;
    HANDLE h = ::FindFirstFileW(path.c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return false;
    ::FindClose(h);
    if (isDirectory) *isDirectory = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return true;
}

int EnsureDirectories(const std::wstring& root, const std::wstring& relative, const std::wstring& probe) {
    HANDLE h = ::CreateFileW(probe.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        ::CloseHandle(h);
        return 0;
    }
    const size_t len = relative.size();
    size_t pos = relative.find(L'\\');
    long long cut = pos == std::wstring::npos ? -1 : (long long)pos;
    for (;;) {
        std::wstring prefix = root + (cut > 0 ? relative.substr(0, (size_t)cut) : std::wstring());
        bool dir = false;
        if (!PathExists(prefix, &dir) || !dir) ::CreateDirectoryW(prefix.c_str(), nullptr);
        size_t next = (size_t)(cut + 1);
        if (cut < 0 || next >= len) break;
        pos = relative.find(L'\\', next);
        if (pos == std::wstring::npos) break;
        cut = (long long)pos;
    }
    return 1;
}

int CreateAppDataDir(const std::wstring& relative) {
    std::wstring root;
    if (!GetAppDataFolder(root)) return 1;
    return EnsureDirectories(root, relative, root + L"\\" + relative);
}

int CreateDriveDir(const std::wstring& relative) {
    const std::wstring root = L"C:\\";
    return EnsureDirectories(root, relative, root + relative);
}
