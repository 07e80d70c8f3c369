// Building blocks of the registry: each format family exports its rows as
// one block, and the registry joins the blocks in the order they are tried.
// The checks here run at compile time on every block and on the whole.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/registry.h"

namespace tavrix {

// A slot the compiler can tell is null. Under GCC's null-pointer sanitizers
// a function's address is no constant, so a slot that names a function is
// then simply not known to be null (and the checks below still hold).
template <typename Function>
constexpr bool knownNull(Function* slot) {
  return __builtin_constant_p(slot == nullptr) && slot == nullptr;
}

// A family's block holds each of its format ids firstId..lastId exactly
// once, all of its own document class, each with a decoder and one parser.
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
    if (row.documentClass != documentClass || knownNull(row.decoder)) return false;
    if (knownNull(row.parser) == knownNull(row.editingParser)) return false;
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
