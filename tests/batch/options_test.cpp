#include "batch/options.hpp"

#include <gtest/gtest.h>

namespace polycryst::batch {
namespace {

ParseResult Parse(std::vector<std::string_view> args) { return ParseArguments(args); }

TEST(ParseArguments, OptionsApplyToTheRunsAfterThem) {
  const ParseResult r = Parse({"spherulite:25", "--field", "2000", "--plate=on", "cylindrite:50:10", "--field", "500",
                               "spherulite:7", "--fit-limit", "0,95", "--series", "s.csv", "--image", "pic"});
  ASSERT_TRUE(r.options) << r.error;
  const BatchOptions& o = *r.options;
  using runs::SlotMode;
  using sim::Plate;
  ASSERT_EQ(o.runs.size(), 3u);
  EXPECT_EQ(o.runs[0], (RunSpec{SlotMode::Spherulite, 25, 0, 2, Plate::Off}));
  EXPECT_EQ(o.runs[1], (RunSpec{SlotMode::Cylindrite, 50, 10, 4, Plate::On}));
  EXPECT_EQ(o.runs[2], (RunSpec{SlotMode::Spherulite, 7, 0, 1, Plate::On}));
  EXPECT_EQ(o.fitLimit, 0.95);
  EXPECT_EQ(o.seriesPath, "s.csv");
  EXPECT_EQ(o.imagePrefix, "pic");
}

TEST(ParseArguments, WithoutARunTheDefaultBatch) {
  const ParseResult r = Parse({"--field", "500"});
  ASSERT_TRUE(r.options);
  ASSERT_EQ(r.options->runs.size(), 1u);
  EXPECT_EQ(r.options->runs[0], (RunSpec{runs::SlotMode::Spherulite, 25, 0, 1, sim::Plate::Off}));
  EXPECT_EQ(r.options->fitLimit, 0.99);
}

TEST(ParseArguments, BoundsAreAccepted) {
  for (auto args : std::vector<std::vector<std::string_view>>{
           {"spherulite:1"}, {"spherulite:2500"}, {"cylindrite:1:1"}, {"cylindrite:2500:180"},
           {"--fit-limit", "0.9"}, {"--fit-limit", "0.99999"}, {"--help"},
           std::vector<std::string_view>(8, "spherulite:3")}) {
    EXPECT_TRUE(Parse(args).options) << args[0];
  }
}

TEST(ParseArguments, BadArgumentsNameThemselves) {
  struct Case {
    std::vector<std::string_view> args;
    const char* mentions;  // the message names the argument
  };
  const Case cases[] = {
      {{"spherulite:0"}, "spherulite:0"},
      {{"spherulite:2501"}, "2500"},
      {{"spherulite:2.5"}, "spherulite:2.5"},
      {{"spherulite:"}, "spherulite:"},
      {{"spherulite:1e3"}, "spherulite:1e3"},
      {{"spherulite:25:3"}, "spherulite:25:3"},
      {{"cylindrite:25"}, "cylindrite:25"},
      {{"cylindrite:25:0"}, "180"},
      {{"cylindrite:25:181"}, "cylindrite:25:181"},
      {{"cylindrite:x:5"}, "cylindrite:x:5"},
      {{"dendrite:5"}, "dendrite:5"},
      {{"spherulite:\n5"}, "'spherulite:\\n5'"},  // a control character must not break the line
      {{"--plate", "o\rn"}, "'o\\x0dn'"},
      {{"--field", "750"}, "750"},
      {{"--field", "1e3"}, "--field"},
      {{"--field"}, "--field"},
      {{"--plate", "ON"}, "ON"},
      {{"--fit-limit", "1"}, "--fit-limit"},
      {{"--fit-limit", "0.89999"}, "0.89999"},
      {{"--fit-limit", "nan"}, "nan"},
      {{"--fit-limit", "inf"}, "inf"},
      {{"--fit-limit", "abc"}, "abc"},
      {{"--series", ""}, "--series"},
      {{"--threads-please"}, "--threads-please"},
      {{std::vector<std::string_view>(9, "spherulite:3")}, "at most 8"},
  };
  for (const Case& c : cases) {
    const ParseResult r = Parse(c.args);
    EXPECT_FALSE(r.options) << c.mentions;
    EXPECT_NE(r.error.find(c.mentions), std::string::npos) << r.error;
    EXPECT_EQ(r.error.find('\n'), std::string::npos) << r.error;
  }
}

}  // namespace
}  // namespace polycryst::batch
