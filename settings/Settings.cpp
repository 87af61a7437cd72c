#include "settings/Settings.h"
#include "app/Directories.h"
#include "settings/IniFile.h"

std::wstring g_strConfigFile;

namespace {

const wchar_t kSetting[] = L"Setting";
const wchar_t kMusicKey[] = L"fMusicInfo";

// The "Setting" integers in file order, with their read defaults.
struct IntKey {
    const wchar_t* key;
    int LEDSETTING::*field;
    int def;
};
const IntKey kSettingKeys[] = {
    {L"Show_TrayIcon", &LEDSETTING::bShowTrayIcon, 1},
    {L"Show_OSD", &LEDSETTING::bShowOSD, 1},
    {L"lan_id", &LEDSETTING::nLanguage, 0},
    {L"led_sw", &LEDSETTING::bLedOn, 1},
    {L"audio_sw", &LEDSETTING::bAudio, 0},
    {L"razer_sw", &LEDSETTING::bRazer, 1},
    {L"sync_sw", &LEDSETTING::bSync, 0},
    {L"CurrentProfile", &LEDSETTING::nCurrentProfile, 0},
};

// Key names of a profile half: kind 0 has no suffix, kind 1 "_SSD".
const wchar_t* const kHalfSuffix[2] = {L"", L"_SSD"};
const int kHalfSyncDefault = 1;
const int kHalfDevNumDefault = 2;

std::wstring ProfileSection(int i) { return L"Profile" + std::to_wstring(i) + L"Setting"; }
std::wstring HalfKey(const wchar_t* base, int half) { return std::wstring(base) + kHalfSuffix[half]; }
std::wstring EffectKey(int half, int n) { return HalfKey(L"EffectInfo", half) + std::to_wstring(n); }

// Reads through a scratch buffer so a rejected value leaves `fallback`.
template <class T>
void ReadRecord(const CIniFile& ini, const wchar_t* section, const wchar_t* key, T& dest, const T& fallback) {
    T read;
    dest = ini.GetStruct(section, key, &read, sizeof read) ? read : fallback;
}

}  // namespace

EFFECTINFO DefaultEffectInfo(int nEffect) {
    EFFECTINFO e{};
    e.nEffect = nEffect;
    e.nFlag = 1;
    e.nLedCount = 8;
    for (int i = 0; i < COLOUR_SLOTS; ++i) e.clrColours[i] = g_clrDefaultColours[i];
    return e;
}

MUSICINFO DefaultMusicInfo() {
    MUSICINFO m{};
    for (int i = 0; i < COLOUR_SLOTS; ++i) m.clrColours[i] = g_clrDefaultColours[i];
    m.nLevel = 10;
    m.nColourCount = 8;
    return m;
}

int FirstRunLanguage(LANGID id) {
    switch (PRIMARYLANGID(id)) {
    case LANG_CHINESE:
        switch (id) {
        case 0x0404:  // Taiwan
        case 0x0C04:  // Hong Kong
        case 0x1404:  // Macau
        case 0x7C04:  // Traditional, no region
            return 2;
        default:
            return 1;
        }
    case LANG_GERMAN:
        return 3;
    default:
        return 0;
    }
}

void LoadSettings(LEDSETTING& s, const std::wstring& path) {
    if (path.empty()) return;
    const CIniFile ini(path);
    for (const IntKey& k : kSettingKeys) s.*k.field = ini.GetInt(kSetting, k.key, k.def);
    ReadRecord(ini, kSetting, kMusicKey, s.musicInfo, DefaultMusicInfo());

    const EFFECTINFO defEffect = DefaultEffectInfo();
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        const std::wstring section = ProfileSection(i);
        for (int h = 0; h < 2; ++h) {
            PROFILEHALF& half = s.profiles[i].halves[h];
            half.bSynchronize = ini.GetInt(section.c_str(), HalfKey(L"Synchronize", h).c_str(), kHalfSyncDefault);
            half.nDevNum = ini.GetInt(section.c_str(), HalfKey(L"DevNum", h).c_str(), kHalfDevNumDefault);
            for (int n = 0; n < EFFECT_RECORDS; ++n)
                ReadRecord(ini, section.c_str(), EffectKey(h, n).c_str(), half.effects[n], defEffect);
        }
    }
}

void SaveSettings(const LEDSETTING& s, const std::wstring& path) {
    if (path.empty()) return;
    const CIniFile ini(path);
    for (const IntKey& k : kSettingKeys) ini.WriteInt(kSetting, k.key, s.*k.field);
    ini.WriteStruct(kSetting, kMusicKey, &s.musicInfo, sizeof s.musicInfo);

    for (int i = 0; i < PROFILE_COUNT; ++i) {
        const std::wstring section = ProfileSection(i);
        for (int h = 0; h < 2; ++h) {
            const PROFILEHALF& half = s.profiles[i].halves[h];
            ini.WriteInt(section.c_str(), HalfKey(L"Synchronize", h).c_str(), half.bSynchronize);
            ini.WriteInt(section.c_str(), HalfKey(L"DevNum", h).c_str(), half.nDevNum);
            for (int n = 0; n < EFFECT_RECORDS; ++n)
                ini.WriteStruct(section.c_str(), EffectKey(h, n).c_str(), &half.effects[n], sizeof(EFFECTINFO));
        }
    }
}

void ResetSettings(LEDSETTING& s) {
    for (const IntKey& k : kSettingKeys) s.*k.field = -1;
    for (PROFILEINFO& p : s.profiles) p = PROFILEINFO{};
    s.musicInfo = MUSICINFO{};
}

void ApplyFirstRunDefaults(LEDSETTING& s) {
    s.nLanguage = FirstRunLanguage(::GetSystemDefaultLangID());
    s.bShowTrayIcon = 1;
    s.bShowOSD = 1;
    s.bLedOn = 1;
    s.bAudio = 0;
    s.bSync = 0;
    s.bRazer = 1;
    s.nCurrentProfile = 0;
    const EFFECTINFO e = DefaultEffectInfo();
    for (PROFILEINFO& p : s.profiles) {
        for (PROFILEHALF& half : p.halves) {
            half.bSynchronize = kHalfSyncDefault;
            half.nDevNum = kHalfDevNumDefault;
            for (EFFECTINFO& r : half.effects) r = e;
        }
    }
    s.musicInfo = DefaultMusicInfo();
}

void InitSettings(LEDSETTING& setting, LEDSETTING& saved, const std::wstring& path) {
    const std::wstring& file = path.empty() ? g_strConfigFile : path;
    bool isDir = false;
    if (!file.empty() && PathExists(file, &isDir) && !isDir) {
        LoadSettings(setting, file);
    } else {
        ResetSettings(setting);
        ApplyFirstRunDefaults(setting);
        SaveSettings(setting, file);
    }
    saved = setting;
}
