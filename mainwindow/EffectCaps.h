#pragma once
// Which panel settings each effect uses. Rows 0..14 are the effect buttons,
// 15 stands for music mode and 16 for sync mode.
struct EffectCaps {
    int bColour;
    int bSpeed;
    int bDirection;
};

inline constexpr int kEffectCapsRows = 17;
inline constexpr int kMusicRow = 15;
inline constexpr int kSyncRow = 16;

extern const EffectCaps g_EffectCaps[kEffectCapsRows];

// The row for `effect`; null for a number outside the table (such a number
// can come from a settings file), which then shows no panel label.
const EffectCaps* EffectCapsRow(int effect);
