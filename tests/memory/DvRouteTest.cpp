// Route classification, call-sign building and route analysis over a small repeater list.
#include <gtest/gtest.h>

#include "DestinationTestSupport.h"
#include "memory/DvRoute.h"
#include "memory/datCh.h"
#include "support/DvRouteImage.h"

namespace {

using dv_route::Route;
using dv_route::Text;

class DvRouteTest : public ::testing::Test {
 protected:
  ScopedDestination destination_{0};
  cmcEeprom image_ = dv_route::Image();
  cmcEeprom defaults_ = dv_route::Image();

  datCh UsedChannel() {
    datCh record(image_);
    record.Load(RecordKind::kChannel, 0);
    record.SetUsed(true);
    record.frequency = 146010000;
    record.mode = ChannelMode::kFm;
    return record;
  }
};

template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& param) {
  return param.param.label;
}

struct ClassifyCase {
  const char* label;
  const char* access;
  const char* called;
  int accessKind;
  int calledKind;
  const char* calledAfter;  // the called text after classification
  bool valid;
  int rpt2Mode;
};

const ClassifyCase kClassifyCases[] = {
    {"NothingAtAll", "", "", 0, 0, "", true, 0},
    {"EveryoneDirect", "", "CQCQCQ", 0, 5, "CQCQCQ", true, 0},
    {"StationDirect", "", "Friend", 0, 6, "Friend", true, 0},
    {"RepeaterWithoutAccess", "", "Alpha A", 0, 1, "Alpha A", false, 0},
    {"UnknownAccess", "Nowhere", "CQCQCQ", 4, 5, "CQCQCQ", false, 0},
    {"SimplexAccess", "Simplex", "CQCQCQ", 1, 5, "CQCQCQ", false, 0},
    {"AccessOutsideTransmitRanges", "Faraway", "CQCQCQ", 1, 5, "CQCQCQ", false, 0},
    {"AccessWithoutCallSign", "NoCall", "CQCQCQ", 2, 5, "CQCQCQ", true, 0},
    {"FmEntryIsNoAccess", "FM One", "CQCQCQ", 4, 5, "CQCQCQ", false, 0},
    {"AccessByCallSignDefaultModule", "JP1YAA", "CQCQCQ", 3, 5, "CQCQCQ", true, 0},
    {"AccessByNamelessCallSign", "JP1YGG A", "CQCQCQ", 3, 5, "CQCQCQ", true, 0},
    {"GatewayEveryone", "Alpha A", "CQCQCQ", 3, 5, "CQCQCQ", true, 0},
    {"GatewaySameRepeater", "Alpha A", "Alpha A", 3, 1, "Alpha A", true, 0},
    {"GatewaySameZone", "Alpha A", "Alpha B", 3, 2, "Alpha B", true, 0},
    {"GatewayOtherGateway", "Alpha A", "Bravo A", 3, 4, "Bravo A", true, 0},
    {"GatewayToLocalRepeater", "Alpha A", "Local", 3, 3, "Local", false, 0},
    {"GatewayStation", "Alpha A", "Friend", 3, 6, "Friend", true, 2},
    {"GatewayTypedCallSign", "Alpha A", "W1AW", 3, 6, "W1AW", true, 2},
    {"CalledWithoutCallSign", "Alpha A", "NoCall", 3, 0, "NoCall", false, 0},
    {"LocalStation", "Local", "Friend", 2, 6, "Friend", true, 1},
    {"LocalToOtherLocal", "Local", "Local B", 2, 3, "Local B", false, 0},
    {"LocalToGatewayRepeater", "Local", "Alpha A", 2, 4, "Alpha A", false, 0},
    {"SlashSameZoneBecomesRepeaterForm", "Alpha A", "/JP1YAAB", 3, 2, "JP1YAA B", true, 0},
    {"SlashOtherGatewayStays", "Alpha A", "/JP1YBBA", 3, 7, "/JP1YBBA", true, 0},
    {"SlashLocalRepeaterIsCleared", "Alpha A", "/JP1YCCA", 3, 0, "", false, 0},
    {"SlashUnknownStays", "Alpha A", "/XX9XXXA", 3, 7, "/XX9XXXA", true, 0},
    {"SlashFromLocalAccess", "Local", "/JP1YBBA", 2, 7, "/JP1YBBA", false, 0},
};

class ClassifyRouteTest : public DvRouteTest, public ::testing::WithParamInterface<ClassifyCase> {};

