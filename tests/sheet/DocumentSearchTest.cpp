// Find over the texts the cells show: the matching rule (letter case, numbers by value), and
// steps forward and back through one page or every list page, wrapping with the starting cell
// last.
#include <gtest/gtest.h>

#include "CellDocumentFixture.h"
#include "memory/MemoryMap.h"
#include "memory/RepeaterList.h"
#include "sheet/cells/DocumentSearch.h"
#include "text/CellIds.h"

namespace {

using namespace MemoryMap;

TEST(DocumentSearch, WhatMatches) {
  struct Case {
    const char* shown;
    const char* query;
    bool matches;
  };
  const Case cases[] = {
      {"145.500000", "145.5", true},
      {"145.500000", "145.50000", true},
      {"145.525000", "145.5", false},
      {"145.500000", "145", false},
      {"88.5", "88.50", true},
      {"Home Repeater", "home", true},
      {"JA1ABC  ", "ja1a", true},
      {"JA1ABC", "JA1B", false},
      {"12.5k", "12.5", true},
      {"Channel 12", "", false},
      {"", "a", false},
      {"Channel 12", "  12 ", true},
      {"CQCQCQ", "QC", true},
      {"1.2.3", "1.2", true},
  };
  for (const Case& c : cases) EXPECT_EQ(TextMatches(c.shown, c.query), c.matches) << c.shown << " / " << c.query;
}

constexpr const char* kMemory0 = "[St_ColCut]GI_Sheet_MemoryCH,0,0";
constexpr const char* kMemory200 = "[St_ColCut]GI_Sheet_MemoryCH,2,200";

class DocumentSearchTest : public ::testing::Test {
 protected:
  DocumentSearchTest() {
    PutChannel(5, "HOME", 146000000);
    PutChannel(7, "Park", 145500000);
    PutChannel(250, "home 2", 147000000);
    SetGroupCount(document_.image, 0, 4);
    datCh repeater(document_.image);
    repeater.Load(RecordKind::kNewRepeater, 3);
    repeater.name = MakeFixedText<kNameLength>("Home Hill");
    repeater.Store(RecordKind::kRepeater, 3);
  }

  void PutChannel(int index, const char* name, std::uint32_t frequency) {
    datCh channel = document_.Channel(index);
    channel.SetUsed(true);
    channel.frequency = frequency;
    channel.name = MakeFixedText<kNameLength>(name);
    channel.Commit();
  }

  // Where each step goes: the list kind's cell and index, "" for no match.
  std::string Step(const char* query, SearchPlace& from, bool forward = true, bool whole = true) {
    const std::optional<SearchHit> hit = FindStep(document_, query, from, forward, whole);
    if (!hit) return "";
    from = hit->place;
    return std::string(CellIdName(hit->cellId)) + " " + std::to_string(hit->index);
  }

  TestDocument document_{2};
};

TEST_F(DocumentSearchTest, StepsThroughEveryListPageAndWraps) {
  SearchPlace place{kMemory0, 0, 0};
  EXPECT_EQ(Step("home", place), "CL_Mch_Name 5");
  EXPECT_EQ(place.sheetName, kMemory0);
  EXPECT_EQ(Step("home", place), "CL_Mch_Name 250");
  EXPECT_EQ(place.sheetName, kMemory200);
  EXPECT_EQ(Step("home", place), "CL_Repeater_List_Name 3");
  EXPECT_NE(place.sheetName.find("GI_Sheet_RepeaterList"), std::string::npos) << place.sheetName;
  EXPECT_EQ(Step("home", place), "CL_Mch_Name 5") << "wrapped to the first page";
  EXPECT_EQ(Step("home", place, false), "CL_Repeater_List_Name 3") << "backwards wraps too";
  EXPECT_EQ(Step("home", place, false), "CL_Mch_Name 250");
}

TEST_F(DocumentSearchTest, FrequenciesMatchByValue) {
  SearchPlace place{kMemory0, 0, 0};
  EXPECT_EQ(Step("145.5", place), "CL_Mch_Freq 7");
  EXPECT_EQ(Step("145.5", place), "CL_Mch_Freq 7") << "the only match comes back after the wrap";
  EXPECT_EQ(Step("146", place), "CL_Mch_Freq 5");
}

TEST_F(DocumentSearchTest, TheCurrentPageAloneAndNoMatch) {
  SearchPlace place{kMemory0, 0, 0};
  EXPECT_EQ(Step("home", place, true, false), "CL_Mch_Name 5");
  EXPECT_EQ(Step("home", place, true, false), "CL_Mch_Name 5") << "channel 250 lies on another page";
  EXPECT_EQ(Step("nowhere", place), "");
  EXPECT_EQ(place.sheetName, kMemory0);
}

}  // namespace
