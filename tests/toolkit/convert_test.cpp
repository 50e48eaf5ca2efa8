#include "toolkit/convert.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace polycryst::toolkit {
namespace {

using namespace std::string_view_literals;  // "1\0002"sv keeps its NUL

// Shows control and non-ASCII bytes, so a failing case can be told apart.
std::string Shown(std::string_view text) {
  std::string shown = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte >= 0x7f) {
      static constexpr char kHex[] = "0123456789abcdef";
      shown += "\\x";
      shown += kHex[byte >> 4];
      shown += kHex[byte & 0xf];
    } else {
      shown += c;
    }
  }
  return shown + "\"";
}

struct IntegerCase {
  std::string_view text;
  std::optional<std::int32_t> expected;
};

struct RealCase {
  std::string_view text;
  std::optional<double> expected;
};

constexpr std::nullopt_t kNone = std::nullopt;

TEST(ParseInteger, ReadsWhatAUserTypes) {
  const IntegerCase cases[] = {
      {"5", 5},
      {" 5 ", 5},
      {"\t-12\t", -12},
      {"+5", 5},
      {"-5", -5},
      {"007", 7},
      {"-007", -7},
      {"0", 0},
      {"-0", 0},
      {"00000000000000000000000042", 42},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", kNone},
      {"-2147483649", kNone},
      {"4294967296", kNone},
      {"1234567890123456789012345", kNone},
      // not numbers
      {"", kNone},
      {"   ", kNone},
      {"\t", kNone},
      {"+", kNone},
      {"-", kNone},
      {"- 5", kNone},
      {"--5", kNone},
      {"+-5", kNone},
      {"5-", kNone},
      {"1 2", kNone},
      {"1e3", kNone},
      {"0x10", kNone},
      {"1.0", kNone},
      {"1,000", kNone},
      {"12abc", kNone},
      {"abc", kNone},
      {"nan", kNone},
      {"5\n", kNone},  // only blanks and tabs are trimmed
      {"\r5", kNone},
      {"\xef\xbc\x91\xef\xbc\x92", kNone},  // full-width "12"
      {"\xd9\xa3", kNone},                  // Arabic-Indic three
      {"1\0002"sv, kNone},
      {"12\0"sv, kNone},
  };
  for (const IntegerCase& c : cases) {
    EXPECT_EQ(ParseInteger(c.text), c.expected) << Shown(c.text);
  }
  EXPECT_EQ(StrToIntDef("x", -1), -1);
  EXPECT_EQ(StrToIntDef(" 3", -1), 3);
}

TEST(ParseReal, ReadsWhatAUserTypes) {
  const RealCase cases[] = {
      {"1", 1.0},
      {" 2.5 ", 2.5},
      {"\t-2.5", -2.5},
      {"+5", 5.0},
      {"007", 7.0},
      {".5", 0.5},
      {"5.", 5.0},
      {"-.5", -0.5},
      {"0,95", 0.95},
      {"-0,5", -0.5},
      {"0.1", 0.1},
      {"1e3", 1000.0},
      {"1E3", 1000.0},
      {"1e+3", 1000.0},
      {"2.5e-3", 0.0025},
      {"2,5E-3", 0.0025},
      {"1234567890123456789012345", 1234567890123456789012345.0},
      // correctly rounded, not merely close
      {"0.30000000000000004", 0.30000000000000004},
      {"9007199254740993", 9007199254740992.0},
      {"2.2250738585072011e-308", 2.2250738585072011e-308},
      {"1.7976931348623157e308", DBL_MAX},
      // subnormals are values; a non-zero text that vanishes is not
      {"4.9e-324", 4.9e-324},
      {"1e-320", 1e-320},
      {"2e-324", kNone},
      {"1e-400", kNone},
      {"0e-400", 0.0},
      {"0.000", 0.0},
      {"0e99999999999999999999", 0.0},
      {"1.8e308", kNone},
      {"1e400", kNone},
      {"-1e400", kNone},
      {"1e99999999999999999999", kNone},
      // not numbers
      {"", kNone},
      {"  ", kNone},
      {"+", kNone},
      {".", kNone},
      {",", kNone},
      {"-.", kNone},
      {"- 5", kNone},
      {"--5", kNone},
      {"1,000.5", kNone},
      {"1.000,5", kNone},
      {"1..5", kNone},
      {"1 000", kNone},
      {"e5", kNone},
      {".e5", kNone},
      {"1e", kNone},
      {"1e+", kNone},
      {"1e3.5", kNone},
      {"1e 3", kNone},
      {"0x10", kNone},
      {"0x1p3", kNone},
      {"12abc", kNone},
      {"nan", kNone},
      {"NaN", kNone},
      {"inf", kNone},
      {"-inf", kNone},
      {"infinity", kNone},
      {"5\n", kNone},
      {"\xef\xbc\x91\xef\xbc\x92", kNone},
      {"\xd9\xa3", kNone},
      {"1\0002"sv, kNone},
      {"1.5\0"sv, kNone},
  };
  for (const RealCase& c : cases) {
    EXPECT_EQ(ParseReal(c.text), c.expected) << Shown(c.text);
  }
  EXPECT_EQ(StrToFloatDef("x", -1.5), -1.5);
  EXPECT_EQ(StrToFloatDef("0,25", -1.5), 0.25);
}

TEST(Parse, TakesLongTextsInLinearTime) {
  const auto start = std::chrono::steady_clock::now();
  const std::string zerosThenSeven = std::string(10000, '0') + "7";
  EXPECT_EQ(ParseInteger(zerosThenSeven), 7);
  EXPECT_EQ(ParseReal(zerosThenSeven), 7.0);
  const std::string nines(10000, '9');
  EXPECT_EQ(ParseInteger(nines), kNone);
  EXPECT_EQ(ParseReal(nines), kNone);
  EXPECT_EQ(ParseReal("0." + std::string(10000, '0') + "1"), kNone);
  EXPECT_EQ(ParseReal("0." + std::string(300, '0') + "7"), 7e-301);
  EXPECT_EQ(ParseReal("1e" + std::string(10000, '0') + "5"), 1e5);

  // A quadratic reader would take minutes over these.
  const std::string huge(1000000, '0');
  EXPECT_EQ(ParseInteger(huge + "1"), 1);
  EXPECT_EQ(ParseReal("0," + huge), 0.0);
  EXPECT_EQ(ParseReal(huge + "x"), kNone);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

}  // namespace
}  // namespace polycryst::toolkit
