#pragma once
// A failed property in a fuzzer: say which and stop, so that libFuzzer keeps the input.

#include <cstdio>
#include <string>
#include <string_view>

#define FUZZ_REQUIRE(condition, ...)                                                  \
  do {                                                                                \
    if (!(condition)) {                                                               \
      std::fprintf(stderr, "%s:%d: property failed: %s\n  ", __FILE__, __LINE__, #condition); \
      std::fprintf(stderr, __VA_ARGS__);                                              \
      std::fputc('\n', stderr);                                                       \
      __builtin_trap();                                                               \
    }                                                                                 \
  } while (false)

namespace polycryst::fuzz {

inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The text without the blanks and tabs around it, as the entry readers see it.
inline std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace polycryst::fuzz

// The input with everything but printable ASCII written as \xNN, for failure messages.
inline std::string Printable(std::string_view s) {
  std::string out;
  for (const unsigned char c : s) {
    if (c >= 0x20 && c < 0x7f && c != '\\') {
      out += static_cast<char>(c);
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02x", c);
      out += buf;
    }
  }
  return out;
}
