// Reading numbers from entries, and the general decimal form read back.
//
// The input is the text of an entry. Its first 8 bytes, when there are that many, are
// also taken as the bits of a double for the round trip through FormatGeneral.

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "check.hpp"
#include "toolkit/convert.hpp"
#include "toolkit/format.hpp"

namespace {

using polycryst::fuzz::IsDigit;
using polycryst::fuzz::TrimBlanks;
using polycryst::toolkit::FormatGeneral;
using polycryst::toolkit::ParseInteger;
using polycryst::toolkit::ParseReal;


// An optional sign and at least one ASCII digit, nothing else.
bool IsIntegerForm(std::string_view s) {
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) s.remove_prefix(1);
  if (s.empty()) return false;
  for (const char c : s) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

void CheckInteger(std::string_view text) {
  const std::string_view form = TrimBlanks(text);
  const auto parsed = ParseInteger(text);

  std::optional<std::int32_t> expected;
  if (IsIntegerForm(form)) {
    // from_chars takes a '-' but no '+'.
    const std::string_view digits = form.front() == '+' ? form.substr(1) : form;
    std::int32_t v = 0;
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v);
    if (ec == std::errc() && ptr == digits.data() + digits.size()) expected = v;
  }
  FUZZ_REQUIRE(parsed.has_value() == expected.has_value(), "ParseInteger(\"%s\") %s", Printable(text).c_str(),
               parsed ? "accepted a text that is not a 32-bit integer" : "rejected a 32-bit integer");
  if (parsed) {
    FUZZ_REQUIRE(*parsed == *expected, "ParseInteger(\"%s\") = %d, from_chars gives %d", Printable(text).c_str(),
                 *parsed, *expected);
  }
}

// Sign, digits with at most one '.' or ',' and at least one digit, optional exponent.
bool IsRealForm(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  bool separator = false;
  for (; i < s.size(); ++i) {
    if (IsDigit(s[i])) {
      ++digits;
    } else if ((s[i] == '.' || s[i] == ',') && !separator) {
      separator = true;
    } else {
      break;
    }
  }
  if (digits == 0) return false;
  if (i == s.size()) return true;
  if (s[i] != 'e' && s[i] != 'E') return false;
  ++i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  if (i == s.size()) return false;
  for (; i < s.size(); ++i) {
    if (!IsDigit(s[i])) return false;
  }
  return true;
}

bool MantissaIsZero(std::string_view s) {
  for (const char c : s) {
    if (c == 'e' || c == 'E') break;
    if (IsDigit(c) && c != '0') return false;
  }
  return true;
}

void CheckReal(std::string_view text) {
  const std::string_view form = TrimBlanks(text);
  const auto parsed = ParseReal(text);
  if (parsed) {
    FUZZ_REQUIRE(std::isfinite(*parsed), "ParseReal(\"%s\") = %g", Printable(text).c_str(), *parsed);
    FUZZ_REQUIRE(IsRealForm(form), "ParseReal accepted \"%s\" as %.17g", Printable(text).c_str(), *parsed);
  }
  if (!IsRealForm(form)) return;

  // The correctly rounded value, as from_chars reads the same number with a '.'.
  std::string plain(form.front() == '+' ? form.substr(1) : form);
  for (char& c : plain) {
    if (c == ',') c = '.';
  }
  double v = 0;
  const auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), v);
  if (ec != std::errc() || ptr != plain.data() + plain.size() || !std::isfinite(v)) return;
  if (v == 0 && !MantissaIsZero(form)) return;  // underflow: not a number
  FUZZ_REQUIRE(parsed.has_value(), "ParseReal rejected \"%s\" (%.17g)", Printable(text).c_str(), v);
  FUZZ_REQUIRE(*parsed == v, "ParseReal(\"%s\") = %.17g, expected %.17g",
               Printable(text).c_str(), *parsed, v);
}

// The digits of the text's significand without leading and trailing zeros.
std::string SignificantDigits(std::string_view s) {
  std::string digits;
  for (const char c : s) {
    if (c == 'E' || c == 'e') break;
    if (IsDigit(c)) digits += c;
  }
  const auto first = digits.find_first_not_of('0');
  if (first == std::string::npos) return {};
  digits.erase(0, first);
  digits.erase(digits.find_last_not_of('0') + 1);
  return digits;
}

