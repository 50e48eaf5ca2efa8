#pragma once
// The pseudo-random generator that places the nuclei: a 64-bit linear congruential
// generator, S = S * 1486058704437 + 1 (mod 2^64), whose draw is bits 32..62 of S.
// Seeding with s sets the low half to s * 22695477 + 1 (mod 2^32) and the high half
// to 0. Seeded with 1, the first draws are 1410184549, 672584604, 1915668986.

#include <cstdint>

namespace polycryst::sim {

class Generator {
 public:
  void Seed(std::uint32_t s) {
    const std::uint32_t low = s * 22695477u + 1u;
    state_ = low;
  }

  // 0 .. 2147483647
  std::int32_t Draw() {
    state_ = state_ * 1486058704437ull + 1ull;
    return static_cast<std::int32_t>((state_ >> 32) & 0x7fffffffu);
  }

  // 0 .. n-1 from one draw; 0 without drawing when n is 0.
  std::int32_t RandomBelow(std::int32_t n) {
    if (n == 0) return 0;
    return Draw() % n;
  }

  std::uint32_t Low() const { return static_cast<std::uint32_t>(state_); }
  std::uint32_t High() const { return static_cast<std::uint32_t>(state_ >> 32); }

 private:
  std::uint64_t state_ = 0;
};

}  // namespace polycryst::sim
