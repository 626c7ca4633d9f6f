#pragma once
// The program's settings object, the first process-wide object to exist and the last to go.
// The first running copy of the program reads the settings from the per-user store (and the
// machine-wide language from the machine-wide store) when it is made, and writes them back
// through WriteSettings and when it is destroyed. A second copy finds the single-instance
// lock taken: it neither reads nor writes anything, and the program ends.
//
// Other parts of the program read and change `settings` and `recent` directly. The memory
// model reads the destination and its flags through the ModelSettings interface.
#include <cstdint>
#include <string>
#include <vector>

#include "base/EnvironSettings.h"
#include "base/cmcRecent.h"
#include "memory/ModelSettings.h"
#include "memory/PlainModelSettings.h"
#include "platform/InstanceLock.h"
#include "platform/KeyValueStore.h"

enum class RegistryRoot { CurrentUser, LocalMachine };

class indEnviron final : public ModelSettings {
 public:
  static constexpr std::int32_t kRecentMaximum = 10;

  struct Names {
    std::string mutexName;   // of the single-instance lock
    std::string userKey;     // the settings' key in the per-user store
    std::string machineKey;  // the settings' key in the machine-wide store
  };
  struct Stores {
    KeyValueStore& user;
    const KeyValueReader& machine;
  };
  // The screen the default window rectangle is fitted to, in pixels.
  struct ScreenSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
  };

  // Takes the lock and, when it is obtained, reads the settings. arguments is the whole
  // command line, the program path included: "/setup" in any letter case asks for the setup.
  // The stores and the lock must outlive the object.
  indEnviron(const Names& names, Stores stores, InstanceLock& lock, const std::vector<std::string>& arguments,
             ScreenSize screen);
  // Settings that take no lock and read and write nothing of the stored ones: they start at
  // their defaults and stay the caller's, who runs the window's commands on them without
  // being the window (tessel-cli's radio commands). The per-user store still serves the
  // tables kept beside the settings. IsFirstInstance() is false. The stores must outlive it.
  indEnviron(const Names& names, Stores stores);
  // Writes the settings (when allowed) and gives the lock up.
  ~indEnviron() override;
  indEnviron(const indEnviron&) = delete;
  indEnviron& operator=(const indEnviron&) = delete;

  bool IsFirstInstance() const { return firstInstance_; }

  // Keeps the setup mode; otherwise normal, or no destination when none is known.
  void UpdateStartMode();

  bool IsDestination0or1() const;
  bool IsDestination5() const;
  bool IsDestination15() const;

  // Writes every setting to the per-user store. Only the first instance with a valid marker
  // writes; false when it may not, or when a write failed (the values after it are left).
  bool WriteSettings();

  // Integer values of other parts (column widths of the sheets). Read answers -1 when the
  // value does not exist or is no integer. Writing and deleting act on the per-user store
  // only: the machine-wide store is never written. Deleting needs a sub-key.
  std::int32_t ReadRegistryInteger(RegistryRoot root, const std::string& key, const std::string& name) const;
  std::int32_t ReadRegistryInteger(const std::string& key, const std::string& name) const;
  bool WriteRegistryInteger(const std::string& key, const std::string& name, std::int32_t value);
  bool DeleteRegistryKey(const std::string& key, const std::string& subKey);

  // The per-user store and the settings' key in it, for tables kept beside the settings (the
  // port numbers).
  KeyValueStore& UserStore() { return stores_.user; }
  const std::string& UserKey() const { return names_.userKey; }

  std::int32_t DestinationCode() const override { return settings.destinationCode; }
  bool FccInhibit() const override { return settings.fccInhibit; }
  bool ReceiveExpansion() const override { return settings.receiveExpansion; }
  LocalDateTime LocalTimeNow() const override { return systemClock_.LocalTimeNow(); }

  EnvironSettings settings;
  cmcRecent recent{kRecentMaximum};

 private:
  void ReadSettings(const std::vector<std::string>& arguments);
  void ReadMachineLanguage();
  void ReadUserIntegers();
  void ReadUserTexts();
  void ReadEtcData();
  void ApplyDefaults();
  EnvironSettings Defaults() const;
  bool WriteUserIntegers();
  bool WriteUserTexts();
  bool WriteEtcData();
  std::string UserSubKey(const char* subKey) const;

  Names names_;
  Stores stores_;
  InstanceLock* lock_ = nullptr;
  ScreenSize screen_;
  bool firstInstance_ = false;
  // Only its clock is used: the computer's local time.
  PlainModelSettings systemClock_;
};
