// The batch tool against the reference results in tests/data/golden, once through the
// core in this process and once as a process of its own.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "batch/batch.hpp"
#include "support/png_reader.hpp"

namespace polycryst::batch {
namespace {

namespace fs = std::filesystem;

const fs::path GoldenRoot = fs::path(POLYCRYST_TEST_DATA) / "golden";

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::vector<std::string> Split(const std::string& s, char sep) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(s);
  while (std::getline(in, part, sep)) parts.push_back(part);
  return parts;
}

// The arguments of command.txt, without the program name.
std::vector<std::string> GoldenArguments(const fs::path& dir) {
  std::vector<std::string> words;
  std::istringstream in(ReadFile(dir / "command.txt"));
  std::string w;
  while (in >> w) words.push_back(w);
  words.erase(words.begin());
  return words;
}

// x, rate and time must be equal; the smoothed rate to 1e-12 relative.
void ExpectSeriesMatch(const std::string& actual, const std::string& expected) {
  const auto a = Split(actual, '\n');
  const auto e = Split(expected, '\n');
  ASSERT_EQ(a.size(), e.size());
  ASSERT_EQ(a[0], e[0]);
  for (std::size_t i = 1; i < e.size(); ++i) {
    const auto ac = Split(a[i], ',');
    const auto ec = Split(e[i], ',');
    ASSERT_EQ(ac.size(), 6u) << a[i];
    for (int c = 0; c < 5; ++c) ASSERT_EQ(ac[c], ec[c]) << "line " << i + 1;
    const double as = std::stod(ac[5]);
    const double es = std::stod(ec[5]);
    ASSERT_LE(std::abs(as - es), 1e-12 * std::abs(es)) << "line " << i + 1;
  }
}

class Golden : public ::testing::TestWithParam<const char*> {
 protected:
  fs::path Dir() const { return GoldenRoot / GetParam(); }
  std::vector<int> Slots() const {
    std::vector<int> slots;
    for (int k = 1; k <= 8; ++k) {
      if (fs::exists(Dir() / ("slot" + std::to_string(k) + ".png"))) slots.push_back(k);
    }
    return slots;
  }
};

TEST_P(Golden, CoreGivesTheReferenceResults) {
  std::vector<std::string> words = GoldenArguments(Dir());
  std::vector<std::string_view> args(words.begin(), words.end());
  const ParseResult parsed = ParseArguments(args);
  ASSERT_TRUE(parsed.options) << parsed.error;
  auto batch = std::make_unique<Batch>();
  std::string error;
  ASSERT_TRUE(batch->Run(*parsed.options, error)) << error;

  std::ostringstream table;
  batch->WriteTable(table);
  EXPECT_EQ(table.str(), ReadFile(Dir() / "summary.tsv"));
  std::ostringstream series;
  batch->WriteSeries(series);
  ExpectSeriesMatch(series.str(), ReadFile(Dir() / "series.csv"));
  for (int k : Slots()) {
    const auto expected = testing::ReadPng((Dir() / ("slot" + std::to_string(k) + ".png")).string());
    ASSERT_TRUE(expected);
    EXPECT_TRUE(batch->SlotPicture(k) == *expected) << "slot " << k;
  }
}

// Runs the batch tool in dir with the given arguments; returns the exit status.
int RunTool(const fs::path& dir, const std::vector<std::string>& args, std::string& out, std::string& err) {
  std::string command = "cd '" + dir.string() + "' && '" + POLYCRYST_BATCH_EXE + "'";
  for (const auto& a : args) command += " '" + a + "'";
  command += " > stdout.txt 2> stderr.txt";
  const int status = std::system(command.c_str());
  out = ReadFile(dir / "stdout.txt");
  err = ReadFile(dir / "stderr.txt");
  fs::remove(dir / "stdout.txt");
  fs::remove(dir / "stderr.txt");
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

fs::path FreshDirectory(const std::string& name) {
  const fs::path dir = fs::temp_directory_path() / ("polycryst-" + name + "-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

TEST_P(Golden, ToolWritesTheReferenceFiles) {
  const fs::path work = FreshDirectory(GetParam());
  std::string out, err;
  ASSERT_EQ(RunTool(work, GoldenArguments(Dir()), out, err), 0) << err;
  EXPECT_EQ(err, "");
  EXPECT_EQ(out, ReadFile(Dir() / "summary.tsv"));
  ExpectSeriesMatch(ReadFile(work / "series.csv"), ReadFile(Dir() / "series.csv"));
  for (int k : Slots()) {
    const auto actual = testing::ReadPng((work / ("field-slot" + std::to_string(k) + ".png")).string());
    const auto expected = testing::ReadPng((Dir() / ("slot" + std::to_string(k) + ".png")).string());
    ASSERT_TRUE(actual && expected) << "slot " << k;
    EXPECT_TRUE(*actual == *expected) << "slot " << k;
  }
  EXPECT_FALSE(fs::exists(work / ("field-slot" + std::to_string(Slots().size() + 1) + ".png")));
  fs::remove_all(work);
}

INSTANTIATE_TEST_SUITE_P(Reference, Golden,
                         ::testing::Values("default-spherulites", "large-field-plate-on", "small-field-mixed"));

TEST(Tool, BadArgumentWritesNothing) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--series", "s.csv", "--image", "p", "spherulite:0"},
        {"--series", "s.csv", "--image", "p", "spherulite:5", "--plate", "maybe"},
        {"--image", "p", "--series", "s.csv", "cylindrite:3:999"},
        {"--series", "s.csv", "--bogus"}}) {
    const fs::path work = FreshDirectory("bad");
    std::string out, err;
    EXPECT_EQ(RunTool(work, args, out, err), 2);
    EXPECT_EQ(out, "");
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_TRUE(fs::is_empty(work)) << err;
    fs::remove_all(work);
  }
}

TEST(Tool, UnwritableOutputIsAFailure) {
  const fs::path work = FreshDirectory("unwritable");
  std::string out, err;
  EXPECT_EQ(RunTool(work, {"--field", "500", "--series", "no/such/dir/s.csv"}, out, err), 1);
  EXPECT_NE(err.find("no/such/dir/s.csv"), std::string::npos);
  EXPECT_EQ(RunTool(work, {"--field", "500", "--image", "no/such/dir/p"}, out, err), 1);
  EXPECT_NE(err.find("no/such/dir/p-slot1.png"), std::string::npos);
  fs::remove_all(work);
}

TEST(Tool, HelpShowsTheUsage) {
  const fs::path work = FreshDirectory("help");
  std::string out, err;
  EXPECT_EQ(RunTool(work, {"--help"}, out, err), 0);
  EXPECT_NE(out.find("spherulite:N"), std::string::npos);
  EXPECT_EQ(err, "");
  fs::remove_all(work);
}

}  // namespace
}  // namespace polycryst::batch
