#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "CellDocumentFixture.h"
#include "memory/MemoryMap.h"
#include "memory/datCh.h"
#include "sheet/layout/SheetLayout.h"
#include "support/FatalTrap.h"

namespace {

constexpr int kDestination = 2;

bool Greyed(const cmcCellCapsule& request) { return request.fontColor == kClSilver; }
bool HasWarning(const cmcCellCapsule& request) { return request.HasFlag(kRequestWarningMark); }
bool HasError(const cmcCellCapsule& request) { return request.HasFlag(kRequestErrorMark); }

class MemoryChannelDispatch : public ::testing::Test {
 protected:
  void StoreChannel(int index, const std::function<void(datCh&)>& edit) {
    datCh record = document.Channel(index);
    edit(record);
    record.SetUsed(true);
    record.Commit();
  }

  TestDocument document{kDestination};
  CellRequests requests{document};
};

TEST_F(MemoryChannelDispatch, QueryShowsEveryDataColumnOfARow) {
  StoreChannel(3, [](datCh& r) {
    r.frequency = 145500000;
    r.duplex = 1;
    r.offset = 600000;
    r.tuningStep = TuningStep::k25kHz;
    r.mode = ChannelMode::kFm;
    r.name = MakeFixedText<16>("Repeater");
    r.skip = 1;
    r.toneMode = 9;
    r.repeaterTone = 12;
    r.toneSquelchTone = 8;
    r.dtcsCode = 0;
    r.dtcsPolarity = 1;
    r.digitalSquelch = 2;
    r.digitalCode = 7;
    r.yourCall = MakeFixedText<8>("CQCQCQ");
    r.rpt1 = MakeFixedText<8>("JR1VB  A");
    r.rpt2 = MakeFixedText<8>("JR1VB  G");
    r.bank = 0;
    r.bankChannel = 5;
  });
  RebuildBankTables(document.image);
  const struct {
    unsigned cellId;
    std::string text;
    bool greyed;
  } columns[] = {
      {CL_Mch_Freq, "145.500000", false},
      {CL_Mch_Dup, "-DUP", false},
      {CL_Mch_Offset_Freq, " 0.600000", false},
      {CL_Mch_TS_Pitch, "25k", false},
      {CL_Mch_Mode, "FM", false},
      {CL_Mch_Name, "Repeater", false},
      {CL_Mch_Scan_Skip, "Skip", false},
      {CL_Mch_Decode, "TONE(T)/DTCS(R)", false},
      {CL_Mch_TONE_Freq, "100.0", false},
      {CL_Mch_TSQL_Freq, "88.5", true},
      {CL_Mch_DTCS, "023", false},
      {CL_Mch_DTCS_Polarity, "TN-RR", false},
      {CL_Mch_Digital_Sql, "DSQL", true},
      {CL_Mch_Digital_Code, "07", true},
      {CL_Mch_DYou_Callsign, "CQCQCQ", true},
      {CL_Mch_DRpt1_Callsign, "JR1VB  A", true},
      {CL_Mch_DRpt2_Callsign, "JR1VB  G", true},
      {CL_Mch_Bank_Group, "A", false},
      {CL_Mch_Bank_ChNo, "5", false},
  };
  for (const auto& column : columns) {
    SCOPED_TRACE(CellIdName(column.cellId));
    const cmcCellCapsule answer = requests.Query(CT_Conv, column.cellId, 3);
    EXPECT_EQ(answer.outputText, column.text);
    EXPECT_EQ(Greyed(answer), column.greyed);
    EXPECT_FALSE(HasWarning(answer) || HasError(answer));
  }
  EXPECT_EQ(document.edits, 0) << "queries are no edits";
}

TEST_F(MemoryChannelDispatch, CommittedTextLandsInTheImage) {
  StoreChannel(0, [](datCh& r) {
    r.frequency = 145000000;
    r.mode = ChannelMode::kDv;
    r.toneMode = 1;
  });
  const struct {
    unsigned cellId;
    std::string typed;
    std::function<bool(const datCh&)> holds;
  } rows[] = {
      {CL_Mch_Freq, "145.5", [](const datCh& r) { return r.frequency == 145500000; }},
      {CL_Mch_Freq, "145.0125", [](const datCh& r) { return r.frequency == 145012500; }},
      {CL_Mch_Freq, "500", [](const datCh& r) { return r.frequency == 479000000; }},
      {CL_Mch_Freq, "50", [](const datCh& r) { return r.frequency == 108000000; }},
      {CL_Mch_Offset_Freq, "0.6", [](const datCh& r) { return r.offset == 600000; }},
      {CL_Mch_Offset_Freq, "99", [](const datCh& r) { return r.offset == 59995000; }},
      {CL_Mch_TONE_Freq, "100", [](const datCh& r) { return r.repeaterTone == 12; }},
      {CL_Mch_TONE_Freq, "88.4", [](const datCh& r) { return r.repeaterTone == 8; }},
      {CL_Mch_DTCS, "754", [](const datCh& r) { return r.dtcsCode == 103; }},
      {CL_Mch_Name, "Hello", [](const datCh& r) { return r.name == MakeFixedText<16>("Hello"); }},
      {CL_Mch_Name, std::string(30, 'x'),
       [](const datCh& r) { return r.name == MakeFixedText<16>(std::string(16, 'x')); }},
      {CL_Mch_DYou_Callsign, "cqcqcq", [](const datCh& r) { return r.yourCall == MakeFixedText<8>("CQCQCQ"); }},
      {CL_Mch_DRpt1_Callsign, "jr1vb a", [](const datCh& r) { return r.rpt1 == MakeFixedText<8>("JR1VB  A"); }},
      {CL_Mch_DRpt2_Callsign, "jr1vb g", [](const datCh& r) { return r.rpt2 == MakeFixedText<8>("JR1VB  G"); }},
      {CL_Mch_Digital_Code, "42", [](const datCh& r) { return r.digitalCode == 42; }},
      {CL_Mch_Bank_Group, "c", [](const datCh& r) { return r.bank == 2; }},
      {CL_Mch_Bank_ChNo, "17", [](const datCh& r) { return r.bankChannel == 17; }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(CellIdName(row.cellId)) + " <- " + row.typed);
    const int editsBefore = document.edits;
    const cmcCellCapsule answer = requests.Commit(CT_Conv, row.cellId, 0, row.typed);
    EXPECT_TRUE(row.holds(document.Channel(0)));
    EXPECT_EQ(answer.outputText, requests.Query(CT_Conv, row.cellId, 0).outputText) << "shows what it stored";
    EXPECT_EQ(document.edits, editsBefore + 1);
  }
}

TEST_F(MemoryChannelDispatch, EditRepaintsTheRowAndNothingChangesOnAQuery) {
  struct Repaints {
    static void Note(const cmcCellCapsule&, uint32_t scope, void* object) { *static_cast<uint32_t*>(object) = scope; }
  };
  uint32_t scope = 0;
  cmcCellCapsule request = requests.Make(CT_Conv, CL_Mch_Name, 0, {});
  request.repaint = {&Repaints::Note, &scope};
  request.inputKind = kInputCommitted;
  request.inputText = "Changed";
  const cmcEeprom before = document.image;
  requests.Behaviour().HandleCellRequest(request, kCellQuery);
  EXPECT_TRUE(document.image.IsEqual(before));
  EXPECT_EQ(scope, 0u);
  requests.Act(request);
  EXPECT_EQ(document.Channel(0).name, MakeFixedText<16>("Changed"));
  EXPECT_EQ(scope, kRepaintSameCellAndIndex | kRepaintSameIndex);
}

TEST_F(MemoryChannelDispatch, SpaceAndBackspaceStepThroughListsWithWrapAround) {
  StoreChannel(0, [](datCh& r) {
    r.frequency = 145000000;
    r.duplex = 2;
    r.skip = 0;
  });
  const struct {
    unsigned cellId;
    int key;
    std::string shown;
  } steps[] = {
      {CL_Mch_Dup, kKeySpace, ""},  // +DUP is the last entry; OFF has an empty argument: the cell shows nothing
      {CL_Mch_Dup, kKeyBackspace, "+DUP"},
      {CL_Mch_Dup, kKeyBackspace, "-DUP"},
      {CL_Mch_Scan_Skip, kKeyBackspace, "PSkip"},
      {CL_Mch_Scan_Skip, kKeySpace, ""},
      {CL_Mch_Scan_Skip, kKeySpace, "Skip"},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(std::string(CellIdName(step.cellId)) + " " + step.shown);
    const auto [answer, result] = requests.Key(CT_Conv, step.cellId, 0, step.key);
    EXPECT_EQ(answer.outputText, step.shown);
    EXPECT_EQ(requests.Query(CT_Conv, step.cellId, 0).outputText, step.shown);
    EXPECT_EQ(result, kCellResultNothing);
  }
  EXPECT_EQ(document.Channel(0).skip, 1);
  const auto [enter, result] = requests.Key(CT_Conv, CL_Mch_Dup, 0, kKeyEnter);
  EXPECT_EQ(result, kCellResultRefresh);
  const auto* list = std::get_if<SelectionListPopup>(&enter.popup);
  ASSERT_NE(list, nullptr) << "Enter opens the list";
  EXPECT_EQ(list->listKey, "GI_Sheet_Sel_Mch_Dup");
  EXPECT_EQ(list->value, document.Channel(0).duplex);
}

TEST_F(MemoryChannelDispatch, PickFromTheSelectionListStoresTheEntry) {
  cmcCellObj entry;
  entry.cellId = Flex0;
  entry.index = 2;
  cmcCellCapsule list;
  list.cell = &entry;
  cmcCellCapsule request = requests.Make(CT_Conv, CL_Mch_Dup, 0, {});
  request.parent = &list;
  request.inputKind = kInputPicked;
  requests.Act(request);
  EXPECT_EQ(document.Channel(0).duplex, 2);
  entry.cellId = CL_FlexMark_Mch;  // an entry of another list changes nothing
  entry.index = 1;
  requests.Act(request);
  EXPECT_EQ(document.Channel(0).duplex, 2);
}

TEST_F(MemoryChannelDispatch, MarksFollowTheRecordChecks) {
  StoreChannel(10, [](datCh& r) { r.frequency = 150000000; });  // inhibited for destination 2
  StoreChannel(11, [](datCh& r) { r.frequency = 100000000; });  // below every channel band
  StoreChannel(12, [](datCh& r) {
    r.frequency = 145000000;
    r.mode = ChannelMode::kAm;
    r.tuningStep = TuningStep::k8p33kHz;
    r.duplex = 1;
    r.offset = 8333;
  });
  const cmcCellCapsule rejected = requests.Query(CT_Conv, CL_Mch_Freq, 10);
  EXPECT_TRUE(HasWarning(rejected));
  EXPECT_FALSE(HasError(rejected));
  EXPECT_EQ(rejected.outputText, "150.000000");
  const cmcCellCapsule outOfRange = requests.Query(CT_Conv, CL_Mch_Freq, 11);
  EXPECT_TRUE(HasError(outOfRange));
  EXPECT_EQ(outOfRange.outputText, "") << "an error mark hides the value";
  for (unsigned id : {CL_Mch_Mode, CL_Mch_TS_Pitch}) {
    const cmcCellCapsule answer = requests.Query(CT_Conv, id, 12);
    EXPECT_TRUE(HasWarning(answer)) << CellIdName(id);
    EXPECT_EQ(answer.markPosition, kMarkRightEdge);
  }
  EXPECT_TRUE(HasWarning(requests.Query(CT_Conv, CL_Mch_Offset_Freq, 12)));
  EXPECT_FALSE(HasWarning(requests.Query(CT_Conv, CL_Mch_Freq, 12)));

  requests.Commit(CT_Conv, CL_Mch_Freq, 10, "430");  // allowed: the warning goes
  EXPECT_FALSE(HasWarning(requests.Query(CT_Conv, CL_Mch_Freq, 10)));
}

TEST_F(MemoryChannelDispatch, TypingIntoAnEmptyRowStartsAtTheFrequency) {
  ASSERT_FALSE(document.Channel(7).IsUsed());
  const auto [name, nameResult] = requests.Key(CT_Conv, CL_Mch_Name, 7, '1');
  EXPECT_EQ(name.moveRequest, 1);
  EXPECT_EQ(name.moveCellId, CL_Mch_Freq);
  EXPECT_EQ(name.moveIndex, 7);
  EXPECT_EQ(name.repeatKey, '1');
  EXPECT_EQ(nameResult, kCellResultNothing);
  const auto [frequency, result] = requests.Key(CT_Conv, CL_Mch_Freq, 7, '1');
  EXPECT_EQ(result, kCellResultEdit);
  EXPECT_EQ(frequency.outputText, "1");
  EXPECT_EQ(requests.Query(CT_Conv, CL_Mch_Dup, 7).outputText, "");
  EXPECT_EQ(requests.Query(CT_Conv, CL_Misc_ChNo_0Base, 7).outputText, "7");
}

TEST_F(MemoryChannelDispatch, FirstFrequencyOfAnEmptyChannelTakesTheBandTemplate) {
  requests.Commit(CT_Conv, CL_Mch_Freq, 7, "433.5");
  const datCh channel = document.Channel(7);
  datCh uhfTemplate(document.defaults);
  uhfTemplate.Load(RecordKind::kBandTemplate, 3);
  EXPECT_TRUE(channel.IsUsed());
  EXPECT_EQ(channel.frequency, 433500000u);
  EXPECT_EQ(channel.offset, uhfTemplate.offset);
  EXPECT_EQ(channel.mode, uhfTemplate.mode);
  EXPECT_EQ(channel.tuningStep, uhfTemplate.tuningStep);
  EXPECT_EQ(channel.bank, kNoBank);
}

TEST_F(MemoryChannelDispatch, BankSlotTakesTheLowestFreeChannel) {
  const std::string bankC = "23";
  requests.Commit(CT_BankCh, CL_Mch_Freq, 4, "145.2", bankC);
  const int channel = BankTableEntry(document.image, 2, 4);
  ASSERT_LT(channel, MemoryMap::kMemoryChannelCount);
  EXPECT_EQ(channel, FindFreeChannel(document.defaults, 0));
  EXPECT_EQ(document.Channel(channel).frequency, 145200000u);
  EXPECT_EQ(requests.Query(CT_BankCh, CL_Mch_Name, 4, bankC).outputText, "");
  requests.Commit(CT_BankCh, CL_Mch_Name, 4, "Slot", bankC);
  EXPECT_EQ(document.Channel(channel).name, MakeFixedText<16>("Slot"));
  EXPECT_EQ(requests.Query(CT_BankCh, CL_Mch_Select_ChNo, 4, bankC).outputText, std::to_string(channel));

  for (int i = 0; i < MemoryMap::kMemoryChannelCount; ++i) {
    if (!document.Channel(i).IsUsed()) StoreChannel(i, [](datCh& r) { r.frequency = 146000000; });
  }
  requests.Commit(CT_BankCh, CL_Mch_Freq, 5, "145.3", bankC);
  EXPECT_EQ(document.noFreeChannelNotices, 1);
  EXPECT_EQ(BankTableEntry(document.image, 2, 5), MemoryMap::kBankEntryFree);
}

TEST_F(MemoryChannelDispatch, SheetArgumentOutsideTheBanksShowsEmptyRows) {
  StoreChannel(0, [](datCh& r) {
    r.bank = 0;
    r.bankChannel = 0;
  });
  RebuildBankTables(document.image);
  EXPECT_NE(requests.Query(CT_BankCh, CL_Mch_Freq, 0, "21").outputText, "");
  EXPECT_EQ(requests.Query(CT_BankCh, CL_Mch_Freq, 0, "47").outputText, "");
  EXPECT_EQ(requests.Query(CT_BankCh, CL_Mch_Freq, 0, "").outputText, "");
}

TEST_F(MemoryChannelDispatch, UnknownCategoryIsFatal) {
  EXPECT_EQ(FatalMessageOf([&] { requests.Query(40, CL_Mch_Freq, 0); }), "Unknown Cell Category.");
}

TEST_F(MemoryChannelDispatch, IdentifierWithoutBehaviourShowsItsNumber) {
  EXPECT_EQ(requests.Query(kCategoryNone, CL_You_Callsign_Cell_ChNo, 0).outputText,
            std::to_string(CL_You_Callsign_Cell_ChNo) + " *Yet*");
}

}  // namespace
