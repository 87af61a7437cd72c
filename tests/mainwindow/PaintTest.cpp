// What the main window paints over its background, read back from a DIB.
// The window runs over a skin of our own in which every text and picture
// has a rectangle of its own, so each can be told apart by its pixels.
#include "MainWindowHarness.h"
#include "settings/IniFile.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace lktest;

namespace {

constexpr int kCanvasW = 680, kCanvasH = 700;
// Each label carries the same capitals, so its ink height tells its font.
constexpr char kLabel[] = "HHHH";
constexpr char kModeLineOwn[] = "II";
constexpr char kMusicLine[] = "MMMMMM";
constexpr char kSyncLine[] = "MMMMMMMMMMMM";

// "LED_TEXT 3", "MAINPIC 5", "MAIN_TEXT VER".
struct Entry {
    std::string section, key;
    std::string Name() const { return section + " " + key; }
};

std::vector<Entry> AllEntries() {
    std::vector<Entry> out{{"MAIN_TEXT", "VER"}};
    for (int k = 0; k <= 24; ++k) out.push_back({"LED_TEXT", std::to_string(k)});
    for (int k = 1; k <= 7; ++k) out.push_back({"MAINPIC", std::to_string(k)});
    return out;
}

RECT RectOf(size_t index) {
    const int x = 10 + (int)(index % 2) * 330, y = 10 + (int)(index / 2) * 40;
    return RECT{x, y, x + 300, y + 24};
}

std::string Joined(const std::set<std::string>& names) {
    std::string s;
    for (const std::string& n : names) s += n + "; ";
    return s;
}

}  // namespace

class MainWindowPaint : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = std::make_unique<TempDir>();
        const std::wstring root = dir->path() + L"\\";
        ::CreateDirectoryW((root + L"Lan").c_str(), nullptr);
        ::CreateDirectoryW((root + L"skins").c_str(), nullptr);
        ::CreateDirectoryW((root + L"skins\\Pic").c_str(), nullptr);
        skinFile = root + L"Lan\\skin_En.ini";
        // No [MAINSCREENNEW]: the background cannot be loaded.
        std::string ini = "[LED_STRING]\r\n1=" + std::string(kMusicLine) + "\r\n6=" + kSyncLine + "\r\n";
        std::string sections[3];
        const std::vector<Entry> entries = AllEntries();
        for (size_t i = 0; i < entries.size(); ++i) {
            const RECT rc = RectOf(i);
            const Entry& e = entries[i];
            std::string text = e.section == "MAINPIC" ? "pic" + e.key + ".png"
                               : e.Name() == "LED_TEXT 2" ? kModeLineOwn
                               : e.section == "MAIN_TEXT" ? "WWWWWWWWWWWWWWWW"
                                                          : kLabel;
            const int s = e.section == "MAIN_TEXT" ? 0 : e.section == "LED_TEXT" ? 1 : 2;
            sections[s] += e.key + "=," + std::to_string(rc.left) + "," + std::to_string(rc.top) + ",300,24," +
                           text + ",FALSE\r\n";
            if (e.section == "MAINPIC") {
                const std::wstring pic = root + L"skins\\Pic\\pic" + std::wstring(e.key.begin(), e.key.end()) + L".png";
                ASSERT_TRUE(WritePicture(pic, 4, 4, [](int, int) { return 0xFF20C040u; }));
            }
        }
        ini += "[MAIN_TEXT]\r\n" + sections[0] + "[LED_TEXT]\r\n" + sections[1] + "[MAINPIC]\r\n" + sections[2];
        WriteFileBytes(skinFile, ini);
        dlg = OpenMainWindow(root);
        ASSERT_TRUE(dlg);
    }
    static void TearDownTestSuite() {
        dlg.reset();
        dir.reset();
    }

    struct Look {
        int effect;
        BOOL music, sync;
        std::wstring name = L"Effect";
    };

    // PaintSkinTexts of `look` onto a black canvas.
    static std::unique_ptr<Canvas> Paint(const Look& look) {
        dlg->m_state.m_nEffect = look.effect;
        dlg->m_state.m_bMusicMode = look.music;
        dlg->m_state.m_bSyncMode = look.sync;
        dlg->m_strEffectName = look.name;
        auto canvas = std::make_unique<Canvas>(kCanvasW, kCanvasH);
        canvas->Fill(0);
        dlg->PaintSkinTexts(canvas->dc);
        return canvas;
    }

    static RECT RectOfEntry(const std::string& name) {
        const std::vector<Entry> entries = AllEntries();
        for (size_t i = 0; i < entries.size(); ++i)
            if (entries[i].Name() == name) return RectOf(i);
        ADD_FAILURE() << "no entry " << name;
        return RECT{};
    }

    // Rows of `rc` with any ink: last - first + 1, 0 when blank.
    static int InkHeight(const Canvas& c, const RECT& rc) {
        int first = -1, last = -1;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                if (c.At(x, y) & 0xFFFFFF) {
                    if (first < 0) first = y;
                    last = y;
                    break;
                }
        return first < 0 ? 0 : last - first + 1;
    }

    static std::set<std::string> Drawn(const Canvas& c) {
        std::set<std::string> out;
        for (const Entry& e : AllEntries())
            if (InkHeight(c, RectOfEntry(e.Name()))) out.insert(e.Name());
        return out;
    }

    static bool SameRegion(const Canvas& a, const Canvas& b, const RECT& rc) {
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                if ((a.At(x, y) & 0xFFFFFF) != (b.At(x, y) & 0xFFFFFF)) return false;
        return true;
    }

    static std::unique_ptr<TempDir> dir;
    static std::wstring skinFile;
    static std::unique_ptr<CTEcfgDlg> dlg;
};
std::unique_ptr<TempDir> MainWindowPaint::dir;
std::wstring MainWindowPaint::skinFile;
std::unique_ptr<CTEcfgDlg> MainWindowPaint::dlg;

