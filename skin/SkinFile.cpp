#include "skin/SkinFile.h"
#include "app/ModuleDir.h"
#include "settings/IniFile.h"
#include <cstdio>
#include <cstring>
#include <cwchar>

const wchar_t* SkinFileName(int lanId) {
    switch (lanId) {
    case 1: return L"Lan\\skin_Cs.ini";
    case 2: return L"Lan\\skin_Ct.ini";
    case 3: return L"Lan\\skin_De.ini";
    default: return L"Lan\\skin_En.ini";
    }
}

std::wstring SkinFilePath(const std::wstring& moduleDir, int lanId) {
    std::wstring path = moduleDir + SkinFileName(lanId);
    if (::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) path = moduleDir + SkinFileName(0);
    return path;
}

std::wstring SelectSkinFile(int lanId) {
    std::wstring path = SkinFilePath(g_szModuleDir, lanId);
    g_iniText.SetTextFile(path);
    return path;
}

namespace {
// Steps shared by both entry kinds: the rectangle, the text and what follows
// the first comma. `first` receives the picture field.
void ParseEntry(const std::wstring& v, std::wstring* first, RECT& rc, std::wstring& text, bool& hasTrue) {
    size_t comma = v.find(L',');
    std::wstring rest = comma == std::wstring::npos ? v : v.substr(comma + 1);
    if (first) *first = comma == std::wstring::npos ? std::wstring() : v.substr(0, comma);

    int f[4] = {0, 0, 0, 0};
    swscanf(rest.c_str(), L"%d,%d,%d,%d", &f[0], &f[1], &f[2], &f[3]);
    rc = RECT{f[0], f[1], f[0] + f[2], f[1] + f[3]};
    hasTrue = rest.find(L"TRUE") != std::wstring::npos;

    size_t last = rest.rfind(L',');
    rest = last == std::wstring::npos ? std::wstring() : rest.substr(0, last);
    last = rest.rfind(L',');
    text = last == std::wstring::npos ? rest : rest.substr(last + 1);
}

template <size_t N>
void CopyField(wchar_t (&dst)[N], const std::wstring& src) {
    size_t n = src.size() < N - 1 ? src.size() : N - 1;  // longer fields are cut, never overrun
    wmemcpy(dst, src.c_str(), n);
    dst[n] = L'\0';
}
}

SkinEntry ReadSkinEntry(const std::wstring& value) {
    SkinEntry e;
    std::memset(&e, 0, sizeof e);
    std::wstring picture, text;
    bool hasTrue = false;
    ParseEntry(value, &picture, e.rcPos, text, hasTrue);
    CopyField(e.szPicture, picture);
    CopyField(e.szText, text);
    e.bNormalOnly = hasTrue ? 1 : 0;
    return e;
}

DrawEntry ReadDrawEntry(const std::wstring& value) {
    DrawEntry e;
    bool hasTrue = false;
    ParseEntry(value, nullptr, e.rcPos, e.strText, hasTrue);
    return e;
}

SkinEntry GetSkinEntry(LPCWSTR section, LPCWSTR key) {
    return ReadSkinEntry(g_iniText.GetString(section, key, L""));
}

DrawEntry GetDrawEntry(LPCWSTR section, LPCWSTR key) {
    return ReadDrawEntry(g_iniText.GetString(section, key, L""));
}

std::wstring GetFuncString(int id) {
    wchar_t key[16];
    swprintf(key, 16, L"%X", id);
    return g_iniText.GetString(L"FUNC_STRING", key, L"");
}

std::wstring GetSkinFontFace() { return g_iniText.GetString(L"GLOBAL", L"FONT", L"Segoe UI"); }

std::wstring ExpandLineBreaks(const std::wstring& text) {
    static const std::wstring marker = L"\\r\\n";
    std::wstring out;
    size_t pos = 0;
    for (;;) {
        size_t at = text.find(marker, pos);
        if (at == std::wstring::npos) break;
        out.append(text, pos, at - pos);
        out += L" \r\n";
        pos = at + marker.size();
    }
    out.append(text, pos, std::wstring::npos);
    return out;
}
