#pragma once
// Small helpers shared by the test programs.
#include <windows.h>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace lktest {

// A fresh, empty directory under the temporary folder, removed at scope exit.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::wstring& path() const { return m_path; }
    std::wstring file(const std::wstring& name) const { return m_path + L"\\" + name; }
private:
    std::wstring m_path;
};

void RemoveTree(const std::wstring& path);
std::string ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
bool FileExists(const std::wstring& path);

// Polls `cond` (pumping this thread's messages) until it holds or the
// deadline passes; no fixed sleeps in tests.
bool WaitFor(const std::function<bool()>& cond, int timeoutMs = 10000);
void PumpMessages();

// Directory of the running test program, with a trailing backslash.
std::wstring ExeDir();
// The program folder the build lays out (build/dist/).
std::wstring DistDir();

// Top-level windows whose title is exactly `title`.
std::vector<HWND> WindowsTitled(const wchar_t* title);
// Starts `exe` (quoted) with `args`; the process handle, or null.
HANDLE StartProcess(const std::wstring& exe, const std::wstring& args = L"");
bool Exited(HANDLE process);
// The exit code once the process ends (pumping meanwhile), 999 if it does not
// end in time; the handle is closed either way.
DWORD ExitCode(HANDLE process, int timeoutMs = 30000);
// The first top-level window titled `title` within 30 s, or null.
HWND WaitForWindow(const wchar_t* title);

}  // namespace lktest
