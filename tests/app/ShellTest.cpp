#include "app/Directories.h"
#include "app/Log.h"
#include "app/ModuleDir.h"
#include "TestUtil.h"
#include <gtest/gtest.h>

using lktest::TempDir;

TEST(ModuleDir, CutsAfterLastBackslash) {
    // A 259-character path: the directory is everything up to the last backslash.
    std::wstring dir = L"C:\\" + std::wstring(200, L'd') + L"\\";
    std::wstring exe = dir + std::wstring(259 - dir.size() - 4, L'x') + L".exe";
    ASSERT_EQ(exe.size(), 259u);
    EXPECT_EQ(ModuleDirOf(exe), dir);
    EXPECT_EQ(ModuleDirOf(L"noslash.exe"), L"");
}

TEST(ModuleDir, HelpPathKeepsTheDoubledBackslash) {
    wcscpy(g_szModuleDir, L"C:\\Apps\\Cfg\\");
    EXPECT_EQ(HelpFilePath(), L"C:\\Apps\\Cfg\\\\Help\\Help.pdf");
    OpenHelp();  // a missing manual is not reported and does not crash
    g_szModuleDir[0] = 0;
}

TEST(Log, LineFormat) {
    EXPECT_EQ(FormatLogLine(L"Instance End", 9, 5, 3, 7), "09:05:03:007 ::  Instance End");
}

TEST(Log, WritesOnlyWhenSwitchedOn) {
    const std::wstring dir = L"C:\\LOG";
    const std::wstring file = L"C:\\LOG\\Veltrane Lumenkit_Config.log";
    lktest::RemoveTree(dir);
    int saved = g_bLogEnabled;

    g_bLogEnabled = 0;
    WriteLog(L"nothing");
    EXPECT_FALSE(lktest::FileExists(dir));
    g_bLogEnabled = 2;  // only exactly 1 switches it on
    WriteLog(L"nothing");
    EXPECT_FALSE(lktest::FileExists(dir));

    g_bLogEnabled = 1;
    WriteLog(L"first");
    WriteLog(L"second");
    std::string text = lktest::ReadFileBytes(file);
    ASSERT_EQ(text.size(), 2 * (sizeof("00:00:00:000 ::  first\r\n") - 1) + 1);
    EXPECT_EQ(text.substr(12, 11), " ::  first\r");
    EXPECT_NE(text.find(" ::  second\r\n"), std::string::npos);

    WriteLog(L"fresh", 1);  // mode 1 truncates
    text = lktest::ReadFileBytes(file);
    EXPECT_EQ(text.size(), sizeof("00:00:00:000 ::  fresh\r\n") - 1);

    g_bLogEnabled = saved;
    lktest::RemoveTree(dir);
}

TEST(Directories, AppDataWalkAndProbe) {
    std::wstring root;
    ASSERT_TRUE(GetAppDataFolder(root));
    const std::wstring base = root + L"\\LkDirTest";
    lktest::RemoveTree(base);

    // Directory paths never open as files: the walk creates them, result 1.
    EXPECT_EQ(CreateAppDataDir(L"\\LkDirTest\\Inner\\"), 1);
    bool isDir = false;
    EXPECT_TRUE(PathExists(base + L"\\Inner", &isDir));
    EXPECT_TRUE(isDir);
    EXPECT_EQ(CreateAppDataDir(L"\\LkDirTest\\Inner\\"), 1);  // again: nothing changes

    // A file path under existing directories: the probe creates it, result 0.
    EXPECT_EQ(CreateAppDataDir(L"\\LkDirTest\\Inner\\probe.txt"), 0);
    EXPECT_TRUE(PathExists(base + L"\\Inner\\probe.txt", &isDir));
    EXPECT_FALSE(isDir);

    // Only components followed by a backslash are created.
    EXPECT_EQ(CreateAppDataDir(L"\\LkDirTest\\A\\B"), 1);
    EXPECT_TRUE(PathExists(base + L"\\A"));
    EXPECT_FALSE(PathExists(base + L"\\A\\B"));
    lktest::RemoveTree(base);
}

TEST(Directories, DriveRoot) {
    const std::wstring base = L"C:\\LkDriveTest";
    lktest::RemoveTree(base);
    EXPECT_EQ(CreateDriveDir(L"LkDriveTest\\x.log"), 1);  // creates the directory only
    EXPECT_TRUE(PathExists(base));
    EXPECT_FALSE(PathExists(base + L"\\x.log"));
    EXPECT_EQ(CreateDriveDir(L"LkDriveTest\\x.log"), 0);  // now the probe creates the file
    EXPECT_TRUE(PathExists(base + L"\\x.log"));
    EXPECT_EQ(CreateDriveDir(L"nobackslash"), 0);          // a file at the root opens at once
    ::DeleteFileW(L"C:\\nobackslash");
    lktest::RemoveTree(base);
}
