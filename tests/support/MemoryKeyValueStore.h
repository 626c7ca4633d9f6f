#pragma once
// A settings store held in memory, for tests that must not touch the user's settings.
// Integers are kept as their decimal text, as a settings file keeps them, so an integer
// reads back as a text and a decimal text reads back as an integer.
#include <map>

#include "platform/KeyValueStore.h"

class MemoryKeyValueStore final : public KeyValueStore {
 public:
  std::optional<std::int32_t> ReadInteger(const std::string& key, const std::string& name) const override;
  std::optional<std::string> ReadString(const std::string& key, const std::string& name) const override;
  bool WriteInteger(const std::string& key, const std::string& name, std::int32_t value) override;
  bool WriteString(const std::string& key, const std::string& name, const std::string& value) override;
  bool DeleteKey(const std::string& key) override;
  bool Flush() override { return true; }

 private:
  using Values = std::map<std::string, std::string>;
  std::map<std::string, Values> keys_;
};
