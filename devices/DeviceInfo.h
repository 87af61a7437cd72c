#pragma once
// What device discovery returns: one DEVICEINFO per object a device
// component offers, parsed from its XML description.
#include <string>
#include <vector>

struct EFFECTDESC {
    std::string strName;
    int nId = 0;
    int bSynchronizable = 0;
    int bCustomizedColor = 0;
    int bSpeedSupported = 0;
    int bDirectionSupported = 0;
    int bDiscreteSupported = 0;
    int nSpeedLevels = 0;       // both pairs come from the same first
    int nSpeedDefault = 0;      // "levels" and "default" elements
    int nDirectionLevels = 0;
    int nDirectionDefault = 0;
};

struct DEVICEDESC {
    std::string strName;
    int nId = 0;
    int nLedCount = 0;
    int nWidth = 0;
    int nHeight = 0;
    std::vector<std::string> ledNames;
    std::vector<EFFECTDESC> effects;
};

struct DEVICEINFO {
    std::string strVersion;
    int nType = 0;
    std::vector<DEVICEDESC> descs;

    // The LED count the lighting state uses: that of the first description,
    // 0 when the entry has none.
    int LedCount() const { return descs.empty() ? 0 : descs.front().nLedCount; }
};
