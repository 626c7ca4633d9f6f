#pragma once
// The user's port numbers 1-256 and the serial devices behind them. A built-in port
// /dev/ttyS<k> is number k+1. Any other serial device (a USB adapter), when first listed, gets
// the lowest number from 3 up that neither a listed built-in port nor another device holds;
// the number is kept in the store (value "N" under the key given = the device's stable path),
// so an adapter keeps its number when it is plugged in again. TESSEL_PORT_<N> in the
// environment points number N at any path and wins over both.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/KeyValueStore.h"
#include "platform/PortResolver.h"

struct ListedPort {
  std::string device;      // as the system names it, e.g. /dev/ttyUSB0
  std::string stablePath;  // a name that survives replugging (/dev/serial/by-id/...); "" for none
};

struct NumberedPort {
  std::int32_t number = 0;
  std::string device;
  bool operator==(const NumberedPort&) const = default;
};

class PortNumbers final : public PortResolver {
 public:
  static constexpr std::int32_t kFirstAdapterPort = 3;

  // store must outlive the object.
  PortNumbers(KeyValueStore& store, std::string key);
  // The numbers the window and the command line share: group "Ports" of the application's
  // key userKey in the per-user store.
  static PortNumbers OfUser(KeyValueStore& userStore, const std::string& userKey);

  // The listed ports with their numbers, smallest first; adapters seen for the first time
  // get theirs now. A port that no number 1-256 is left for is left out.
  std::vector<NumberedPort> Number(const std::vector<ListedPort>& listed);

  std::string DevicePath(std::int32_t port) const override;

 private:
  std::string Stored(std::int32_t port) const;
  // The number path is kept under; 0 when it has none.
  std::int32_t StoredNumberOf(const std::string& path) const;
  std::int32_t FreeNumber(const std::vector<NumberedPort>& taken) const;

  KeyValueStore& store_;
  std::string key_;
};
