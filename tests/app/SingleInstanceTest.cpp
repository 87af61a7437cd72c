#include "TestUtil.h"
#include <gtest/gtest.h>
#include <vector>

namespace {
const wchar_t kTitle[] = L"Veltrane Lumenkit_Config";

using lktest::Exited;
using lktest::StartProcess;
using lktest::WindowsTitled;
}

TEST(SingleInstance, SecondStartExitsSilently) {
    const std::wstring exe = lktest::DistDir() + L"LumenkitConfig.exe";
    ASSERT_TRUE(lktest::FileExists(exe));
    ASSERT_TRUE(WindowsTitled(kTitle).empty()) << "a configurator is already running";

    HANDLE first = StartProcess(exe);
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(lktest::WaitFor([] { return !WindowsTitled(kTitle).empty(); }, 30000));
    HWND window = WindowsTitled(kTitle).front();

    HANDLE second = StartProcess(exe);
    ASSERT_NE(second, nullptr);
    ASSERT_TRUE(lktest::WaitFor([&] { return Exited(second); }, 30000));
    DWORD code = 99;
    ::GetExitCodeProcess(second, &code);
    EXPECT_EQ(code, 0u);
    ::CloseHandle(second);

    EXPECT_EQ(WindowsTitled(kTitle).size(), 1u);
    EXPECT_FALSE(Exited(first));
    HANDLE mutex = ::OpenMutexW(SYNCHRONIZE, FALSE, kTitle);
    EXPECT_NE(mutex, nullptr) << "the first instance no longer holds the mutex";
    if (mutex) ::CloseHandle(mutex);

    // Close through the application, as the window's close command does.
    ::PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(lktest::WaitFor([&] { return Exited(first); }, 30000));
    code = 99;
    ::GetExitCodeProcess(first, &code);
    EXPECT_EQ(code, 0u);
    ::CloseHandle(first);
    EXPECT_EQ(::OpenMutexW(SYNCHRONIZE, FALSE, kTitle), nullptr);
}
