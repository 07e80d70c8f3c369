// The benchmarks' text that fits no format: letters, digits, a little
// punctuation and line feeds from a fixed pseudo-random sequence, so every
// run times the same bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

inline std::string noiseText(size_t size) {
  std::string text;
  uint32_t state = 7;
  const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ,.-\n";
  while (text.size() < size) {
    state = state * 1664525u + 1013904223u;
    text += alphabet[(state >> 24) % (sizeof alphabet - 1)];
  }
  return text;
}
