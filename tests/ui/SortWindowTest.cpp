// Edit > Sort on pages reached through the tree: the dialog answered with keys, the page (or
// the selected rows) in key order with the bank place and the remembered channel following
// their channels, one undo step, and the message on a page whose entries lack the key.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>

#include "PageWindowFixture.h"
#include "memory/BankEdits.h"
#include "memory/ImageFields.h"
#include "memory/MemoryTestImages.h"
#include "ui/SortDialog.h"

namespace {

using namespace MemoryMap;

constexpr const char* kMemory100 = "[St_ColCut]GI_Sheet_MemoryCH,1,100";
constexpr const char* kGpsPage = "[St_ChGps]GI_Sheet_GPS_BankCH,222,GpsMemory  1";

class SortWindowTest : public PageWindowTest {
 protected:
  // C, A, D, B on channels 100-103 at falling frequencies; A in bank A row 3; the remembered
  // channel is D; channel 104 is empty and 105 holds E.
  void PutChannels() {
    PutChannel(100, "C", kNoBank, 0, 146000000);
    PutChannel(101, "A", 0, 3, 145500000);
    PutChannel(102, "D", kNoBank, 0, 145000000);
    PutChannel(103, "B", kNoBank, 0, 144500000);
    PutChannel(105, "E", kNoBank, 0, 144000000);
    WriteU16(Image(), kRememberedChannel, 102);
    Main().Doc().ResetHistory();  // the document as it was opened
  }

  std::vector<std::string> Names(int first, int last) {
    std::vector<std::string> names;
    for (int index = first; index <= last; ++index) names.push_back(NameAt(index));
    return names;
  }

  // Edit > Sort..., the key chosen with the arrow keys in the dialog's list (Frequency, Name,
  // Mode, Call sign), Descending ticked with Tab and Space, then Enter.
  void SortBy(int keyPresses, bool descending) {
    WhenShown<SortDialog>([keyPresses, descending](SortDialog& dialog) {
      ASSERT_TRUE(desktop::Activate(dialog));
      ASSERT_TRUE(dialog.KeyBox().hasFocus());
      for (int n = 0; n < keyPresses; ++n) desktop::Key(Qt::Key_Down);
      if (descending) {
        desktop::Key(Qt::Key_Tab);
        ASSERT_TRUE(dialog.DescendingBox().hasFocus());
        desktop::Key(Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
      }
      desktop::Enter();
    });
    ChooseMenuEntry(Main(), CL_Menu_Edit_Sort);
    PumpUntil([] { return QApplication::activeModalWidget() == nullptr; });
  }

  std::string RememberedName() { return NameAt(ReadU16(Image(), kRememberedChannel)); }
};

TEST_F(SortWindowTest, TheWholePageSortsWithItsReferencesAndUndoesInOneStep) {
  PutChannels();
  OpenNode(kMemory100);
  Focus(FirstDataRow() + 2);
  SortBy(1, false);
  EXPECT_EQ(Names(100, 106), (std::vector<std::string>{"A", "B", "C", "D", "E", "", ""}))
      << "names in order, the empty channel after them";
  EXPECT_EQ(Status(), QStringLiteral(" Sorted"));
  EXPECT_EQ(RememberedName(), "D");
  EXPECT_EQ(NameAt(BankRowChannel(Image(), 0, 3)), "A");
  EXPECT_EQ(Shown(CL_Mch_Name, FirstDataRow()), "A") << "the page shows the sorted channels";

  ActivateWindow();
  desktop::Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(Main().Doc().CanUndo()) << "the sort was one step";
  EXPECT_EQ(Names(100, 105), (std::vector<std::string>{"C", "A", "D", "B", "", "E"}));
  EXPECT_EQ(RememberedName(), "D");
  EXPECT_EQ(NameAt(BankRowChannel(Image(), 0, 3)), "A");
}

TEST_F(SortWindowTest, SelectedRowsSortAmongThemselves) {
  PutChannels();
  OpenNode(kMemory100);
  Focus(FirstDataRow());
  desktop::Key(Qt::Key_Down, Qt::ShiftModifier);
  desktop::Key(Qt::Key_Down, Qt::ShiftModifier);
  SortBy(0, true);  // frequency, descending
  EXPECT_EQ(Names(100, 103), (std::vector<std::string>{"C", "A", "D", "B"})) << "already in that order";
  Focus(FirstDataRow());
  desktop::Key(Qt::Key_Down, Qt::ShiftModifier);
  desktop::Key(Qt::Key_Down, Qt::ShiftModifier);
  SortBy(0, false);
  EXPECT_EQ(Names(100, 105), (std::vector<std::string>{"D", "A", "C", "B", "", "E"}));
  EXPECT_EQ(RememberedName(), "D");
}

TEST_F(SortWindowTest, AKeyThePageLacksIsRefusedWithAMessage) {
  OpenNode(kGpsPage);
  Focus(FirstDataRow(), CL_Gps_Name);
  const cmcEeprom before = Image();
  run_->Messages().answers = {kAnswerOk};
  SortBy(0, false);
  ASSERT_FALSE(run_->Messages().asked.empty());
  EXPECT_EQ(run_->Messages().asked.back().text, "The entries of this page have no such field.");
  EXPECT_EQ(FirstDifference(Image(), before), -1);
}

}  // namespace
