// The Repeater Setting dialog's state and the call-sign picker's lists, driven as the dialog
// drives them, over the small repeater list of the route tests.
#include <gtest/gtest.h>

#include "memory/DestinationTestSupport.h"
#include "memory/datCh.h"
#include "sheet/cells/CallSignPicker.h"
#include "sheet/cells/indDvSet.h"
#include "support/DvRouteImage.h"

namespace {

using dv_route::Route;
using dv_route::Text;

std::string Call(const char* text) { return Text(MakeFixedText<8>(text)); }

class RepeaterSettingTest : public ::testing::Test {
 protected:
  ScopedDestination destination_{0};
  cmcEeprom image_ = dv_route::Image();
  cmcEeprom defaults_ = dv_route::Image();

  datCh Channel(const char* ur, const char* rpt1, const char* rpt2, std::uint8_t duplex = 1) {
    datCh record(image_);
    record.Load(RecordKind::kChannel, 0);
    record.SetUsed(true);
    record.frequency = 146010000;
    record.mode = ChannelMode::kFm;
    record.duplex = duplex;
    record.yourCall = MakeFixedText<8>(ur);
    record.rpt1 = MakeFixedText<8>(rpt1);
    record.rpt2 = MakeFixedText<8>(rpt2);
    return record;
  }

  static void ExpectCalls(const datCh& record, const char* ur, const char* rpt1, const char* rpt2) {
    EXPECT_EQ(Text(record.yourCall), Call(ur));
    EXPECT_EQ(Text(record.rpt1), Call(rpt1));
    EXPECT_EQ(Text(record.rpt2), Call(rpt2));
  }

