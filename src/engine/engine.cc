#include "engine/engine.h"

#include <cstring>

#include "engine/ascii_classes.h"
#include "engine/parse_memo.h"
#include "fields/field_ids.h"

namespace tavrix {
namespace {

// The decodings of one parse. Each decoder runs at most once; its text
// stays in its own region, upper-cased unless the decoder is the verbatim
// one, for every row that uses it.
class DecodingCache {
 public:
  DecodingCache(const char* input, int32_t length, char* work, int32_t regionCapacity, ParseMemo* memo)
      : input_(input), length_(length), work_(work), capacity_(regionCapacity), memo_(memo) {}

  // The row's decoded text, or false when its decoder refuses the input.
  bool textFor(Decoder decoder, const char** text, int32_t* n) {
    int32_t region = 0;
    while (region < used_ && decoders_[region] != decoder) ++region;
    if (region == used_) {
      // A table with more decoders than regions reuses the oldest region.
      if (used_ < kDecodingRegions) {
        ++used_;
      } else {
        region = next_;
        next_ = (next_ + 1) % kDecodingRegions;
        // What the memo kept may point into the text about to be replaced.
        memo_->forget();
      }
      decoders_[region] = decoder;
      char* out = regionText(region);
      int32_t base = 0;
      if (decoder == decodeNormalizedPrintable && find(decodeNormalized, &base) && base != region && ok_[base]) {
        // The printable decoding is the normalised one with one more pass.
        const int32_t m = lengths_[base];
        std::memcpy(out, regionText(base), static_cast<size_t>(m) + 1);
        normalizedToPrintable(out, m);
        ok_[region] = true;
        lengths_[region] = m;
      } else {
        int32_t m = 0;
        ok_[region] = decoder(input_, length_, out, capacity_ - 1, &m) == VTX_OK;
        if (m < 0) m = 0;
        if (m > capacity_ - 1) m = capacity_ - 1;
        if (decoder != decodeVerbatim) upperCaseInPlace(out, m);
        lengths_[region] = m;
      }
    }
    *text = regionText(region);
    *n = lengths_[region];
    return ok_[region];
  }

  bool find(Decoder decoder, int32_t* region) const {
    for (int32_t r = 0; r < used_; ++r) {
      if (decoders_[r] == decoder) {
        *region = r;
        return true;
      }
    }
    return false;
  }

  // Regions past the decodings: an editable copy and the scoring's scratch.
  char* editRegion() const { return regionText(kDecodingRegions); }
  char* scratchRegion() const { return regionText(kDecodingRegions + 1); }
  int32_t capacity() const { return capacity_; }

 private:
  char* regionText(int32_t region) const { return work_ + static_cast<size_t>(region) * static_cast<size_t>(capacity_); }

