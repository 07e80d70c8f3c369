#include "engine/parse_memo.h"

namespace tavrix {

bool ParseMemo::replay(const MemoKey& key, FieldRecord* record) const {
  for (int32_t e = 0; e < entryCount_; ++e) {
    const Entry& entry = entries_[e];
    if (entry.keyHash != key.hash || entry.keyUsed != key.used ||
        std::memcmp(entry.keyWords, key.words, sizeof key.words) != 0) {
      continue;
    }
    const Store* const first = stores_ + entry.firstStore;
    const Store* const end = first + entry.storeCount;
    const char* const texts = storage_ + entry.textStart;
    TextArena& arena = record->arena;
    if (arena.storage != nullptr && arena.used >= 0 && arena.capacity - arena.used > entry.textLength) {
      // Everything the step stored fits: its texts are copied as one block
      // and the slots pointed into it, as the step's own stores would have.
      char* const block = arena.storage + arena.used;
      std::memcpy(block, texts, static_cast<size_t>(entry.textLength));
      arena.used += entry.textLength;
      for (const Store* store = first; store != end; ++store) {
        record->touched[store->field >> 6] |= uint64_t{1} << (store->field & 63);
        record->slots[store->field] =
            store->length > 0 ? FieldSlot{block + store->offset, store->length} : FieldSlot{};
      }
      return true;
    }
    for (const Store* store = first; store != end; ++store) {
      recordSetSpan(record, store->field, Span{texts + store->offset, store->length});
    }
    return true;
  }
  return false;
}

ParseMemo::Mark ParseMemo::beginRecording(FieldRecord* record) {
  Mark mark;
  for (int32_t w = 0; w < kSlotWords; ++w) {
    mark.touched[w] = record->touched[w];
    record->touched[w] = 0;
  }
  mark.used = record->arena.used;
  return mark;
}

void ParseMemo::keep(const MemoKey& key, FieldRecord* record, const Mark& mark) {
  // The step's stores are the slots touched since the mark; their texts
  // lie in the arena after the mark's end.
  const TextArena& arena = record->arena;
  const int32_t textLength = arena.used - mark.used;
  bool fits = !arena.overflowed && entryCount_ < kEntries && storage_ != nullptr && mark.used >= 0 &&
              textLength >= 0 && textLength <= capacity_ - storageUsed_;
  int32_t storeCount = 0;
  for (int32_t w = 0; w < kSlotWords; ++w) storeCount += __builtin_popcountll(record->touched[w]);
  fits = fits && storeCount <= kStores - storeCount_;
  if (fits) {
    Entry& entry = entries_[entryCount_++];
    entry.keyHash = key.hash;
    std::memcpy(entry.keyWords, key.words, sizeof key.words);
    entry.keyUsed = key.used;
    entry.firstStore = storeCount_;
    entry.storeCount = storeCount;
    entry.textStart = storageUsed_;
    entry.textLength = textLength;
    const char* const texts = arena.storage + mark.used;
    if (textLength > 0) std::memcpy(storage_ + storageUsed_, texts, static_cast<size_t>(textLength));
    storageUsed_ += textLength;
    for (int32_t w = 0; w < kSlotWords; ++w) {
      for (uint64_t bits = record->touched[w]; bits != 0; bits &= bits - 1) {
        const int32_t id = w * 64 + __builtin_ctzll(bits);
        const FieldSlot& slot = record->slots[id];
        const bool filled = slot.data != nullptr && slot.length >= 1;
        stores_[storeCount_++] = Store{.field = id,
                                       .offset = filled ? static_cast<int32_t>(slot.data - texts) : 0,
                                       .length = filled ? slot.length : 0};
      }
    }
  }
  for (int32_t w = 0; w < kSlotWords; ++w) record->touched[w] |= mark.touched[w];
}

}  // namespace tavrix
