// The skin the build lays out in the program folder: every key the main window
// reads, every picture an entry names, and a layout that fits the window.
#include "skin/SkinFile.h"
#include "settings/IniFile.h"
#include "TestUtil.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

const wchar_t kMissing[] = L"\x01missing";

std::string Narrow(const std::wstring& s) { return std::string(s.begin(), s.end()); }

std::wstring Skins() { return lktest::DistDir() + L"skins\\"; }

struct PicSize {
    int w = 0, h = 0;
};

// From a PNG's header chunk or a BMP's info header; 0 x 0 when neither.
PicSize PictureSize(const std::wstring& path) {
    std::string b = lktest::ReadFileBytes(path);
    auto u8 = [&](size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(b[i])); };
    if (b.size() >= 24 && b.compare(1, 3, "PNG") == 0)
        return {int(u8(16) << 24 | u8(17) << 16 | u8(18) << 8 | u8(19)),
                int(u8(20) << 24 | u8(21) << 16 | u8(22) << 8 | u8(23))};
    if (b.size() >= 26 && b.compare(0, 2, "BM") == 0) {
        int w = int(u8(18) | u8(19) << 8 | u8(20) << 16 | u8(21) << 24);
        int h = int(u8(22) | u8(23) << 8 | u8(24) << 16 | u8(25) << 24);
        return {w, h < 0 ? -h : h};
    }
    return {};
}

std::vector<std::wstring> Keys(int first, int last) {
    std::vector<std::wstring> keys;
    for (int k = first; k <= last; ++k) keys.push_back(std::to_wstring(k));
    return keys;
}

std::vector<std::wstring> Join(std::initializer_list<std::vector<std::wstring>> parts) {
    std::vector<std::wstring> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

struct SectionKeys {
    const wchar_t* section;
    std::vector<std::wstring> keys;
};

// Every key the main window reads, painting and menus included.
const std::vector<SectionKeys>& ReadKeys() {
    static const std::vector<SectionKeys> table = {
        {L"MAINSCREENNEW", {L"Main"}},
        {L"GLOBAL", {L"FONT"}},
        {L"MAIN", Join({Keys(1, 9), Keys(11, 14), Keys(21, 24)})},
        {L"LED", Join({Keys(1, 15), Keys(21, 29), Keys(31, 34), Keys(41, 48), Keys(51, 55), Keys(61, 63)})},
        {L"MAINPIC", Keys(1, 7)},
        {L"LED_TEXT", Keys(0, 24)},
        {L"MAIN_TEXT", {L"VER"}},
        {L"LED_STRING", Keys(1, 6)},
        {L"FUNC_STRING", Join({Keys(10, 13), Keys(30, 34)})},
    };
    return table;
}

bool IsEntrySection(const std::wstring& s) {
    return s == L"MAIN" || s == L"LED" || s == L"MAINPIC" || s == L"LED_TEXT" || s == L"MAIN_TEXT";
}

std::wstring Read(LPCWSTR section, const std::wstring& key) { return g_iniText.GetString(section, key.c_str(), kMissing); }

// What each control loads: the picture name and the state files it needs.
struct PictureNeed {
    std::wstring file;
    RECT rc;  // the control's rectangle; the picture is cut from its top-left corner
    bool mustCover;
};

void ListButtonNeeds(const SkinEntry& e, bool disabled, std::vector<PictureNeed>& out) {
    std::wstring frame = e.szPicture, icon;
    if (frame.find(L"btnPng") != std::wstring::npos) {
        size_t us = frame.find(L'_');
        icon = us == std::wstring::npos ? frame : frame.substr(us + 1);
        frame = L"btnPng";
    }
    for (const wchar_t* s : {L"_normal.png", L"_over.png", L"_down.png"}) {
        out.push_back({frame + s, e.rcPos, true});
        if (!icon.empty()) out.push_back({icon + s, e.rcPos, false});
    }
    if (disabled) out.push_back({frame + L"_disable.png", e.rcPos, true});
}

std::vector<PictureNeed> PictureNeeds() {
    std::vector<PictureNeed> out;
    auto entry = [](LPCWSTR section, const std::wstring& key) { return GetSkinEntry(section, key.c_str()); };
    // Effect buttons, device tabs and Apply are disabled at times; the others never.
    for (const auto& k : Join({Keys(1, 9), Keys(21, 24)})) ListButtonNeeds(entry(L"MAIN", k), k == L"4", out);
    for (const auto& k : Keys(11, 14)) ListButtonNeeds(entry(L"MAIN", k), true, out);
    for (const auto& k : Keys(1, 15)) ListButtonNeeds(entry(L"LED", k), true, out);
    for (const auto& k : Keys(61, 63)) ListButtonNeeds(entry(L"LED", k), false, out);
    for (const auto& k : Join({Keys(21, 27), {L"29"}})) {
        SkinEntry e = entry(L"LED", k);
        std::wstring p = e.szPicture;
        out.push_back({p + L"_normal.png", e.rcPos, true});
        out.push_back({p + L"_down.png", e.rcPos, true});
        for (const wchar_t* s : {L"_bar_normal.png", L"_bar_over.png", L"_bar_down.png"}) out.push_back({p + s, {}, false});
    }
    SkinEntry dial = entry(L"LED", L"28");
    out.push_back({std::wstring(dial.szPicture) + L"_normal.png", dial.rcPos, true});
    out.push_back({std::wstring(dial.szPicture) + L"_mask.bmp", dial.rcPos, true});
    out.push_back({std::wstring(dial.szPicture) + L"_bar_normal.png", {}, false});
    for (const auto& k : Keys(31, 34)) {
        SkinEntry e = entry(L"LED", k);
        out.push_back({std::wstring(e.szPicture) + L"_normal.png", e.rcPos, true});
    }
    // Swatches tint their normal and pressed pictures.
    for (const auto& k : Join({Keys(41, 48), Keys(51, 55)})) {
        SkinEntry e = entry(L"LED", k);
        out.push_back({std::wstring(e.szPicture) + L"_normal.png", e.rcPos, true});
        out.push_back({std::wstring(e.szPicture) + L"_down.png", e.rcPos, true});
    }
    // Controls share pictures: one check per file, against the largest control using it.
    std::map<std::wstring, PictureNeed> unique;
    for (const auto& n : out) {
        auto [it, added] = unique.emplace(n.file, n);
        if (added || !n.mustCover) continue;
        PictureNeed& u = it->second;
        u.mustCover = true;
        u.rc.right = u.rc.left + std::max(u.rc.right - u.rc.left, n.rc.right - n.rc.left);
        u.rc.bottom = u.rc.top + std::max(u.rc.bottom - u.rc.top, n.rc.bottom - n.rc.top);
    }
    out.clear();
    for (auto& [file, n] : unique) out.push_back(n);
    return out;
}

bool Inside(const RECT& r, const RECT& area) {
    return r.left >= area.left && r.top >= area.top && r.right <= area.right && r.bottom <= area.bottom;
}

const wchar_t* const kFaces[] = {L"Segoe UI", L"Microsoft YaHei UI", L"Microsoft JhengHei UI", L"Segoe UI"};

class ShippedSkin : public testing::TestWithParam<int> {
protected:
    void SetUp() override {
        m_path = lktest::DistDir() + SkinFileName(GetParam());
        ASSERT_TRUE(lktest::FileExists(m_path)) << Narrow(m_path);
        g_iniText.SetTextFile(m_path);
    }
    void TearDown() override { g_iniText.SetTextFile(L""); }
    std::wstring m_path;
};

}  // namespace

