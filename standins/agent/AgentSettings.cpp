#include "standins/agent/AgentSettings.h"
#include "standins/EnvPath.h"
#include <shlobj.h>
#include <cstdio>

namespace {

const wchar_t* const kSetting = L"Setting";

int Int(const std::wstring& path, const wchar_t* section, const wchar_t* key, int fallback) {
    return (int)::GetPrivateProfileIntW(section, key, fallback, path.c_str());
}

// Reads one record; tells a record that is absent from one that fails its check.
bool Record(AgentSnapshot& s, const std::wstring& path, const std::wstring& section,
            const std::wstring& key, void* out, UINT size) {
    if (::GetPrivateProfileStructW(section.c_str(), key.c_str(), out, size, path.c_str())) return true;
    wchar_t probe[4] = {};
    if (::GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", probe, 4, path.c_str()) > 0)
        s.badRecords.push_back(section + L"/" + key);
    else
        ++s.nMissing;
    return false;
}

std::string Colours(const COLORREF* c) {
    std::string out;
    char buf[8];
    for (int i = 0; i < 8; ++i) {
        snprintf(buf, sizeof buf, "%s%06lX", i ? "," : "", (unsigned long)(c[i] & 0xFFFFFF));
        out += buf;
    }
    return out;
}

std::string Narrow(const std::wstring& w) {
    std::string out;
    for (wchar_t c : w) out += (c >= 32 && c < 127) ? (char)c : '?';
    return out;
}

}  // namespace

std::wstring SettingsFilePath() {
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, folder))) return L"";
    return std::wstring(folder) + L"\\Veltrane\\Lumenkit\\config";
}

AgentSnapshot ReadSnapshot(const std::wstring& path) {
    AgentSnapshot s;
    s.bFileExists = !path.empty() && ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (!s.bFileExists) return s;
    s.bTray = Int(path, kSetting, L"Show_TrayIcon", 1);
    s.bOsd = Int(path, kSetting, L"Show_OSD", 1);
    s.nLanguage = Int(path, kSetting, L"lan_id", 0);
    s.bLedOn = Int(path, kSetting, L"led_sw", 1);
    s.bAudio = Int(path, kSetting, L"audio_sw", 0);
    s.bRazer = Int(path, kSetting, L"razer_sw", 1);
    s.bSync = Int(path, kSetting, L"sync_sw", 0);
    s.nProfile = Int(path, kSetting, L"CurrentProfile", 0);
    s.bMusicOk = Record(s, path, kSetting, L"fMusicInfo", &s.music, sizeof s.music);

    const int current = s.nProfile >= 0 && s.nProfile <= 3 ? s.nProfile : 0;
    for (int p = 0; p < 4; ++p) {
        const std::wstring section = L"Profile" + std::to_wstring(p) + L"Setting";
        for (int half = 0; half < 2; ++half) {
            const wchar_t* kind = half ? L"EffectInfo_SSD" : L"EffectInfo";
            const bool used = p == current && half == 0;
            for (int n = 0; n <= 16; ++n) {
                AgentEffect e{};
                bool ok = Record(s, path, section, kind + std::to_wstring(n), &e, sizeof e);
                if (used) {
                    s.effects[n] = e;
                    s.bEffectOk[n] = ok;
                }
            }
        }
        if (p == current) {
            s.bSynchronize = Int(path, section.c_str(), L"Synchronize", 1);
            s.nDevNum = Int(path, section.c_str(), L"DevNum", 2);
        }
    }
    return s;
}

std::string JournalReloadText(const AgentSnapshot& s) {
    if (!s.bFileExists) return "reload file=missing";
    char buf[256];
    snprintf(buf, sizeof buf, "reload profile=%d led=%d audio=%d sync=%d razer=%d lan=%d synchronize=%d devnum=%d",
             s.nProfile, s.bLedOn, s.bAudio, s.bSync, s.bRazer, s.nLanguage, s.bSynchronize, s.nDevNum);
    std::string line = buf;
    line += " bad=";
    if (s.badRecords.empty()) line += "none";
    for (size_t i = 0; i < s.badRecords.size(); ++i) line += (i ? "," : "") + Narrow(s.badRecords[i]);
    snprintf(buf, sizeof buf, " missing=%d music=", s.nMissing);
    line += buf;
    if (s.bMusicOk) {
        snprintf(buf, sizeof buf, "%d,%d,%d,%d:", s.music.nLevel, s.music.bSameColour, s.music.nColourCount,
                 s.music.nDirection);
        line += buf + Colours(s.music.clrColours);
    } else {
        line += "bad";
    }
    const int last = s.nDevNum < 0 ? 0 : s.nDevNum > 16 ? 16 : s.nDevNum;
    for (int n = 0; n <= last; ++n) {
        const AgentEffect& e = s.effects[n];
        if (!s.bEffectOk[n]) {
            snprintf(buf, sizeof buf, " fx%d=bad", n);
            line += buf;
            continue;
        }
        snprintf(buf, sizeof buf, " fx%d=%d,%d,%d,%d,%d,%d:", n, e.nEffect, e.nFlag, e.nLedCount, e.bSameColour,
                 e.nSpeed, e.nDirection);
        line += buf + Colours(e.clrColours);
    }
    return line;
}

std::wstring JournalPath() {
    std::wstring settings = SettingsFilePath();
    return EnvPathOr(L"LK_AGENT_JOURNAL",
                     settings.empty() ? L"" : settings.substr(0, settings.rfind(L'\\') + 1) + L"hid-journal.txt");
}

void AppendJournal(const std::string& event) {
    const std::wstring path = JournalPath();
    if (path.empty()) return;
    SYSTEMTIME t;
    ::GetLocalTime(&t);
    char stamp[32];
    snprintf(stamp, sizeof stamp, "%04u-%02u-%02u %02u:%02u:%02u.%03u ", t.wYear, t.wMonth, t.wDay, t.wHour,
             t.wMinute, t.wSecond, t.wMilliseconds);
    const std::string line = stamp + event + "\r\n";
    HANDLE f = ::CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    ::WriteFile(f, line.data(), (DWORD)line.size(), &written, nullptr);  // one write: lines never interleave
    ::CloseHandle(f);
}
