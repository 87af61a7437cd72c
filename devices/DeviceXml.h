#pragma once
#include "devices/DeviceInfo.h"
#include <string>

// Fills `out` from one object's XML description. A text with an XML error
// gives what parsed before the error; one without a root element, or too
// large or too deeply nested to parse safely, leaves `out` empty. The result
// says whether the text was used.
bool ParseDeviceXml(const std::string& text, DEVICEINFO& out);

// Leading blanks, optional sign, leading digits; anything else gives 0.
// Out-of-range values saturate instead of overflowing.
int TextToInt(const char* text);

// Limits beyond any real description; past them the text is not parsed, so a
// broken component cannot exhaust the stack or stall start-up.
inline constexpr size_t kMaxDeviceXmlChars = 16u << 20;
inline constexpr int kMaxDeviceXmlDepth = 64;
inline constexpr int kMaxDeviceXmlAttributes = 256;
