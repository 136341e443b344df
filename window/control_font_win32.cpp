#include "window/control_font_win32.h"

namespace {

constexpr int kPointSize = 9;
constexpr const wchar_t* kFallbackFaces[] = {L"NSimSun", L"Microsoft YaHei", L"WenQuanYi Micro Hei"};

// The first face the system lists for the character set and name (any name when
// `face` is empty); vertical faces ("@...") are skipped.
std::wstring firstListedFace(BYTE charSet, const std::wstring& face) {
  LOGFONTW query{};
  query.lfCharSet = charSet;
  face.copy(query.lfFaceName, LF_FACESIZE - 1);
  std::wstring found;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(
      screen, &query,
      [](const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM param) -> int {
        if (font->lfFaceName[0] == L'@') return 1;
        *reinterpret_cast<std::wstring*>(param) = font->lfFaceName;
        return 0;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

bool isInstalled(const std::wstring& face) { return !firstListedFace(DEFAULT_CHARSET, face).empty(); }

}  // namespace

std::wstring installedChineseFace(const std::wstring& wanted) {
  if (isInstalled(wanted)) return wanted;
  for (const wchar_t* face : kFallbackFaces) {
    if (isInstalled(face)) return face;
  }
  const std::wstring anyChinese = firstListedFace(GB2312_CHARSET, L"");
  return anyChinese.empty() ? wanted : anyChinese;
}

HFONT createControlFont(const std::wstring& face, int dpi) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(kPointSize, dpi, 72);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = GB2312_CHARSET;
  font.lfQuality = CLEARTYPE_QUALITY;
  face.copy(font.lfFaceName, LF_FACESIZE - 1);
  return CreateFontIndirectW(&font);
}
