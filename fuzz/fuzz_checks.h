// The promises every fuzz target checks on each input, whatever family it
// aims at: VTX_parse answers a documented code; every getter and validator,
// called with hostile capacities and arguments, answers a documented code,
// writes nothing past its capacity, and returns a NUL-terminated printable
// value; a value that fits is the same at every capacity, and one that does
// not is cut, never changed; the answers of a fresh handle equal those of a
// handle that parsed a large text and every earlier input first.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tavrix_fuzz {

// Stops the process with a message naming the broken promise.
[[noreturn]] void fail(const char* what, const char* where, int32_t capacity, int32_t rc);

// The checks above. `capacitySeed` picks, per getter, which capacities
// beside the fixed hostile ones are tried around the value's own length.
void checkParseAndGetters(const uint8_t* data, size_t size, uint32_t capacitySeed);

// Runs every registry row whose format id lies in [firstId, lastId] straight
// on the text (decoder, then parser), as the engine would if each were the
// only row: the row answers 0 or a refusal code, a row that does not say it
// edits its text leaves the decoded text unchanged, and the same text twice
// gives the same record.
void checkRows(const uint8_t* data, size_t size, uint32_t firstId, uint32_t lastId);

}  // namespace tavrix_fuzz
