#include "text/cmcHash.h"

#include "platform/Fatal.h"

uint32_t HashBucket(std::string_view key, uint32_t bucketCount) {
  if (bucketCount == 0) bucketCount = cmcHash::kDefaultBuckets;
  const int32_t half = static_cast<int32_t>(bucketCount / 2);
  int32_t m = half;
  uint32_t h = 0;  // wraps around like the 32-bit original
  for (std::size_t i = 0; i < key.size(); ++i) {
    const auto c = static_cast<int32_t>(static_cast<signed char>(key[i]));
    h = h * 2 + static_cast<uint32_t>(m) + static_cast<uint32_t>(c);
    const unsigned char following = i + 1 < key.size() ? static_cast<unsigned char>(key[i + 1]) : 0;
    if (following & 1) {
      m >>= 1;
      if (m == 0) m = half;
    }
  }
  return h % bucketCount;
}

template <typename Value>
void HashTable<Value>::Insert(std::string_view key, Value value) {
  if (Find(key) != nullptr) Fatal(duplicateMessage_);
  buckets_[Hash(key)].push_front(Node{std::string(key), value});
}

template class HashTable<int32_t>;
template class HashTable<const FCacheEntry*>;
