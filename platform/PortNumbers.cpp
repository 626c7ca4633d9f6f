#include "platform/PortNumbers.h"

#include <algorithm>
#include <charconv>

#include <cstdlib>

namespace {

constexpr std::string_view kBuiltInPrefix = "/dev/ttyS";

// The path TESSEL_PORT_<port> names; "" when it is unset or empty.
std::string PathFromEnvironment(std::int32_t port) {
  const std::string variable = "TESSEL_PORT_" + std::to_string(port);
  const char* path = std::getenv(variable.c_str());
  return path != nullptr ? path : "";
}

std::string BuiltInPath(std::int32_t port) { return std::string(kBuiltInPrefix) + std::to_string(port - 1); }

// The number of a built-in port /dev/ttyS<k>: k + 1; 0 for any other device.
std::int32_t BuiltInNumber(const std::string& device) {
  if (!device.starts_with(kBuiltInPrefix) || device.size() == kBuiltInPrefix.size()) return 0;
  const char* first = device.data() + kBuiltInPrefix.size();
  const char* last = device.data() + device.size();
  std::int32_t k = 0;
  const auto [end, error] = std::from_chars(first, last, k);
  if (error != std::errc() || end != last || k + 1 > PortResolver::kLastPort) return 0;
  return k + 1;
}

bool Holds(const std::vector<NumberedPort>& ports, std::int32_t number) {
  return std::ranges::any_of(ports, [number](const NumberedPort& port) { return port.number == number; });
}

}  // namespace

PortNumbers::PortNumbers(KeyValueStore& store, std::string key) : store_(store), key_(std::move(key)) {}

PortNumbers PortNumbers::OfUser(KeyValueStore& userStore, const std::string& userKey) {
  return PortNumbers(userStore, userKey + "\\Ports");
}

std::string PortNumbers::Stored(std::int32_t port) const {
  return store_.ReadString(key_, std::to_string(port)).value_or("");
}

std::int32_t PortNumbers::StoredNumberOf(const std::string& path) const {
  for (std::int32_t port = kFirstPort; port <= kLastPort; ++port) {
    if (Stored(port) == path) return port;
  }
  return 0;
}

std::int32_t PortNumbers::FreeNumber(const std::vector<NumberedPort>& taken) const {
  for (std::int32_t port = kFirstAdapterPort; port <= kLastPort; ++port) {
    if (!Holds(taken, port) && Stored(port).empty()) return port;
  }
  return 0;
}

// Built-in ports are numbered first, so that an adapter never takes the number of one.
std::vector<NumberedPort> PortNumbers::Number(const std::vector<ListedPort>& listed) {
  std::vector<NumberedPort> numbered;
  for (const ListedPort& port : listed) {
    if (const std::int32_t number = BuiltInNumber(port.device); number != 0) numbered.push_back({number, port.device});
  }
  for (const ListedPort& port : listed) {
    if (BuiltInNumber(port.device) != 0) continue;
    const std::string& kept = port.stablePath.empty() ? port.device : port.stablePath;
    std::int32_t number = StoredNumberOf(kept);
    if (number == 0) {
      number = FreeNumber(numbered);
      if (number == 0) continue;
      store_.WriteString(key_, std::to_string(number), kept);
    }
    numbered.push_back({number, port.device});
  }
  std::ranges::sort(numbered, {}, &NumberedPort::number);
  return numbered;
}

std::string PortNumbers::DevicePath(std::int32_t port) const {
  if (port < kFirstPort || port > kLastPort) return {};
  if (std::string path = PathFromEnvironment(port); !path.empty()) return path;
  if (std::string path = Stored(port); !path.empty()) return path;
  return BuiltInPath(port);
}
