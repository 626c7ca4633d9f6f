#pragma once
// Values of the decoded channel and repeater fields that the band rules, the defaults and
// the checks name.
#include <cstdint>

namespace ChannelMode {
inline constexpr std::uint8_t kFm = 0;
inline constexpr std::uint8_t kFmNarrow = 1;
inline constexpr std::uint8_t kAm = 3;
inline constexpr std::uint8_t kDv = 5;

// The modes a channel may hold; the radio offers no others.
constexpr bool IsDefined(std::uint8_t mode) { return mode == kFm || mode == kFmNarrow || mode == kAm || mode == kDv; }
}  // namespace ChannelMode

namespace TuningStep {
inline constexpr std::uint8_t k5kHz = 0;
inline constexpr std::uint8_t k8_33kHz = 2;
inline constexpr std::uint8_t k20kHz = 7;
inline constexpr std::uint8_t k25kHz = 8;
inline constexpr std::uint8_t kAuto = 14;
}  // namespace TuningStep

namespace ToneMode {
inline constexpr std::uint8_t kOff = 0;
inline constexpr std::uint8_t kLastDefined = 11;  // TONE(T)/TSQL(R)
}  // namespace ToneMode

inline constexpr std::uint8_t kDuplexOff = 0;
inline constexpr std::uint8_t kDuplexMinus = 1;

// 88.5 Hz in the 50-tone table: the tone of every new channel and repeater entry.
inline constexpr std::uint8_t kDefaultToneIndex = 8;

// Repeater entry types as the repeater sheets show them.
namespace RepeaterType {
inline constexpr int kDvRepeater = 0;
inline constexpr int kDvSimplex = 1;
inline constexpr int kFmRepeater = 2;
inline constexpr int kFmSimplex = 3;
}  // namespace RepeaterType
