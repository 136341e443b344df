#include <errno.h>
#include <iconv.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>

#include "host/code_page_936.h"

namespace {

// UTF-16 in the machine's own byte order, so the bytes copy straight into char16_t.
constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";
constexpr const char* kCodePage936 = "CP936";

// glibc's CP936 agrees with Windows' table except for the private-use characters:
// Windows gives U+E000..U+E864 to these runs of byte pairs (the user-defined areas,
// then the pairs GBK leaves unassigned), consecutively in this order.
struct PairRun {
  std::uint16_t first;
  std::uint16_t last;
};
constexpr PairRun kPrivateUseRuns[] = {
    {0xAAA1, 0xAAFE}, {0xABA1, 0xABFE}, {0xACA1, 0xACFE}, {0xADA1, 0xADFE}, {0xAEA1, 0xAEFE}, {0xAFA1, 0xAFFE},
    {0xF8A1, 0xF8FE}, {0xF9A1, 0xF9FE}, {0xFAA1, 0xFAFE}, {0xFBA1, 0xFBFE}, {0xFCA1, 0xFCFE}, {0xFDA1, 0xFDFE},
    {0xFEA1, 0xFEFE}, {0xA140, 0xA17E}, {0xA180, 0xA1A0}, {0xA240, 0xA27E}, {0xA280, 0xA2A0}, {0xA340, 0xA37E},
    {0xA380, 0xA3A0}, {0xA440, 0xA47E}, {0xA480, 0xA4A0}, {0xA540, 0xA57E}, {0xA580, 0xA5A0}, {0xA640, 0xA67E},
    {0xA680, 0xA6A0}, {0xA740, 0xA77E}, {0xA780, 0xA7A0}, {0xA2AB, 0xA2B0}, {0xA2E3, 0xA2E4}, {0xA2EF, 0xA2F0},
    {0xA2FD, 0xA2FE}, {0xA4F4, 0xA4FE}, {0xA5F7, 0xA5FE}, {0xA6B9, 0xA6C0}, {0xA6D9, 0xA6DF}, {0xA6EC, 0xA6ED},
    {0xA6F3, 0xA6F3}, {0xA6F6, 0xA6FE}, {0xA7C2, 0xA7D0}, {0xA7F2, 0xA7FE}, {0xA896, 0xA8A0}, {0xA8BC, 0xA8BC},
    {0xA8BF, 0xA8BF}, {0xA8C1, 0xA8C4}, {0xA8EA, 0xA8FE}, {0xA958, 0xA958}, {0xA95B, 0xA95B}, {0xA95D, 0xA95F},
    {0xA989, 0xA995}, {0xA997, 0xA9A3}, {0xA9F0, 0xA9FE}, {0xD7FA, 0xD7FE}, {0xFE50, 0xFE7E}, {0xFE80, 0xFEA0},
};
constexpr char16_t kFirstPrivateUse = u'\uE000';
// Windows' single byte 0xFF, which glibc leaves out.
constexpr unsigned char kByteFF = 0xFF;
constexpr char16_t kByteFFCharacter = u'\uF8F5';

std::optional<char16_t> privateUseOfPair(std::uint16_t pair) {
  char16_t next = kFirstPrivateUse;
  for (const PairRun& run : kPrivateUseRuns) {
    if (pair >= run.first && pair <= run.last) return static_cast<char16_t>(next + (pair - run.first));
    next = static_cast<char16_t>(next + (run.last - run.first + 1));
  }
  return std::nullopt;
}

std::optional<std::uint16_t> pairOfPrivateUse(char16_t unit) {
  char16_t next = kFirstPrivateUse;
  for (const PairRun& run : kPrivateUseRuns) {
    const int count = run.last - run.first + 1;
    if (unit >= next && unit < next + count) return static_cast<std::uint16_t>(run.first + (unit - next));
    next = static_cast<char16_t>(next + count);
  }
  return std::nullopt;
}

void appendUnit(std::string& bytes, char16_t unit) {
  char raw[sizeof unit];
  std::memcpy(raw, &unit, sizeof unit);
  bytes.append(raw, sizeof unit);
}

// Where iconv stops, `repair` appends what Windows would write for the input that
// begins there and returns how many input bytes that used up (at least one).
using Repair = std::function<size_t(std::string_view rest, std::string& out)>;

// iconv is fed in short pieces: after a failure glibc converts its piece again up to
// the failing place, which on one long piece costs milliseconds per failure.
constexpr size_t kPieceBytes = 256;

std::string convert(const char* toCode, const char* fromCode, std::string_view input, const Repair& repair) {
  std::string out;
  iconv_t converter = iconv_open(toCode, fromCode);
  // iconv_open's failure value is the pointer -1.
  if (converter == reinterpret_cast<iconv_t>(-1)) return out;  // NOLINT(performance-no-int-to-ptr)
  char* in = const_cast<char*>(input.data());
  size_t inLeft = input.size();
  char buffer[4 * kPieceBytes];
  while (inLeft > 0) {
    const size_t piece = std::min(inLeft, kPieceBytes);
    const bool cutShort = piece < inLeft;
    size_t pieceLeft = piece;
    char* written = buffer;
    size_t room = sizeof buffer;
    const size_t status = iconv(converter, &in, &pieceLeft, &written, &room);
    inLeft -= piece - pieceLeft;
    out.append(buffer, static_cast<size_t>(written - buffer));
    // A full buffer, or a character cut by the end of the piece, goes on with the next piece.
    if (status == static_cast<size_t>(-1) && errno != E2BIG && !(errno == EINVAL && cutShort)) {
      const size_t used = repair(std::string_view(in, inLeft), out);
      in += used;
      inLeft -= used;
    }
  }
  iconv_close(converter);
  return out;
}

// At a byte glibc cannot read: 0xFF alone, or a lead byte with its partner (a zero
// byte or the end is no partner), which is a private-use character or "?".
size_t repairGbk936(std::string_view rest, std::string& out) {
  const unsigned char lead = static_cast<unsigned char>(rest[0]);
  if (lead == kByteFF) {
    appendUnit(out, kByteFFCharacter);
    return 1;
  }
  if (rest.size() < 2 || rest[1] == '\0') {
    appendUnit(out, u'?');
    return 1;
  }
  const auto pair = static_cast<std::uint16_t>((lead << 8) | static_cast<unsigned char>(rest[1]));
  appendUnit(out, privateUseOfPair(pair).value_or(u'?'));
  return 2;
}

// At a UTF-16 unit glibc cannot write: one unit at a time, as Windows does, so a
// surrogate pair becomes "??".
size_t repairUtf16(std::string_view rest, std::string& out) {
  if (rest.size() < sizeof(char16_t)) return rest.size();
  char16_t unit;
  std::memcpy(&unit, rest.data(), sizeof unit);
  if (unit == kByteFFCharacter) {
    out.push_back(static_cast<char>(kByteFF));
  } else if (const auto pair = pairOfPrivateUse(unit)) {
    out.push_back(static_cast<char>(*pair >> 8));
    out.push_back(static_cast<char>(*pair & 0xFF));
  } else {
    out.push_back('?');
  }
  return sizeof unit;
}

}  // namespace

std::u16string gbk936ToUtf16(std::string_view text) {
  const std::string bytes = convert(kUtf16, kCodePage936, text, repairGbk936);
  std::u16string result(bytes.size() / sizeof(char16_t), u'\0');
  std::memcpy(result.data(), bytes.data(), result.size() * sizeof(char16_t));
  return result;
}

std::string utf16ToGbk936(std::u16string_view text) {
  const std::string_view bytes(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t));
  return convert(kCodePage936, kUtf16, bytes, repairUtf16);
}
