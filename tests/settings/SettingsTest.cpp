#include "settings/Settings.h"
#include "TestUtil.h"
#include <gtest/gtest.h>
#include <cstring>

using lktest::TempDir;

namespace {

// The agent's reading of a default effect record and of the default music record.
const std::string kDefaultEffectHex =
    "01000000010000000800000000000000FF000000FFFF000000FF000000FFFF000000FF00FF00FF00FFFFFF007D007D000000000000000000F8";
const std::string kDefaultMusicHex =
    "FF000000FFFF000000FF000000FFFF000000FF00FF00FF00FFFFFF007D007D000A00000000000000080000000000000000";

std::string Fixture(const wchar_t* name) {
    return lktest::ReadFileBytes(lktest::ExeDir() + L"fixtures\\settings\\" + name);
}

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

LEDSETTING FirstRun() {
    LEDSETTING s;
    ResetSettings(s);
    ApplyFirstRunDefaults(s);
    return s;
}

// Every field holds a value no other field holds, so a misplaced key shows.
LEDSETTING Varied() {
    LEDSETTING s;
    int* p = reinterpret_cast<int*>(&s);
    for (size_t i = 0; i < sizeof s / sizeof(int); ++i) p[i] = (int)(i * 7919 % 100003) - 500;
    return s;
}

bool Same(const LEDSETTING& a, const LEDSETTING& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Offset of the value of `key` inside `section` of an INI text.
size_t ValueAt(const std::string& text, const std::string& section, const std::string& key) {
    size_t at = text.find("[" + section + "]");
    at = text.find("\n" + key + "=", at);
    return at == std::string::npos ? at : at + key.size() + 2;
}

}  // namespace

TEST(SettingsFile, FirstRunWritesTheAgentsDefaultFile) {
    TempDir dir;
    const std::wstring path = dir.file(L"config");
    LEDSETTING s{}, saved{};
    InitSettings(s, saved, path);

    const std::string actual = lktest::ReadFileBytes(path);
    std::string expected = Fixture(L"first-run.ini");
    // The fixture is an English system's; the language key follows this system.
    const size_t lan = expected.find("lan_id=0\r\n");
    if (lan != std::string::npos)
        expected.replace(lan, 8, "lan_id=" + std::to_string(FirstRunLanguage(::GetSystemDefaultLangID())));
    if (actual != expected) lktest::WriteFileBytes(lktest::ExeDir() + L"first-run.actual.ini", actual);
    EXPECT_TRUE(actual == expected) << "differs from the fixture; see first-run.actual.ini beside the test";
    EXPECT_EQ(Count(actual, "=" + kDefaultEffectHex + "\r\n"), 4u * 2 * 17);
    EXPECT_EQ(Count(actual, "fMusicInfo=" + kDefaultMusicHex + "\r\n"), 1u);

    EXPECT_TRUE(Same(s, FirstRun()));
    EXPECT_TRUE(Same(s, saved));
}

TEST(SettingsFile, ValuesLoadAsReadWithoutCorrection) {
    TempDir dir;
    const std::wstring path = dir.file(L"config");
    LEDSETTING written = Varied();
    written.nCurrentProfile = 2;
    written.nLanguage = 7;
    SaveSettings(written, path);

    LEDSETTING loaded{}, saved{};
    InitSettings(loaded, saved, path);
    EXPECT_TRUE(Same(loaded, written));
    EXPECT_TRUE(Same(saved, written));
}

TEST(SettingsFile, SparseFileReadsDefaultsAroundWhatItHolds) {
    TempDir dir;
    const std::wstring path = dir.file(L"config");
    lktest::WriteFileBytes(path, "[Setting]\r\nlan_id=7\r\nCurrentProfile=9\r\nled_sw=0\r\n"
                                 "[Profile1Setting]\r\nDevNum_SSD=5\r\n");
    LEDSETTING loaded = Varied();
    LoadSettings(loaded, path);

    LEDSETTING expected = FirstRun();
    expected.nLanguage = 7;
    expected.nCurrentProfile = 9;
    expected.bLedOn = 0;
    expected.profiles[1].halves[1].nDevNum = 5;
    EXPECT_TRUE(Same(loaded, expected));
}

TEST(SettingsFile, DamagedRecordReadsAsTheDefaultRecord) {
    struct Case {
        const char* section;
        const char* key;
        enum { Digit, Shorten, Remove } damage;
    };
    const Case cases[] = {
        {"Profile0Setting", "EffectInfo3", Case::Digit},
        {"Profile3Setting", "EffectInfo_SSD16", Case::Shorten},
        {"Profile2Setting", "EffectInfo0", Case::Remove},
        {"Setting", "fMusicInfo", Case::Digit},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + " " + c.key);
        TempDir dir;
        const std::wstring path = dir.file(L"config");
        LEDSETTING expected = Varied();
        SaveSettings(expected, path);

        std::string text = lktest::ReadFileBytes(path);
        const size_t at = ValueAt(text, c.section, c.key);
        ASSERT_NE(at, std::string::npos);
        if (c.damage == Case::Digit) text[at + 10] = text[at + 10] == '7' ? '8' : '7';
        if (c.damage == Case::Shorten) text.erase(at, 2);
        if (c.damage == Case::Remove) text.replace(at - std::strlen(c.key) - 1, 4, "Gone");
        lktest::WriteFileBytes(path, text);

        if (std::strcmp(c.key, "fMusicInfo") == 0) {
            expected.musicInfo = DefaultMusicInfo();
        } else {
            const int profile = c.section[7] - '0';
            const int half = std::strstr(c.key, "_SSD") ? 1 : 0;
            const int record = std::atoi(c.key + (half ? 14 : 10));
            expected.profiles[profile].halves[half].effects[record] = DefaultEffectInfo();
        }
        LEDSETTING loaded{};
        LoadSettings(loaded, path);
        EXPECT_TRUE(Same(loaded, expected));
    }
}

TEST(SettingsFile, FirstRunLanguageFollowsTheSystemLanguage) {
    const struct {
        LANGID id;
        int language;
    } cases[] = {
        {0x0804, 1}, {0x1004, 1},                // Chinese: PRC, Singapore
        {0x0404, 2}, {0x0C04, 2}, {0x1404, 2},   // Chinese: Taiwan, Hong Kong, Macau
        {0x0407, 3}, {0x0807, 3}, {0x0C07, 3},   // German: Germany, Switzerland, Austria
        {0x0409, 0}, {0x0809, 0}, {0x040C, 0}, {0x0411, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(FirstRunLanguage(c.id), c.language) << std::hex << c.id;
}

TEST(SettingsFile, NoPathMeansNoFileIsTouched) {
    g_strConfigFile.clear();
    LEDSETTING s = Varied(), saved{};
    InitSettings(s, saved, L"");
    EXPECT_TRUE(Same(s, FirstRun()));
    EXPECT_TRUE(Same(saved, s));
    // An empty file name would otherwise land in the system's own win.ini.
    SaveSettings(s, L"");
    EXPECT_EQ(::GetProfileIntW(L"Setting", L"CurrentProfile", -5), -5);
    EXPECT_EQ(::GetProfileIntW(L"Profile0Setting", L"DevNum", -5), -5);
}
