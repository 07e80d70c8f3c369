// Building blocks of the registry: each format family exports its rows as
// one block, and the registry joins the blocks in the order they are tried.
// The checks here run at compile time on every block and on the whole.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/registry.h"

namespace tavrix {

// GCC's null-pointer sanitizer stops treating a function's address as
// non-null in constant expressions; under it the blocks are checked for ids
// and classes only (the engine still skips a row without decoder or parser).
#if defined(TAVRIX_SANITIZE_NULL)
inline constexpr bool kRowPointersConstant = false;
#else
inline constexpr bool kRowPointersConstant = true;
#endif

// A family's block holds each of its format ids firstId..lastId exactly
// once, all of its own document class. (That every row has a decoder and
// exactly one parser is checked by the tests: a sanitizer build cannot
// compare function pointers at compile time.)
template <size_t N>
constexpr bool familyComplete(const std::array<FormatRow, N>& rows, uint32_t documentClass, uint32_t firstId,
                              uint32_t lastId) {
  if (N != lastId - firstId + 1) return false;
  for (uint32_t id = firstId; id <= lastId; ++id) {
    int found = 0;
    for (const FormatRow& row : rows) found += row.formatId == id ? 1 : 0;
    if (found != 1) return false;
  }
  for (const FormatRow& row : rows) {
    if (row.documentClass != documentClass) return false;
  }
  return true;
}

// Every format id of the joined table is a real one and appears once.
template <size_t N>
constexpr bool formatIdsUnique(const std::array<FormatRow, N>& rows) {
  for (size_t i = 0; i < N; ++i) {
    if (rows[i].formatId >= kFormatCount) return false;
    for (size_t j = i + 1; j < N; ++j) {
      if (rows[i].formatId == rows[j].formatId) return false;
    }
  }
  return true;
}

template <size_t A, size_t B>
constexpr std::array<FormatRow, A + B> joinRows(const std::array<FormatRow, A>& first,
                                                const std::array<FormatRow, B>& second) {
  std::array<FormatRow, A + B> out{};
  for (size_t i = 0; i < A; ++i) out[i] = first[i];
  for (size_t i = 0; i < B; ++i) out[A + i] = second[i];
  return out;
}

template <size_t A, size_t B, typename... Rest>
constexpr auto joinRows(const std::array<FormatRow, A>& first, const std::array<FormatRow, B>& second,
                        const Rest&... rest) {
  return joinRows(joinRows(first, second), rest...);
}

}  // namespace tavrix
