#pragma once
// The editing model behind the main window: the working and saved images of
// the settings file, the discovered devices and the current selection. It
// knows no window; the window plugs in the agent notification and the panel
// refresh as callbacks.
#include "devices/DeviceInfo.h"
#include "settings/Settings.h"
#include <functional>
#include <string>
#include <vector>

// Effect numbers the effect list can show (0..14); a file may hold others.
constexpr int EFFECT_LIST_COUNT = 15;
inline bool IsListedEffect(int nEffect) { return nEffect >= 0 && nEffect < EFFECT_LIST_COUNT; }

// How many colour slots a record uses: its LED count, kept within 0..8.
int UsedColourCount(const EFFECTINFO& e);
// Equal as far as the user can see: effect, same-colour, speed, direction and
// the colours `a` uses.
bool EffectsLookEqual(const EFFECTINFO& a, const EFFECTINFO& b);

class CLightingState {
public:
    CLightingState();

    void SetDeviceKinds(std::vector<DEVICEINFO> kind0Devices);
    // Builds g_strConfigFile from the application-data folder, then as below.
    bool Initialise();
    // Loads or creates the file at `configPath` (which becomes
    // g_strConfigFile); an empty path runs on the first-run defaults and
    // never touches a file. True when a settings file is in use.
    bool Initialise(const std::wstring& configPath);

    int DeviceCount(int kind) const;
    // Asks `confirmSave` only when the current profile has unapplied changes.
    void SelectProfile(int p, const std::function<bool()>& confirmSave);
    // True when the caller must offer the device choice (more than one device).
    bool SelectKind(int k);
    void SelectDevice(int k);
    void SelectEffect(int e);
    // Only moves the slot; the panel then stores that slot's colour with
    // SetColour, which in same-colour mode fills every slot.
    void SelectSlot(int s);
    void SetColour(COLORREF c);
    void ToggleSameColour(bool currentButtonState);
    void SetPendingDirection(int d);
    void ToggleLed();
    void ToggleMusic();
    void ToggleSync();
    void ToggleRazer();
    void ResetEffect();
    // speed -2..2, musicLevel 1..50; the direction is m_nPendingDirection.
    void Apply(int speed, const COLORREF colours[8], int musicLevel);
    void SaveAndNotify();
    bool IsProfileModified(int p) const;
    void Refresh(bool resetView);

    // Runs after each save (the agent link's reload message).
    void SetAgentNotifier(std::function<void()> notify) { m_notify = std::move(notify); }
    // Called with true before every save and with false once the agent has
    // been told, so the window can show it is busy whatever started the save.
    void SetSaveFeedback(std::function<void(bool busy)> feedback) { m_saveFeedback = std::move(feedback); }
    // Runs at the end of each Refresh (the panel's part of it).
    void SetRefreshHook(std::function<void(bool resetView)> hook) { m_refreshHook = std::move(hook); }

    // The profile in use: nCurrentProfile, or 0 when the file held another value.
    int CurrentProfileIndex() const;
    PROFILEHALF& CurrentHalf();
    const PROFILEHALF& CurrentHalf() const;
    // Index of the current half: 0 for kind 0, 1 for kind 1.
    EFFECTINFO& EditedRecord();
    const EFFECTINFO& EditedRecord() const;
    // Where colour edits go: musicInfo in music mode, else the edited record.
    COLORREF* TargetColours();
    const COLORREF* TargetColours() const;
    int& TargetSameColour();
    int TargetSameColour() const;

    LEDSETTING m_setting{};
    LEDSETTING m_saved{};
    std::vector<DEVICEINFO> m_devices[2];
    bool m_bKindPresent[4] = {};
    int m_nKinds[4] = {};
    int m_nKindCount = 0;
    int m_nDeviceKind = 0;
    int m_nSelDevice = 1;
    int m_nEffect = 0;
    int m_nSlot = 0;
    int m_nPendingDirection = 0;
    BOOL m_bMusicMode = FALSE;
    BOOL m_bSyncMode = FALSE;
    BOOL m_bLedOn = TRUE;
    BOOL m_bRazerOn = FALSE;

private:
    void SelectHalf(int kind);
    void ToggleExclusiveMode(int LEDSETTING::*on, int LEDSETTING::*other);

    int m_nHalf = 0;
    std::function<void()> m_notify;
    std::function<void(bool)> m_saveFeedback;
    std::function<void(bool)> m_refreshHook;
};
