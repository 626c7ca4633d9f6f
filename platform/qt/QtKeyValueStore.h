#pragma once
// The application's settings files through QSettings: the per-user file
// (~/.config/Quor/Tessel.conf, read and written) or the machine-wide one
// (/etc/xdg/Quor/Tessel.conf, read only). The file stands for the key "Software\Quor\Tessel":
// its sub-keys are the file's groups, and keys outside it are not held. The per-user store
// never falls back to machine-wide values, so a value missing for the user reads as missing.
#include <memory>
#include <string_view>

#include "platform/KeyValueStore.h"

class QSettings;
class QString;

class QtKeyValueStore final : public KeyValueStore {
 public:
  enum class Scope { User, Machine };
  // The key the file stands for.
  static constexpr std::string_view kFileKey = "Software\\Quor\\Tessel";

  explicit QtKeyValueStore(Scope scope);
  ~QtKeyValueStore() override;

  std::optional<std::int32_t> ReadInteger(const std::string& key, const std::string& name) const override;
  std::optional<std::string> ReadString(const std::string& key, const std::string& name) const override;
  // The machine-wide store refuses every write.
  bool WriteInteger(const std::string& key, const std::string& name, std::int32_t value) override;
  bool WriteString(const std::string& key, const std::string& name, const std::string& value) override;
  bool DeleteKey(const std::string& key) override;
  bool Flush() override;

 private:
  std::optional<QString> ValuePath(const std::string& key, const std::string& name) const;
  bool MayWrite() const;

  Scope scope_;
  std::unique_ptr<QSettings> settings_;
};