TEST_P(ShippedSkin, IsUtf16WithByteOrderMark) {
    std::string bytes = lktest::ReadFileBytes(m_path);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(0, 2), std::string("\xFF\xFE"));
    EXPECT_EQ(bytes.size() % 2, 0u);
    EXPECT_EQ(GetSkinFontFace(), kFaces[GetParam()]);
}

TEST_P(ShippedSkin, HasEveryKeyTheWindowReads) {
    for (const auto& sk : ReadKeys()) {
        for (const auto& key : sk.keys) {
            std::wstring v = Read(sk.section, key);
            SCOPED_TRACE(Narrow(std::wstring(sk.section) + L" " + key));
            ASSERT_NE(v, kMissing);
            // A text holding a comma would lose its start: entries keep exactly seven fields.
            if (IsEntrySection(sk.section)) {
                EXPECT_EQ(std::count(v.begin(), v.end(), L','), 6) << Narrow(v);
            }
        }
    }
}

TEST_P(ShippedSkin, HasTheTextsTheWindowShows) {
    const SectionKeys shown[] = {
        {L"LED_STRING", Keys(1, 6)},
        {L"FUNC_STRING", Join({Keys(10, 13), Keys(30, 32)})},
    };
    for (const auto& sk : shown)
        for (const auto& key : sk.keys) EXPECT_FALSE(Read(sk.section, key).empty()) << Narrow(std::wstring(sk.section) + L" " + key);
    for (const auto& key : Join({Keys(1, 12), {L"16", L"22", L"23", L"24"}}))
        EXPECT_FALSE(GetDrawEntry(L"LED_TEXT", key.c_str()).strText.empty()) << "LED_TEXT " << Narrow(key);
    // Effect names, mode, profile and window captions.
    for (const auto& key : Keys(2, 15)) EXPECT_STRNE(GetSkinEntry(L"LED", key.c_str()).szText, L"") << "LED " << Narrow(key);
    for (const auto& key : Join({Keys(3, 9), Keys(11, 14), Keys(21, 24), {L"63"}})) {
        LPCWSTR section = key == L"63" ? L"LED" : L"MAIN";
        EXPECT_STRNE(GetSkinEntry(section, key.c_str()).szText, L"") << Narrow(std::wstring(section) + L" " + key);
    }
}

