#include "host/code_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

// UTF-8 bytes as the plain text a tool hands over.
std::string utf8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

struct TextCase {
  std::string input;
  std::string expected;
};

TEST(DecodeOutput, WritesUtf8AnswersInCodePage936) {
  const std::vector<TextCase> cases = {
      {"\xE4\xB8\xAD\xE6\x96\x87", "\xD6\xD0\xCE\xC4"},
      {utf8(u8"中文"), "中文"},  // narrow literals are code page 936
      {"List of devices attached\r\nA\tdevice\r\n\r\n", "List of devices attached\r\nA\tdevice\r\n\r\n"},
      {"", ""},
      {utf8(u8"a中b€c"), "a\xD6\xD0"s + "b\x80" + "c"},  // one, two and three bytes mixed
      {utf8(u8"é"), "\xA8\xA6"},                         // pinyin letters are in 936
      {utf8(u8"한"), "?"},                               // Hangul is not
      {utf8(u8"x😀y"), "x??y"},                           // one "?" per UTF-16 unit, as on Windows
      {"a\xFF"s + "b", "a?b"},                           // invalid UTF-8
      {"\xE4\xB8"s + "A", "?A"},
      {std::string("ab\0cd", 5), "ab"},  // the text ends at its zero byte
  };
  for (const TextCase& c : cases) EXPECT_EQ(decodeOutput(c.input), c.expected) << "input \"" << c.input << "\"";
}

struct Utf16Case {
  std::string input;
  std::u16string expected;
};

TEST(TextToUtf16, ReplacesEachMaximalInvalidUtf8SubpartOnce) {
  const std::vector<Utf16Case> cases = {
      {utf8(u8"aé中😀"), u"aé中😀"},
      {"\xEF\xBB\xBFhi", u"\uFEFFhi"},                    // a byte-order mark is a character like any other
      {std::string("a\0b", 3), u"a\0b"s},                 // zero bytes are kept
      {"\xC0\x80", u"\uFFFD\uFFFD"},                      // overlong: C0 never begins a sequence
      {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},            // overlong: 80 cannot follow E0
      {"\xED\xA0\x80x", u"\uFFFD\uFFFD\uFFFDx"},          // a surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
      {"\xF5\x80", u"\uFFFD\uFFFD"},
      {"\x80\xBF", u"\uFFFD\uFFFD"},    // continuation bytes alone
      {"\xE4\xB8"s + "A", u"\uFFFDA"},  // a cut sequence is one subpart
      {"\xF0\x9F\x98", u"\uFFFD"},      // cut at the end
      {"\xF0\x9F\x98\xF0\x9F\x98\x80", u"\uFFFD😀"},
      {"\xFE\xFF", u"\uFFFD\uFFFD"},
  };
  for (const Utf16Case& c : cases) EXPECT_EQ(textToUtf16(c.input), c.expected) << "input \"" << c.input << "\"";
}

TEST(Utf16ToText, WritesUtf8WithLoneSurrogatesReplaced) {
  EXPECT_EQ(utf16ToText(u"aé中😀", CodePage::Utf8), utf8(u8"aé中😀"));
  EXPECT_EQ(utf16ToText(u"a\xD800"s + u"b", CodePage::Utf8), "a\xEF\xBF\xBD"s + "b");
  EXPECT_EQ(utf16ToText(u"\xDC00", CodePage::Utf8), "\xEF\xBF\xBD");
}

// Windows' code page 936 table, beyond what GBK's main areas hold: the euro at 0x80,
// 0xFF, and the private-use characters of the user-defined areas and GBK's gaps.
TEST(CodePage936, MatchesTheWindowsTable) {
  const std::vector<Utf16Case> cases = {
      {"\xD6\xD0\xCE\xC4", u"中文"}, {"ok", u"ok"},           {"\x80", u"€"},
      {"\xFF", u"\uF8F5"},           {"\xAA\xA1", u"\uE000"},  // first user-defined area
      {"\xFE\xFE", u"\uE4C5"},       {"\xA1\x40", u"\uE4C6"},  // third user-defined area
      {"\xA7\xA0", u"\uE765"},       {"\xA2\xAB", u"\uE766"},  // GBK's gaps
      {"\xA6\xD9", u"\uE78D"},       {"\xFE\xA0", u"\uE864"},
  };
  for (const Utf16Case& c : cases) {
    EXPECT_EQ(textToUtf16(c.input, CodePage::Gbk936), c.expected) << "bytes \"" << c.input << "\"";
    EXPECT_EQ(utf16ToText(c.expected), c.input) << "bytes \"" << c.input << "\"";
  }
}

TEST(CodePage936, ReadsBrokenPairsAsQuestionMarks) {
  EXPECT_EQ(textToUtf16("a\x81", CodePage::Gbk936), u"a?");  // a lead byte at the end
  EXPECT_EQ(textToUtf16(std::string("\x81\0b", 3), CodePage::Gbk936), u"?\0b"s);
}

// Every UTF-16 unit either has its own code page 936 bytes that read back as that unit,
// or becomes "?". The count of the first kind is the size of Windows' table.
TEST(CodePage936, EveryRepresentableUnitRoundTrips) {
  std::u16string units;
  for (char32_t unit = 1; unit <= 0xFFFF; ++unit) {
    if (unit < 0xD800 || unit > 0xDFFF) units.push_back(static_cast<char16_t>(unit));
  }
  const std::u16string back = textToUtf16(utf16ToText(units), CodePage::Gbk936);
  ASSERT_EQ(back.size(), units.size());
  int representable = 0;
  for (size_t i = 0; i < units.size(); ++i) {
    if (back[i] == units[i]) {
      ++representable;
    } else {
      EXPECT_EQ(back[i], u'?') << "unit " << std::hex << static_cast<int>(units[i]);
    }
  }
  EXPECT_EQ(representable, 24069);
}

}  // namespace
