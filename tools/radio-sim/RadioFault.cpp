#include "tools/radio-sim/RadioFault.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<RadioFault, std::string_view>, 11> kNames{{
    {RadioFault::Silence, "silence"},
    {RadioFault::Checksum, "checksum"},
    {RadioFault::EndCount, "end-count"},
    {RadioFault::MissingAddress, "missing-address"},
    {RadioFault::DuplicateAddress, "duplicate-address"},
    {RadioFault::BeyondImage, "beyond-image"},
    {RadioFault::OtherModel, "other-model"},
    {RadioFault::OtherGeneration, "other-generation"},
    {RadioFault::RefusedWrite, "refused-write"},
    {RadioFault::PulledCable, "pulled-cable"},
    {RadioFault::LineNoise, "line-noise"},
}};

}  // namespace

std::string_view RadioFaultName(RadioFault fault) {
  for (const auto& [value, name] : kNames) {
    if (value == fault) return name;
  }
  return "none";
}

std::optional<RadioFault> RadioFaultNamed(std::string_view name) {
  for (const auto& [value, known] : kNames) {
    if (known == name) return value;
  }
  return std::nullopt;
}

const std::vector<RadioFault>& AllRadioFaults() {
  static const std::vector<RadioFault> all = [] {
    std::vector<RadioFault> faults;
    for (const auto& entry : kNames) faults.push_back(entry.first);
    return faults;
  }();
  return all;
}
