#pragma once
// String-keyed hash tables with chained buckets. cmcHash maps names (categories, cell
// identifiers, colours) to integers; cmcHash2 maps selection-list keys to cache entries.
// Keys are compared byte for byte; inserting a key twice is a defect of the built-in tables.
#include <cstdint>
#include <forward_list>
#include <string>
#include <string_view>
#include <vector>

// The bucket of key among bucketCount buckets (0 gives the default 1,031).
uint32_t HashBucket(std::string_view key, uint32_t bucketCount);

template <typename Value>
class HashTable {
 public:
  static constexpr uint32_t kDefaultBuckets = 1031;

  HashTable(uint32_t bucketCount, const char* duplicateMessage)
      : buckets_(bucketCount == 0 ? kDefaultBuckets : bucketCount), duplicateMessage_(duplicateMessage) {}

  uint32_t Hash(std::string_view key) const { return HashBucket(key, static_cast<uint32_t>(buckets_.size())); }

  // Adds key at the head of its bucket chain; a key already present is fatal.
  void Insert(std::string_view key, Value value);

  // The value stored under key, or nullptr.
  const Value* Find(std::string_view key) const {
    for (const Node& node : buckets_[Hash(key)]) {
      if (node.key == key) return &node.value;
    }
    return nullptr;
  }

 private:
  struct Node {
    std::string key;
    Value value;
  };
  std::vector<std::forward_list<Node>> buckets_;
  const char* duplicateMessage_;
};

class cmcHash : public HashTable<int32_t> {
 public:
  explicit cmcHash(uint32_t bucketCount = 0) : HashTable(bucketCount, "Overlapped Hash table.") {}
};

struct FCacheEntry;

class cmcHash2 : public HashTable<const FCacheEntry*> {
 public:
  explicit cmcHash2(uint32_t bucketCount = 0) : HashTable(bucketCount, "Overlapped Hash2 table.") {}
};
