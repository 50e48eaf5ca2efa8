#include "toolkit/format.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace polycryst::toolkit {
namespace {

// A magnitude as significant digits: 0.d1d2d3... * 10^point, with no leading or
// trailing zeros, so that rounding at any place is plain digit arithmetic.
struct Decimal {
  std::string digits;  // empty for zero
  long long point = 0;
};

bool IsPlace(char c) { return c == '0' || c == '#'; }

// Every finite double has at most 1074 decimals, so this expansion is exact and
// rounding decisions never see a value that printing has already rounded.
Decimal ExactDecimal(double magnitude) {
  char buffer[1700];  // DBL_MAX needs 309 integer digits, a point and 1074 decimals
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed, 1074);
  if (result.ec != std::errc{}) return {};
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const std::size_t dot = std::min(text.find('.'), text.size());

  Decimal d;
  d.digits.reserve(text.size());
  d.digits.append(text.substr(0, dot));
  if (dot < text.size()) d.digits.append(text.substr(dot + 1));
  const std::size_t first = d.digits.find_first_not_of('0');
  if (first == std::string::npos) return {};
  d.digits.erase(0, first);
  d.digits.erase(d.digits.find_last_not_of('0') + 1);
  d.point = static_cast<long long>(dot) - static_cast<long long>(first);
  return d;
}

// Keeps the first `keep` significant digits; a first dropped digit of 5 or more
// rounds the magnitude up, which on exact digits is half away from zero.
void RoundToDigits(Decimal& d, long long keep) {
  if (keep >= static_cast<long long>(d.digits.size())) return;
  if (keep < 0) {
    d = {};
    return;
  }
  const std::size_t kept = static_cast<std::size_t>(keep);
  const bool up = d.digits[kept] >= '5';
  d.digits.resize(kept);
  if (up) {
    std::size_t end = kept;
    while (end > 0 && d.digits[end - 1] == '9') --end;
    if (end == 0) {
      d.digits.assign(1, '1');  // not = "1": GCC 12 at -O3 warns falsely (-Wrestrict)
      ++d.point;
      return;
    }
    d.digits.resize(end);  // the nines became zeros, which are not kept
    ++d.digits[end - 1];
  }
  const std::size_t last = d.digits.find_last_not_of('0');
  if (last == std::string::npos) {
    d = {};
    return;
  }
  d.digits.erase(last + 1);
}

std::string IntegerDigits(const Decimal& d) {
  if (d.digits.empty() || d.point <= 0) return {};
  const std::size_t count = static_cast<std::size_t>(d.point);
  std::string whole = d.digits.substr(0, count);
  whole.append(count - whole.size(), '0');
  return whole;
}

std::string FractionDigits(const Decimal& d, std::size_t count) {
  std::string fraction(count, '0');
  const long long size = static_cast<long long>(d.digits.size());
  for (std::size_t j = 0; j < count; ++j) {
    const long long index = d.point + static_cast<long long>(j);
    if (index >= size) break;
    if (index >= 0) fraction[j] = d.digits[static_cast<std::size_t>(index)];
  }
  return fraction;
}

struct Layout {
  std::string_view mantissa;  // the digit places, the point and what lies among them
  std::size_t point = std::string_view::npos;
  std::size_t integerPlaces = 0;
  std::size_t fractionPlaces = 0;
  bool scientific = false;
  char exponentLetter = 'E';
  char exponentSign = '+';
  std::size_t exponentWidth = 1;
  std::string_view tail;  // copied after the exponent
};

Layout ReadPicture(std::string_view picture) {
  Layout layout;
  layout.mantissa = picture;
  bool placeSeen = false;
  for (std::size_t i = 0; i < picture.size(); ++i) {
    const char c = picture[i];
    if (IsPlace(c)) {
      placeSeen = true;
      continue;
    }
    // An 'E' ahead of every digit place, or without a sign, is just a letter.
    if ((c == 'E' || c == 'e') && placeSeen && i + 1 < picture.size() &&
        (picture[i + 1] == '+' || picture[i + 1] == '-')) {
      layout.scientific = true;
      layout.exponentLetter = c;
      layout.exponentSign = picture[i + 1];
      std::size_t end = i + 2;
      std::size_t zeros = 0;
      for (; end < picture.size() && IsPlace(picture[end]); ++end) {
        if (picture[end] == '0') ++zeros;
      }
      layout.exponentWidth = std::max<std::size_t>(zeros, 1);
      layout.mantissa = picture.substr(0, i);
      layout.tail = picture.substr(end);
      break;
    }
  }
  layout.point = layout.mantissa.find('.');
  for (std::size_t i = 0; i < layout.mantissa.size(); ++i) {
    if (!IsPlace(layout.mantissa[i])) continue;
    if (i < layout.point) {
      ++layout.integerPlaces;
    } else {
      ++layout.fractionPlaces;
    }
  }
  return layout;
}

