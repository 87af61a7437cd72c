#include "settings/LightingState.h"
#include "app/Directories.h"
#include "app/Log.h"
#include <algorithm>
#include <cstdlib>

namespace {
// Values read from the file steer loops and indices; keep them inside the arrays.
int ClampIndex(int v, int lo, int hi) { return std::clamp(v, lo, hi); }
}  // namespace

int UsedColourCount(const EFFECTINFO& e) { return ClampIndex(e.nLedCount, 0, COLOUR_SLOTS); }

bool EffectsLookEqual(const EFFECTINFO& a, const EFFECTINFO& b) {
    if (a.nEffect != b.nEffect || a.bSameColour != b.bSameColour || a.nSpeed != b.nSpeed ||
        a.nDirection != b.nDirection)
        return false;
    return std::equal(a.clrColours, a.clrColours + UsedColourCount(a), b.clrColours);
}

CLightingState::CLightingState() {
    // Sane before Initialise, and what a run without a settings file uses.
    ResetSettings(m_setting);
    ApplyFirstRunDefaults(m_setting);
    m_saved = m_setting;
    SetDeviceKinds({});
}

void CLightingState::SetDeviceKinds(std::vector<DEVICEINFO> kind0Devices) {
    m_bKindPresent[0] = !kind0Devices.empty();
    m_devices[0] = std::move(kind0Devices);
    m_nKindCount = 0;
    for (int k = 0; k < 4; ++k)
        if (m_bKindPresent[k]) m_nKinds[m_nKindCount++] = k;
    if (m_nKindCount == 0) m_nKinds[m_nKindCount++] = 0;
    m_nDeviceKind = m_nKinds[0];
}

bool CLightingState::Initialise() {
    std::wstring folder;
    if (!GetAppDataFolder(folder)) return Initialise(std::wstring());
    const std::wstring path = folder + g_szConfigRelPath;
    WriteLog(L"OnInitDialog-createIniPath - " + path);
    const wchar_t* appData = _wgetenv(L"APPDATA");
    WriteLog(L"OnInitDialog-createIniPath2 - " + std::wstring(appData ? appData : L"") + g_szConfigRelPath);
    return Initialise(path);
}

bool CLightingState::Initialise(const std::wstring& configPath) {
    g_strConfigFile = configPath;
    InitSettings(m_setting, m_saved, configPath);
    SelectHalf(m_nDeviceKind);
    const int n = DeviceCount(m_nDeviceKind);
    CurrentHalf().nDevNum = n;
    m_nSelDevice = (n > 1 && CurrentHalf().bSynchronize != 0) ? 0 : 1;
    Refresh(true);
    return !configPath.empty();
}

int CLightingState::DeviceCount(int kind) const {
    return (kind == 0 || kind == 1) ? (int)m_devices[kind].size() : 0;
}

int CLightingState::CurrentProfileIndex() const {
    const int p = m_setting.nCurrentProfile;
    return (p >= 0 && p < PROFILE_COUNT) ? p : 0;
}

PROFILEHALF& CLightingState::CurrentHalf() { return m_setting.profiles[CurrentProfileIndex()].halves[m_nHalf]; }
const PROFILEHALF& CLightingState::CurrentHalf() const {
    return m_setting.profiles[CurrentProfileIndex()].halves[m_nHalf];
}

EFFECTINFO& CLightingState::EditedRecord() {
    return CurrentHalf().effects[ClampIndex(m_nSelDevice, 0, MAX_DEVICES)];
}
const EFFECTINFO& CLightingState::EditedRecord() const {
    return CurrentHalf().effects[ClampIndex(m_nSelDevice, 0, MAX_DEVICES)];
}

COLORREF* CLightingState::TargetColours() {
    return m_bMusicMode ? m_setting.musicInfo.clrColours : EditedRecord().clrColours;
}
const COLORREF* CLightingState::TargetColours() const {
    return m_bMusicMode ? m_setting.musicInfo.clrColours : EditedRecord().clrColours;
}
int& CLightingState::TargetSameColour() {
    return m_bMusicMode ? m_setting.musicInfo.bSameColour : EditedRecord().bSameColour;
}
int CLightingState::TargetSameColour() const {
    return m_bMusicMode ? m_setting.musicInfo.bSameColour : EditedRecord().bSameColour;
}

void CLightingState::SelectHalf(int kind) {
    // Kinds 2 and 3 have no place in a profile: the half stays as it was.
    if (kind == 0 || kind == 1) m_nHalf = kind;
}

void CLightingState::Refresh(bool resetView) {
    const int n = DeviceCount(m_nDeviceKind);
    PROFILEHALF& half = CurrentHalf();
    half.nDevNum = n;
    if (n != 0) {
        const std::vector<DEVICEINFO>& devices = m_devices[m_nDeviceKind];
        for (int r = 1; r <= MAX_DEVICES; ++r) half.effects[r].nLedCount = r <= n ? devices[r - 1].LedCount() : 0;
        half.effects[0].nLedCount = half.effects[1].nLedCount;
    }
    m_bLedOn = m_setting.bLedOn;
    m_bMusicMode = m_setting.bAudio;
    m_bSyncMode = m_setting.bSync;
    m_bRazerOn = m_setting.bRazer;
    m_nEffect = EditedRecord().nEffect;
    m_nPendingDirection = m_bMusicMode ? m_setting.musicInfo.nDirection : EditedRecord().nDirection;
    if (m_refreshHook) m_refreshHook(resetView);
}

