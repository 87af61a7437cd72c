#include "settings/IniFile.h"
#include <cwchar>
#include <vector>

CIniFile g_iniText;

int CIniFile::GetInt(LPCWSTR section, LPCWSTR key, int def) const {
    return (int)::GetPrivateProfileIntW(section, key, def, m_strFile.c_str());
}

BOOL CIniFile::WriteInt(LPCWSTR section, LPCWSTR key, int value) const {
    wchar_t buf[256];
    swprintf(buf, 256, L"%d", value);
    return ::WritePrivateProfileStringW(section, key, buf, m_strFile.c_str());
}

BOOL CIniFile::GetStruct(LPCWSTR section, LPCWSTR key, void* dest, UINT size) const {
    return ::GetPrivateProfileStructW(section, key, dest, size, m_strFile.c_str());
}

BOOL CIniFile::WriteStruct(LPCWSTR section, LPCWSTR key, const void* src, UINT size) const {
    return ::WritePrivateProfileStructW(section, key, const_cast<void*>(src), size, m_strFile.c_str());
}

std::wstring CIniFile::GetString(LPCWSTR section, LPCWSTR key, LPCWSTR def) const {
    std::vector<wchar_t> buf(2048, L'\0');
    DWORD n = ::GetPrivateProfileStringW(section, key, def, buf.data(), 2048, g_iniText.m_strFile.c_str());
    return std::wstring(buf.data(), n);
}

void CIniFile::SetTextFile(const std::wstring& file) const { g_iniText.m_strFile = file; }
