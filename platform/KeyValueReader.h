#pragma once
// Read access to a store of settings: named values grouped under keys, where a key is a path
// of names joined by backslashes ("Software\Quor\Tessel\Global"). A value is a 32-bit integer
// or a text; texts are UTF-8.
#include <cstdint>
#include <optional>
#include <string>

class KeyValueReader {
 public:
  virtual ~KeyValueReader() = default;

  // The value called name under key; none when the key or the value does not exist, or the
  // value is not a 32-bit integer.
  virtual std::optional<std::int32_t> ReadInteger(const std::string& key, const std::string& name) const = 0;

  // The text called name under key; none when the key or the value does not exist, or the
  // value is not a single text.
  virtual std::optional<std::string> ReadString(const std::string& key, const std::string& name) const = 0;
};
