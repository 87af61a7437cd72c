#pragma once
// The settings file shared with the lighting agent, and its in-memory image.
// The agent reads the same file, so these layouts and key names are a wire
// format: change nothing here without changing the agent.
#include <windows.h>
#include <cstddef>
#include <string>

// One lighting effect for one device, or for all devices (record 0).
struct EFFECTINFO {
    int nEffect;
    int nFlag;
    int nLedCount;
    int bSameColour;
    COLORREF clrColours[8];
    int nSpeed;
    int nDirection;
};

// Music mode, shared by all profiles.
struct MUSICINFO {
    COLORREF clrColours[8];
    int nLevel;
    int bSameColour;
    int nColourCount;
    int nDirection;
};

// What a profile holds for one device kind.
struct PROFILEHALF {
    int bSynchronize;
    int nDevNum;
    EFFECTINFO effects[17];
};

// halves[0]: device kind 0 (discovered devices); halves[1]: kind 1 (SSD).
struct PROFILEINFO {
    PROFILEHALF halves[2];
};

struct LEDSETTING {
    int nLanguage;
    int bShowTrayIcon;
    int bShowOSD;
    int bLedOn;
    int bAudio;
    int bRazer;
    int bSync;
    int nCurrentProfile;
    PROFILEINFO profiles[4];
    MUSICINFO musicInfo;
};

static_assert(sizeof(COLORREF) == 4);
static_assert(sizeof(EFFECTINFO) == 56);
static_assert(offsetof(EFFECTINFO, nLedCount) == 8);
static_assert(offsetof(EFFECTINFO, bSameColour) == 12);
static_assert(offsetof(EFFECTINFO, clrColours) == 16);
static_assert(offsetof(EFFECTINFO, nSpeed) == 48);
static_assert(offsetof(EFFECTINFO, nDirection) == 52);
static_assert(sizeof(MUSICINFO) == 48);
static_assert(offsetof(MUSICINFO, nLevel) == 32);
static_assert(offsetof(MUSICINFO, bSameColour) == 36);
static_assert(offsetof(MUSICINFO, nColourCount) == 40);
static_assert(offsetof(MUSICINFO, nDirection) == 44);
static_assert(sizeof(PROFILEHALF) == 8 + 17 * 56);
static_assert(sizeof(PROFILEINFO) == 2 * sizeof(PROFILEHALF));
static_assert(offsetof(LEDSETTING, profiles) == 32);
static_assert(offsetof(LEDSETTING, musicInfo) == 32 + 4 * sizeof(PROFILEINFO));
static_assert(sizeof(LEDSETTING) == 32 + 4 * sizeof(PROFILEINFO) + 48);

constexpr int PROFILE_COUNT = 4;
constexpr int EFFECT_RECORDS = 17;  // record 0 for all devices, 1..16 one per device
constexpr int MAX_DEVICES = EFFECT_RECORDS - 1;
constexpr int COLOUR_SLOTS = 8;

// Slot 0 to 7: red, yellow, green, cyan, blue, magenta, white, purple.
inline constexpr COLORREF g_clrDefaultColours[COLOUR_SLOTS] = {
    0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000, 0xFF00FF, 0xFFFFFF, 0x7D007D,
};

// The settings file path; empty when the application-data folder is unknown,
// and then nothing is read or written.
extern std::wstring g_strConfigFile;

// Relative to the application-data folder.
inline constexpr wchar_t g_szConfigRelPath[] = L"\\Veltrane\\Lumenkit\\config";

EFFECTINFO DefaultEffectInfo(int nEffect = 1);
MUSICINFO DefaultMusicInfo();

// 1 Simplified Chinese, 2 Traditional Chinese, 3 German, 0 English.
int FirstRunLanguage(LANGID systemLanguage);

// A record that is missing or fails its checksum reads as the default record;
// every other value is taken as read, out-of-range ones included.
void LoadSettings(LEDSETTING& setting, const std::wstring& path);
// 161 writes in a fixed order; the agent expects every key to be present.
void SaveSettings(const LEDSETTING& setting, const std::wstring& path);
void ResetSettings(LEDSETTING& setting);
void ApplyFirstRunDefaults(LEDSETTING& setting);
// Loads the file at `path` (g_strConfigFile when empty) or creates it with
// the first-run defaults; with no path at all runs on the defaults. Then
// `saved` = `setting`.
void InitSettings(LEDSETTING& setting, LEDSETTING& saved, const std::wstring& path = std::wstring());