TEST_P(ShippedSkin, NamesOnlyPicturesThatExistAndCoverTheirControls) {
    for (const auto& need : PictureNeeds()) {
        std::wstring path = Skins() + need.file;
        PicSize size = PictureSize(path);
        EXPECT_GT(size.w, 0) << "missing or unreadable: " << Narrow(path);
        if (need.mustCover && size.w > 0) {
            EXPECT_GE(size.w, need.rc.right - need.rc.left) << Narrow(need.file);
            EXPECT_GE(size.h, need.rc.bottom - need.rc.top) << Narrow(need.file);
        }
    }
    EXPECT_GT(PictureSize(Skins() + Read(L"MAINSCREENNEW", L"Main")).w, 0);
    for (const auto& key : Keys(1, 7)) {
        std::wstring file = GetDrawEntry(L"MAINPIC", key.c_str()).strText;
        EXPECT_GT(PictureSize(Skins() + L"Pic\\" + file).w, 0) << "MAINPIC " << Narrow(key) << ": " << Narrow(file);
    }
}

TEST_P(ShippedSkin, LayoutFitsTheWindow) {
    PicSize bg = PictureSize(Skins() + Read(L"MAINSCREENNEW", L"Main"));
    ASSERT_GT(bg.w, 0);
    const RECT window{0, 0, bg.w, bg.h};
    EXPECT_GE(bg.w, 1200);  // the top 48 pixels of the first 1200 drag the window
    for (const auto& sk : ReadKeys()) {
        if (!IsEntrySection(sk.section)) continue;
        for (const auto& key : sk.keys)
            EXPECT_TRUE(Inside(GetDrawEntry(sk.section, key.c_str()).rcPos, window)) << Narrow(std::wstring(sk.section) + L" " + key);
    }

    // The effect list shows effects 1 to 8 at the rectangle of key 2, 37 pixels apart.
    const RECT list{91, 93, 242, 437};
    const RECT first = GetSkinEntry(L"LED", L"2").rcPos;
    for (int k = 1; k <= 15; ++k) {
        RECT r = GetSkinEntry(L"LED", std::to_wstring(k).c_str()).rcPos;
        EXPECT_EQ(r.top, first.top + 37 * (k - 2)) << "LED " << k;
        EXPECT_EQ(r.left, first.left);
        EXPECT_EQ(r.right - r.left, first.right - first.left);
        EXPECT_EQ(r.bottom - r.top, first.bottom - first.top);
        if (k >= 2 && k <= 9) {
            EXPECT_TRUE(Inside(r, list)) << "LED " << k;
        }
    }
    EXPECT_LE(first.bottom - first.top, 37);
    RECT scroll = GetSkinEntry(L"LED", L"21").rcPos;
    EXPECT_TRUE(Inside(scroll, list));
    EXPECT_GE(scroll.left, first.right) << "the scroll slider lies beside the effect buttons";

    // Device tabs stack 85 pixels below the first; all four must fit.
    RECT tab = GetSkinEntry(L"MAIN", L"11").rcPos;
    EXPECT_LE(tab.bottom - tab.top, 85);
    EXPECT_LE(tab.bottom + 3 * 85, bg.h);

    // The dial runs its knob on a circle: a square control.
    RECT dial = GetSkinEntry(L"LED", L"28").rcPos;
    EXPECT_EQ(dial.right - dial.left, dial.bottom - dial.top);
    EXPECT_GT(dial.right - dial.left, 26);
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedSkin, testing::Values(0, 1, 2, 3));

TEST(ShippedFiles, MenuPicturesAndManual) {
    // Device rows are 24 pixels high, language rows 20; each row shows the top of the picture.
    const std::pair<const wchar_t*, int> menus[] = {{L"Device", 24}, {L"Len", 20}};
    for (const auto& [prefix, rowHeight] : menus) {
        for (const wchar_t* state : {L"normal", L"over"}) {
            std::wstring file = Skins() + L"Menu\\" + prefix + L"_menu_" + state + L".png";
            PicSize s = PictureSize(file);
            EXPECT_GT(s.w, 0) << Narrow(file);
            EXPECT_GE(s.h, rowHeight) << Narrow(file);
        }
    }
    std::string pdf = lktest::ReadFileBytes(lktest::DistDir() + L"Help\\Help.pdf");
    ASSERT_EQ(pdf.compare(0, 5, "%PDF-"), 0);
    size_t at = pdf.rfind("startxref");
    ASSERT_NE(at, std::string::npos);
    size_t xref = std::stoul(pdf.substr(at + 9));
    EXPECT_EQ(pdf.compare(xref, 4, "xref"), 0) << "the cross-reference offset must point at the table";
}