// Lays `whole` (integer digits, no leading zeros) and `fraction` (one digit per
// fraction place) over the mantissa part of the picture.
void WriteMantissa(std::string& out, const Layout& layout, std::string_view whole,
                   std::string_view fraction) {
  const std::string_view mantissa = layout.mantissa;
  const std::size_t places = layout.integerPlaces;
  const std::size_t n = whole.size();

  // Fraction places are written up to the last one that is a '0' or holds a
  // non-zero digit, so a trailing zero is dropped only where the picture allows it.
  std::size_t fractionWritten = 0;
  if (layout.point != std::string_view::npos) {
    std::size_t j = 0;
    for (std::size_t i = layout.point + 1; i < mantissa.size(); ++i) {
      if (!IsPlace(mantissa[i])) continue;
      if (mantissa[i] == '0' || fraction[j] != '0') fractionWritten = j + 1;
      ++j;
    }
  }

  std::size_t integerPlace = 0;
  std::size_t fractionPlace = 0;
  bool zeroPlaceSeen = false;  // a '0' place keeps the zeros right of it
  for (std::size_t i = 0; i < mantissa.size(); ++i) {
    const char c = mantissa[i];
    if (i == layout.point) {
      if (places == 0) out.append(whole);
      if (fractionWritten > 0) out += '.';
    } else if (IsPlace(c) && i < layout.point) {
      if (integerPlace == 0 && n > places) out.append(whole.substr(0, n - places));
      const std::size_t fromRight = places - 1 - integerPlace;
      if (fromRight < n) {
        out += whole[n - 1 - fromRight];
      } else if (c == '0' || zeroPlaceSeen) {
        out += '0';
      }
      zeroPlaceSeen = zeroPlaceSeen || c == '0';
      ++integerPlace;
    } else if (IsPlace(c)) {
      if (fractionPlace < fractionWritten) out += fraction[fractionPlace];
      ++fractionPlace;
    } else {
      out += c;
    }
  }
  if (places == 0 && layout.point == std::string_view::npos) out.append(whole);
}

std::string NonFinite(double value) {
  if (std::isnan(value)) return "NAN";
  return std::signbit(value) ? "-INF" : "INF";
}

}  // namespace

std::string FormatPicture(std::string_view picture, double value) {
  if (!std::isfinite(value)) return NonFinite(value);
  const Layout layout = ReadPicture(picture);
  Decimal d = ExactDecimal(std::fabs(value));

  std::string whole;
  long long exponent = 0;
  if (layout.scientific) {
    if (!d.digits.empty()) {
      RoundToDigits(d, static_cast<long long>(layout.integerPlaces + layout.fractionPlaces));
      exponent = d.point - static_cast<long long>(layout.integerPlaces);
      d.point = static_cast<long long>(layout.integerPlaces);
    }
    whole = IntegerDigits(d);
    // Zero has no leading digit to fill the mantissa, and "E+0" alone would not read
    // as a number.
    if (d.digits.empty()) whole.assign(1, '0');
  } else {
    RoundToDigits(d, d.point + static_cast<long long>(layout.fractionPlaces));
    whole = IntegerDigits(d);
  }
  const std::string fraction = FractionDigits(d, layout.fractionPlaces);

  std::string out;
  out.reserve(picture.size() + whole.size() + 8);
  // Rounded to zero, the value has no sign: "-0.000" would only puzzle the reader.
  if (std::signbit(value) && !d.digits.empty()) out += '-';
  WriteMantissa(out, layout, whole, fraction);
  if (layout.scientific) {
    out += layout.exponentLetter;
    if (exponent < 0) {
      out += '-';
    } else if (layout.exponentSign == '+') {
      out += '+';
    }
    const std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
    if (digits.size() < layout.exponentWidth) out.append(layout.exponentWidth - digits.size(), '0');
    out += digits;
    out.append(layout.tail);
  }
  return out;
}

std::string FormatGeneral(double value) {
  if (!std::isfinite(value)) return NonFinite(value);
  // Fifteen digits survive any round trip through a double; once rounded, the
  // digit string without its trailing zeros is already the shortest text of it.
  Decimal d = ExactDecimal(std::fabs(value));
  RoundToDigits(d, 15);
  if (d.digits.empty()) return "0";

  std::string out;
  if (std::signbit(value)) out += '-';
  const long long exponent = d.point - 1;  // of the form d.ddd * 10^exponent
  if (exponent >= -4 && exponent < 15) {
    const std::string whole = IntegerDigits(d);
    out += whole.empty() ? "0" : whole;
    const long long decimals = static_cast<long long>(d.digits.size()) - d.point;
    if (decimals > 0) {
      out += '.';
      out += FractionDigits(d, static_cast<std::size_t>(decimals));
    }
  } else {
    out += d.digits[0];
    if (d.digits.size() > 1) {
      out += '.';
      out.append(d.digits, 1);
    }
    out += exponent < 0 ? "E-" : "E+";
    out += std::to_string(exponent < 0 ? -exponent : exponent);
  }
  return out;
}

}  // namespace polycryst::toolkit