// Which labels each effect and mode draws, and in which font.
TEST_F(MainWindowPaint, LabelsFollowTheEffectAndMode) {
    const std::set<std::string> common{"MAINPIC 1", "MAIN_TEXT VER", "LED_TEXT 1", "LED_TEXT 2"};
    const std::set<std::string> colour{"LED_TEXT 3",  "LED_TEXT 5",  "LED_TEXT 7", "LED_TEXT 8", "LED_TEXT 9",
                                       "LED_TEXT 10", "LED_TEXT 11", "LED_TEXT 12", "LED_TEXT 16"};
    auto with = [&](std::set<std::string> base, std::initializer_list<std::set<std::string>> more) {
        for (const auto& m : more) base.insert(m.begin(), m.end());
        return base;
    };
    struct Case {
        const char* name;
        Look look;
        std::set<std::string> drawn;
        std::set<std::string> small;  // drawn labels in the small font
    };
    const std::set<std::string> smallColour{"LED_TEXT 12", "LED_TEXT 16"};
    const Case cases[] = {
        {"effect 14 draws only the common texts", {14, FALSE, FALSE}, common, {}},
        {"effect 9 uses colour, speed and direction", {9, FALSE, FALSE},
         with(common, {colour, {"LED_TEXT 4", "LED_TEXT 6"}}), smallColour},
        {"effect 4 uses speed only", {4, FALSE, FALSE}, with(common, {{"LED_TEXT 4"}}), {}},
        {"effect 5 uses speed and direction", {5, FALSE, FALSE}, with(common, {{"LED_TEXT 4", "LED_TEXT 6"}}), {}},
        {"music mode", {14, TRUE, FALSE},
         with(common, {colour, {"LED_TEXT 22", "LED_TEXT 23", "LED_TEXT 24", "LED_TEXT 6"}}),
         with(smallColour, {{"LED_TEXT 23", "LED_TEXT 24"}})},
        {"sync mode draws no panel label", {9, FALSE, TRUE}, with(common, {{"MAINPIC 5", "MAINPIC 6"}}), {}},
        {"sync and music: the level ends in the normal font", {9, TRUE, TRUE},
         with(common, {{"MAINPIC 5", "MAINPIC 6", "LED_TEXT 23", "LED_TEXT 24"}}), {}},
        {"an effect past the table draws no panel label", {99, FALSE, FALSE}, common, {}},
        {"a negative effect draws no panel label", {-1, FALSE, FALSE}, common, {}},
    };
    auto reference = Paint({9, FALSE, FALSE});
    const int smallInk = InkHeight(*reference, RectOfEntry("LED_TEXT 12"));
    const int normalInk = InkHeight(*reference, RectOfEntry("LED_TEXT 4"));
    ASSERT_GT(smallInk, 0);
    ASSERT_LT(smallInk, normalInk);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto canvas = Paint(c.look);
        EXPECT_EQ(Joined(Drawn(*canvas)), Joined(c.drawn));
        for (const std::string& name : c.drawn) {
            if (name.rfind("LED_TEXT", 0) != 0 || name == "LED_TEXT 2") continue;
            EXPECT_EQ(InkHeight(*canvas, RectOfEntry(name)), c.small.count(name) ? smallInk : normalInk) << name;
        }
    }
}