  static std::vector<int> ChoiceKinds(const indDvSet& dialog) {
    std::vector<int> kinds;
    for (const auto& choice : dialog.Rpt2Choices()) kinds.push_back(choice.kind);
    return kinds;
  }
};

TEST_F(RepeaterSettingTest, OpensOnTheChannelsRoute) {
  const indDvSet dialog(image_, defaults_, Channel("JA1XYZ", "JP1YAA A", "JP1YAA B"));
  EXPECT_EQ(Text(dialog.AccessText()), Text(Route("Alpha A")));
  EXPECT_EQ(Text(dialog.CalledText()), Text(Route("Friend")));
  ASSERT_TRUE(dialog.Rpt2Enabled());
  // Same Repeater, the zone (Alpha A, Alpha B), Gateway; Alpha B as the channel had it.
  EXPECT_EQ(ChoiceKinds(dialog), (std::vector<int>{1, 2, 2, 3}));
  EXPECT_EQ(dialog.Rpt2Index(), 2);
  ExpectCalls(dialog.WorkCopy(), "JA1XYZ", "JP1YAA A", "JP1YAA B");
}

TEST_F(RepeaterSettingTest, ChannelWithoutUsableRouteStartsFromEveryone) {
  for (const datCh& record : {Channel("/JP1YBBA", "JP1YAA A", "JP1YAA B"), Channel("CQCQCQ", "JP1YDD A", ""),
                              Channel("CQCQCQ", "JP1YAA A", "JP1YAA G")}) {
    const indDvSet dialog(image_, defaults_, record);
    EXPECT_TRUE(IsBlank(dialog.AccessText()));
    EXPECT_EQ(Text(dialog.CalledText()), Text(Route("CQCQCQ")));
    EXPECT_FALSE(dialog.Rpt2Enabled());
    ExpectCalls(dialog.WorkCopy(), "CQCQCQ", "", "");
  }
}

TEST_F(RepeaterSettingTest, EveryoneThroughAGatewayRepeaterCopiesItsFrequency) {
  indDvSet dialog(image_, defaults_, Channel("", "", ""));
  dialog.PickAccess(Route("Alpha A"));
  const datCh stored = dialog.Accept();
  ExpectCalls(stored, "CQCQCQ", "JP1YAA A", "");
  EXPECT_EQ(stored.frequency, 439010000u);
  EXPECT_EQ(stored.duplex, 1);
  EXPECT_EQ(stored.offset, 5000000u);
  EXPECT_EQ(stored.mode, ChannelMode::kDv);
}

TEST_F(RepeaterSettingTest, CalledRepeaterInAnotherZoneUsesItsSlashForm) {
  indDvSet dialog(image_, defaults_, Channel("", "", ""));
  dialog.PickAccess(Route("Alpha A"));
  dialog.PickCalled(Route("Bravo A"));
  ExpectCalls(dialog.Accept(), "/JP1YBBA", "JP1YAA A", "JP1YAA G");
}

TEST_F(RepeaterSettingTest, CalledRepeaterOfTheSameZoneGoesToRpt2) {
  indDvSet dialog(image_, defaults_, Channel("", "", ""));
  dialog.PickAccess(Route("Alpha A"));
  dialog.PickCalled(Route("Alpha B"));
  ExpectCalls(dialog.Accept(), "CQCQCQ", "JP1YAA A", "JP1YAA B");
}

TEST_F(RepeaterSettingTest, StationThroughAGatewayOffersZoneAndGateway) {
  indDvSet dialog(image_, defaults_, Channel("", "", ""));
  dialog.PickAccess(Route("Alpha A"));
  dialog.PickCalled(Route("Friend"));
  ASSERT_EQ(ChoiceKinds(dialog), (std::vector<int>{1, 2, 2, 3}));
  EXPECT_EQ(dialog.Rpt2Index(), 3);
  ExpectCalls(dialog.WorkCopy(), "JA1XYZ", "JP1YAA A", "JP1YAA G");
  dialog.ChooseRpt2(0);
  ExpectCalls(dialog.WorkCopy(), "JA1XYZ", "JP1YAA A", "");
  dialog.ChooseRpt2(2);
  ExpectCalls(dialog.Accept(), "JA1XYZ", "JP1YAA A", "JP1YAA B");
}

TEST_F(RepeaterSettingTest, StationThroughALocalRepeaterHasNoGatewayChoice) {
  indDvSet dialog(image_, defaults_, Channel("", "", ""));
  dialog.PickAccess(Route("Local"));
  dialog.PickCalled(Route("Friend"));
  EXPECT_EQ(ChoiceKinds(dialog), (std::vector<int>{1, 2}));
  EXPECT_EQ(dialog.Rpt2Index(), 0);
  ExpectCalls(dialog.Accept(), "JA1XYZ", "JP1YCC A", "");
}

TEST_F(RepeaterSettingTest, UnreachableCalledStationFallsBackToEveryone) {
  indDvSet dialog(image_, defaults_, Channel("", "", ""));
  dialog.PickAccess(Route("Local"));
  dialog.PickCalled(Route("Alpha A"));
  EXPECT_EQ(Text(dialog.CalledText()), Text(Route("CQCQCQ")));
  ExpectCalls(dialog.WorkCopy(), "CQCQCQ", "JP1YCC A", "");

  indDvSet direct(image_, defaults_, Channel("", "", ""));
  direct.PickCalled(Route("Bravo A"));
  EXPECT_EQ(Text(direct.CalledText()), Text(Route("CQCQCQ")));
}

TEST_F(RepeaterSettingTest, TypedSlashFormOfTheZoneBecomesTheRepeaterForm) {
  indDvSet dialog(image_, defaults_, Channel("", "", ""));
  dialog.PickAccess(Route("Alpha A"));
  dialog.EditCalled("/JP1YAAB");
  EXPECT_EQ(Text(dialog.CalledText()), Text(Route("JP1YAA B")));
  ExpectCalls(dialog.WorkCopy(), "CQCQCQ", "JP1YAA A", "JP1YAA B");
}

TEST_F(RepeaterSettingTest, TypedCallSignIsUpperCasedAndJunkIsBlanked) {
  indDvSet dialog(image_, defaults_, Channel("", "", ""));
  dialog.PickAccess(Route("Alpha A"));
  dialog.EditCalled("w1aw");
  // The channel had no RPT2, so "Same Repeater" stays chosen.
  ExpectCalls(dialog.WorkCopy(), "W1AW", "JP1YAA A", "");
  dialog.EditCalled("w1#aw");
  EXPECT_TRUE(IsBlank(dialog.WorkCopy().yourCall));
  dialog.EditCalled("");
  ExpectCalls(dialog.WorkCopy(), "", "", "");
}

TEST_F(RepeaterSettingTest, InvalidRouteBlanksCallSignsAndKeepsTheChannel) {
  const datCh record = Channel("CQCQCQ", "JP1YAA A", "", 1);
  indDvSet dialog(image_, defaults_, record);
  dialog.PickAccess(Route("Simplex"));
  const datCh stored = dialog.Accept();
  ExpectCalls(stored, "", "", "");
  EXPECT_EQ(stored.frequency, record.frequency);
  EXPECT_EQ(stored.mode, record.mode);
  EXPECT_EQ(stored.duplex, record.duplex);
  EXPECT_TRUE(stored.IsUsed());
}

TEST_F(RepeaterSettingTest, EmptyChannelKeptEmptyByAnInvalidRoute) {
  datCh empty(image_);
  empty.Load(RecordKind::kChannel, 30);
  indDvSet dialog(image_, defaults_, empty);
  dialog.PickAccess(Route("Faraway"));
  EXPECT_FALSE(dialog.Accept().IsUsed());
}

std::vector<std::string> EntryTexts(const CallSignPicker& picker, int source) {
  std::vector<std::string> texts;
  for (const auto& entry : picker.Entries(source)) {
    std::string text = Text(entry.text);
    texts.push_back(text.substr(0, text.find_last_not_of(' ') + 1));
  }
  return texts;
}

constexpr int kAllRepeatersForRpt = 1;  // after "not used"
constexpr int kAllRepeatersForUr = 2;   // after "CQCQCQ" and "Your Call Sign"

TEST_F(RepeaterSettingTest, PickerForRpt1ListsDvRepeatersWithACallSign) {
  const CallSignPicker picker(image_, PickerType::kRpt1, "        ");
  EXPECT_EQ(picker.Sources().size(), 32u);
  EXPECT_EQ(EntryTexts(picker, kAllRepeatersForRpt),
            (std::vector<std::string>{"Alpha A", "Alpha B", "Bravo A", "Local", "Simplex", "Faraway", "Local B",
                                      "JP1YGG A"}));
  EXPECT_EQ(picker.Initial().source, 0);
  EXPECT_EQ(picker.Value({0, -1, -1}), std::string(8, ' '));
  const auto alpha = picker.Entries(kAllRepeatersForRpt)[0];
  ASSERT_EQ(picker.CallSigns(alpha).size(), 2u);
  EXPECT_EQ(picker.Value({kAllRepeatersForRpt, 0, 1}), Call("JP1YAA G"));
  EXPECT_EQ(picker.Value({kAllRepeatersForRpt, 3, 0}), Call("JP1YCC A"));
}

TEST_F(RepeaterSettingTest, PickerForAccessListsOnlyUsableRepeaters) {
  const CallSignPicker picker(image_, PickerType::kAccessRepeater, std::string(16, ' '));
  EXPECT_EQ(EntryTexts(picker, kAllRepeatersForRpt),
            (std::vector<std::string>{"Alpha A", "Alpha B", "Bravo A", "Local", "Local B", "JP1YGG A"}));
  EXPECT_EQ(picker.Value({kAllRepeatersForRpt, 5, -1}), Text(Route("JP1YGG A")));
}

TEST_F(RepeaterSettingTest, PickerForCalledStationListsValidRoutesFromTheAccess) {
  const CallSignPicker gateway(image_, PickerType::kCalledStation, "", kBlankCallSign, Route("Alpha A"));
  EXPECT_EQ(EntryTexts(gateway, kAllRepeatersForUr),
            (std::vector<std::string>{"Alpha A", "Alpha B", "Bravo A", "Simplex", "Faraway", "JP1YGG A"}));
  const CallSignPicker local(image_, PickerType::kCalledStation, "", kBlankCallSign, Route("Local"));
  EXPECT_EQ(EntryTexts(local, kAllRepeatersForUr), (std::vector<std::string>{"Local"}));
  EXPECT_EQ(EntryTexts(local, 1), (std::vector<std::string>{"Friend", "JH1ABC"}));
}

TEST_F(RepeaterSettingTest, PickerOpensOnTheCurrentValue) {
  const CallSignPicker ur(image_, PickerType::kUr, "/JP1YBBA");
  const CallSignPicker::Selection atBravo = ur.Initial();
  EXPECT_EQ(atBravo.source, 3);  // group 01
  EXPECT_EQ(atBravo.entry, 2);
  EXPECT_EQ(ur.Value(atBravo), Call("/JP1YBBA"));

  const CallSignPicker friendCall(image_, PickerType::kUr, "JA1XYZ  ");
  EXPECT_EQ(friendCall.Initial().source, 1);
  EXPECT_EQ(friendCall.Value(friendCall.Initial()), Call("JA1XYZ"));

  // Group 02 holds NoCall, FM One, Local B, JP1YGG A: positions skip the two that do not qualify.
  const CallSignPicker rpt2(image_, PickerType::kRpt2, "JP1YGG G", MakeFixedText<8>("JP1YGG A"));
  EXPECT_EQ(rpt2.Initial().source, 3);
  EXPECT_EQ(rpt2.Initial().entry, 1);
  EXPECT_EQ(rpt2.Value(rpt2.Initial()), Call("JP1YGG G"));

  const CallSignPicker called(image_, PickerType::kCalledStation, Text(Route("CQCQCQ")));
  EXPECT_EQ(called.Value(called.Initial()), Text(Route("CQCQCQ")));
}

TEST_F(RepeaterSettingTest, EmptySourceGivesNoValue) {
  const CallSignPicker picker(image_, PickerType::kRpt1, "        ");
  EXPECT_TRUE(picker.Entries(2 + 5).empty());  // group 06 is empty
  EXPECT_FALSE(picker.Value({2 + 5, 0, 0}).has_value());
  EXPECT_FALSE(picker.Value({kAllRepeatersForRpt, 99, 0}).has_value());
}

}  // namespace
