#include "settings/LightingState.h"
#include "app/Directories.h"
#include "TestUtil.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>

using lktest::TempDir;

namespace {

std::vector<DEVICEINFO> Devices(const std::vector<int>& ledCounts) {
    std::vector<DEVICEINFO> out;
    for (int n : ledCounts) {
        DEVICEINFO d;
        d.descs.emplace_back();
        d.descs.back().nLedCount = n;
        out.push_back(d);
    }
    return out;
}

bool SameRecord(const EFFECTINFO& a, const EFFECTINFO& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// A state on a settings file of its own, counting agent notifications.
struct Bench {
    explicit Bench(const std::vector<int>& ledCounts = {8, 8}) {
        state.SetDeviceKinds(Devices(ledCounts));
        state.SetAgentNotifier([this] {
            ++notified;
            events += "notify ";
        });
        state.SetSaveFeedback([this](bool busy) { events += busy ? "busy " : "idle "; });
    }
    void Init() { state.Initialise(path); }
    LEDSETTING FileNow() const {
        LEDSETTING s{};
        LoadSettings(s, path);
        return s;
    }

    TempDir dir;
    std::wstring path = dir.file(L"config");
    CLightingState state;
    int notified = 0;
    std::string events;
};

const COLORREF kOrange = RGB(255, 128, 0);

}  // namespace

TEST(LightingState, InitialSelectionFollowsDevicesAndSynchronize) {
    const struct {
        std::vector<int> leds;
        int synchronizeInFile;  // -1: first run
        int selDevice;
        int devNum;
        bool offersChoice;
    } cases[] = {
        {{8, 8}, -1, 0, 2, true},
        {{8, 8, 8}, 0, 1, 3, true},
        {{8}, 1, 1, 1, false},
        {{}, -1, 1, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.selDevice + 10 * c.devNum);
        Bench b(c.leds);
        if (c.synchronizeInFile >= 0)
            lktest::WriteFileBytes(b.path, "[Profile0Setting]\r\nSynchronize=" + std::to_string(c.synchronizeInFile) + "\r\n");
        b.Init();
        EXPECT_EQ(b.state.m_nKindCount, 1);
        EXPECT_EQ(b.state.m_nDeviceKind, 0);
        EXPECT_EQ(b.state.m_nSelDevice, c.selDevice);
        EXPECT_EQ(b.state.CurrentHalf().nDevNum, c.devNum);
        EXPECT_EQ(&b.state.EditedRecord(), &b.state.m_setting.profiles[0].halves[0].effects[c.selDevice]);
        EXPECT_EQ(b.state.SelectKind(0), c.offersChoice);
        if (!c.offersChoice) {
            EXPECT_EQ(b.state.m_nSelDevice, 1);
        }
    }
}

TEST(LightingState, LedCountsComeFromTheDevices) {
    Bench b({3, 5});
    b.Init();
    const EFFECTINFO* e = b.state.CurrentHalf().effects;
    EXPECT_EQ(e[0].nLedCount, 3);
    EXPECT_EQ(e[1].nLedCount, 3);
    EXPECT_EQ(e[2].nLedCount, 5);
    for (int r = 3; r <= 16; ++r) EXPECT_EQ(e[r].nLedCount, 0) << r;
}

TEST(LightingState, ProfileSwitchAsksAboutUnappliedColours) {
    for (bool answer : {true, false}) {
        SCOPED_TRACE(answer);
        Bench b;
        b.Init();
        const std::string before = lktest::ReadFileBytes(b.path);
        b.state.SelectSlot(2);
        b.state.SetColour(kOrange);
        ASSERT_TRUE(b.state.IsProfileModified(0));

        int asked = 0;
        b.state.SelectProfile(2, [&] { ++asked; return answer; });
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(b.state.CurrentProfileIndex(), 2);
        EXPECT_EQ(b.notified, answer ? 1 : 0);
        // The save looks busy until the agent has been told, as an Apply does.
        EXPECT_EQ(b.events, answer ? "busy notify idle " : "");
        const COLORREF kept = b.state.m_setting.profiles[0].halves[0].effects[0].clrColours[2];
        EXPECT_EQ(kept, answer ? kOrange : g_clrDefaultColours[2]);
        EXPECT_EQ(b.FileNow().profiles[0].halves[0].effects[0].clrColours[2], kept);
        if (!answer) {
            EXPECT_EQ(lktest::ReadFileBytes(b.path), before);
        }
    }
}

TEST(LightingState, ProfileSwitchKeepsLanguageAndLedDropsMusicAndLeavesModes) {
    Bench b;
    b.Init();
    b.state.ToggleMusic();
    b.state.SetColour(kOrange);  // music colours are not a profile change
    b.state.m_setting.musicInfo.nLevel = 44;
    b.state.ToggleLed();
    b.state.m_setting.nLanguage = 3;
    EXPECT_FALSE(b.state.IsProfileModified(0));

    int asked = 0;
    b.state.SelectProfile(1, [&] { ++asked; return true; });
    EXPECT_EQ(asked, 0);
    const LEDSETTING& s = b.state.m_setting;
    EXPECT_EQ(s.nLanguage, 3);
    EXPECT_EQ(s.bLedOn, 0);
    EXPECT_FALSE(b.state.m_bLedOn);
    EXPECT_EQ(s.bAudio, 0);
    EXPECT_EQ(s.bSync, 0);
    EXPECT_FALSE(b.state.m_bMusicMode);
    EXPECT_EQ(s.musicInfo.nLevel, 10);
    EXPECT_EQ(s.musicInfo.clrColours[0], g_clrDefaultColours[0]);
    EXPECT_EQ(b.notified, 0);
}

TEST(LightingState, OnlyColoursInUseCountAsChanges) {
    const struct {
        int slot;
        bool modified;
    } cases[] = {{0, true}, {2, true}, {3, false}, {7, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.slot);
        Bench b({3});
        b.Init();
        b.state.SelectSlot(c.slot);
        b.state.SetColour(kOrange);
        EXPECT_EQ(b.state.IsProfileModified(0), c.modified);
    }
}

TEST(LightingState, MusicAndSyncExcludeEachOther) {
    using Toggle = void (CLightingState::*)();
    const Toggle music = &CLightingState::ToggleMusic, sync = &CLightingState::ToggleSync;
    const struct {
        Toggle first, second;
        int audio, syncOn;
    } cases[] = {
        {sync, music, 1, 0},
        {music, sync, 0, 1},
        {music, music, 0, 0},
        {sync, sync, 0, 0},
    };
    for (const auto& c : cases) {
        Bench b;
        b.Init();
        (b.state.*c.first)();
        (b.state.*c.second)();
        EXPECT_EQ(b.state.m_setting.bAudio, c.audio);
        EXPECT_EQ(b.state.m_setting.bSync, c.syncOn);
        EXPECT_EQ(b.state.m_bMusicMode, c.audio);
        EXPECT_EQ(b.state.m_bSyncMode, c.syncOn);
    }
}

TEST(LightingState, ApplyStoresPanelValuesWhereTheModeSays) {
    const COLORREF panel[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    for (bool musicMode : {false, true}) {
        SCOPED_TRACE(musicMode);
        Bench b;
        b.Init();
        b.state.SelectEffect(5);
        if (musicMode) b.state.ToggleMusic();
        b.state.SetPendingDirection(1);
        b.state.Apply(-2, panel, 33);

        const EFFECTINFO& rec = b.state.EditedRecord();
        const MUSICINFO& m = b.state.m_setting.musicInfo;
        EXPECT_EQ(rec.nSpeed, -2);
        EXPECT_EQ(rec.nEffect, 5);
        EXPECT_EQ(rec.nDirection, musicMode ? 0 : 1);
        EXPECT_EQ(m.nDirection, musicMode ? 1 : 0);
        EXPECT_EQ(rec.clrColours[7], musicMode ? g_clrDefaultColours[7] : 8u);
        EXPECT_EQ(m.clrColours[7], musicMode ? 8u : g_clrDefaultColours[7]);
        EXPECT_EQ(m.nLevel, 33);
        EXPECT_EQ(m.nColourCount, 8);

        EXPECT_EQ(b.notified, 1);
        const LEDSETTING file = b.FileNow();
        EXPECT_EQ(std::memcmp(&file, &b.state.m_setting, sizeof file), 0);
        EXPECT_EQ(std::memcmp(&b.state.m_saved, &b.state.m_setting, sizeof file), 0);
    }
}

TEST(LightingState, PresetColourInSameColourModeFillsEverySlot) {
    const struct {
        bool sameColour, musicMode;
    } cases[] = {{true, false}, {false, false}, {true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sameColour * 10 + c.musicMode);
        Bench b;
        b.Init();
        if (c.musicMode) b.state.ToggleMusic();
        b.state.SelectSlot(5);
        if (c.sameColour) {
            b.state.ToggleSameColour(false);
            EXPECT_EQ(b.state.m_nSlot, 0);
            EXPECT_EQ(b.state.TargetSameColour(), 1);
        }
        b.state.SelectSlot(3);
        b.state.SetColour(kOrange);
        const COLORREF* target = c.musicMode ? b.state.m_setting.musicInfo.clrColours : b.state.EditedRecord().clrColours;
        EXPECT_EQ(target, b.state.TargetColours());
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(target[i], c.sameColour || i == 3 ? kOrange : g_clrDefaultColours[i]) << i;
    }
}

TEST(LightingState, ResetRestoresTheDefaultRecordKeepingTheEffect) {
    Bench b;
    b.Init();
    b.state.SelectEffect(9);
    b.state.SetColour(kOrange);
    b.state.EditedRecord().nSpeed = 2;
    b.state.ResetEffect();
    EXPECT_TRUE(SameRecord(b.state.EditedRecord(), DefaultEffectInfo(9)));
    EXPECT_EQ(b.notified, 0);
}

TEST(LightingState, OutOfRangeFileValuesIndexNothing) {
    Bench b({4, 4});
    // Profile 9, an effect outside the list, LED counts beyond the slots and
    // a device count beyond the records, as a foreign writer might leave them.
    LEDSETTING s;
    ResetSettings(s);
    ApplyFirstRunDefaults(s);
    s.nCurrentProfile = 9;
    s.profiles[0].halves[0].effects[0].nEffect = 99;
    s.profiles[0].halves[1].nDevNum = 40;
    s.profiles[0].halves[1].effects[3].nLedCount = 12;
    SaveSettings(s, b.path);
    b.Init();

    EXPECT_EQ(b.state.m_setting.nCurrentProfile, 9);  // kept as the file holds it
    EXPECT_EQ(b.state.CurrentProfileIndex(), 0);
    EXPECT_EQ(&b.state.EditedRecord(), &b.state.m_setting.profiles[0].halves[0].effects[0]);
    EXPECT_EQ(b.state.m_nEffect, 99);
    EXPECT_FALSE(IsListedEffect(b.state.m_nEffect));
    EXPECT_FALSE(b.state.IsProfileModified(0));
    b.state.m_setting.profiles[0].halves[1].effects[16].nSpeed = 1;
    EXPECT_TRUE(b.state.IsProfileModified(0));

    b.state.SelectDevice(40);
    EXPECT_EQ(b.state.m_nSelDevice, 0);
    b.state.SelectProfile(1, [] { return false; });
    EXPECT_EQ(b.state.CurrentProfileIndex(), 1);

    const struct {
        int ledCount, used;
    } counts[] = {{12, 8}, {8, 8}, {3, 3}, {0, 0}, {-3, 0}};
    for (const auto& c : counts) {
        EFFECTINFO e = DefaultEffectInfo();
        e.nLedCount = c.ledCount;
        EXPECT_EQ(UsedColourCount(e), c.used) << c.ledCount;
    }
}

TEST(LightingState, MoreDevicesThanRecordsFillOnlyTheRecords) {
    std::vector<DEVICEINFO> many = Devices({1, 2, 3, 4, 5, 6, 7, 8, 1, 2, 3, 4, 5, 6, 7, 8, 1, 2, 3, 4});
    Bench b;
    b.state.SetDeviceKinds(many);
    b.Init();
    EXPECT_EQ(b.state.CurrentHalf().nDevNum, 20);
    EXPECT_EQ(b.state.CurrentHalf().effects[16].nLedCount, 8);
    EXPECT_EQ(b.state.m_nSelDevice, 0);
    EXPECT_FALSE(b.state.IsProfileModified(0));
    b.state.SelectDevice(16);
    EXPECT_EQ(b.state.CurrentHalf().bSynchronize, 0);
    EXPECT_TRUE(b.state.IsProfileModified(0));
}

TEST(LightingState, WithoutAFileTheModelRunsOnDefaultsAndSavesNothing) {
    Bench b;
    EXPECT_FALSE(b.state.Initialise(std::wstring()));
    EXPECT_TRUE(g_strConfigFile.empty());
    EXPECT_EQ(b.state.m_setting.bLedOn, 1);
    EXPECT_TRUE(SameRecord(b.state.EditedRecord(), DefaultEffectInfo()));
    b.state.SetColour(kOrange);
    const COLORREF panel[8] = {kOrange};
    b.state.Apply(0, panel, 10);
    EXPECT_EQ(b.notified, 1);
    EXPECT_FALSE(b.state.IsProfileModified(0));
    EXPECT_EQ(::GetProfileIntW(L"Setting", L"CurrentProfile", -5), -5);
    EXPECT_FALSE(lktest::FileExists(b.path));
}

TEST(LightingState, InitialiseBuildsThePathInTheApplicationDataFolder) {
    std::wstring folder;
    ASSERT_TRUE(GetAppDataFolder(folder));
    const bool fileBefore = lktest::FileExists(folder + g_szConfigRelPath);
    CLightingState state;
    EXPECT_TRUE(state.Initialise());
    const std::wstring tail = L"\\Veltrane\\Lumenkit\\config";
    ASSERT_GT(g_strConfigFile.size(), tail.size());
    EXPECT_EQ(g_strConfigFile.substr(g_strConfigFile.size() - tail.size()), tail);
    // Leave the prefix's first run to the program tests.
    if (!fileBefore) ::DeleteFileW(g_strConfigFile.c_str());
    g_strConfigFile.clear();
}