TEST_P(ClassifyRouteTest, KindsValidityAndCalledText) {
  const ClassifyCase& c = GetParam();
  RouteText called = Route(c.called);
  const RouteClass route = ClassifyRoute(image_, true, Route(c.access), called);
  EXPECT_EQ(route.accessKind, c.accessKind);
  EXPECT_EQ(route.calledKind, c.calledKind);
  EXPECT_EQ(Text(called), Text(Route(c.calledAfter)));
  EXPECT_EQ(IsRouteValid(route), c.valid);
  EXPECT_EQ(Rpt2ChoiceMode(route), c.rpt2Mode);
}

INSTANTIATE_TEST_SUITE_P(Routes, ClassifyRouteTest, ::testing::ValuesIn(kClassifyCases), CaseName<ClassifyCase>);

TEST_F(DvRouteTest, TransmitCheckCanBeLeftOut) {
  RouteText called = Route("CQCQCQ");
  EXPECT_EQ(ClassifyRoute(image_, false, Route("Faraway"), called).accessKind, AccessKind::kGateway);
  EXPECT_EQ(ClassifyRoute(image_, false, Route("Simplex"), called).accessKind, AccessKind::kNoTransmit);
}

TEST_F(DvRouteTest, TransmitRangesFollowTheDestination) {
  ScopedDestination europe(4);  // 430-432 MHz only
  RouteText called = Route("CQCQCQ");
  EXPECT_EQ(ClassifyRoute(image_, true, Route("Alpha A"), called).accessKind, AccessKind::kNoTransmit);
  EXPECT_EQ(ClassifyRoute(image_, true, Route("Alpha B"), called).accessKind, AccessKind::kGateway);
}

TEST_F(DvRouteTest, SlashFormDropsTheSeventhCharacter) {
  EXPECT_EQ(Text(SlashForm(MakeFixedText<8>("JP1YBB A"))), "/JP1YBBA");
  EXPECT_EQ(Text(SlashForm(MakeFixedText<8>("JP1YBBXA"))), "/JP1YBBA");
  EXPECT_EQ(Text(SlashForm(kBlankCallSign)), "        ");
}

struct BuildCase {
  const char* label;
  const char* access;
  const char* called;
  const char* rpt2Text;
  int rpt2Kind;
  const char* ur;
  const char* rpt1;
  const char* rpt2;
};

const BuildCase kBuildCases[] = {
    {"NoCalledStation", "Alpha A", "", "", 0, "", "", ""},
    {"EveryoneViaGatewayRepeater", "Alpha A", "CQCQCQ", "", 0, "CQCQCQ", "JP1YAA A", ""},
    {"SameRepeater", "Alpha A", "Alpha A", "", 0, "CQCQCQ", "JP1YAA A", ""},
    {"SameZoneRepeater", "Alpha A", "Alpha B", "", 0, "CQCQCQ", "JP1YAA A", "JP1YAA B"},
    {"OtherGatewayZone", "Alpha A", "Bravo A", "", 0, "/JP1YBBA", "JP1YAA A", "JP1YAA G"},
    {"StationSameRepeater", "Alpha A", "Friend", "", 1, "JA1XYZ", "JP1YAA A", ""},
    {"StationViaGateway", "Alpha A", "Friend", "", 3, "JA1XYZ", "JP1YAA A", "JP1YAA G"},
    {"StationViaZoneRepeater", "Alpha A", "Friend", "Alpha B", 2, "JA1XYZ", "JP1YAA A", "JP1YAA B"},
    {"NamedRpt2NotInList", "Alpha A", "Friend", "Gone", 2, "JA1XYZ", "JP1YAA A", ""},
    {"TypedCallSignLocal", "Local", "W1AW", "Local B", 2, "W1AW", "JP1YCC A", "JP1YCC B"},
    {"SlashFormKeepsGateway", "Alpha A", "/JP1YBBA", "", 0, "/JP1YBBA", "JP1YAA A", "JP1YAA G"},
    {"DirectEveryone", "", "CQCQCQ", "", 0, "CQCQCQ", "", ""},
    {"DirectStation", "", "Friend", "", 0, "JA1XYZ", "", ""},
    {"DirectRepeaterCallSign", "", "Alpha B", "", 0, "JP1YAA B", "", ""},
    {"NamelessYourCallByCallSign", "Alpha A", "JH1ABC", "", 1, "JH1ABC", "JP1YAA A", ""},
};

