#pragma once
// A store of settings that can also be changed. Writing a value creates its key (and the keys
// above it) when missing. A store may keep writes in memory until Flush.
#include "platform/KeyValueReader.h"

class KeyValueStore : public KeyValueReader {
 public:
  // Each answers false when the store refuses the write (a key it does not hold, a
  // read-only store).
  virtual bool WriteInteger(const std::string& key, const std::string& name, std::int32_t value) = 0;
  virtual bool WriteString(const std::string& key, const std::string& name, const std::string& value) = 0;

  // Removes key with all its values and all keys below it. A key that does not exist is
  // already removed: true.
  virtual bool DeleteKey(const std::string& key) = 0;

  // Makes every write so far durable; false when the store could not be saved.
  virtual bool Flush() = 0;
};