void CLightingState::SelectProfile(int p, const std::function<bool()>& confirmSave) {
    if (p < 0 || p >= PROFILE_COUNT) return;
    if (IsProfileModified(CurrentProfileIndex()) && confirmSave && confirmSave()) SaveAndNotify();

    // Unapplied edits are dropped, but the language and LED switch are not
    // profile settings and survive the switch.
    const int language = m_setting.nLanguage;
    m_setting = m_saved;
    m_setting.nLanguage = language;
    m_setting.bLedOn = m_bLedOn;

    m_setting.nCurrentProfile = p;
    m_setting.bAudio = 0;
    m_setting.bSync = 0;

    SelectHalf(m_nDeviceKind);
    PROFILEHALF& half = CurrentHalf();
    half.nDevNum = DeviceCount(m_nDeviceKind);
    m_nSelDevice = (half.nDevNum == 1 || half.bSynchronize == 0) ? 1 : 0;
    Refresh(true);  // takes the modes and the effect from the records
}

bool CLightingState::SelectKind(int k) {
    if (k == 0 || k == 1) {
        SelectHalf(k);
        CurrentHalf().nDevNum = DeviceCount(k);
        m_nDeviceKind = k;
    }
    if (CurrentHalf().nDevNum > 1) return true;
    m_nSelDevice = 1;
    Refresh(true);
    return false;
}

void CLightingState::SelectDevice(int k) {
    if (k < 0 || k > MAX_DEVICES) return;
    CurrentHalf().bSynchronize = k == 0 ? 1 : 0;
    m_nSelDevice = k;
    Refresh(true);
}

void CLightingState::SelectEffect(int e) {
    m_nEffect = e;
    EditedRecord().nEffect = e;
}

void CLightingState::SelectSlot(int s) {
    if (s >= 0 && s < COLOUR_SLOTS) m_nSlot = s;
}

void CLightingState::SetColour(COLORREF c) {
    COLORREF* colours = TargetColours();
    if (TargetSameColour() != 0) std::fill(colours, colours + COLOUR_SLOTS, c);
    else colours[ClampIndex(m_nSlot, 0, COLOUR_SLOTS - 1)] = c;
}

void CLightingState::ToggleSameColour(bool currentButtonState) {
    m_nSlot = 0;
    TargetSameColour() = currentButtonState ? 0 : 1;
    Refresh(true);
}

void CLightingState::SetPendingDirection(int d) { m_nPendingDirection = d; }

void CLightingState::ToggleLed() {
    m_setting.bLedOn = m_setting.bLedOn ? 0 : 1;
    Refresh(false);
}

void CLightingState::ToggleExclusiveMode(int LEDSETTING::*on, int LEDSETTING::*other) {
    if (m_setting.*on == 0) {
        m_setting.*on = 1;
        m_setting.*other = 0;
    } else {
        m_setting.*on = 0;
    }
    Refresh(false);
}

void CLightingState::ToggleMusic() { ToggleExclusiveMode(&LEDSETTING::bAudio, &LEDSETTING::bSync); }
void CLightingState::ToggleSync() { ToggleExclusiveMode(&LEDSETTING::bSync, &LEDSETTING::bAudio); }

void CLightingState::ToggleRazer() {
    m_setting.bRazer = m_setting.bRazer ? 0 : 1;
    m_bRazerOn = m_setting.bRazer;
}

void CLightingState::ResetEffect() {
    if (m_bMusicMode) {
        MUSICINFO& m = m_setting.musicInfo;
        const MUSICINFO def = DefaultMusicInfo();
        m.nLevel = def.nLevel;
        m.nDirection = def.nDirection;
        m.bSameColour = def.bSameColour;
        std::copy(def.clrColours, def.clrColours + COLOUR_SLOTS, m.clrColours);
    } else {
        EditedRecord() = DefaultEffectInfo(m_nEffect);
    }
    Refresh(false);
}

void CLightingState::Apply(int speed, const COLORREF colours[8], int musicLevel) {
    EFFECTINFO& rec = EditedRecord();
    rec.nSpeed = speed;
    rec.nEffect = m_nEffect;
    if (m_bMusicMode) {
        m_setting.musicInfo.nDirection = m_nPendingDirection;
        std::copy(colours, colours + COLOUR_SLOTS, m_setting.musicInfo.clrColours);
    } else {
        rec.nDirection = m_nPendingDirection;
        std::copy(colours, colours + COLOUR_SLOTS, rec.clrColours);
    }
    m_setting.musicInfo.nLevel = musicLevel;
    m_setting.musicInfo.nColourCount = 8;
    SaveAndNotify();
}

void CLightingState::SaveAndNotify() {
    if (m_saveFeedback) m_saveFeedback(true);
    SaveSettings(m_setting, g_strConfigFile);
    m_saved = m_setting;
    if (m_notify) m_notify();
    if (m_saveFeedback) m_saveFeedback(false);
}

bool CLightingState::IsProfileModified(int p) const {
    if (p < 0 || p >= PROFILE_COUNT) return false;
    for (int h = 0; h < 2; ++h) {
        const PROFILEHALF& w = m_setting.profiles[p].halves[h];
        const PROFILEHALF& s = m_saved.profiles[p].halves[h];
        if (w.bSynchronize != s.bSynchronize) return true;
        const int last = ClampIndex(w.nDevNum, 0, MAX_DEVICES);
        for (int r = 0; r <= last; ++r)
            if (!EffectsLookEqual(w.effects[r], s.effects[r])) return true;
    }
    return false;
}
