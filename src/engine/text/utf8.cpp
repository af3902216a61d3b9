#include "text/utf8.h"

#include <algorithm>

namespace velmora {
namespace {

constexpr unsigned char kLastAscii = 0x7F;
constexpr unsigned char kContinuationLow = 0x80;
constexpr unsigned char kContinuationHigh = 0xBF;
constexpr char32_t kEscapedByteBase = 0xDC00;  // + the byte: 0xDC80 to 0xDCFF
constexpr char32_t kLastOneByte = 0x7F;
constexpr char32_t kLastTwoBytes = 0x7FF;
constexpr char32_t kLastThreeBytes = 0xFFFF;

unsigned char Byte(std::string_view text, std::size_t at) { return static_cast<unsigned char>(text[at]); }

// The allowed range of the second byte of a sequence led by `lead`, and the
// sequence's length (0: `lead` cannot start a sequence). The narrow ranges
// after E0, ED, F0 and F4 refuse overlong forms, surrogates and code points
// above U+10FFFF.
struct Lead {
  std::size_t length;
  unsigned char low;
  unsigned char high;
};

Lead LeadOf(unsigned char lead) {
  if (lead <= kLastAscii) return {1, 0, 0};
  if (lead >= 0xC2 && lead <= 0xDF) return {2, kContinuationLow, kContinuationHigh};
  if (lead == 0xE0) return {3, 0xA0, kContinuationHigh};
  if (lead == 0xED) return {3, kContinuationLow, 0x9F};
  if (lead >= 0xE1 && lead <= 0xEF) return {3, kContinuationLow, kContinuationHigh};
  if (lead == 0xF0) return {4, 0x90, kContinuationHigh};
  if (lead >= 0xF1 && lead <= 0xF3) return {4, kContinuationLow, kContinuationHigh};
  if (lead == 0xF4) return {4, kContinuationLow, 0x8F};
  return {0, 0, 0};
}

// The length of the well-formed sequence at `at`, or 0.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
  const Lead lead = LeadOf(Byte(text, at));
  if (lead.length <= 1) return lead.length;
  if (at + lead.length > text.size()) return 0;
  const unsigned char second = Byte(text, at + 1);
  if (second < lead.low || second > lead.high) return 0;
  for (std::size_t k = 2; k < lead.length; ++k) {
    const unsigned char next = Byte(text, at + k);
    if (next < kContinuationLow || next > kContinuationHigh) return 0;
  }
  return lead.length;
}

// The bytes of the character at `at`: a sequence, or one stray byte.
std::size_t CharacterLength(std::string_view text, std::size_t at) {
  return std::max<std::size_t>(SequenceLength(text, at), 1);
}

char32_t CodePoint(std::string_view text, std::size_t at, std::size_t length) {
  constexpr unsigned char kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
  char32_t point = Byte(text, at) & kLeadBits[length];
  for (std::size_t k = 1; k < length; ++k) point = (point << 6) | (Byte(text, at + k) & 0x3F);
  return point;
}

bool IsEscapedByte(char32_t point) { return point >= kEscapedByteBase + 0x80 && point <= kEscapedByteBase + 0xFF; }

}  // namespace

bool IsValidUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = SequenceLength(text, at);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

std::size_t CountCharacters(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size(); at += CharacterLength(text, at)) ++count;
  return count;
}

std::size_t CharacterOffset(std::string_view text, std::size_t index) {
  std::size_t at = 0;
  for (; index > 0 && at < text.size(); --index) at += CharacterLength(text, at);
  return at;
}

std::size_t WholeCharactersWithin(std::string_view text, std::size_t bytes) {
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t next = at + CharacterLength(text, at);
    if (next > bytes) break;
    at = next;
  }
  return at;
}

FieldSpan FixedWidthSpan(std::string_view line, std::size_t lineWidth, std::size_t first, std::size_t width) {
  if (line.size() == lineWidth) {
    const std::size_t begin = std::min(first, line.size());
    return {begin, std::min(width, line.size() - begin)};
  }
  const std::size_t begin = CharacterOffset(line, first);
  return {begin, CharacterOffset(line.substr(begin), width)};
}

std::string_view FixedWidthField(std::string_view line, std::size_t lineWidth, std::size_t first, std::size_t width) {
  const FieldSpan span = FixedWidthSpan(line, lineWidth, first, width);
  return line.substr(span.begin, span.length);
}

bool HasFixedWidth(std::string_view line, std::size_t lineWidth) {
  // A line of that many characters has at least that many bytes.
  return line.size() == lineWidth || (line.size() > lineWidth && CountCharacters(line) == lineWidth);
}

std::string PadOrCutCharacters(std::string_view text, std::size_t width) {
  const std::string_view kept = text.substr(0, CharacterOffset(text, width));
  std::string out(kept);
  out.append(width - CountCharacters(kept), ' ');
  return out;
}

std::u32string DecodeCharacters(std::string_view text) {
  std::u32string points;
  points.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = SequenceLength(text, at);
    points.push_back(length == 0 ? kEscapedByteBase + Byte(text, at) : CodePoint(text, at, length));
    at += std::max<std::size_t>(length, 1);
  }
  return points;
}

std::string EncodeCharacters(std::u32string_view points) {
  std::string text;
  text.reserve(points.size());
  const auto put = [&](char32_t bits) { text.push_back(static_cast<char>(bits)); };
  for (const char32_t point : points) {
    if (IsEscapedByte(point)) {
      put(point - kEscapedByteBase);
    } else if (point <= kLastOneByte) {
      put(point);
    } else if (point <= kLastTwoBytes) {
      put(0xC0 | (point >> 6));
      put(0x80 | (point & 0x3F));
    } else if (point <= kLastThreeBytes) {
      put(0xE0 | (point >> 12));
      put(0x80 | ((point >> 6) & 0x3F));
      put(0x80 | (point & 0x3F));
    } else {
      put(0xF0 | (point >> 18));
      put(0x80 | ((point >> 12) & 0x3F));
      put(0x80 | ((point >> 6) & 0x3F));
      put(0x80 | (point & 0x3F));
    }
  }
  return text;
}

}  // namespace velmora