  const char* input_;
  int32_t length_;
  char* work_;
  int32_t capacity_;
  ParseMemo* memo_;
  Decoder decoders_[kDecodingRegions] = {};
  int32_t lengths_[kDecodingRegions] = {};
  bool ok_[kDecodingRegions] = {};
  int32_t used_ = 0;
  int32_t next_ = 0;
};

bool rowRunnable(const FormatRow& row) {
  return row.decoder != nullptr && (row.parser == nullptr) != (row.editingParser == nullptr);
}

// Copies the record `from` (slots and arena) into `to`, whose arena is at
// least as large; `to` then reads exactly as `from` did.
void recordCopy(const FieldRecord& from, FieldRecord* to) {
  recordClear(to);
  std::memcpy(to->arena.storage, from.arena.storage, static_cast<size_t>(from.arena.used));
  to->arena.used = from.arena.used;
  to->arena.overflowed = to->arena.overflowed || from.arena.overflowed;
  to->documentClass = from.documentClass;
  to->formatId = from.formatId;
  for (int32_t w = 0; w < kSlotWords; ++w) {
    to->touched[w] = from.touched[w];
    for (uint64_t bits = from.touched[w]; bits != 0; bits &= bits - 1) {
      const int32_t id = w * 64 + __builtin_ctzll(bits);
      const FieldSlot& slot = from.slots[id];
      to->slots[id] = slot.data == nullptr ? FieldSlot{}
                                           : FieldSlot{to->arena.storage + (slot.data - from.arena.storage), slot.length};
    }
  }
}

}  // namespace

void upperCaseInPlace(char* text, int32_t length) {
  // Without a branch, so that the compiler can work on many bytes at once.
  for (int32_t i = 0; i < length; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    text[i] = static_cast<char>(c - (static_cast<unsigned char>(c - 'a') < 26 ? 32 : 0));
  }
}

void recordMakePrintable(FieldRecord* record) {
  TextArena& arena = record->arena;
  // Without a branch, so that the compiler can work on many bytes at once.
  for (int32_t i = 0; i < arena.used; ++i) {
    const unsigned char c = static_cast<unsigned char>(arena.storage[i]);
    const bool keep = c == 0 || static_cast<unsigned char>(c - 0x20) <= 0x7E - 0x20;
    arena.storage[i] = static_cast<char>(keep ? c : ' ');
  }
  // A NUL inside a field's own extent (a verbatim input may carry one)
  // would cut the value short for C and Java callers. Only slots a store
  // touched can hold text.
  for (int32_t w = 0; w < kSlotWords; ++w) {
    for (uint64_t bits = record->touched[w]; bits != 0; bits &= bits - 1) {
      const FieldSlot& slot = record->slots[w * 64 + __builtin_ctzll(bits)];
      if (slot.data == nullptr || slot.length < 1) continue;
      char* text = arena.storage + (slot.data - arena.storage);
      for (int32_t i = 0; i < slot.length; ++i) {
        if (text[i] == '\0') text[i] = ' ';
      }
    }
  }
}

// Every row is tried on its own decoding, on a cleared record, and scored;
// the best row (the earlier one on a tie) is the answer. Nothing here can
// be seen from outside but the record it leaves, which is the record the
// best row's parser stores on a fresh run, plus the version number:
// - each decoder runs once per parse and its text is kept for every row
//   that uses it (the texts are read-only to the parsers; a row that edits
//   its text gets a copy);
// - the candidate is parsed into the spare record while the handle's record
//   keeps the best so far; a better candidate swaps the two, so the winner
//   never has to run a second time;
// - clearing a record resets only the slots a store touched.
int32_t runParseEngine(const FormatTable& table, const char* input, int32_t length, const EngineRoom& room,
                       const ParserHandle* context) {
  if (input == nullptr) return VTX_ERR_NO_DATA;
  if (length < 1) return VTX_ERR_NO_LENGTH;
  if (room.work == nullptr || room.regionCapacity < 2 || room.record == nullptr || room.spare == nullptr) {
    return VTX_ERR_ARGUMENT;
  }
  FieldRecord* held = room.record;      // the best candidate so far (or the last one tried)
  FieldRecord* candidate = room.spare;  // where the next row parses
  if (held->arena.storage == nullptr || held->arena.capacity < 1 || candidate->arena.storage == nullptr ||
      candidate->arena.capacity < held->arena.capacity) {
    return VTX_ERR_NO_STORAGE;
  }

  // The memo lives for this parse only: both records lose it on return.
  ParseMemo memo(room.work + static_cast<size_t>(kDecodingRegions + 2) * static_cast<size_t>(room.regionCapacity),
                 room.regionCapacity);
  DecodingCache decodings(input, length, room.work, room.regionCapacity, &memo);
  held->memo = &memo;
  candidate->memo = &memo;
  int32_t bestScore = -9999;
  int32_t bestRow = -1;
  char bestVersion[2] = {};
  bool bestHasVersion = false;

  for (int32_t r = 0; r < table.count; ++r) {
    const FormatRow& row = table.rows[r];
    if (!rowRunnable(row)) continue;
    const char* decoded = nullptr;
    int32_t n = 0;
    if (!decodings.textFor(row.decoder, &decoded, &n)) continue;
    recordClear(candidate);
    const char* text = decoded;
    int32_t rc = 0;
    if (row.editingParser != nullptr) {
      char* copy = decodings.editRegion();
      // The copy replaces the last one, into which the memo may point.
      memo.forget();
      std::memcpy(copy, decoded, static_cast<size_t>(n));
      copy[n] = '\0';
      text = copy;
      rc = row.editingParser(copy, n, candidate, context);
    } else {
      rc = row.parser(decoded, n, candidate, context);
    }
    int32_t score = rc == VTX_OK ? recordFilledCount(candidate) : 0;
    if (rc == VTX_OK && score != 0 &&
        (row.expectedCountry != nullptr || row.expectedJurisdiction != nullptr) && table.adjust != nullptr) {
      score += table.adjust(candidate, &row, decodings.scratchRegion(), decodings.capacity() - 1);
    }
    const bool better = rc == VTX_OK && score != 0 && score > bestScore;
    if (better) {
      bestScore = score;
      bestRow = r;
      Span version;
      bestHasVersion = findAamvaVersion(text, n, &version) == VTX_OK;
      if (bestHasVersion) std::memcpy(bestVersion, version.data, 2);
    }
    // The held record keeps the best candidate; before any, the last one.
    if (better || bestRow < 0) {
      FieldRecord* swap = held;
      held = candidate;
      candidate = swap;
    }
  }

  held->memo = nullptr;
  candidate->memo = nullptr;
  FieldRecord* answer = room.record;
  if (held != answer) recordCopy(*held, answer);
  if (bestRow < 0) {
    // The record keeps what the last row tried left in it; getters may
    // still read it, so it is made printable like a recognised record.
    answer->documentClass = kNoDocumentClass;
    answer->formatId = kNoFormatId;
    recordMakePrintable(answer);
    return VTX_ERR_UNRECOGNISED;
  }
  if (bestHasVersion) {
    recordSetField(answer, field::aamvaVersionNumber, Span{bestVersion, 2}, nullptr, nullptr, '\0');
  }
  const FormatRow& best = table.rows[bestRow];
  answer->documentClass = best.documentClass;
  answer->formatId = best.formatId;
  recordMakePrintable(answer);
  return VTX_OK;
}

int32_t findAamvaVersion(const char* text, int32_t length, Span* out) {
  if (out == nullptr || text == nullptr || length < 0) return VTX_ERR_ARGUMENT;
  if (length <= 13 || text[0] != '@') return VTX_ERR_NOT_AVAILABLE;
  for (int32_t p = 1; p <= length - 13; ++p) {
    const bool ansi = std::memcmp(text + p, "ANSI", 4) == 0;
    const bool aamva = std::memcmp(text + p, "AAMVA", 5) == 0;
    if (!ansi && !aamva) continue;
    bool digits = true;
    for (int32_t i = p + 5; i < p + 13; ++i) {
      if (text[i] < '0' || text[i] > '9') {
        digits = false;
        break;
      }
    }
    if (digits) {
      *out = Span{text + p + 11, 2};
      return VTX_OK;
    }
  }
  return VTX_ERR_NOT_AVAILABLE;
}

}  // namespace tavrix
