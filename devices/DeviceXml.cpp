#include "devices/DeviceXml.h"
#include <tinyxml.h>
#include <climits>
#include <cstring>

namespace {

// TinyXML recurses once per open element and checks each new attribute
// against all earlier ones. This scan sees at least the elements and
// attributes the parser would see (it never skips further than the parser
// does), so a text that passes cannot exhaust the stack or go quadratic.
bool WithinParserLimits(const std::string& s) {
    const size_t n = s.size();
    int depth = 0;
    size_t i = 0;
    auto skipPast = [&](size_t from, const char* end) {
        size_t e = s.find(end, from);
        return e == std::string::npos ? n : e + std::strlen(end);
    };
    while ((i = s.find('<', i)) != std::string::npos) {
        if (s.compare(i, 4, "<!--") == 0) { i = skipPast(i + 4, "-->"); continue; }
        if (s.compare(i, 9, "<![CDATA[") == 0) { i = skipPast(i + 9, "]]>"); continue; }
        if (s.compare(i, 2, "<?") == 0 || s.compare(i, 2, "<!") == 0) { i = skipPast(i + 2, ">"); continue; }
        const bool closing = s.compare(i, 2, "</") == 0;
        int attributes = 0;
        size_t j = i + 1;
        for (; j < n && s[j] != '>'; ++j) {
            if (s[j] != '=') continue;
            if (++attributes > kMaxDeviceXmlAttributes) return false;
            size_t v = s.find_first_not_of(" \t\r\n", j + 1);
            if (v != std::string::npos && (s[v] == '"' || s[v] == '\'')) {
                size_t q = s.find(s[v], v + 1);
                if (q == std::string::npos) return true;  // unterminated: the parser stops here
                j = q;
            }
        }
        if (j >= n) return true;
        if (closing) {
            if (depth > 0) --depth;
        } else if (s[j - 1] != '/' && ++depth > kMaxDeviceXmlDepth) {
            return false;
        }
        i = j + 1;
    }
    return true;
}

const TiXmlElement* Child(const TiXmlNode* parent, const char* name) {
    return parent ? parent->FirstChildElement(name) : nullptr;
}

std::string Text(const TiXmlElement* e) {
    const char* t = e ? e->GetText() : nullptr;
    return t ? t : "";
}

int Int(const TiXmlElement* e) {
    const char* t = e ? e->GetText() : nullptr;
    return t ? TextToInt(t) : 0;
}

EFFECTDESC ReadEffect(const TiXmlElement* e) {
    EFFECTDESC d;
    d.strName = Text(Child(e, "name"));
    d.nId = Int(Child(e, "id"));
    d.bSynchronizable = Int(Child(e, "synchronizable"));
    d.bCustomizedColor = Int(Child(e, "customized_color"));
    d.bSpeedSupported = Int(Child(e, "speed_supported"));
    d.bDirectionSupported = Int(Child(e, "direction_supported"));
    d.bDiscreteSupported = Int(Child(e, "discrete_supported"));
    d.nSpeedLevels = d.nDirectionLevels = Int(Child(e, "levels"));
    d.nSpeedDefault = d.nDirectionDefault = Int(Child(e, "default"));
    return d;
}

DEVICEDESC ReadDevice(const TiXmlElement* e) {
    DEVICEDESC d;
    d.strName = Text(Child(e, "name"));
    d.nId = Int(Child(e, "id"));
    const TiXmlElement* layout = Child(e, "layout");
    d.nLedCount = Int(Child(layout, "led_count"));
    const TiXmlElement* size = Child(layout, "size");
    d.nWidth = Int(Child(size, "width"));
    d.nHeight = Int(Child(size, "height"));
    if (const TiXmlElement* names = Child(layout, "led_name"))
        for (auto* led = names->FirstChildElement("led"); led; led = led->NextSiblingElement("led"))
            d.ledNames.push_back(Text(led));
    if (const TiXmlElement* supported = Child(e, "supported_effect"))
        for (auto* fx = supported->FirstChildElement("effect"); fx; fx = fx->NextSiblingElement("effect"))
            d.effects.push_back(ReadEffect(fx));
    return d;
}

}  // namespace

int TextToInt(const char* text) {
    const char* p = text;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
    bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    long long v = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        if (v <= INT_MAX) v = v * 10 + (*p - '0');
    if (negative) v = -v;
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return (int)v;
}

bool ParseDeviceXml(const std::string& text, DEVICEINFO& out) {
    out = DEVICEINFO{};
    if (text.size() > kMaxDeviceXmlChars || !WithinParserLimits(text)) return false;
    TiXmlDocument doc;
    doc.Parse(text.c_str(), nullptr, TIXML_ENCODING_UTF8);
    // What parsed before an error is kept: a truncated description still
    // names its first devices.
    const TiXmlElement* root = doc.RootElement();
    if (!root) return false;
    out.strVersion = Text(Child(root, "version"));
    out.nType = Int(Child(root, "type"));
    for (auto* dev = root->FirstChildElement("device"); dev; dev = dev->NextSiblingElement("device"))
        out.descs.push_back(ReadDevice(dev));
    return true;
}