// The mode line shows the effect name, or the mode's own text; an empty
// or missing text falls back to the text of the mode line's own entry.
TEST_F(MainWindowPaint, ModeLineText) {
    struct Case {
        const char* name;
        Look look;
        const char* shows;
        bool dropSyncText = false;
    };
    const Case cases[] = {
        {"effect name", {3, FALSE, FALSE, L"MMM"}, "MMM"},
        {"music mode", {3, TRUE, FALSE, L"MMM"}, kMusicLine},
        {"sync mode", {3, FALSE, TRUE, L"MMM"}, kSyncLine},
        {"sync mode without its text", {3, FALSE, TRUE, L"MMM"}, kModeLineOwn, true},
        {"empty effect name", {3, FALSE, FALSE, L""}, kModeLineOwn},
    };
    const RECT line = RectOfEntry("LED_TEXT 2");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.dropSyncText) ::WritePrivateProfileStringW(L"LED_STRING", L"6", nullptr, skinFile.c_str());
        auto canvas = Paint(c.look);
        if (c.dropSyncText) {
            const std::wstring text(kSyncLine, kSyncLine + sizeof kSyncLine - 1);
            ::WritePrivateProfileStringW(L"LED_STRING", L"6", text.c_str(), skinFile.c_str());
        }
        const std::string shows = c.shows;
        auto expected = Paint({14, FALSE, FALSE, std::wstring(shows.begin(), shows.end())});
        EXPECT_GT(InkHeight(*canvas, line), 0);
        EXPECT_TRUE(SameRegion(*canvas, *expected, line));
    }
}

// The version is the program's own, whatever text the skin's entry holds.
TEST_F(MainWindowPaint, VersionIgnoresTheSkinText) {
    auto fromSkin = Paint({14, FALSE, FALSE});
    const RECT rc = RectOfEntry("MAIN_TEXT VER");
    const std::wstring place = L"," + std::to_wstring(rc.left) + L"," + std::to_wstring(rc.top) + L",300,24,";
    ::WritePrivateProfileStringW(L"MAIN_TEXT", L"VER", (place + L"v1.00.03,FALSE").c_str(), skinFile.c_str());
    auto own = Paint({14, FALSE, FALSE});
    ::WritePrivateProfileStringW(L"MAIN_TEXT", L"VER", (place + L"WWWWWWWWWWWWWWWW,FALSE").c_str(), skinFile.c_str());
    EXPECT_GT(InkHeight(*own, rc), 0);
    EXPECT_TRUE(SameRegion(*fromSkin, *own, rc));
}

// Without a background picture the window keeps a usable size.
TEST_F(MainWindowPaint, MissingBackgroundLeavesAUsableWindow) {
    const RECT rc = dlg->GetClientRect();
    EXPECT_GE(rc.right - rc.left, 320);
    EXPECT_GE(rc.bottom - rc.top, 200);
    EXPECT_TRUE(::IsWindowVisible(dlg->m_hWnd));
}
