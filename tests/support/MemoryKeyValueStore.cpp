#include "support/MemoryKeyValueStore.h"

#include <charconv>

std::optional<std::int32_t> MemoryKeyValueStore::ReadInteger(const std::string& key, const std::string& name) const {
  const std::optional<std::string> text = ReadString(key, name);
  if (!text) return std::nullopt;
  std::int32_t value = 0;
  const char* end = text->data() + text->size();
  const auto [stop, error] = std::from_chars(text->data(), end, value);
  if (error != std::errc{} || stop != end) return std::nullopt;
  return value;
}

std::optional<std::string> MemoryKeyValueStore::ReadString(const std::string& key, const std::string& name) const {
  const auto values = keys_.find(key);
  if (values == keys_.end()) return std::nullopt;
  const auto value = values->second.find(name);
  if (value == values->second.end()) return std::nullopt;
  return value->second;
}

bool MemoryKeyValueStore::WriteInteger(const std::string& key, const std::string& name, std::int32_t value) {
  return WriteString(key, name, std::to_string(value));
}

bool MemoryKeyValueStore::WriteString(const std::string& key, const std::string& name, const std::string& value) {
  keys_[key][name] = value;
  return true;
}

bool MemoryKeyValueStore::DeleteKey(const std::string& key) {
  const std::string below = key + '\\';
  std::erase_if(keys_, [&](const auto& entry) { return entry.first == key || entry.first.starts_with(below); });
  return true;
}
