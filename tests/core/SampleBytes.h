#pragma once
#include <cstdint>
#include <random>
#include <string>
#include <vector>

// Test data for the file store: incompressible bytes and script-like text.
inline std::vector<std::uint8_t> RandomBytes(std::size_t n, unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<std::uint8_t> b(n);
  for (auto& x : b) x = static_cast<std::uint8_t>(rng());
  return b;
}

inline std::vector<std::uint8_t> TextBytes(std::size_t n) {
  const std::string words = "<a href=\"javascript:popup('page.htm')\">click here to preview your PopUp</a>\r\n";
  std::vector<std::uint8_t> b(n);
  for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<std::uint8_t>(words[(i * 7 + i / 13) % words.size()]);
  return b;
}
