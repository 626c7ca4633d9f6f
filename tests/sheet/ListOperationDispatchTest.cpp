// The list commands as the pop-up menu sends them to the current cell: the block they work
// on, the questions they ask (answered through the test message box), the status text, the
// row events of the list sheets, and the selection and cursor they hand back to the sheet.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CellDocumentFixture.h"
#include "memory/BankEdits.h"
#include "memory/ListImageFixture.h"
#include "memory/MemoryTestImages.h"
#include "platform/MessageBox.h"
#include "support/ScriptedMessageBox.h"

namespace {

using namespace list_fixture;
using Strings = std::vector<std::string>;

constexpr int kDisabled = 2;
constexpr char kBankA[] = "21";

class ListOperationDispatch : public ::testing::Test {
 protected:
  ListOperationDispatch() {
    document.image = Image();
    document.events.Register(&OnEvent, this);
  }
  ~ListOperationDispatch() override { document.events.Unregister(&OnEvent, this); }

  // The command on the current cell, with the selected lines when first <= last.
  cmcCellCapsule Command(unsigned category, int index, unsigned command, int first = 0, int last = -1,
                         std::string argument = {}) {
    cmcCellCapsule request = requests.Make(category, CL_Misc_ChNo_0Base, index, std::move(argument));
    request.command = static_cast<std::int32_t>(command);
    if (first <= last) {
      request.rangeFlags = kRangeLinesSelected;
      request.rangeLow = first;
      request.rangeHigh = last;
    }
    requests.Act(request);
    return request;
  }

  bool EntryDisabled(unsigned category, int index, unsigned entry, std::string argument = {}) {
    const cmcCellCapsule current = requests.Make(category, CL_Misc_ChNo_0Base, index, std::move(argument));
    cmcCellObj cell;
    cell.category = CT_PopupMenu;
    cell.cellId = entry;
    cmcCellCapsule request;
    request.cell = &cell;
    request.parent = &current;
    requests.Behaviour().HandleCellRequest(request, kCellQuery);
    return cell.StateFlag(kDisabled);
  }

  std::string Asked(std::size_t n) const { return n < box.asked.size() ? box.asked[n].text : ""; }

  // The open list sheet answers which group it shows and how many entries it has.
  static void OnEvent(void* user, const EventRecord& event) {
    auto* self = static_cast<ListOperationDispatch*>(user);
    if (event.code == EV_StatusMessage) self->statuses.emplace_back(event.Text());
    if (event.code == EV_ListEntryAdded) ++self->rowsAdded;
    if (event.code == EV_ListEntryRemoved) ++self->rowsRemoved;
    if (event.code == EV_QueryListRange && self->listNumber >= 0) {
      self->document.events.Answer(self->listNumber, self->listCount);
    }
  }

