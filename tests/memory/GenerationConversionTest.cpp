// The conversion chain and the areas each step moves whole: every named area lands at its
// address in the target generation, areas no step names stay blank, and the few setting
// bytes with their own rules follow them.
#include <gtest/gtest.h>

#include <utility>

#include "ConversionTestImages.h"
#include "support/FatalTrap.h"

namespace {

struct Area {
  const char* content;
  int from;  // address in the source generation
  int to;    // address in the target generation
  int length;
};

const Area kAreas1To2[] = {
    {"repeater order and group starts 0-24", 103936, 107008, 1550},
    {"your-call order, received call positions, From slots", 105486, 108568, 260},
    {"To slots", 105746, 108838, 20},
    {"GPS order, GPS group starts, RPT1-use bits", 105766, 108863, 321},
    {"channels, side tables, names, DTMF, broadcast radio", 0, 0, 43200},
    {"gateway call signs", 79950, 80700, 5250},
    {"repeater group names 0-24", 85200, 85950, 400},
    {"my call signs, your call signs and names", 85600, 86430, 4872},
    {"From history", 97122, 99252, 80},
    {"To history", 97202, 99452, 160},
    {"transmit messages", 97362, 99652, 102},
    {"GPS group names", 103472, 106576, 416},
    {"settings 109186", 106089, 109186, 12},
    {"settings 109198", 106102, 109198, 19},
    {"settings 109218", 106122, 109218, 3},
    {"settings 109221", 106127, 109221, 6},
    {"settings 109227", 106134, 109227, 5},
    {"settings 109232", 106140, 109232, 61},
    {"settings 109294", 106202, 109294, 36},
    {"settings 109348", 106245, 109348, 3},
    {"settings 109364", 106261, 109364, 1},
    {"GPS alarm reference and settings", 106310, 109413, 148},
    {"settings 110235", 107079, 110235, 2},
    {"settings and scan link maps", 107097, 110253, 48},
    {"identity block", 107264, 110400, 16},
    {"format block", 107280, 110416, 48},
};

const Area kAreas2To1[] = {
    {"your-call order, received call positions, From slots", 108568, 105486, 260},
    {"To slots", 108838, 105746, 20},
    {"GPS order and group starts", 108863, 105766, 227},
    {"channels, side tables, names, DTMF, broadcast radio", 0, 0, 43200},
    {"gateway call signs", 80700, 79950, 5250},
    {"repeater group names 0-24", 85950, 85200, 400},
    {"my call signs, your call signs and names", 86430, 85600, 4872},
    {"From history", 99252, 97122, 80},
    {"To history", 99452, 97202, 160},
    {"transmit messages", 99652, 97362, 102},
    {"GPS group names", 106576, 103472, 416},
    {"repeater order and group starts 0-24", 107008, 103936, 1550},
    {"RPT1-use bits and settings", 109090, 105993, 108},
    {"settings 109198", 109198, 106102, 19},
    {"settings 109218", 109218, 106122, 3},
    {"settings 109221", 109221, 106127, 6},
    {"settings 109227", 109227, 106134, 5},
    {"settings 109232", 109232, 106140, 17},
    {"settings 109250", 109250, 106158, 80},
    {"settings and GPS alarm reference", 109348, 106245, 215},
    {"band templates and settings", 109632, 106496, 214},
    {"settings 109846", 109846, 106710, 2},
    {"settings 109914", 109914, 106776, 5},
    {"settings 109920", 109920, 106781, 16},
    {"settings and scan link maps", 110017, 106861, 287},
    {"settings 110304", 110304, 107148, 3},
    {"identity block", 110400, 107264, 16},
    {"format block", 110416, 107280, 48},
};

struct BlankArea {
  const char* content;
  int address;
  int length;
};

// Generation-2 areas that generation 1 has no counterpart for.
const BlankArea kBlankAfter1To2[] = {
    {"From-analog history", 99332, 120},
    {"Reflector history", 99612, 40},
    {"selected transmit message and the bytes up to the GPS memories", 99754, 22},
    {"repeater group starts 25-29", 108558, 10},
    {"From-analog slots", 108828, 10},
    {"Reflector slots", 108858, 5},
    {"settings 109184", 109184, 2},
    {"setting 109293", 109293, 1},
    {"settings 109342", 109342, 6},
    {"settings 109351", 109351, 13},
    {"settings 109365", 109365, 48},
    {"band templates and the settings after them", 109561, 674},
    {"settings 110237", 110237, 16},
    {"settings 110301", 110301, 99},
    {"program-side extension", 0x1FB40, 136397 - 0x1FB40},
};

const BlankArea kBlankAfter2To1[] = {
    {"bytes after the transmit messages", 97464, 8},
    {"setting 106101", 106101, 1},
    {"settings 106125", 106125, 2},
    {"setting 106133", 106133, 1},
    {"setting 106139", 106139, 1},
    {"settings 106238", 106238, 7},
    {"settings 106460", 106460, 36},
    {"settings 107151", 107151, 113},
    {"program-side extension", 0x1FB40, 136387 - 0x1FB40},
};

// A generation-2 pattern image whose repeater list generation 1 can hold whole: every entry
// is DV and group 0 starts the list.
cmcEeprom Generation2PatternWithDvRepeaters() {
  cmcEeprom image = PatternImageOf(2);
  for (int entry = 0; entry < 750; ++entry) {
    const int flags = 43200 + 50 * entry + 7;
    image.SetByte(flags, image.GetByte(flags) & 0x3F);
  }
  PutU16(image, 108508, 0);
  return image;
}

void ExpectAreasMoved(const cmcEeprom& source, const cmcEeprom& converted, const Area& area) {
  EXPECT_EQ(Get(converted, area.to, area.length), Get(source, area.from, area.length)) << area.content;
}

void ExpectBlank(const cmcEeprom& converted, const BlankArea& area) {
  EXPECT_EQ(Get(converted, area.address, area.length), Repeated(0xFF, area.length)) << area.content;
}

TEST(GenerationConversion, EqualGenerationsCopyTheSource) {
  const std::pair<int, int> pairs[] = {{3, 3}, {0, 7}, {7, 0}, {2, 2}, {1, 1}};
  for (const auto& [from, to] : pairs) {
    const cmcEeprom source = GarbageImageOf(from, 5);
    EXPECT_TRUE(Converted(source, from, to).IsEqual(source)) << from << " to " << to;
  }
}

TEST(GenerationConversion, ResultHasTheTargetSizeAndTheSourceStaysAsItWas) {
  for (int from = 1; from <= 3; ++from) {
    for (int to = 1; to <= 3; ++to) {
      const cmcEeprom source = PatternImageOf(from);
      cmcEeprom copy;
      copy.Assign(source);
      EXPECT_EQ(Converted(source, from, to).GetSize(), ImageSizeOf(to)) << from << " to " << to;
      EXPECT_TRUE(source.IsEqual(copy)) << from << " to " << to;
    }
  }
}

TEST(GenerationConversion, SourcesOfAnotherSizeAreReadAsTheirGenerationsSize) {
  cmcEeprom empty;
  cmcEeprom shortImage = PatternImageOf(3);
  shortImage.SetSize(200);
  shortImage.Fill(0x12);
  cmcEeprom longImage;
  longImage.SetSize(ImageSizeOf(1) + 1000);
  longImage.Fill(0x34);
  for (const cmcEeprom* source : {&empty, &shortImage, &longImage}) {
    for (const auto& [from, to] : {std::pair{1, 3}, std::pair{3, 1}, std::pair{2, 3}}) {
      const cmcEeprom converted = Converted(*source, from, to);
      ASSERT_EQ(converted.GetSize(), ImageSizeOf(to));
      EXPECT_EQ(converted.GetByte(0), source->GetSize() > 0 ? source->GetByte(0) : 0xFF);
      EXPECT_EQ(converted.GetByte(300), source->GetSize() > 300 ? source->GetByte(300) : 0xFF);
    }
  }
}

TEST(GenerationConversion, ChainsRunOneGenerationAtATime) {
  const cmcEeprom old = PatternImageOf(1);
  EXPECT_TRUE(Converted(old, 1, 3).IsEqual(Converted(Converted(old, 1, 2), 2, 3)));
  const cmcEeprom current = PatternImageOf(3);
  EXPECT_TRUE(Converted(current, 3, 1).IsEqual(Converted(Converted(current, 3, 2), 2, 1)));
  EXPECT_TRUE(Converted(current, 0, 1).IsEqual(Converted(current, 3, 1)));
}

TEST(GenerationConversion, AnImageConvertsInPlace) {
  cmcEeprom image = PatternImageOf(1);
  const cmcEeprom expected = Converted(image, 1, 3);
  ConvertGeneration(image, image, 3, 1, TestDefaults());
  EXPECT_TRUE(image.IsEqual(expected));
}

TEST(GenerationConversion, GarbageImagesOfEveryGenerationConvertWithoutADefect) {
  for (std::uint32_t seed = 1; seed <= 4; ++seed) {
    for (int from = 1; from <= 3; ++from) {
      for (int to = 1; to <= 3; ++to) {
        const cmcEeprom source = GarbageImageOf(from, seed);
        cmcEeprom converted;
        EXPECT_EQ(FatalMessageOf([&] { converted = Converted(source, from, to, GarbageImageOf(3, seed)); }), "");
        EXPECT_EQ(converted.GetSize(), ImageSizeOf(to));
      }
    }
  }
}

TEST(GenerationConversionStep1To2, EveryAreaMovesToItsGeneration2Address) {
  const cmcEeprom old = PatternImageOf(1);
  const cmcEeprom converted = Converted(old, 1, 2);
  for (const Area& area : kAreas1To2) ExpectAreasMoved(old, converted, area);
}

TEST(GenerationConversionStep1To2, AreasGeneration1LacksStayBlank) {
  const cmcEeprom converted = Converted(PatternImageOf(1), 1, 2);
  for (const BlankArea& area : kBlankAfter1To2) ExpectBlank(converted, area);
  EXPECT_EQ(Get(converted, 85950 + 400, 80), Repeated(' ', 80)) << "repeater group names 25-29";
}

TEST(GenerationConversionStep1To2, SettingsGeneration1LacksComeFromTheDefaultImage) {
  const cmcEeprom defaults = TestDefaults();
  EXPECT_EQ(Get(Converted(PatternImageOf(1), 1, 2, defaults), 109330, 12), Get(defaults, 109330, 12));
  EXPECT_EQ(Get(Converted(PatternImageOf(1), 1, 2, cmcEeprom()), 109330, 12), Repeated(0xFF, 12));
}

TEST(GenerationConversionStep2To1, EveryAreaMovesToItsGeneration1Address) {
  const cmcEeprom current = Generation2PatternWithDvRepeaters();
  const cmcEeprom converted = Converted(current, 2, 1);
  for (const Area& area : kAreas2To1) ExpectAreasMoved(current, converted, area);
}

TEST(GenerationConversionStep2To1, AreasNoRowNamesStayBlank) {
  const cmcEeprom converted = Converted(Generation2PatternWithDvRepeaters(), 2, 1);
  for (const BlankArea& area : kBlankAfter2To1) ExpectBlank(converted, area);
}

TEST(GenerationConversion, SettingValuesWithTheirOwnRules) {
  struct Case {
    const char* rule;
    int from;
    int to;
    int sourceAddress;
    int targetAddress;
    std::uint8_t value;
    std::uint8_t expected;
  };
  const Case cases[] = {
      {"1 and 2 swap going up", 1, 2, 106121, 109217, 1, 2},
      {"1 and 2 swap going up", 1, 2, 106121, 109217, 2, 1},
      {"other values become 0 going up", 1, 2, 106121, 109217, 0, 0},
      {"other values become 0 going up", 1, 2, 106121, 109217, 3, 0},
      {"other values become 0 going up", 1, 2, 106121, 109217, 0xFF, 0},
      {"1 and 2 swap going down", 2, 1, 109217, 106121, 1, 2},
      {"1 and 2 swap going down", 2, 1, 109217, 106121, 2, 1},
      {"other values become 0 going down", 2, 1, 109217, 106121, 7, 0},
      {"values up to 2 stay", 2, 1, 109249, 106157, 0, 0},
      {"values up to 2 stay", 2, 1, 109249, 106157, 2, 2},
      {"values above 2 become 1", 2, 1, 109249, 106157, 3, 1},
      {"values above 2 become 1", 2, 1, 109249, 106157, 0xFF, 1},
  };
  for (const Case& c : cases) {
    cmcEeprom source = BlankImageOf(c.from);
    source.SetByte(c.sourceAddress, c.value);
    EXPECT_EQ(Converted(source, c.from, c.to).GetByte(c.targetAddress), c.expected) << c.rule << ": " << int{c.value};
  }
}

TEST(GenerationConversionStep2To3, CopiesTheImageAndTakesOneSettingFromTheDefaultImage) {
  const cmcEeprom old = PatternImageOf(2);
  const cmcEeprom defaults = TestDefaults();
  cmcEeprom expected;
  expected.Assign(old);
  expected.SetByte(109342, defaults.GetByte(109342));
  EXPECT_TRUE(Converted(old, 2, 3, defaults).IsEqual(expected));
  EXPECT_TRUE(Converted(old, 2, 3, cmcEeprom()).IsEqual(old)) << "no default image: byte kept";
}

// The record of channel index i lies at 49i for memory channels, scan edges and call
// channels alike; call channels use empty bit i + 1.
struct ChannelCase {
  const char* channel;
  int index;
  bool used;
  int toneMode;
  int expectedToneMode;
};

void PutChannel(cmcEeprom& image, const ChannelCase& c) {
  const int bit = c.index < 550 ? c.index : c.index + 1;
  const std::uint8_t emptyBits = image.GetByte(27200 + bit / 8);
  const auto mask = static_cast<std::uint8_t>(1 << (bit % 8));
  image.SetByte(27200 + bit / 8, static_cast<std::uint8_t>(c.used ? emptyBits & ~mask : emptyBits | mask));
  image.SetByte(49 * c.index + 10, static_cast<std::uint8_t>(c.toneMode << 4 | 0x0B));
}

TEST(GenerationConversionStep3To2, SplitToneModesOfUsedChannelsBecomeOff) {
  const ChannelCase cases[] = {
      {"memory channel 0, DTCS-R", 0, true, 7, 7},
      {"memory channel 0, DTCS(T)", 0, true, 8, 0},
      {"memory channel 499, TONE(T)/DTCS(R)", 499, true, 9, 0},
      {"scan edge 500 (pair 0, A), DTCS(T)/TSQL(R)", 500, true, 10, 0},
      {"scan edge 549 (pair 24, B), TONE(T)/TSQL(R)", 549, true, 11, 0},
      {"call channel 550, undefined 15", 550, true, 15, 0},
      {"call channel 553, DTCS(T)", 553, true, 8, 0},
      {"empty memory channel 3 keeps its bytes", 3, false, 9, 9},
      {"empty call channel 553 keeps its bytes", 553, false, 11, 11},
  };
  for (const ChannelCase& c : cases) {
    cmcEeprom current = PatternImageOf(3);
    PutChannel(current, c);
    const std::uint8_t converted = Converted(current, 3, 2).GetByte(49 * c.index + 10);
    EXPECT_EQ(converted >> 4, c.expectedToneMode) << c.channel;
    EXPECT_EQ(converted & 0x0F, 0x0B) << c.channel << ": duplex and DTCS polarity kept";
  }
}

TEST(GenerationConversionStep3To2, ClearsTheNewSettingsAndSetsTheFlagBits) {
  cmcEeprom current = BlankImageOf(3);
  for (const int address : {109342, 109563, 109564}) current.SetByte(address, 0x21);
  current.SetByte(109363, 0x54);
  const cmcEeprom converted = Converted(current, 3, 2);
  cmcEeprom expected = BlankImageOf(2);
  expected.SetByte(109363, 0x57);
  EXPECT_TRUE(converted.IsEqual(expected));
}

}  // namespace
