#pragma once
// Skin description and language files: which file, and the parsed entries.
#include <windows.h>
#include <string>

struct SkinEntry {
    wchar_t szPicture[40];
    RECT rcPos;
    wchar_t szText[100];
    int bNormalOnly;
};

struct DrawEntry {
    RECT rcPos{};
    std::wstring strText;
};

// "Lan\skin_En.ini" and its siblings, by language number.
const wchar_t* SkinFileName(int lanId);
// Program directory + the language's file; English when that file is missing.
std::wstring SkinFilePath(const std::wstring& moduleDir, int lanId);
// Points g_iniText at the language's skin file; returns the path chosen.
std::wstring SelectSkinFile(int lanId);

// picture,x,y,width,height,text,option
SkinEntry ReadSkinEntry(const std::wstring& value);
// ignored,x,y,width,height,text,option
DrawEntry ReadDrawEntry(const std::wstring& value);
// Reads and parses one key of the current skin file.
SkinEntry GetSkinEntry(LPCWSTR section, LPCWSTR key);
DrawEntry GetDrawEntry(LPCWSTR section, LPCWSTR key);

// [FUNC_STRING] key `id` written in upper-case hex ("%X").
std::wstring GetFuncString(int id);
// [GLOBAL] FONT; "Segoe UI" only when the key is missing.
std::wstring GetSkinFontFace();
// Replaces each literal "\r\n" (four characters) with " " + CR LF.
std::wstring ExpandLineBreaks(const std::wstring& text);