// A value exactly halfway between two 15-digit decimals may go either way: the C
// library rounds it to even, the program may round it away from zero. Returns the
// latter for such a value, NaN otherwise.
double TieAwayFromZero(double value) {
  static char exact[1100];
  std::snprintf(exact, sizeof exact, "%.800e", std::fabs(value));
  // d.dddddddddddddd then the 16th digit at index 16.
  const std::string_view s(exact);
  const auto e = s.find('e');
  if (e == std::string_view::npos || e < 17 || s[16] != '5') return std::nan("");
  for (std::size_t i = 17; i < e; ++i) {
    if (s[i] != '0') return std::nan("");
  }
  std::string digits(s.substr(0, 16));  // d.dddddddddddddd
  int i = 15;
  for (; i >= 0; --i) {
    if (digits[i] == '.') continue;
    if (digits[i] != '9') {
      ++digits[i];
      break;
    }
    digits[i] = '0';
  }
  if (i < 0) digits.insert(0, "1");
  const double up = std::strtod((digits + std::string(s.substr(e))).c_str(), nullptr);
  return std::signbit(value) ? -up : up;
}

void CheckGeneral(double value) {
  const std::string text = FormatGeneral(value);
  if (std::isnan(value)) {
    FUZZ_REQUIRE(text == "NAN", "FormatGeneral(nan) = \"%s\"", text.c_str());
    return;
  }
  if (std::isinf(value)) {
    FUZZ_REQUIRE(text == (value > 0 ? "INF" : "-INF"), "FormatGeneral(%g) = \"%s\"", value, text.c_str());
    return;
  }

  // The value rounded to 15 significant digits, through the C library.
  char rounded[64];
  std::snprintf(rounded, sizeof rounded, "%.14e", value);
  const double expected = std::strtod(rounded, nullptr);
  if (!std::isfinite(expected)) return;  // rounds past the largest double

  const auto back = ParseReal(text);
  FUZZ_REQUIRE(back.has_value(), "FormatGeneral(%.17g) = \"%s\" does not read back", value, text.c_str());
  FUZZ_REQUIRE(*back == expected || *back == TieAwayFromZero(value), "FormatGeneral(%.17g) = \"%s\" reads back as %.17g, expected %.17g", value,
               text.c_str(), *back, expected);
  const std::string again = FormatGeneral(*back);
  FUZZ_REQUIRE(again == text, "FormatGeneral(%.17g) = \"%s\" but FormatGeneral(%.17g) = \"%s\"", value, text.c_str(),
               *back, again.c_str());

  FUZZ_REQUIRE(SignificantDigits(text).size() <= 15, "FormatGeneral(%.17g) = \"%s\": more than 15 digits", value,
               text.c_str());
  // Outside subnormals every 15-digit decimal is its own double, so the shortest text
  // is the rounded value's digits without trailing zeros.
  if (std::fabs(*back) >= std::numeric_limits<double>::min()) {
    std::snprintf(rounded, sizeof rounded, "%.14e", *back);
    FUZZ_REQUIRE(SignificantDigits(text) == SignificantDigits(rounded), "FormatGeneral(%.17g) = \"%s\", rounded %s",
                 value, text.c_str(), rounded);
  }
  const double magnitude = std::fabs(expected);
  const bool fixed = magnitude == 0 || (magnitude >= 1e-4 && magnitude < 1e15);
  FUZZ_REQUIRE(fixed == (text.find('E') == std::string::npos), "FormatGeneral(%.17g) = \"%s\": wrong notation", value,
               text.c_str());
  FUZZ_REQUIRE(text.find('e') == std::string::npos && text.find(',') == std::string::npos,
               "FormatGeneral(%.17g) = \"%s\"", value, text.c_str());
  if (!fixed) {
    const auto e = text.find('E');
    FUZZ_REQUIRE(e + 2 < text.size() && (text[e + 1] == '+' || text[e + 1] == '-') && text[e + 2] != '0',
                 "FormatGeneral(%.17g) = \"%s\": exponent needs its sign and no leading zeros", value, text.c_str());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckInteger(text);
  CheckReal(text);
  if (const auto v = ParseReal(text)) CheckGeneral(*v);
  if (size >= sizeof(double)) {
    double bits;
    std::memcpy(&bits, data, sizeof bits);
    CheckGeneral(bits);
  }
  return 0;
}
