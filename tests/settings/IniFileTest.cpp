#include "settings/IniFile.h"
#include "TestUtil.h"
#include <gtest/gtest.h>
#include <cstring>

using lktest::TempDir;

TEST(IniFile, IntegersParseLeadingDigitsAndWriteSigned) {
    TempDir dir;
    const std::wstring path = dir.file(L"a.ini");
    lktest::WriteFileBytes(path, "[S]\r\nk=12abc\r\nz=xyz\r\n");
    CIniFile ini(path);
    EXPECT_EQ(ini.GetInt(L"S", L"k", 5), 12);
    EXPECT_EQ(ini.GetInt(L"S", L"z", 5), 0);
    EXPECT_EQ(ini.GetInt(L"S", L"absent", 5), 5);
    EXPECT_EQ(ini.GetInt(L"Nope", L"k", -3), -3);

    ini.WriteInt(L"S", L"neg", -1);
    EXPECT_NE(lktest::ReadFileBytes(path).find("neg=-1"), std::string::npos);
    EXPECT_EQ(ini.GetInt(L"S", L"neg", 0), -1);
}

TEST(IniFile, RecordRoundTripAndChecksum) {
    TempDir dir;
    const std::wstring path = dir.file(L"r.ini");
    CIniFile ini(path);
    unsigned char rec[48];
    for (int i = 0; i < 48; ++i) rec[i] = (unsigned char)(i * 37 + 5);
    ini.WriteStruct(L"S", L"rec", rec, sizeof rec);

    unsigned char back[48] = {};
    ASSERT_TRUE(ini.GetStruct(L"S", L"rec", back, sizeof back));
    EXPECT_EQ(0, std::memcmp(rec, back, sizeof rec));

    // Upper-case hex, two digits a byte, then the low byte of the sum.
    std::string text = lktest::ReadFileBytes(path);
    size_t at = text.find("rec=");
    ASSERT_NE(at, std::string::npos);
    std::string value = text.substr(at + 4, 98);
    unsigned sum = 0;
    for (unsigned char b : rec) sum += b;
    char tail[3];
    snprintf(tail, sizeof tail, "%02X", sum & 0xFF);
    EXPECT_EQ(value.substr(96, 2), tail);
    EXPECT_EQ(value.substr(0, 4), "052A");

    // One changed digit fails the checksum; a wrong size fails too.
    text[at + 4 + 10] = text[at + 4 + 10] == 'A' ? 'B' : 'A';
    lktest::WriteFileBytes(path, text);
    EXPECT_FALSE(ini.GetStruct(L"S", L"rec", back, sizeof back));
    EXPECT_FALSE(ini.GetStruct(L"S", L"missing", back, sizeof back));
}

TEST(IniFile, GetStringAlwaysReadsTheTextFile) {
    TempDir dir;
    const std::wstring text = dir.file(L"text.ini");
    const std::wstring settings = dir.file(L"settings.ini");
    lktest::WriteFileBytes(text, "[T]\r\nk=from text\r\n");
    lktest::WriteFileBytes(settings, "[T]\r\nk=from settings\r\n");
    CIniFile ini(settings);
    ini.SetTextFile(text);
    EXPECT_EQ(g_iniText.GetFile(), text);
    EXPECT_EQ(ini.m_strFile, settings);
    EXPECT_EQ(ini.GetString(L"T", L"k", L"def"), L"from text");
    EXPECT_EQ(ini.GetString(L"T", L"absent", L"def"), L"def");
    g_iniText.m_strFile.clear();
}
