#pragma once
// Reading numbers from what a user typed into an entry.
//
// Both readers ignore ASCII blanks and tabs around the number and nothing else.
// Integer: an optional '+' or '-' and ASCII decimal digits ("007" is 7); the value
//   must fit a 32-bit signed integer. No exponent, no hexadecimal, no separators.
// Real: an optional sign, digits with at most one decimal separator ('.' or ',', so
//   that "0,95" reads as 0.95) and at least one digit, then optionally 'e' or 'E', an
//   optional sign and digits. The value is the correctly rounded double; a value that
//   overflows or underflows to zero from a non-zero text, "nan" and "inf" are not
//   numbers.
// Anything else (empty text, words, non-ASCII digits, "1e3" as an integer, "0x10") is
// not a number.

#include <cstdint>
#include <optional>
#include <string_view>

namespace polycryst::toolkit {

std::optional<std::int32_t> ParseInteger(std::string_view text);
std::optional<double> ParseReal(std::string_view text);

inline std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback) {
  return ParseInteger(text).value_or(fallback);
}

inline double StrToFloatDef(std::string_view text, double fallback) {
  return ParseReal(text).value_or(fallback);
}

}  // namespace polycryst::toolkit
