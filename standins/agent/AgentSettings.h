#pragma once
// What the stand-in agent reads from the shared settings file on a reload,
// and the journal line it writes about it. The agent is a separate program,
// so it keeps its own copy of the two record layouts it reads.
#include <windows.h>
#include <string>
#include <vector>

struct AgentEffect {          // 56 bytes, as stored
    int nEffect, nFlag, nLedCount, bSameColour;
    COLORREF clrColours[8];
    int nSpeed, nDirection;
};
struct AgentMusic {           // 48 bytes, as stored
    COLORREF clrColours[8];
    int nLevel, bSameColour, nColourCount, nDirection;
};
static_assert(sizeof(AgentEffect) == 56 && sizeof(AgentMusic) == 48);

struct AgentSnapshot {
    bool bFileExists = false;
    int nLanguage = 0, bTray = 0, bOsd = 0, bLedOn = 0, bAudio = 0, bRazer = 0, bSync = 0;
    int nProfile = 0;                 // as read, even when out of range
    AgentMusic music{};
    bool bMusicOk = false;
    int bSynchronize = 0, nDevNum = 0;  // device kind 0 of the current profile
    AgentEffect effects[17]{};
    bool bEffectOk[17]{};
    int nMissing = 0;                 // records absent from the file
    std::vector<std::wstring> badRecords;  // "section/key" of every record failing its checksum
};

std::wstring SettingsFilePath();
AgentSnapshot ReadSnapshot(const std::wstring& path);

// The journal: LK_AGENT_JOURNAL when set, else "hid-journal.txt" beside the
// settings file. One line per event, ASCII, CRLF-terminated:
//   <yyyy-mm-dd hh:mm:ss.mmm> start pid=<n> dir=<current directory>
//   <...> duplicate pid=<n>            (a second agent that exits at once)
//   <...> reload profile=<p> led=<0/1> audio= sync= razer= lan= synchronize=<s> devnum=<n>
//         bad=<none | section/key,...> missing=<n> music=<level>,<same>,<count>,<dir>:<8 colours>
//         fx0=<effect>,<flag>,<leds>,<same>,<speed>,<dir>:<8 colours> ... fx<k>   (k = devnum, at most 16)
// Colours are 0x00BBGGRR values as six hex digits; a record that could not be
// read shows as fx<n>=bad. A missing settings file gives "reload file=missing".
std::wstring JournalPath();
std::string JournalReloadText(const AgentSnapshot& s);
void AppendJournal(const std::string& event);