class BuildRouteTest : public DvRouteTest, public ::testing::WithParamInterface<BuildCase> {};

TEST_P(BuildRouteTest, CallSigns) {
  const BuildCase& c = GetParam();
  datCh record = UsedChannel();
  BuildRouteCallSigns(image_, defaults_, record, Route(c.access), Route(c.called), Route(c.rpt2Text), c.rpt2Kind);
  EXPECT_EQ(Text(record.yourCall), Text(MakeFixedText<8>(c.ur)));
  EXPECT_EQ(Text(record.rpt1), Text(MakeFixedText<8>(c.rpt1)));
  EXPECT_EQ(Text(record.rpt2), Text(MakeFixedText<8>(c.rpt2)));
  EXPECT_EQ(record.mode, ChannelMode::kDv);
}

INSTANTIATE_TEST_SUITE_P(Routes, BuildRouteTest, ::testing::ValuesIn(kBuildCases), CaseName<BuildCase>);

TEST_F(DvRouteTest, AccessRepeaterGivesFrequencyDuplexAndOffset) {
  datCh record = UsedChannel();
  BuildRouteCallSigns(image_, defaults_, record, Route("Alpha B"), Route("CQCQCQ"), kBlankName, 0);
  EXPECT_EQ(record.frequency, 145300000u);
  EXPECT_EQ(record.duplex, 1);
  EXPECT_EQ(record.offset, 600000u);
  EXPECT_TRUE(record.IsUsed());
}

TEST_F(DvRouteTest, WithoutAccessRepeaterTheChannelKeepsItsFrequency) {
  datCh record = UsedChannel();
  BuildRouteCallSigns(image_, defaults_, record, kBlankName, Route("CQCQCQ"), kBlankName, 0);
  EXPECT_EQ(record.frequency, 146010000u);
  EXPECT_EQ(record.duplex, kDuplexOff);
}

TEST_F(DvRouteTest, EmptyChannelStartsFromTheBandTemplate) {
  datCh vhf(image_);
  vhf.Load(RecordKind::kChannel, 20);
  ASSERT_FALSE(vhf.IsUsed());
  BuildRouteCallSigns(image_, defaults_, vhf, Route("Alpha B"), Route("CQCQCQ"), kBlankName, 0);
  EXPECT_TRUE(vhf.IsUsed());
  EXPECT_EQ(vhf.frequency, 145300000u);

  datCh none(image_);
  none.Load(RecordKind::kChannel, 21);
  BuildRouteCallSigns(image_, defaults_, none, kBlankName, Route("CQCQCQ"), kBlankName, 0);
  datCh uhfTemplate(defaults_);
  uhfTemplate.Load(RecordKind::kBandTemplate, 2);
  EXPECT_TRUE(none.IsUsed());
  EXPECT_EQ(none.frequency, uhfTemplate.frequency);
  EXPECT_EQ(none.tuningStep, uhfTemplate.tuningStep);
}

struct AnalyseCase {
  const char* label;
  const char* ur;
  const char* rpt1;
  const char* rpt2;
  std::uint8_t duplex;
  int type;
  const char* typeText;
  const char* access;
  const char* called;
  const char* rpt2Text;
  int rpt2Kind;
  int calledIndex;  // 750 none
};

