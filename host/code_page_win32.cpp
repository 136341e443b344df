#include <windows.h>

#include "host/code_page_936.h"

namespace {

constexpr UINT kCodePage936 = 936;

}  // namespace

std::u16string gbk936ToUtf16(std::string_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int units = MultiByteToWideChar(kCodePage936, 0, text.data(), length, nullptr, 0);
  std::u16string result(static_cast<size_t>(units), u'\0');
  MultiByteToWideChar(kCodePage936, 0, text.data(), length, reinterpret_cast<wchar_t*>(result.data()), units);
  return result;
}

std::string utf16ToGbk936(std::u16string_view text) {
  if (text.empty()) return {};
  // No best fit: a character 936 lacks becomes "?", never a look-alike, as with iconv.
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  const int bytes = WideCharToMultiByte(kCodePage936, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(kCodePage936, WC_NO_BEST_FIT_CHARS, wide, length, result.data(), bytes, nullptr, nullptr);
  return result;
}
