#include "host/code_page.h"

#include "host/code_page_936.h"

namespace {

constexpr char16_t kReplacement = u'\uFFFD';

// Reads UTF-8, replacing each maximal invalid subpart (a lead byte and the
// continuation bytes that can still belong to it) by one U+FFFD, as Windows does. The
// decoder is shared by both platforms so they agree byte for byte.
std::u16string utf8ToUtf16(const std::string& text) {
  std::u16string result;
  result.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      result.push_back(lead);
      ++i;
      continue;
    }
    // Length of the sequence and the range its second byte must lie in.
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;   // no overlong forms
      if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;   // no overlong forms
      if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
    }
    char32_t codePoint = lead & (0x7F >> length);
    size_t taken = 1;
    while (taken < length && i + taken < text.size()) {
      const unsigned char next = static_cast<unsigned char>(text[i + taken]);
      if (next < (taken == 1 ? low : 0x80) || next > (taken == 1 ? high : 0xBF)) break;
      codePoint = (codePoint << 6) | (next & 0x3F);
      ++taken;
    }
    i += taken;
    if (taken < length || length == 0) {
      result.push_back(kReplacement);
    } else if (codePoint >= 0x10000) {
      result.push_back(static_cast<char16_t>(0xD800 + ((codePoint - 0x10000) >> 10)));
      result.push_back(static_cast<char16_t>(0xDC00 + ((codePoint - 0x10000) & 0x3FF)));
    } else {
      result.push_back(static_cast<char16_t>(codePoint));
    }
  }
  return result;
}

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Writes UTF-8; a surrogate without its partner becomes U+FFFD, as on Windows.
std::string utf16ToUtf8(const std::u16string& text) {
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t codePoint = text[i];
    if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
      codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (isHighSurrogate(text[i]) || isLowSurrogate(text[i])) {
      codePoint = kReplacement;
    }
    if (codePoint < 0x80) {
      result.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
      result.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
      result.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
      result.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
      result.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
      result.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
      result.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
      result.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
      result.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
      result.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
  }
  return result;
}

}  // namespace

std::u16string textToUtf16(const std::string& text, CodePage from) {
  return from == CodePage::Utf8 ? utf8ToUtf16(text) : gbk936ToUtf16(text);
}

std::string utf16ToText(const std::u16string& text, CodePage to) {
  return to == CodePage::Utf8 ? utf16ToUtf8(text) : utf16ToGbk936(text);
}

std::string decodeOutput(const std::string& utf8Text) {
  return utf16ToText(textToUtf16(utf8Text.substr(0, utf8Text.find('\0')), CodePage::Utf8), CodePage::Gbk936);
}
