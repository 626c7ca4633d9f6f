// The repeater list columns through cell requests: what each column shows of the four entry
// types, which columns apply, and what typed text and picks store, with the rules that tie
// the frequency, offset and duplex and the call sign and gateway together.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "CellDocumentFixture.h"
#include "memory/RepeaterList.h"
#include "memory/datCh.h"
#include "memory/indDestination.h"

namespace {

constexpr int kDestination = 2;

bool Greyed(const cmcCellCapsule& request) { return request.fontColor == kClSilver; }
bool Olive(const cmcCellCapsule& request) { return request.fontColor == kClOlive; }

class RepeaterColumns : public ::testing::Test {
 protected:
  void SetUp() override {
    SetGroupCount(document.image, 0, 3);
    Edit(0, [](datCh& r) {  // a DV repeater
      r.mode = kRepeaterModeDv;
      r.name = MakeFixedText<16>("Hilltop");
      r.subName = MakeFixedText<8>("North");
      r.callSign = MakeFixedText<8>("JP1YIU A");
      r.gateway = MakeFixedText<8>("JP1YIU G");
      r.frequency = 439'010'000;
      r.duplex = kDuplexMinus;
      r.offset = 5'000'000;
      r.rpt1Use = 1;
      r.positionKind = 2;
      r.latitude = {35, 41123, 'N'};
      r.longitude = {139, 41500, 'E'};
      r.utcOffset = 540;
    });
    Edit(1, [](datCh& r) {  // an FM repeater
      r.mode = kRepeaterModeFm;
      r.callSign = MakeFixedText<8>("JR1ABC");
      r.frequency = 145'700'000;
      r.duplex = kDuplexMinus;
      r.offset = 600'000;
      r.toneMode = 1;
      r.repeaterTone = 8;
      r.latitude = {1, 0, 'N'};
      r.utcOffset = 0x7FFF;
    });
    Edit(2, [](datCh& r) {  // a DV simplex entry
      r.mode = kRepeaterModeDv;
      r.callSign = kBlankCallSign;
      r.gateway = kBlankCallSign;
      r.frequency = 0;
      r.duplex = 0;
      r.utcOffset = 0x7FFF;
    });
  }

  void Edit(int index, const std::function<void(datCh&)>& edit) {
    datCh record = Entry(index);
    edit(record);
    record.Commit();
  }

  datCh Entry(int index) {
    datCh record(document.image);
    record.Load(RecordKind::kRepeater, index);
    return record;
  }

  TestDocument document{kDestination};
  OpenListSheet sheet{document.events, 0, 3};
  CellRequests requests{document};
};

TEST_F(RepeaterColumns, EachTypeShowsTheColumnsThatApplyToIt) {
  enum Look { kPlain, kGrey, kOlive };
  const struct {
    int index;
    unsigned cellId;
    std::string text;
    Look look;
  } rows[] = {
      {0, CL_Repeater_List_Type, "DV Repeater", kPlain},
      {0, CL_Repeater_List_Name, "Hilltop", kPlain},
      {0, CL_Repeater_List_SubName, "North", kPlain},
      {0, CL_Repeater_List_R_Callsign_Code, "JP1YIU A", kPlain},
      {0, CL_Repeater_List_G_Callsign_Code, "JP1YIU G", kPlain},
      {0, CL_Repeater_List_Freq, " 439.010000", kPlain},
      {0, CL_Repeater_List_Dup, "-DUP", kPlain},
      {0, CL_Repeater_List_Offset_Freq, " 5.000000", kPlain},
      {0, CL_Repeater_List_Mode, "DV", kOlive},
      {0, CL_Repeater_List_Tone, "---", kOlive},
      {0, CL_Repeater_List_Tone_Freq, "---", kOlive},
      {0, CL_Repeater_List_Rpt1use, "Yes", kPlain},
      {0, CL_Repeater_List_Position, "Exact", kPlain},
      {0, CL_Repeater_List_Latitude,
       "35\xB0"
       "41.12'N",
       kPlain},
      {0, CL_Repeater_List_Longitude,
       "139\xB0"
       "41.50'E",
       kPlain},
      {0, CL_Repeater_List_UtcOffset, "+9:00", kPlain},
      {1, CL_Repeater_List_Type, "FM Repeater", kPlain},
      {1, CL_Repeater_List_R_Callsign_Code, "JR1ABC", kPlain},
      {1, CL_Repeater_List_G_Callsign_Code, "---", kOlive},
      {1, CL_Repeater_List_Mode, "FM", kPlain},
      {1, CL_Repeater_List_Tone, "TONE", kPlain},
      {1, CL_Repeater_List_Tone_Freq, "88.5", kPlain},
      {1, CL_Repeater_List_Latitude,
       "01\xB0"
       "00.00'N",
       kGrey},  // position kind None
      {1, CL_Repeater_List_UtcOffset, "--:--", kPlain},
      {2, CL_Repeater_List_Type, "DV Simplex", kPlain},
      {2, CL_Repeater_List_R_Callsign_Code, "---", kOlive},
      {2, CL_Repeater_List_Dup, "---", kOlive},
      {2, CL_Repeater_List_Offset_Freq, "---", kOlive},
      {2, CL_Repeater_List_Freq, "", kPlain},
      {3, CL_Repeater_List_ChNo, "New", kPlain},
      {3, CL_Repeater_List_Name, "", kPlain},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.index) + " " + std::string(CellIdName(row.cellId)));
    const cmcCellCapsule shown = requests.Query(CT_Rptlist, row.cellId, row.index);
    EXPECT_EQ(shown.outputText, row.text);
    EXPECT_EQ(Greyed(shown), row.look == kGrey);
    EXPECT_EQ(Olive(shown), row.look == kOlive);
  }
  Edit(0, [](datCh& r) { r.rpt1Use = 0; });
  EXPECT_TRUE(Greyed(requests.Query(CT_Rptlist, CL_Repeater_List_Freq, 0))) << "reached by call sign only";
  EXPECT_TRUE(Greyed(requests.Query(CT_Rptlist, CL_Repeater_List_Offset_Freq, 0)));
  EXPECT_EQ(document.edits, 0);
}

