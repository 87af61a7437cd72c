#pragma once
#include "devices/DeviceInfo.h"
#include <string>
#include <vector>

// Asks the registered device components which lighting devices exist.
class CDeviceFinder {
public:
    // Clears the kind-0 list, collects every accepted component's objects
    // and returns whether at least one entry was found.
    bool Discover();

    // Kind 0: the components' devices; kind 1 (SSD) is never filled.
    int DeviceCount(int kind = 0) const;
    const std::vector<DEVICEINFO>& Devices(int kind = 0) const;

    // The sub-key names of the instance key, in index order; empty when the
    // key is missing.
    static std::vector<std::wstring> InstanceNames();

    // A component claiming more objects than this is broken; it is skipped
    // rather than handed a list it could not have meant.
    static constexpr unsigned long kMaxObjects = 4096;

private:
    std::vector<DEVICEINFO> m_devices[2];
};

// The system code page text of a wide string (as the components' texts are read).
std::string WideToAnsi(const wchar_t* text, size_t length);
