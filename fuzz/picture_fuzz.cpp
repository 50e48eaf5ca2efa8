// Number pictures. The input's first 8 bytes are the bits of the value (missing bytes
// are zero), the rest is the picture.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "check.hpp"
#include "toolkit/convert.hpp"
#include "toolkit/format.hpp"

namespace {

using polycryst::fuzz::IsDigit;
using polycryst::toolkit::FormatPicture;
using polycryst::toolkit::ParseReal;

bool IsPlace(char c) { return c == '0' || c == '#'; }


// The picture's characters that are written as they stand: all but the digit places,
// the first point and the exponent part. Once an exponent is seen, places and points
// after it are left out too, whatever they turn out to mean.
std::string CopiedCharacters(std::string_view picture) {
  std::string copied;
  bool placeSeen = false;
  bool pointSeen = false;
  bool exponentSeen = false;
  for (std::size_t i = 0; i < picture.size(); ++i) {
    const char c = picture[i];
    if (IsPlace(c)) {
      placeSeen = true;
      continue;
    }
    if (c == '.' && (!pointSeen || exponentSeen)) {
      pointSeen = true;
      continue;
    }
    if ((c == 'E' || c == 'e') && placeSeen && !exponentSeen && i + 1 < picture.size() &&
        (picture[i + 1] == '+' || picture[i + 1] == '-')) {
      exponentSeen = true;
      ++i;
      continue;
    }
    copied += c;
  }
  return copied;
}

bool IsSubsequence(std::string_view part, std::string_view whole) {
  std::size_t j = 0;
  for (std::size_t i = 0; i < whole.size() && j < part.size(); ++i) {
    if (whole[i] == part[j]) ++j;
  }
  return j == part.size();
}

// The distance from x to the next double away from zero.
double Spacing(double x) {
  const double a = std::fabs(x);
  return std::nextafter(a, INFINITY) - a;
}

// Only digit places and exactly one point.
bool IsFixedPicture(std::string_view picture) {
  std::size_t points = 0;
  for (const char c : picture) {
    if (c == '.') {
      ++points;
    } else if (!IsPlace(c)) {
      return false;
    }
  }
  return points == 1;
}

void CheckFixed(std::string_view picture, double value, const std::string& out) {
  const std::size_t point = picture.find('.');
  const std::string_view fraction = picture.substr(point + 1);
  const int decimals = static_cast<int>(fraction.size());
  const std::size_t lastZero = fraction.rfind('0');
  const std::size_t minDecimals = lastZero == std::string_view::npos ? 0 : lastZero + 1;

  std::size_t written = 0;  // fraction digits in the output
  const std::size_t outPoint = out.find('.');
  if (outPoint != std::string::npos) {
    for (std::size_t i = outPoint + 1; i < out.size(); ++i) written += IsDigit(out[i]) ? 1 : 0;
  }
  FUZZ_REQUIRE(written <= fraction.size() && written >= minDecimals,
               "FormatPicture(\"%s\", %.17g) = \"%s\": %zu fraction digits", Printable(picture).c_str(), value,
               out.c_str(), written);

  // Half a unit of the last place, plus what reading the text back as a double costs.
  const long double half = 0.5L * std::pow(10.0L, -decimals);
  if (out.empty()) {
    FUZZ_REQUIRE(std::fabs(static_cast<long double>(value)) <= half * (1 + 1e-12L),
                 "FormatPicture(\"%s\", %.17g) is empty", Printable(picture).c_str(), value);
    return;
  }
  const auto back = ParseReal(out);
  FUZZ_REQUIRE(back.has_value(), "FormatPicture(\"%s\", %.17g) = \"%s\" is not a number", Printable(picture).c_str(),
               value, out.c_str());
  const long double error = std::fabs(static_cast<long double>(*back) - value);
  const long double ulp = std::fmax(Spacing(*back), Spacing(value));
  FUZZ_REQUIRE(error <= half * (1 + 1e-12L) + ulp, "FormatPicture(\"%s\", %.17g) = \"%s\", off by %Lg",
               Printable(picture).c_str(), value, out.c_str(), error);
  FUZZ_REQUIRE(out.front() != '-' || value < 0, "FormatPicture(\"%s\", %.17g) = \"%s\"", Printable(picture).c_str(),
               value, out.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  double value = 0;
  std::uint8_t bits[sizeof(double)] = {};
  std::memcpy(bits, data, std::min(size, sizeof bits));
  std::memcpy(&value, bits, sizeof value);
  const std::size_t skip = std::min(size, sizeof bits);
  const std::string_view picture(reinterpret_cast<const char*>(data) + skip, size - skip);

  const std::string out = FormatPicture(picture, value);

  // NaN and the infinities are written as words, whatever the picture.
  if (!std::isfinite(value)) return 0;

  const std::string copied = CopiedCharacters(picture);
  FUZZ_REQUIRE(IsSubsequence(copied, out), "FormatPicture(\"%s\", %.17g) = \"%s\" lost copied characters \"%s\"",
               Printable(picture).c_str(), value, Printable(out).c_str(), Printable(copied).c_str());

  if (IsFixedPicture(picture) && std::isfinite(value) && std::fabs(value) < 1e15) CheckFixed(picture, value, out);
  return 0;
}