const AnalyseCase kAnalyseCases[] = {
    {"BlankIsDirectEveryone", "", "", "", 1, 1, "Direct", "", "CQCQCQ", "", 1, 750},
    {"DuplexOffIsDirect", "JA1XYZ", "JP1YAA A", "JP1YAA G", 0, 1, "Direct", "", "Friend", "", 1, 750},
    {"EveryoneSingle", "CQCQCQ", "JP1YAA A", "", 1, 2, "Single", "Alpha A", "CQCQCQ", "", 1, 750},
    {"EveryoneAssistLink", "CQCQCQ", "JP1YAA A", "JP1YAA B", 1, 3, "Asist Link", "Alpha A", "Alpha B", "", 1, 1},
    {"EveryoneToGatewayIsUnknown", "CQCQCQ", "JP1YAA A", "JP1YAA G", 1, 0, "?", "", "", "", 1, 750},
    {"StationSingle", "JA1XYZ", "JP1YAA A", "", 1, 2, "Single", "Alpha A", "Friend", "", 1, 750},
    {"StationSingleTypedRpt2", "JA1XYZ", "JP1YAA A", "JP1YAA A", 1, 2, "Single", "Alpha A", "Friend", "Alpha A", 2,
     750},
    {"StationAssistLink", "JA1XYZ", "JP1YAA A", "JP1YAA B", 1, 3, "Asist Link", "Alpha A", "Friend", "Alpha B", 2, 750},
    {"StationGateway", "JA1XYZ", "JP1YAA A", "JP1YAA G", 1, 4, "Gateway", "Alpha A", "Friend", "", 3, 750},
    {"SlashGateway", "/JP1YBBA", "JP1YAA A", "JP1YAA G", 1, 4, "Gateway", "Alpha A", "Bravo A", "", 1, 2},
    {"SlashWithoutGatewayIsUnknown", "/JP1YBBA", "JP1YAA A", "JP1YAA B", 1, 0, "?", "", "", "", 1, 750},
    {"UnknownRpt1", "JA1XYZ", "XX1XXX A", "", 1, 7, "Single?", "XX1XXX A", "Friend", "", 1, 750},
    {"SimplexRepeaterCountsAsMissing", "CQCQCQ", "JP1YDD A", "", 1, 7, "Single?", "Simplex", "CQCQCQ", "", 1, 750},
    {"UnknownRpt2", "JA1XYZ", "JP1YAA A", "XX1XXX B", 1, 8, "Asist Link?", "Alpha A", "Friend", "XX1XXX B", 2, 750},
    {"GatewayFormOfRpt1", "JA1XYZ", "JP1YAA G", "", 1, 4, "Gateway", "Alpha A", "Friend", "", 3, 750},
    {"UnlistedUrStaysItself", "W1AW", "JP1YAA A", "JP1YAA G", 1, 4, "Gateway", "Alpha A", "W1AW", "", 3, 750},
};

class AnalyseRouteTest : public DvRouteTest, public ::testing::WithParamInterface<AnalyseCase> {};

TEST_P(AnalyseRouteTest, RouteOfTheChannel) {
  const AnalyseCase& c = GetParam();
  datCh record = UsedChannel();
  record.yourCall = MakeFixedText<8>(c.ur);
  record.rpt1 = MakeFixedText<8>(c.rpt1);
  record.rpt2 = MakeFixedText<8>(c.rpt2);
  record.duplex = c.duplex;
  const datCh before = record;
  const RouteAnalysis route = AnalyseRoute(record);
  EXPECT_EQ(route.type, c.type);
  EXPECT_EQ(Text(route.typeText), Text(MakeFixedText<11>(c.typeText)));
  EXPECT_EQ(Text(route.accessText), Text(Route(c.access)));
  EXPECT_EQ(Text(route.calledText), Text(Route(c.called)));
  EXPECT_EQ(Text(route.rpt2Text), Text(Route(c.rpt2Text)));
  EXPECT_EQ(route.rpt2Kind, c.rpt2Kind);
  EXPECT_EQ(route.calledIndex, c.calledIndex);
  EXPECT_EQ(record, before);
}

INSTANTIATE_TEST_SUITE_P(Routes, AnalyseRouteTest, ::testing::ValuesIn(kAnalyseCases), CaseName<AnalyseCase>);

// Every valid route with a repeater read back from the call signs it built is the same route.
TEST_F(DvRouteTest, BuiltRoutesAnalyseBackToThemselves) {
  struct Case {
    const char* access;
    const char* called;
    const char* rpt2;
    int rpt2Kind;
  };
  const Case cases[] = {
      {"Alpha A", "CQCQCQ", "", 1},        {"Alpha A", "Friend", "", 1},    {"Alpha A", "Friend", "", 3},
      {"Alpha A", "Friend", "Alpha B", 2}, {"Local", "Friend", "Local", 2}, {"Alpha A", "Bravo A", "", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.access) + " -> " + c.called);
    datCh record = UsedChannel();
    BuildRouteCallSigns(image_, defaults_, record, Route(c.access), Route(c.called), Route(c.rpt2), c.rpt2Kind);
    const RouteAnalysis route = AnalyseRoute(record);
    EXPECT_EQ(Text(route.accessText), Text(Route(c.access)));
    EXPECT_EQ(Text(route.calledText), Text(Route(c.called)));
    EXPECT_EQ(route.rpt2Kind, c.rpt2Kind);
    EXPECT_EQ(Text(route.rpt2Text), Text(Route(c.rpt2)));
    EXPECT_GE(route.type, RouteType::kSingle);
    EXPECT_LE(route.type, RouteType::kGateway);
  }
}

}  // namespace
