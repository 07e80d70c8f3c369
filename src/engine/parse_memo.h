// Work that several rows of one parse would do alike, done once. Many
// layouts of a family read the same part of the same decoded text the same
// way (the AAMVA layouts that accept one header walk the same elements; the
// stripe layouts that cut the same track parse its fields alike). Such a
// step only stores, and what it stores depends on nothing but what its key
// names; so it runs once into the memo, and every later row with the same
// key gets the fields it left copied into its own record.
//
// The engine provides one memo per parse (empty at the start, so an answer
// never depends on an earlier parse) and empties it whenever a text its keys
// may point into is overwritten. A record without a memo runs its steps as
// they are.
#pragma once

#include <cstdint>
#include <cstring>

#include "engine/record.h"

namespace tavrix {

// What a step reads: its inputs (spans of the decoded text, the functions
// it calls, the few characters that steer it), written as words by the
// family that memoises the step. Unused words stay zero.
struct MemoKey {
  static constexpr int32_t kWords = 14;
  uint64_t words[kWords] = {};
  int32_t used = 0;
  uint64_t hash = 0;  // of the words, so that most keys that differ are told apart at once

  void add(uint64_t word) {
    if (used < kWords) words[used] = word;
    ++used;  // a key that outgrows its words is never looked up or kept
    hash = (hash ^ word) * 0x9E3779B97F4A7C15u;
  }
  void add(const void* pointer) { add(static_cast<uint64_t>(reinterpret_cast<uintptr_t>(pointer))); }
  void add(Span span) {
    add(span.data);
    add(static_cast<uint64_t>(static_cast<uint32_t>(span.length)));
  }
  bool valid() const { return used <= kWords; }
  bool operator==(const MemoKey& other) const {
    return used == other.used && std::memcmp(words, other.words, sizeof words) == 0;
  }
};

class ParseMemo {
 public:
  // `storage` holds the stored texts of every kept step; it is only
  // written to, never read past what a step stored.
  ParseMemo(char* storage, int32_t capacity) : storage_(storage), capacity_(capacity) {}
  ParseMemo(const ParseMemo&) = delete;
  ParseMemo& operator=(const ParseMemo&) = delete;

  // Drops every kept step.
  void forget() {
    entryCount_ = 0;
    storeCount_ = 0;
    storageUsed_ = 0;
  }

  // The stores of the step with `key`, replayed into `record`: true, or
  // false when the step has not been kept.
  bool replay(const MemoKey& key, FieldRecord* record) const;

  // Where a record stood before a step ran on it.
  struct Mark {
    uint64_t touched[kSlotWords];
    int32_t used;
  };
  // Makes the record count its touched slots afresh, so that what the next
  // step stores can be told apart.
  static Mark beginRecording(FieldRecord* record);
  // Keeps what the step stored into `record` since `mark` under `key` (when
  // it fits) and lets the record count its earlier slots as touched again.
  void keep(const MemoKey& key, FieldRecord* record, const Mark& mark);

 private:
  static constexpr int32_t kEntries = 24;
  static constexpr int32_t kStores = 768;

  // Entries and stores are written before they are read and left
  // uninitialised, so that a parse that keeps nothing pays nothing for the
  // memo.
  struct Entry {
    uint64_t keyHash;
    uint64_t keyWords[MemoKey::kWords];
    int32_t keyUsed;
    int32_t firstStore;
    int32_t storeCount;
    int32_t textStart;  // the step's stored texts, in the storage
    int32_t textLength;
  };
  struct Store {
    int32_t field;
    int32_t offset;  // into the step's stored texts
    int32_t length;  // 0: the store cleared the field
  };

  char* storage_;
  int32_t capacity_;
  int32_t storageUsed_ = 0;
  int32_t entryCount_ = 0;
  int32_t storeCount_ = 0;
  Entry entries_[kEntries];
  Store stores_[kStores];
};

// Runs `step(record)`, a step that only stores into the record it is given
// (and reads none of it), through the record's memo: the first time under
// `key` it runs and what it stored is kept; every later time it is copied.
template <typename Step>
void memoStores(FieldRecord* record, const MemoKey& key, Step step) {
  ParseMemo* memo = record->memo;
  if (memo == nullptr || !key.valid()) {
    step(record);
    return;
  }
  if (memo->replay(key, record)) return;
  const ParseMemo::Mark mark = ParseMemo::beginRecording(record);
  step(record);
  memo->keep(key, record, mark);
}

}  // namespace tavrix
