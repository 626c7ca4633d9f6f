#pragma once
// The frequency facts of the radio's 16 regional versions (destinations 0-15) and the bands
// every version shares. Plain constant records; indDestination walks them.
#include <array>
#include <cstddef>
#include <cstdint>

using Hertz = std::uint32_t;

// Inclusive at both ends.
struct FrequencyRange {
  Hertz low = 0;
  Hertz high = 0;

  constexpr bool Contains(Hertz f) const { return f >= low && f <= high; }
  constexpr bool operator==(const FrequencyRange&) const = default;
};

// Lower bound and exclusive upper bound, as the destination rows keep them; an end of
// kNoUpperLimit means the range runs to the top of the frequency scale.
struct HalfOpenRange {
  Hertz low = 0;
  Hertz end = 0;
};

inline constexpr Hertz kNoUpperLimit = 0xFFFFFFFF;

namespace Bands {

// Band numbers start at these bounds: 0 air band, 1 VHF, 2 between, 3 UHF, 4 above; a
// frequency below the first bound is band 5.
inline constexpr std::array<Hertz, 5> kBandBounds{108000000, 137000000, 174000001, 380000000, 479000001};
inline constexpr int kBelowBands = 5;
inline constexpr Hertz kAirBandLimit = kBandBounds[1];

// What the receiver covers: band bound 0 to bound 2 - 1, bound 3 to bound 4 - 1.
inline constexpr std::array<FrequencyRange, 2> kReceiveBands{{
    {kBandBounds[0], kBandBounds[2] - 1},
    {kBandBounds[3], kBandBounds[4] - 1},
}};

// Closed to every destination while the FCC-inhibit flag is set.
inline constexpr std::array<FrequencyRange, 2> kCellularRanges{{
    {824000000, 848999999},
    {869000000, 893999999},
}};

// Repeater list band groups 0-3; a frequency above the last upper bound is group 4. Only the
// upper bounds decide the group; the lower bounds decide whether a repeater frequency is
// acceptable at all.
inline constexpr std::array<FrequencyRange, 4> kRepeaterBands{{
    {30000, 99999999},
    {100000000, 199999999},
    {400000000, 499999999},
    {1200000000, 1399999999},
}};
inline constexpr int kRepeaterGroupAbove = 4;

inline constexpr FrequencyRange kAmBroadcast{520000, 1710000};
inline constexpr FrequencyRange kFmBroadcastWide{76000000, 108000000};
inline constexpr FrequencyRange kFmBroadcastNarrow{88000000, 108000000};

// A channel frequency outside this span is an error whatever the destination.
inline constexpr FrequencyRange kChannelFrequencyLimits{108000000, 479000000};
// A repeater frequency outside this span (0 aside) is an error.
inline constexpr FrequencyRange kRepeaterFrequencyLimits{30000, 1399995000};

}  // namespace Bands

inline constexpr int kDestinationCount = 16;

// Destination codes with rules of their own: the Korean and the Japanese version (the US
// versions are codes 0 and 1, IsUsDestination), and the code that means no destination is
// known yet.
namespace DestinationCode {
inline constexpr std::int32_t kKorea = 5;
inline constexpr std::int32_t kJapan = 15;
inline constexpr std::int32_t kNone = kDestinationCount;
}  // namespace DestinationCode

constexpr bool IsUsDestination(std::int32_t code) { return code == 0 || code == 1; }
inline constexpr std::size_t kMaxInhibitedRanges = 10;

struct DestinationRow {
  // Closed to the destination unless the receive-expansion flag is set.
  std::array<HalfOpenRange, kMaxInhibitedRanges> inhibited;
  std::size_t inhibitedCount;
  FrequencyRange fmBroadcast;
  // Default repeater offsets: band groups 0 and 4, and band group 3.
  Hertz offsetLow;
  Hertz offsetGroup3;
};

namespace DestinationRows {

inline constexpr DestinationRow kRow0{{{{0, 144000000}, {148000001, 420000000}, {450000001, kNoUpperLimit}}},
                                      3,
                                      Bands::kFmBroadcastNarrow,
                                      500000,
                                      12000000};
inline constexpr DestinationRow kRow1{{{{0, 144000000}, {148000001, 430000000}, {450000001, kNoUpperLimit}}},
                                      3,
                                      Bands::kFmBroadcastNarrow,
                                      500000,
                                      12000000};
inline constexpr DestinationRow kRow2{{{{0, 144000000}, {148000001, 420000000}, {450000001, kNoUpperLimit}}},
                                      3,
                                      Bands::kFmBroadcastWide,
                                      500000,
                                      20000000};
inline constexpr DestinationRow kRow3{{{{0, 144000000}, {148000001, 430000000}, {440000001, kNoUpperLimit}}},
                                      3,
                                      Bands::kFmBroadcastWide,
                                      500000,
                                      12000000};
inline constexpr DestinationRow kRow4{
    {{{0, 144000000}, {146000001, 430000000}, {432000001, kNoUpperLimit}}}, 3, Bands::kFmBroadcastWide, 0, 0};
inline constexpr DestinationRow kRow5{{{{0, 144000000}, {146000001, 430000000}, {440000001, kNoUpperLimit}}},
                                      3,
                                      Bands::kFmBroadcastWide,
                                      500000,
                                      20000000};
inline constexpr DestinationRow kRow6{{{{0, 144000000}, {146000001, 432000000}, {438000001, kNoUpperLimit}}},
                                      3,
                                      Bands::kFmBroadcastWide,
                                      500000,
                                      28000000};
inline constexpr DestinationRow kRow7{{{{0, 144000000}, {146000001, 430000000}, {440000001, kNoUpperLimit}}},
                                      3,
                                      Bands::kFmBroadcastWide,
                                      500000,
                                      28000000};
inline constexpr DestinationRow kRow10{{{{0, 140000000}, {150000001, 430000000}, {440000001, kNoUpperLimit}}},
                                       3,
                                       Bands::kFmBroadcastWide,
                                       500000,
                                       28000000};
inline constexpr DestinationRow kRow12{kRow10.inhibited, kRow10.inhibitedCount, Bands::kFmBroadcastWide, 500000, 0};
inline constexpr DestinationRow kRow13{
    {{{0, 144000000}, {148000001, 430000000}, {440000001, kNoUpperLimit}}}, 3, Bands::kFmBroadcastWide, 500000, 0};
inline constexpr DestinationRow kRow14{{{{0, 108000000},
                                         {137000000, 144000000},
                                         {146000001, 430000000},
                                         {434000001, 435000000},
                                         {438000001, kNoUpperLimit}}},
                                       5,
                                       Bands::kFmBroadcastWide,
                                       500000,
                                       28000000};
inline constexpr DestinationRow kRow15{
    {{{0, 108000000}, {174000001, 382100000}, {411895001, 415100000}, {479000001, kNoUpperLimit}}},
    4,
    Bands::kFmBroadcastWide,
    100000,
    20000000};

}  // namespace DestinationRows

// Row d serves destination d; codes outside 0-15 use row 15.
inline constexpr std::array<DestinationRow, kDestinationCount> kDestinationRows{
    DestinationRows::kRow0,  DestinationRows::kRow1,  DestinationRows::kRow2,  DestinationRows::kRow3,
    DestinationRows::kRow4,  DestinationRows::kRow5,  DestinationRows::kRow6,  DestinationRows::kRow7,
    DestinationRows::kRow7,  DestinationRows::kRow7,  DestinationRows::kRow10, DestinationRows::kRow10,
    DestinationRows::kRow12, DestinationRows::kRow13, DestinationRows::kRow14, DestinationRows::kRow15,
};
