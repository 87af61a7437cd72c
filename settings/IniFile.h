#pragma once
#include <windows.h>
#include <string>

// Private-profile (INI) access over the Win32 functions.
class CIniFile {
public:
    CIniFile() = default;
    explicit CIniFile(std::wstring file) : m_strFile(std::move(file)) {}

    int GetInt(LPCWSTR section, LPCWSTR key, int def) const;
    BOOL WriteInt(LPCWSTR section, LPCWSTR key, int value) const;
    BOOL GetStruct(LPCWSTR section, LPCWSTR key, void* dest, UINT size) const;
    BOOL WriteStruct(LPCWSTR section, LPCWSTR key, const void* src, UINT size) const;
    // Reads the current text file (g_iniText), whatever this instance's path.
    std::wstring GetString(LPCWSTR section, LPCWSTR key, LPCWSTR def) const;
    // Points g_iniText at `file`.
    void SetTextFile(const std::wstring& file) const;

    const std::wstring& GetFile() const { return m_strFile; }

    std::wstring m_strFile;
};

// The current skin text file, from which every skin text is read.
extern CIniFile g_iniText;
