#include "engine/parse_memo.h"

namespace tavrix {

bool ParseMemo::replay(const MemoKey& key, FieldRecord* record) const {
  for (int32_t e = 0; e < entryCount_; ++e) {
    const Entry& entry = entries_[e];
    if (entry.keyUsed != key.used || std::memcmp(entry.keyWords, key.words, sizeof key.words) != 0) continue;
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

FieldRecord* ParseMemo::beginRecording() {
  if (entryCount_ >= kEntries || storage_ == nullptr || storageUsed_ >= capacity_) return nullptr;
  // The recording record writes after what the kept steps stored; its
  // slots start empty. Nothing reads its bytes past what a store wrote, so
  // the storage needs no zeroing.
  if (!recording_.has_value()) recording_.emplace();
  FieldRecord& recording = *recording_;
  for (int32_t w = 0; w < kSlotWords; ++w) {
    for (uint64_t bits = recording.touched[w]; bits != 0; bits &= bits - 1) {
      recording.slots[w * 64 + __builtin_ctzll(bits)] = FieldSlot{};
    }
    recording.touched[w] = 0;
  }
  recording.arena = TextArena{.storage = storage_ + storageUsed_, .capacity = capacity_ - storageUsed_};
  return &recording;
}

bool ParseMemo::keep(const MemoKey& key) {
  if (!recording_.has_value() || entryCount_ >= kEntries) return false;
  const FieldRecord& recording = *recording_;
  if (recording.arena.overflowed) return false;
  Entry& entry = entries_[entryCount_];
  std::memcpy(entry.keyWords, key.words, sizeof key.words);
  entry.keyUsed = key.used;
  entry.firstStore = storeCount_;
  entry.storeCount = 0;
  entry.textStart = storageUsed_;
  entry.textLength = recording.arena.used;
  for (int32_t w = 0; w < kSlotWords; ++w) {
    for (uint64_t bits = recording.touched[w]; bits != 0; bits &= bits - 1) {
      if (storeCount_ >= kStores) {
        storeCount_ = entry.firstStore;
        return false;
      }
      const int32_t id = w * 64 + __builtin_ctzll(bits);
      const FieldSlot& slot = recording.slots[id];
      const bool filled = slot.data != nullptr && slot.length >= 1;
      stores_[storeCount_++] = Store{.field = id,
                                     .offset = filled ? static_cast<int32_t>(slot.data - recording.arena.storage) : 0,
                                     .length = filled ? slot.length : 0};
      ++entry.storeCount;
    }
  }
  storageUsed_ += recording.arena.used;
  ++entryCount_;
  return true;
}

}  // namespace tavrix
