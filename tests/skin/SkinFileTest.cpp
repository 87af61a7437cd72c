#include "skin/SkinFile.h"
#include "settings/IniFile.h"
#include "TestUtil.h"
#include <gtest/gtest.h>

namespace {
struct EntryCase {
    const wchar_t* value;
    const wchar_t* picture;
    RECT rc;
    const wchar_t* text;
    int normalOnly;
};
}

TEST(SkinEntry, ParsingTable) {
    const EntryCase cases[] = {
        {L"btn,10,20,30,40,Apply,FALSE", L"btn", {10, 20, 40, 60}, L"Apply", 0},
        {L"btn,10,20,30,40,Apply,TRUE", L"btn", {10, 20, 40, 60}, L"Apply", 1},
        {L"btn,10,20,30,40,TRUE,FALSE", L"btn", {10, 20, 40, 60}, L"TRUE", 1},
        {L"btn,10,20,30,40", L"btn", {10, 20, 40, 60}, L"30", 0},
        {L"btn,10,20", L"btn", {10, 20, 10, 20}, L"10", 0},
        {L"btn", L"", {0, 0, 0, 0}, L"", 0},
        {L"", L"", {0, 0, 0, 0}, L"", 0},
        {L"b,1,x,3,4,T,FALSE", L"b", {1, 0, 1, 0}, L"T", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::string(c.value, c.value + wcslen(c.value)));
        SkinEntry e = ReadSkinEntry(c.value);
        EXPECT_STREQ(e.szPicture, c.picture);
        EXPECT_EQ(e.rcPos.left, c.rc.left);
        EXPECT_EQ(e.rcPos.top, c.rc.top);
        EXPECT_EQ(e.rcPos.right, c.rc.right);
        EXPECT_EQ(e.rcPos.bottom, c.rc.bottom);
        EXPECT_STREQ(e.szText, c.text);
        EXPECT_EQ(e.bNormalOnly, c.normalOnly);
    }
}

TEST(SkinEntry, OverlongFieldsAreCutNotOverrun) {
    std::wstring name(60, L'p'), text(150, L't');
    SkinEntry e = ReadSkinEntry(name + L",1,2,3,4," + text + L",FALSE");
    EXPECT_EQ(std::wstring(e.szPicture), std::wstring(39, L'p'));
    EXPECT_EQ(std::wstring(e.szText), std::wstring(99, L't'));
    EXPECT_EQ(e.rcPos.right, 4);
}

TEST(DrawEntry, PictureAndTextEntries) {
    DrawEntry pic = ReadDrawEntry(L",5,6,7,8,logo.png,FALSE");
    EXPECT_EQ(pic.rcPos.left, 5);
    EXPECT_EQ(pic.rcPos.bottom, 14);
    EXPECT_EQ(pic.strText, L"logo.png");
    std::wstring longText(3000, L'x');
    EXPECT_EQ(ReadDrawEntry(L"i,1,2,3,4," + longText + L",FALSE").strText, longText);
    EXPECT_EQ(ExpandLineBreaks(L"Line one\\r\\nLine two"), L"Line one \r\nLine two");
    EXPECT_EQ(ExpandLineBreaks(L"none"), L"none");
}

TEST(SkinFiles, ChoiceFallbackFuncStringsAndFont) {
    const int ids[] = {0, 4, -1, 7};
    for (int id : ids) EXPECT_STREQ(SkinFileName(id), L"Lan\\skin_En.ini");
    EXPECT_STREQ(SkinFileName(1), L"Lan\\skin_Cs.ini");
    EXPECT_STREQ(SkinFileName(2), L"Lan\\skin_Ct.ini");
    EXPECT_STREQ(SkinFileName(3), L"Lan\\skin_De.ini");

    lktest::TempDir dir;
    ::CreateDirectoryW(dir.file(L"Lan").c_str(), nullptr);
    const std::wstring en = dir.file(L"Lan\\skin_En.ini");
    lktest::WriteFileBytes(en, "[FUNC_STRING]\r\n13=Deutsch\r\n3A=colon\r\n[GLOBAL]\r\n");
    const std::wstring root = dir.path() + L"\\";
    EXPECT_EQ(SkinFilePath(root, 3), en);  // missing German file falls back to English

    g_iniText.SetTextFile(en);
    EXPECT_EQ(GetFuncString(0x13), L"Deutsch");
    EXPECT_EQ(GetFuncString(0x3A), L"colon");
    EXPECT_EQ(GetSkinFontFace(), L"Segoe UI");
    lktest::WriteFileBytes(en, "[GLOBAL]\r\nFONT=\r\n");
    EXPECT_EQ(GetSkinFontFace(), L"");  // present but empty stays empty
    g_iniText.SetTextFile(L"");
}