  ScriptedMessageBox box;
  TestDocument document{0};
  CellRequests requests{document};
  Strings statuses;
  int rowsAdded = 0;
  int rowsRemoved = 0;
  int listNumber = -1;
  int listCount = 0;
};

TEST_F(ListOperationDispatch, CopyThenPasteIntoTheLastRowsAsksAboutTheOverflow) {
  const cmcCellCapsule copy = Command(CT_Conv, 1, CL_PMenu_Copy, 0, 2);
  EXPECT_EQ(statuses, Strings{" Copied"});
  EXPECT_TRUE(copy.rangeFlags & kRangeApplied);
  EXPECT_FALSE(EntryDisabled(CT_Conv, 198, CL_PMenu_Paste));
  box.answers = {kAnswerOk};
  const cmcCellCapsule paste = Command(CT_Conv, 198, CL_PMenu_Paste);
  ASSERT_EQ(box.asked.size(), 1u) << "no overwrite question: the rows were empty";
  EXPECT_EQ(box.asked[0].text,
            "Channel overflow.\nSome of the copied channel contents won't be pasted in the list.\nAre you sure?");
  EXPECT_EQ(box.asked[0].buttons, MessageButtons::OkCancel);
  EXPECT_EQ(Names(document.image, 1, 197, 199), (Strings{"", "C0", "C1"}));
  EXPECT_EQ(paste.rangeLow, 198);
  EXPECT_EQ(paste.rangeHigh, 199);
  EXPECT_EQ(statuses.back(), " Pasted");
}

TEST_F(ListOperationDispatch, EveryCancelledQuestionLeavesTheImage) {
  const struct {
    const char* name;
    unsigned command;
    int index;
    const char* question;
  } cases[] = {
      {"clear", CL_PMenu_Clear, 3, "Clearing. Are you sure?"},
      {"delete", CL_PMenu_Delete, 3, "Deleting. Are you sure?"},
      {"paste onto used rows", CL_PMenu_Paste, 5, "Overwriting. Are you sure?"},
  };
  Command(CT_Conv, 0, CL_PMenu_Copy);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    box.asked.clear();
    const cmcEeprom before = document.image;
    box.answers = {kAnswerCancel};
    Command(CT_Conv, c.index, c.command);
    ASSERT_EQ(box.asked.size(), 1u);
    EXPECT_EQ(box.asked[0].text, c.question);
    EXPECT_EQ(box.asked[0].icon, MessageIcon::Warning);
    EXPECT_EQ(box.asked[0].caption, "Tessel");
    EXPECT_EQ(FirstDifference(document.image, before), -1);
  }
}

TEST_F(ListOperationDispatch, ClearAsksThenBlanksAndRepaintsEveryRow) {
  box.answers = {kAnswerOk};
  document.eventsSeen.clear();
  Command(CT_Conv, 4, CL_PMenu_Clear, 4, 6);
  EXPECT_EQ(Names(document.image, 1, 3, 7), (Strings{"C3", "", "", "", "C7"}));
  EXPECT_EQ(RememberedChannel(document.image), "") << "the remembered channel C5 was cleared";
  EXPECT_EQ(statuses, Strings{" Cleared"});
  document.timing.Advance(20);
  int indexRefreshes = 0;
  for (const int code : document.eventsSeen) indexRefreshes += code == EV_SheetRefreshIndex ? 1 : 0;
  EXPECT_EQ(indexRefreshes, 3);
}

TEST_F(ListOperationDispatch, TheBlockOfTheCurrentRowBoundsTheOperation) {
  const cmcCellCapsule copy = Command(CT_Conv, 510, CL_PMenu_Copy, 495, 505);
  EXPECT_EQ(copy.rangeLow, 500) << "scan edges are their own block";
  EXPECT_EQ(copy.rangeHigh, 505);
  EXPECT_EQ(document.clipboard.First(), 500);
  EXPECT_EQ(document.clipboard.Count(), 6);
  const cmcCellCapsule carry = Command(CT_Conv, 500, CL_PMenu_CarryUp);
  EXPECT_EQ(carry.moveRequest, 0) << "the first row of a block does not move up";
}

TEST_F(ListOperationDispatch, CarryMovesSelectionAndCursorWithTheBlock) {
  const cmcCellCapsule carry = Command(CT_Conv, 4, CL_PMenu_CarryDown, 3, 4);
  EXPECT_EQ(Names(document.image, 1, 3, 5), (Strings{"C5", "C3", "C4"}));
  EXPECT_EQ(carry.rangeLow, 4);
  EXPECT_EQ(carry.rangeHigh, 5);
  EXPECT_NE(carry.moveRequest, 0);
  EXPECT_EQ(carry.moveIndex, 5);
  EXPECT_EQ(RememberedChannel(document.image), "C5");
}

TEST_F(ListOperationDispatch, DeleteMovesTheCursorToTheBlockAndEndsTheSelection) {
  box.answers = {kAnswerOk};
  const cmcCellCapsule deleted = Command(CT_Conv, 3, CL_PMenu_Delete, 2, 3);
  EXPECT_EQ(Names(document.image, 1, 1, 3), (Strings{"C1", "C4", "C5"}));
  EXPECT_FALSE(deleted.rangeFlags & kRangeApplied);
  EXPECT_EQ(deleted.moveIndex, 2);
  EXPECT_EQ(statuses, Strings{" Deleted"});
}