TEST_F(RepeaterColumns, TypedTextLandsInTheEntry) {
  const struct {
    int index;
    unsigned cellId;
    std::string typed;
    std::function<bool(const datCh&)> holds;
  } rows[] = {
      {0, CL_Repeater_List_Name, "Valley", [](const datCh& r) { return r.name == MakeFixedText<16>("Valley"); }},
      {0, CL_Repeater_List_SubName, "South side",
       [](const datCh& r) { return r.subName == MakeFixedText<8>("South si"); }},
      {0, CL_Repeater_List_G_Callsign_Code, "jp1yiu x",
       [](const datCh& r) { return r.gateway == MakeFixedText<8>("JP1YIU  "); }},
      {0, CL_Repeater_List_R_Callsign_Code, "",
       [](const datCh& r) { return r.callSign == MakeFixedText<8>("JP1YIU A"); }},
      {1, CL_Repeater_List_R_Callsign_Code, "", [](const datCh& r) { return IsBlank(r.callSign); }},
      {1, CL_Repeater_List_Tone_Freq, "100", [](const datCh& r) { return r.repeaterTone == 12; }},
      {0, CL_Repeater_List_UtcOffset, "-5:30", [](const datCh& r) { return r.utcOffset == -330; }},
      {0, CL_Repeater_List_UtcOffset, "+14:05", [](const datCh& r) { return r.utcOffset == -330; }},
      {0, CL_Repeater_List_UtcOffset, "", [](const datCh& r) { return r.utcOffset == 0x7FFF; }},
      {0, CL_Repeater_List_Offset_Freq, "99", [](const datCh& r) { return r.offset == 59'995'000; }},
      {0, CL_Repeater_List_Offset_Freq, "1.00625", [](const datCh& r) { return r.offset == 1'006'250; }},
      {0, CL_Repeater_List_Freq, "2000", [](const datCh& r) { return r.frequency == 1'399'995'000; }},
      {0, CL_Repeater_List_Offset_Freq, "120", [](const datCh& r) { return r.offset == 99'995'000; }},
      {0, CL_Repeater_List_Latitude,
       " 12\xB0"
       "34.56'S",
       [](const datCh& r) {
         return r.latitude == GpsPosition{12, 34560, 'S'};
       }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(CellIdName(row.cellId)) + " " + row.typed);
    if (row.cellId == CL_Repeater_List_Latitude) {
      requests.EditorPick(CT_Rptlist, row.cellId, row.index, row.typed);
    } else {
      requests.Commit(CT_Rptlist, row.cellId, row.index, row.typed);
    }
    EXPECT_TRUE(row.holds(Entry(row.index)));
  }
}

TEST_F(RepeaterColumns, AFrequencyInAnotherBandBringsItsDefaultOffsetAndDuplex) {
  const cmcEeprom& defaults = document.defaults;
  const indDestination destination = indDestination::Current();
  requests.Commit(CT_Rptlist, CL_Repeater_List_Freq, 1, "145.5");
  EXPECT_EQ(Entry(1).frequency, 145'500'000u);
  EXPECT_EQ(Entry(1).offset, 600'000u) << "within the band the offset stays";
  requests.Commit(CT_Rptlist, CL_Repeater_List_Freq, 1, "439.5");
  EXPECT_EQ(Entry(1).offset, destination.DefaultOffset(defaults, 2));
  EXPECT_EQ(Entry(1).duplex, kDuplexMinus) << "an FM repeater keeps a duplex";
  requests.Commit(CT_Rptlist, CL_Repeater_List_Freq, 1, "145.013");  // on neither raster: snapped
  EXPECT_EQ(Entry(1).frequency, 145'012'500u);

  // A DV simplex entry's first frequency: the band's default offset, no duplex, usable as RPT1.
  requests.Commit(CT_Rptlist, CL_Repeater_List_Freq, 2, "439.2");
  const datCh simplex = Entry(2);
  EXPECT_EQ(simplex.frequency, 439'200'000u);
  EXPECT_EQ(simplex.offset, destination.DefaultOffset(defaults, 2));
  EXPECT_EQ(simplex.duplex, kDuplexOff);
  EXPECT_EQ(simplex.rpt1Use, 1);
  requests.Commit(CT_Rptlist, CL_Repeater_List_Freq, 2, "0");
  EXPECT_EQ(Entry(2).frequency, 0u) << "a typed 0 takes the frequency away";
  requests.Commit(CT_Rptlist, CL_Repeater_List_Freq, 2, "439.2");
  requests.Commit(CT_Rptlist, CL_Repeater_List_Freq, 2, "");
  EXPECT_EQ(Entry(2).frequency, 0u);
}

TEST_F(RepeaterColumns, TypeChangesAndTheFirstCallSignNameTheGateway) {
  requests.ListPick(CT_Rptlist, CL_Repeater_List_Type, 2, 0);  // DV Simplex becomes DV Repeater
  EXPECT_EQ(Entry(2).callSign, kPlaceholderCallSign);
  requests.Commit(CT_Rptlist, CL_Repeater_List_R_Callsign_Code, 2, "jr1xyz b");
  EXPECT_EQ(Entry(2).callSign, MakeFixedText<8>("JR1XYZ B"));
  EXPECT_EQ(Entry(2).gateway, MakeFixedText<8>("JR1XYZ G"));
  requests.Commit(CT_Rptlist, CL_Repeater_List_R_Callsign_Code, 2, "jr1xyz c");
  EXPECT_EQ(Entry(2).gateway, MakeFixedText<8>("JR1XYZ G")) << "only the first real call sign";

  requests.ListPick(CT_Rptlist, CL_Repeater_List_Type, 2, 1);  // DV Simplex again
  EXPECT_TRUE(IsBlank(Entry(2).callSign));
  EXPECT_TRUE(IsBlank(Entry(2).gateway));
  Edit(2, [](datCh& r) { r.callSign = kPlaceholderCallSign; });
  requests.ListPick(CT_Rptlist, CL_Repeater_List_Type, 2, 2);  // FM Repeater
  const datCh fm = Entry(2);
  EXPECT_EQ(fm.mode, kRepeaterModeFm);
  EXPECT_EQ(fm.duplex, kDuplexMinus);
  EXPECT_TRUE(IsBlank(fm.callSign)) << "the placeholder goes";
  requests.ListPick(CT_Rptlist, CL_Repeater_List_Type, 2, 3);  // FM Simplex
  EXPECT_EQ(Entry(2).duplex, kDuplexOff);
}

TEST_F(RepeaterColumns, KeysOnColumnsThatDoNotApplyChangeNothing) {
  const cmcEeprom before = document.image;
  for (int key : {kKeyEnter, kKeySpace, int{'A'}, kKeyBackspace}) {
    requests.Key(CT_Rptlist, CL_Repeater_List_Mode, 0, key);
    requests.Key(CT_Rptlist, CL_Repeater_List_Tone, 0, key);
    requests.Key(CT_Rptlist, CL_Repeater_List_Dup, 2, key);
  }
  EXPECT_TRUE(document.image.IsEqual(before));
  const auto [opened, result] = requests.Key(CT_Rptlist, CL_Repeater_List_Dup, 1, kKeyEnter);
  EXPECT_EQ(std::get<SelectionListPopup>(opened.popup).listKey, "GI_Sheet_Sel_Rpt_Dup_FM");
  EXPECT_EQ(std::get<SelectionListPopup>(opened.popup).entryId, CL_FlexMark_RptDup);
}

TEST_F(RepeaterColumns, MarksComeFromTheRepeaterChecks) {
  Edit(1, [](datCh& r) { r.callSign = MakeFixedText<8>("JP1YIU A"); });  // an FM holder of a DV call sign
  Edit(2, [](datCh& r) { r.duplex = kDuplexMinus; });                    // a DV simplex entry with a duplex
  EXPECT_FALSE(requests.Query(CT_Rptlist, CL_Repeater_List_Dup, 0).HasFlag(kRequestWarningMark));
  Edit(0, [](datCh& r) { r.frequency = 10'000; });
  EXPECT_TRUE(requests.Query(CT_Rptlist, CL_Repeater_List_Freq, 0).HasFlag(kRequestErrorMark));
  Edit(0, [](datCh& r) { r.frequency = 300'000'000; });
  EXPECT_TRUE(requests.Query(CT_Rptlist, CL_Repeater_List_Freq, 0).HasFlag(kRequestWarningMark));
  Edit(1, [](datCh& r) { r.callSign = MakeFixedText<8>("JR1ABC"); });
  Edit(2, [](datCh& r) {
    r.callSign = MakeFixedText<8>("JR1ABC");
    r.mode = kRepeaterModeFm;
    r.duplex = 1;
    r.frequency = 145'800'000;
  });
  EXPECT_TRUE(requests.Query(CT_Rptlist, CL_Repeater_List_R_Callsign_Code, 2).HasFlag(kRequestWarningMark));
  EXPECT_FALSE(requests.Query(CT_Rptlist, CL_Repeater_List_R_Callsign_Code, 1).HasFlag(kRequestWarningMark));
}

}  // namespace
