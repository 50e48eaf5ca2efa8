#include "toolkit/convert.hpp"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace polycryst::toolkit {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Not std::isdigit: its answer depends on the locale and on the sign of char.
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsSign(char c) { return c == '+' || c == '-'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && IsSign(text.front())) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;

  // The magnitude of INT32_MIN; stopping just past it keeps a text of any length
  // from overflowing the accumulator.
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (const char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > kLimit) return std::nullopt;
  }
  if (!negative && magnitude == kLimit) return std::nullopt;
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::optional<double> ParseReal(std::string_view text) {
  text = TrimBlanks(text);
  // The grammar is checked here rather than left to from_chars, which would also take
  // "nan", "inf" and a prefix of "0x10"; it wants no '+' and a '.' as separator.
  std::string number;
  number.reserve(text.size());
  std::size_t i = 0;
  if (i < text.size() && IsSign(text[i])) {
    if (text[i] == '-') number += '-';
    ++i;
  }
  bool digitSeen = false;
  bool nonZeroSeen = false;
  bool separatorSeen = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      digitSeen = true;
      nonZeroSeen = nonZeroSeen || c != '0';
      number += c;
    } else if ((c == '.' || c == ',') && !separatorSeen) {
      separatorSeen = true;
      number += '.';
    } else {
      break;
    }
  }
  if (!digitSeen) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    number += 'e';
    ++i;
    if (i < text.size() && IsSign(text[i])) number += text[i++];
    const std::size_t exponentStart = i;
    while (i < text.size() && IsDigit(text[i])) number += text[i++];
    if (i == exponentStart) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;

  double value = 0;
  const char* end = number.data() + number.size();
  const auto [ptr, ec] = std::from_chars(number.data(), end, value);
  if (ec != std::errc{} || ptr != end) return std::nullopt;
  // from_chars already reports both as out of range; checked again so the rule does
  // not hang on one library's reading of it.
  if (std::isinf(value) || (value == 0 && nonZeroSeen)) return std::nullopt;
  return value;
}

}  // namespace polycryst::toolkit