TEST_F(ListOperationDispatch, InsertAsksOnlyWhenUsedRowsArePushedOut) {
  Command(CT_Conv, 0, CL_PMenu_Insert);
  EXPECT_TRUE(box.asked.empty());
  EXPECT_EQ(Names(document.image, 1, 0, 1), (Strings{"", "C0"}));
  StoreChannel(document.image, 99, "LAST");
  box.answers = {kAnswerOk};
  Command(CT_Conv, 50, CL_PMenu_Insert);
  EXPECT_EQ(Asked(0),
            "Channel overflow.\nThe channel contents at the bottom line in this sheet will be deleted.\nAre you sure?");
  EXPECT_EQ(NameOf(document.image, 1, 99), "");
}

TEST_F(ListOperationDispatch, PasteTakesOnlyItsOwnKind) {
  listNumber = 1;
  listCount = 3;
  Command(CT_Rptlist, 4, CL_PMenu_Copy);
  EXPECT_TRUE(EntryDisabled(CT_Conv, 10, CL_PMenu_Paste));
  const cmcEeprom before = document.image;
  Command(CT_Conv, 10, CL_PMenu_Paste);
  EXPECT_EQ(FirstDifference(document.image, before), -1);
  EXPECT_FALSE(EntryDisabled(CT_Rptlist, 6, CL_PMenu_Paste));
  EXPECT_TRUE(EntryDisabled(CT_Rptlist, 7, CL_PMenu_Paste)) << "the new-entry row";
}

TEST_F(ListOperationDispatch, RepeaterRowsComeAndGoOneByOne) {
  listNumber = 1;
  listCount = 3;
  box.answers = {kAnswerOk};
  Command(CT_Rptlist, 5, CL_PMenu_Delete);
  EXPECT_EQ(Names(document.image, 7, 4, 5), (Strings{"S0", "S2"}));
  EXPECT_EQ(rowsRemoved, 1);
  EXPECT_EQ(RememberedRepeater(document.image), "");
  listCount = 2;
  const cmcCellCapsule inserted = Command(CT_Rptlist, 5, CL_PMenu_Insert, 4, 5);
  EXPECT_EQ(rowsAdded, 2) << "one entry per selected row";
  EXPECT_EQ(Names(document.image, 7, 4, 7), (Strings{"", "", "S0", "S2"}));
  EXPECT_EQ(GroupCount(document.image, 1), 4);
  EXPECT_EQ(inserted.rangeLow, 4);
  EXPECT_EQ(inserted.rangeHigh, 5);
  listCount = 4;
  Command(CT_Rptlist, 8, CL_PMenu_Insert);
  EXPECT_EQ(rowsAdded, 3) << "the new-entry row appends";
  EXPECT_EQ(GroupCount(document.image, 1), 5);
  EXPECT_EQ(statuses.back(), " Inserted");
}

TEST_F(ListOperationDispatch, InsertIntoAFullListShowsTheErrorAndChangesNothing) {
  SetGroupCount(document.image, 2, kRepeaterCount - 7);
  listNumber = 0;
  listCount = 4;
  const cmcEeprom before = document.image;
  Command(CT_Rptlist, 1, CL_PMenu_Insert);
  ASSERT_EQ(box.asked.size(), 1u);
  EXPECT_EQ(box.asked[0].text, "The memory is full.");
  EXPECT_EQ(box.asked[0].icon, MessageIcon::Error);
  EXPECT_EQ(FirstDifference(document.image, before), -1);
  EXPECT_EQ(rowsAdded, 0);
}

