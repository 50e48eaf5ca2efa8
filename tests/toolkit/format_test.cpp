#include "toolkit/format.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/convert.hpp"

namespace polycryst::toolkit {
namespace {

struct PictureCase {
  std::string_view picture;
  double value;
  std::string_view expected;
};

void ExpectPictures(const std::vector<PictureCase>& cases) {
  for (const PictureCase& c : cases) {
    char shown[40];
    std::snprintf(shown, sizeof shown, "%.17g", c.value);
    EXPECT_EQ(FormatPicture(c.picture, c.value), c.expected)
        << "picture \"" << c.picture << "\" with " << shown;
  }
}

// The C library prints the exact binary value too, but breaks ties to even, so it is
// a reference only away from ties.
std::string CFixed(double value, int decimals) {
  std::vector<char> buffer(2400);
  std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
  std::string text = buffer.data();
  if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

double RandomFinite(std::mt19937_64& random) {
  for (;;) {
    const std::uint64_t bits = random();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    if (std::isfinite(value)) return value;
  }
}

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();

TEST(FormatPicture, PlacesDigitsAndCopiesTheRest) {
  ExpectPictures({
      {"Slot number = ##.#", 3, "Slot number = 3"},
      {"/##.#", 1000000, "/1000000"},
      {"/##.#", 250000, "/250000"},
      {"####.#", 200.0, "200"},
      {"0.000", 0.002, "0.002"},
      {"0.000", 1.0, "1.000"},
      {"0.0000", 0.0016, "0.0016"},
      {"0", 200, "200"},
      {" ##.####", 0.3937, " .3937"},
      {" ##.####", -4.1049, "- 4.1049"},
      {" ##.####", 1.9871, " 1.9871"},
      {" ##.####", 134, " 134"},
      {" ##.####", 0, " "},
      {" ##.####", 1.907, " 1.907"},
      {" ##.####", 0.40029799999999999, " .4003"},
      {">##.####", 1000, ">1000"},
      {" #k", 1000, " 1000k"},
      {" #k", 250, " 250k"},
      {" #k", 4000, " 4000k"},
      {"###.", 25, "25"},
      {"###.", 0, ""},
      {" ##", 25, " 25"},
      {" ##", 2500, " 2500"},
      // '#' and '0' mixed: zeros never vanish right of a '0' place
      {"0.0#", 1.5, "1.5"},
      {"0.0#", 1.25, "1.25"},
      {"0.0#", 1, "1.0"},
      {"#.#0", 0.5, ".50"},
      {"#.0#", 0.05, ".05"},
      {"#0", 0, "0"},
      {"0#", 5, "05"},
      {"0#", 0, "00"},
      {"#0#", 7, "07"},
      {"0##", 7, "007"},
      // copied characters stay where they stand, even among the digits
      {"#,##0", 1234567, "1234,567"},
      {"0.0.0", 1.25, "1.2.5"},
      {"(0)", -3, "-(3)"},
      {"0E", 5, "5E"},
      {"0 Eur", 5, "5 Eur"},
      {"E+0", 5, "E+5"},
      // no integer places: the integer digits go before the point; no places at all:
      // at the end
      {".##", 12.5, "12.5"},
      {".##", 0.5, ".5"},
      {".##", 0, ""},
      {"abc.", 3.7, "abc4"},
      {"x", 42, "x42"},
      {"", -7, "-7"},
      {"", 0, ""},
  });
}

TEST(FormatPicture, RoundsHalfAwayFromZeroOnTheExactValue) {
  ExpectPictures({
      {"0", 0.5, "1"},
      {"0", 2.5, "3"},
      {"0", -0.5, "-1"},
      {"0", 0.49999999999999994, "0"},
      {"0.00", 1.125, "1.13"},
      {"0.00", -1.125, "-1.13"},
      {"0.0", 0.25, "0.3"},
      // these doubles lie just below the decimal tie
      {"0.00", 1.005, "1.00"},
      {"0.00", 1.015, "1.01"},
      {"0.0", 0.35, "0.3"},
      // and these just above it
      {"0.0", 0.05, "0.1"},
      {"0.000", 0.0005, "0.001"},
      {"0.000", 0.0015, "0.002"},
      // carries into new integer digits
      {"#.##", 0.999, "1"},
      {"0.00", 9.999, "10.00"},
      {"#", 999.5, "1000"},
      // a result rounded to zero has no sign
      {"0.000", -0.00001, "0.000"},
      {"0.000", -0.0, "0.000"},
      {"0", -0.4, "0"},
      {"#.##", -0.001, ""},
  });
}

TEST(FormatPicture, WritesScientificNotation) {
  ExpectPictures({
      {" #.###E+", 0.000025, " 2.5E-5"},
      {" #.###E+", 3.2231e-5, " 3.223E-5"},
      {" #.###E+", 1.253e-5, " 1.253E-5"},
      {" #.###E+", 1e-4, " 1E-4"},
      {" #.###E+", 1.25e-5, " 1.25E-5"},
      {"0.00E+00", 12345, "1.23E+04"},
      {"0.00E+00", -12345, "-1.23E+04"},
      {"0.00E-00", 12345, "1.23E04"},
      {"0.00E-0", 0.012345, "1.23E-2"},
      {"0.00e+0", 12345, "1.23e+4"},
      {"0.000E+0", 1.0625, "1.063E+0"},  // an exact tie
      {"0.000E+0", 1.0005, "1.000E+0"},  // just below one
      // a carry moves the exponent
      {"0.00E+0", 9.9996, "1.00E+1"},
      {"#.##E+0", 9.9996, "1E+1"},
      {"0.0E+0", -99.96, "-1.0E+2"},
      // the mantissa keeps as many integer digits as the picture has places
      {"00.0E+0", 12345, "12.3E+3"},
      {".00E+0", 12345, ".12E+5"},
      {"0E+0", 0.5, "5E-1"},
      // zero
      {"0.00E+00", 0, "0.00E+00"},
      {" #.###E+", 0, " 0E+0"},
      {" #.###E+", -0.0, " 0E+0"},
      {".##E-", 0, "0E0"},
      // exponent digits: at least as many as the picture's zeros
      {"0.0E+00", 1e-300, "1.0E-300"},
      {"0.00E+0", 1e308, "1.00E+308"},
      {"0.00E+0", DBL_MAX, "1.80E+308"},
      {" #.###E+", kTiny, " 4.941E-324"},
      {"0E+#", 50, "5E+1"},
      {"0.0E+0 nm", 1500, "1.5E+3 nm"},
  });
}

TEST(FormatPicture, NamesNonFiniteValues) {
  for (const std::string_view picture : {"", "0.00", " #.###E+", "###."}) {
    EXPECT_EQ(FormatPicture(picture, kNan), "NAN") << picture;
    EXPECT_EQ(FormatPicture(picture, -kNan), "NAN") << picture;
    EXPECT_EQ(FormatPicture(picture, kInf), "INF") << picture;
    EXPECT_EQ(FormatPicture(picture, -kInf), "-INF") << picture;
  }
}

TEST(FormatPicture, AgreesWithTheCLibraryAcrossTheWholeRange) {
  ExpectPictures({{"0.000", kTiny, "0.000"}, {"0.000", -kTiny, "0.000"}});
  // 309 integer digits, and more decimals than any double has
  EXPECT_EQ(FormatPicture("0", DBL_MAX), CFixed(DBL_MAX, 0));
  EXPECT_EQ(FormatPicture("#", -1e308), CFixed(-1e308, 0));
  const std::string longFraction = "0." + std::string(1100, '0');
  for (const double value : {kTiny, 0.1, -2.2250738585072014e-308}) {
    EXPECT_EQ(FormatPicture(longFraction, value), CFixed(value, 1100));
  }

  std::mt19937_64 random(20240517);
  for (int i = 0; i < 2000; ++i) {
    const double value = RandomFinite(random);
    EXPECT_EQ(FormatPicture("0.000", value), CFixed(value, 3)) << value;
  }
}

struct GeneralCase {
  double value;
  std::string_view expected;
};

TEST(FormatGeneral, WritesTheShortestFifteenDigitText) {
  const GeneralCase cases[] = {
      {0.99, "0.99"},
      {0.9, "0.9"},
      {0.99999, "0.99999"},
      {1, "1"},
      {0, "0"},
      {-0.0, "0"},
      {-2.5, "-2.5"},
      {100, "100"},
      {12345.678, "12345.678"},
      {0.1 + 0.2, "0.3"},
      {2.0 / 3.0, "0.666666666666667"},
      {0.9999999999999999, "1"},
      // fixed from 1E-4 up to 15 integer digits
      {1e-4, "0.0001"},
      {0.00012345, "0.00012345"},
      {0.000099999999999999999, "0.0001"},
      {1e-5, "1E-5"},
      {-1.5e-5, "-1.5E-5"},
      {1e14, "100000000000000"},
      {999999999999999.0, "999999999999999"},
      {999999999999999.9, "1E+15"},
      {1e15, "1E+15"},
      {1.5e20, "1.5E+20"},
      {123456789012345678.0, "1.23456789012346E+17"},
      // an exact tie at the sixteenth digit rounds away from zero
      {1234567890123445.0, "1.23456789012345E+15"},
      {-1e-300, "-1E-300"},
      {kTiny, "4.94065645841247E-324"},
      {DBL_MAX, "1.79769313486232E+308"},
      {kNan, "NAN"},
      {kInf, "INF"},
      {-kInf, "-INF"},
  };
  for (const GeneralCase& c : cases) {
    EXPECT_EQ(FormatGeneral(c.value), c.expected);
  }
}

// The digits of a general text without sign, point, exponent and leading zeros; the
// zeros ending an integer only place its digits, any others are kept.
std::string SignificantDigits(std::string_view text) {
  const std::string_view mantissa = text.substr(0, text.find('E'));
  std::string digits;
  for (const char c : mantissa) {
    if (c >= '0' && c <= '9' && !(digits.empty() && c == '0')) digits += c;
  }
  if (mantissa.find('.') == std::string_view::npos) {
    digits.erase(digits.find_last_not_of('0') + 1);
  }
  return digits;
}

TEST(FormatGeneral, ReadsBackAsTheValueRoundedToFifteenDigits) {
  std::mt19937_64 random(7);
  // Values of at most fifteen digits come back exactly, with no digit to spare.
  std::uniform_int_distribution<std::int64_t> mantissa(1, 999999999999999);
  std::uniform_int_distribution<int> exponent(-330, 300);
  for (int i = 0; i < 2000; ++i) {
    std::int64_t m = mantissa(random);
    if (i % 4 == 0) m %= 1000;  // short ones too
    while (m % 10 == 0) m /= 10;
    if (m == 0) continue;
    const std::string text = std::to_string(m) + "e" + std::to_string(exponent(random));
    const double value = std::strtod(text.c_str(), nullptr);
    if (value == 0 || !std::isnormal(value)) continue;  // too few bits to hold 15 digits
    const std::string general = FormatGeneral(value);
    EXPECT_EQ(ParseReal(general), value) << text << " gave " << general;
    EXPECT_EQ(SignificantDigits(general), std::to_string(m)) << text << " gave " << general;
  }
  // Any other value comes back as its fifteen-digit rounding.
  for (int i = 0; i < 2000; ++i) {
    const double value = RandomFinite(random);
    char rounded[40];
    std::snprintf(rounded, sizeof rounded, "%.14e", value);
    EXPECT_EQ(ParseReal(FormatGeneral(value)), std::strtod(rounded, nullptr)) << rounded;
  }
}

}  // namespace
}  // namespace polycryst::toolkit
