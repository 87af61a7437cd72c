#include "TestUtil.h"
#include <cstdio>
#include <vector>

namespace lktest {

TempDir::TempDir() {
    wchar_t base[MAX_PATH];
    ::GetTempPathW(MAX_PATH, base);
    static int counter = 0;
    for (;;) {
        wchar_t name[MAX_PATH];
        swprintf(name, MAX_PATH, L"%lslktest-%lu-%d", base, ::GetCurrentProcessId(), ++counter);
        if (::CreateDirectoryW(name, nullptr)) { m_path = name; break; }
    }
}

TempDir::~TempDir() { RemoveTree(m_path); }

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW fd;
    HANDLE h = ::FindFirstFileW((path + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::wstring n = fd.cFileName;
            if (n == L"." || n == L"..") continue;
            std::wstring full = path + L"\\" + n;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(full);
            else { ::SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL); ::DeleteFileW(full.c_str()); }
        } while (::FindNextFileW(h, &fd));
        ::FindClose(h);
    }
    ::RemoveDirectoryW(path.c_str());
}

std::string ReadFileBytes(const std::wstring& path) {
    std::string out;
    FILE* f = _wfopen(path.c_str(), L"rb");
    if (!f) return out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
    fclose(f);
    return out;
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    FILE* f = _wfopen(path.c_str(), L"wb");
    if (!f) return;
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

bool FileExists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void PumpMessages() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

bool WaitFor(const std::function<bool()>& cond, int timeoutMs) {
    DWORD start = ::GetTickCount();
    for (;;) {
        PumpMessages();
        if (cond()) return true;
        if ((int)(::GetTickCount() - start) > timeoutMs) return cond();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

std::wstring ExeDir() {
    wchar_t path[MAX_PATH];
    DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring s(path, n);
    return s.substr(0, s.rfind(L'\\') + 1);
}

std::wstring DistDir() { return ExeDir() + L"..\\dist\\"; }

std::vector<HWND> WindowsTitled(const wchar_t* title) {
    struct Ctx { const wchar_t* title; std::vector<HWND> found; } ctx{title, {}};
    ::EnumWindows([](HWND h, LPARAM p) -> BOOL {
        auto* c = reinterpret_cast<Ctx*>(p);
        wchar_t buf[128] = {};
        ::GetWindowTextW(h, buf, 128);
        if (wcscmp(buf, c->title) == 0) c->found.push_back(h);
        return TRUE;
    }, (LPARAM)&ctx);
    return ctx.found;
}

HANDLE StartProcess(const std::wstring& exe, const std::wstring& args) {
    STARTUPINFOW si{sizeof(si)};
    PROCESS_INFORMATION pi{};
    std::wstring cmd = L"\"" + exe + L"\"" + (args.empty() ? L"" : L" " + args);
    if (!::CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return nullptr;
    ::CloseHandle(pi.hThread);
    return pi.hProcess;
}

bool Exited(HANDLE process) { return ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }

DWORD ExitCode(HANDLE process, int timeoutMs) {
    DWORD code = 999;
    if (process && WaitFor([&] { return Exited(process); }, timeoutMs)) ::GetExitCodeProcess(process, &code);
    if (process) ::CloseHandle(process);
    return code;
}

HWND WaitForWindow(const wchar_t* title) {
    HWND found = nullptr;
    WaitFor([&] {
        const std::vector<HWND> w = WindowsTitled(title);
        found = w.empty() ? nullptr : w.front();
        return found != nullptr;
    }, 30000);
    return found;
}

}  // namespace lktest