TEST_F(ListOperationDispatch, GpsAndBroadcastListsWorkWithinTheirGroup) {
  listNumber = 2;  // group B: H0, H1 at list positions 3 and 4
  listCount = 2;
  box.answers = {kAnswerOk};
  Command(CT_Gps, 3, CL_PMenu_Delete);
  EXPECT_EQ(Names(document.image, 6, 0, 3), (Strings{"G0", "G1", "G2", "H1"}));
  EXPECT_EQ(AlarmedGps(document.image), "G2");
  listNumber = 1;  // the AM list of broadcast group A: A0
  listCount = 1;
  Command(CT_Radio_Am, 51, CL_PMenu_Insert);
  EXPECT_EQ(Names(document.image, 15, 50, 51), (Strings{"A0", ""}));
  EXPECT_EQ(rowsAdded, 1);
}

TEST_F(ListOperationDispatch, BankRowsMoveTheirChannels) {
  box.answers = {kAnswerOk};
  Command(CT_BankCh, 1, CL_PMenu_Delete, 0, -1, kBankA);
  EXPECT_EQ(NameOf(document.image, 1, BankRowChannel(document.image, 0, 1)), "C2");
  EXPECT_EQ(NameOf(document.image, 1, 1), "") << "the deleted row's channel is empty";
  Command(CT_BankCh, 0, CL_PMenu_BankOff, 0, -1, kBankA);
  EXPECT_EQ(BankRowChannel(document.image, 0, 0), -1);
  EXPECT_EQ(NameOf(document.image, 1, 0), "C0");
}

TEST_F(ListOperationDispatch, BankPasteWithoutAFreeChannelShowsTheError) {
  for (int i = 10; i < kMemoryChannelCount; ++i) StoreChannel(document.image, i, "FULL");
  Command(CT_BankCh, 0, CL_PMenu_Copy, 0, 1, kBankA);
  Command(CT_BankCh, 40, CL_PMenu_Paste, 0, -1, kBankA);
  EXPECT_EQ(document.noFreeChannelNotices, 1);
}

TEST_F(ListOperationDispatch, ScanLinkDeleteTakesTheRowsPairOutOfTheLink) {
  box.answers = {kAnswerOk};
  Command(CT_Prog_Link, 1, CL_PMenu_Delete);
  EXPECT_EQ(Asked(0), "Deleting. Are you sure?");
  EXPECT_EQ(LinkMembers(document.image, 0), Strings{"E2A"});
}

}  // namespace

namespace {

TEST_F(ListOperationDispatch, BankSlotChoiceListsTheChannelsAndTakesThePick) {
  for (const int key : {kKeyEnter, kKeySpace, kKeyBackspace}) {
    const auto [request, result] = requests.Key(CT_BankCh, CL_Mch_Select_ChNo, 2, key, kBankA);
    const auto* list = std::get_if<IntegerListPopup>(&request.popup);
    ASSERT_NE(list, nullptr) << key;
    EXPECT_EQ(list->value, 2);
    EXPECT_EQ(list->minimum, 0);
    EXPECT_EQ(list->maximum, kMemoryChannelCount - 1);
  }
  const auto pick = [this](int row, int channel) {
    const cmcCellCapsule entry = requests.Make(kCategoryNone, Flex0, channel, {});
    cmcCellCapsule request = requests.Make(CT_BankCh, CL_Mch_Select_ChNo, row, kBankA);
    request.parent = &entry;
    request.inputKind = kInputPicked;
    requests.Act(request);
  };
  pick(2, 8);
  EXPECT_EQ(BankRowChannel(document.image, 0, 2), 8);
  EXPECT_EQ(NameOf(document.image, 1, 2), "C2") << "the channel that held the row stays";
  datCh left(document.image);
  left.Load(RecordKind::kChannel, 2);
  EXPECT_EQ(left.bank, kNoBank);
  const cmcEeprom before = document.image;
  pick(3, 300);  // an empty channel cannot sit in a bank
  pick(3, 3);    // the row already holds it
  EXPECT_EQ(FirstDifference(document.image, before), -1);
  pick(40, 9);
  EXPECT_EQ(BankRowChannel(document.image, 0, 40), 9) << "an empty row takes the channel too";
}

}  // namespace
