// The pop-ups a cell opens, driven as a user drives them: list cells of the memory channel
// page open their selection list with Enter, F2, Alt+Down or a double-click, and keys, clicks
// and focus loss pick or leave the value; the bit-field editor and the GPS text editor open
// from a cell that asks for them and store only what the user confirmed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <set>

#include "PageWindowFixture.h"
#include "SheetTestSupport.h"
#include "memory/MemoryMap.h"
#include "ui/DisplayText.h"
#include "ui/cuiFBitsR.h"
#include "ui/cuiFTextGps.h"
#include "ui/cuiFlector.h"
#include "values/GpsEditorText.h"

namespace {

constexpr const char* kMemoryPage = "[St_ColCut]GI_Sheet_MemoryCH,0,0";

class SelectionListTest : public PageWindowTest {
 protected:
  void SetUp() override {
    PageWindowTest::SetUp();
    OpenNode(kMemoryPage);
    Type(CellIn(CL_Mch_Freq, FirstDataRow()), QStringLiteral("145.5"));
    ASSERT_TRUE(Channel(0).IsUsed());
  }

  cuiFlector* OpenList() { return Popup(); }
  cuiFlector* Popup() { return Sheet().Grid().findChild<cuiFlector*>(); }

  // Presses a key on the cell and answers the list it opened.
  cuiFlector* OpenWith(unsigned cellId, int key, const QString& text = {}, Qt::KeyboardModifiers modifiers = {}) {
    ClickCell(CellIn(cellId, FirstDataRow()));
    desktop::Key(key, modifiers, text);
    return Popup();
  }

  bool Closed() {
    return PumpUntil([&] { return Popup() == nullptr; });
  }

  // The caption of the popup's current entry.
  static std::string CurrentEntry(cuiFlector& list) {
    cuiSheet& sheet = list.Sheet();
    return GetCaption(sheet.Layout().GetCell(sheet.Grid().Col(), sheet.Grid().Row()));
  }

  void SetToneMode(std::uint8_t mode) {
    datCh record = Channel(0);
    record.toneMode = mode;
    record.Commit();
  }
};

TEST_F(SelectionListTest, EveryOpeningKeyOpensTheListAtTheCellOnTheCurrentEntry) {
  struct Opening {
    const char* name;
    int key;
    QString text;
    Qt::KeyboardModifiers modifiers;
  };
  const Opening openings[] = {
      {"Enter", Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier},
      {"F2", Qt::Key_F2, {}, Qt::NoModifier},
      {"Alt+Down", Qt::Key_Down, {}, Qt::AltModifier},
  };
  for (const Opening& opening : openings) {
    SCOPED_TRACE(opening.name);
    cuiFlector* list = OpenWith(CL_Mch_Decode, opening.key, opening.text, opening.modifiers);
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    const QRect cell = Sheet().Grid().CellRect(Sheet().Grid().Col(), Sheet().Grid().Row());
    const QPoint cellOnScreen = Sheet().Grid().viewport()->mapToGlobal(cell.topLeft());
    EXPECT_EQ(list->pos(), cellOnScreen + QPoint(8, cell.height()));
    EXPECT_EQ(CurrentEntry(*list), "OFF");  // the cell shows nothing for tone mode 0, the list "OFF"
    list->Cancel();
    ASSERT_TRUE(Closed());
  }
  EXPECT_EQ(Shown(CL_Mch_Decode, FirstDataRow()), "");
  const CellPosition cell = CellIn(CL_Mch_Decode, FirstDataRow());
  desktop::DoubleClick(*Sheet().Grid().viewport(), Sheet().Grid().CellRect(cell.column, cell.row).center());
  ASSERT_NE(Popup(), nullptr) << "a double-click opens the list too";
  Popup()->Cancel();
}

TEST_F(SelectionListTest, KeysAndClicksPickWhileEscapeAndFocusLossChangeNothing) {
  cuiFlector* list = OpenWith(CL_Mch_Decode, Qt::Key_Return, QStringLiteral("\r"));
  ASSERT_NE(list, nullptr);
  desktop::Key(Qt::Key_Down);
  desktop::Escape();
  ASSERT_TRUE(Closed());
  EXPECT_EQ(Channel(0).toneMode, 0);

  list = OpenWith(CL_Mch_Decode, Qt::Key_Return, QStringLiteral("\r"));
  desktop::Key(Qt::Key_Down);
  desktop::Click(*Main().Tree()->Widget().viewport(), QPoint(5, 5));  // a click elsewhere
  ASSERT_TRUE(Closed());
  EXPECT_EQ(Channel(0).toneMode, 0);

  list = OpenWith(CL_Mch_Decode, Qt::Key_Return, QStringLiteral("\r"));
  desktop::Key(Qt::Key_Down);
  desktop::Enter();
  ASSERT_TRUE(Closed());
  EXPECT_EQ(Channel(0).toneMode, 1);
  EXPECT_EQ(Shown(CL_Mch_Decode, FirstDataRow()), "TONE");

  list = OpenWith(CL_Mch_Decode, Qt::Key_Return, QStringLiteral("\r"));
  desktop::Key(Qt::Key_End);
  const std::string last = CurrentEntry(*list);
  const QRect entry = list->Sheet().Grid().CellRect(list->Sheet().Grid().Col(), list->Sheet().Grid().Row());
  desktop::Click(*list->Sheet().Grid().viewport(), entry.center());
  ASSERT_TRUE(Closed());
  EXPECT_EQ(Shown(CL_Mch_Decode, FirstDataRow()), last);
  EXPECT_TRUE(Main().Doc().IsModified());
}

TEST_F(SelectionListTest, TheDtcsListHasSixColumnsAndTypedDigitsFindTheirCode) {
  cuiFlector* list = OpenWith(CL_Mch_DTCS, Qt::Key_Return, QStringLiteral("\r"));
  ASSERT_NE(list, nullptr);
  std::set<int> columns;
  const SheetLayout& layout = list->Sheet().Layout();
  for (int row = 0; row < layout.RowCount(); ++row) {
    for (int column = 0; column < layout.ColumnCount(); ++column) {
      if (layout.GetCell(column, row).cellId == Flex0) columns.insert(column);
    }
  }
  EXPECT_EQ(columns.size(), 6u);
  for (const char* digit : {"7", "5", "4"}) desktop::Key(digit[0], Qt::NoModifier, QString::fromLatin1(digit));
  EXPECT_EQ(CurrentEntry(*list), "754");
  desktop::Key(Qt::Key_Home);
  EXPECT_EQ(CurrentEntry(*list), "023");
  EXPECT_TRUE(PumpUntil([&] { return run_->Events().Query(EV_QueryIsPopup, 0, Sheet().GridId()).answered; }));
  desktop::Enter();
  ASSERT_TRUE(Closed());
  EXPECT_EQ(Shown(CL_Mch_DTCS, FirstDataRow()), "023");
  EXPECT_FALSE(run_->Events().Query(EV_QueryIsPopup, 0, Sheet().GridId()).answered);
}

TEST_F(SelectionListTest, AValueWithoutAnEntryOpensWithNothingSelected) {
  SetToneMode(2);  // no entry of the tone mode list stands for 2
  EXPECT_EQ(Shown(CL_Mch_Decode, FirstDataRow()), "error");
  cuiFlector* list = OpenWith(CL_Mch_Decode, Qt::Key_Return, QStringLiteral("\r"));
  ASSERT_NE(list, nullptr);
  desktop::Enter();
  EXPECT_EQ(Popup(), list) << "Enter picks nothing while no entry is selected";
  EXPECT_EQ(Channel(0).toneMode, 2);
  desktop::Key(Qt::Key_Down);
  desktop::Enter();
  ASSERT_TRUE(Closed());
  EXPECT_NE(Channel(0).toneMode, 2);
}

TEST_F(SelectionListTest, AListTooTallForTheScreenScrollsWithinTheWorkArea) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  cuiFlector* list = OpenWith(CL_Mch_DTCS, Qt::Key_Return, QStringLiteral("\r"));
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(area.contains(list->geometry())) << "the list stays on the work area";
  if (list->Sheet().GetWantedHeight() > area.height()) {
    EXPECT_EQ(list->Sheet().Grid().verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  }
  list->Cancel();
}

// A sheet whose one cell keeps a value and asks for the editor given; what comes back as a
// pick is recorded.
class EditorCellTest : public SheetTest {
 protected:
  static int Handle(cmcCellCapsule& request, int op, void* object) {
    auto& self = *static_cast<EditorCellTest*>(object);
    if (op == kCellQuery) return kCellResultNothing;
    if (request.inputKind == kInputPicked) {
      self.picks.push_back(request.inputText);
      return kCellResultNothing;
    }
    // Enter reaches a cell as the Edit entry of its pop-up menu, whose shortcut it is.
    if (request.key == kKeyEnter || request.command == CL_PMenu_Edit || request.key == '5') {
      request.popup = self.editor;
      if (auto* gps = std::get_if<GpsTextPopup>(&request.popup)) gps->openingKey = request.key;
      return kCellResultRefresh;
    }
    return kCellResultNothing;
  }

  template <typename Window>
  Window* OpenEditor(PopupRequest asked, int key = Qt::Key_Return, const QString& text = QStringLiteral("\r")) {
    editor = std::move(asked);
    if (!sheet) {
      sheet = std::make_unique<cuiSheet>(nullptr, ApplicationTexts(), &display, events);
      sheet->Layout().SetName("GI_Sheet_ScanEdge");
      sheet->SetCallback({&EditorCellTest::Handle, this});
      sheet->resize(1000, 600);
      sheet->Build();
      sheet->show();
    }
    Key(*sheet, key, Qt::NoModifier, text);
    return sheet->Grid().findChild<Window*>();
  }

  // A click on the sheet's corner, away from the pop-up at the cell.
  void ClickElsewhere() { desktop::Click(*sheet->Grid().viewport(), QPoint(1, 1)); }

  template <typename Window>
  bool Closed() {
    return PumpUntil([&] { return sheet->Grid().findChild<Window*>() == nullptr; });
  }

  PopupRequest editor;
  std::vector<std::string> picks;
  std::unique_ptr<cuiSheet> sheet;
};

TEST_F(EditorCellTest, TheBitEditorTogglesFlagsAndOkStoresThemWithTheOtherBits) {
  auto* bits =
      OpenEditor<cuiFBitsR>(BitFieldPopup{.value = 0xA5u << 18, .first = 1, .last = 8, .labelType = 6, .markStyle = 0});
  ASSERT_NE(bits, nullptr);
  cuiGrid& grid = bits->Sheet().Grid();
  int flagColumn = -1;
  for (int column = 0; column < bits->Sheet().Layout().ColumnCount() && flagColumn < 0; ++column) {
    if (bits->Sheet().Layout().GetCell(column, grid.Row()).cellId == CL_FBits) flagColumn = column;
  }
  ASSERT_GE(flagColumn, 0);
  desktop::Click(*grid.viewport(), grid.CellRect(flagColumn, grid.Row()).center());  // flag 1, bit 7: set
  desktop::Key(Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
  desktop::ClickOn(bits->OkButton());
  ASSERT_TRUE(Closed<cuiFBitsR>());
  ASSERT_EQ(picks.size(), 1u);
  EXPECT_EQ(std::stoul(picks[0]), 0x25u << 18);

  bits = OpenEditor<cuiFBitsR>(BitFieldPopup{.value = 0xA5u << 18, .first = 1, .last = 8, .labelType = 6});
  desktop::Key(Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
  desktop::Escape();
  ASSERT_TRUE(Closed<cuiFBitsR>());
  bits = OpenEditor<cuiFBitsR>(BitFieldPopup{.value = 0xA5u << 18, .first = 1, .last = 8, .labelType = 6});
  desktop::ClickOn(bits->CancelButton());
  ASSERT_TRUE(Closed<cuiFBitsR>());
  EXPECT_EQ(picks.size(), 1u) << "Escape and Cancel store nothing";

  bits = OpenEditor<cuiFBitsR>(BitFieldPopup{.value = 0b101u << 20, .first = 1, .last = 8, .labelType = 6});
  ClickElsewhere();  // commits
  ASSERT_TRUE(Closed<cuiFBitsR>());
  ASSERT_EQ(picks.size(), 2u);
  EXPECT_EQ(picks[1], std::to_string(0b101u << 20));
}

TEST_F(EditorCellTest, NmeaFlagsOutsideTheirRuleDisableOkAndAreNotStored) {
  auto* bits = OpenEditor<cuiFBitsR>(BitFieldPopup{.value = 0b11110u << 21, .first = 1, .last = 6, .labelType = 4});
  ASSERT_NE(bits, nullptr);
  EXPECT_TRUE(bits->OkButton().isEnabled());
  cuiGrid& grid = bits->Sheet().Grid();
  const SheetLayout& layout = bits->Sheet().Layout();
  for (int column = 0; column < layout.ColumnCount(); ++column) {
    if (layout.GetCell(column, grid.Row()).cellId == CL_FBits && layout.GetCell(column, grid.Row()).index == 5) {
      desktop::Click(*grid.viewport(), grid.CellRect(column, grid.Row()).center());
    }
  }
  desktop::Key(Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));  // a fifth sentence
  EXPECT_FALSE(bits->OkButton().isEnabled());
  ClickElsewhere();
  ASSERT_TRUE(Closed<cuiFBitsR>());
  EXPECT_TRUE(picks.empty());
}

TEST_F(EditorCellTest, TheGpsEditorTakesOnlyValidChangedValues) {
  struct Row {
    const char* name;
    GpsTextPopup editor;
    std::vector<int> keys;  // typed after opening
    bool ok;                // OK enabled at the end
    const char* stored;     // what OK stores; empty: nothing
  };
  const std::vector<Row> rows = {
      {"a digit opening a year-first date overwrites the third year digit",
       {"2012/03/04", kGpsDateYearFirst, '5'},
       {},
       true,
       "2052/03/04"},
      {"day-first dates travel year first", {"2012/03/04", kGpsDateDayFirst, 0}, {'0', '5'}, true, "2012/03/05"},
      {"2000-01-01 is refused", {"2000/01/02", kGpsDateYearFirst, 0}, {Qt::Key_End, Qt::Key_Backspace, '1'}, false, ""},
      {"letters other than the hemispheres are dropped", {"12:00:00", kGpsTime, 0}, {'x', '1', '3'}, true, "13:00:00"},
      {"minutes of 60 are refused",
       {" 45\xB0"
        "30'00\"N",
        kGpsLatitudeSeconds, 0},
       {'4', '5', '6', '0'},
       false,
       ""},
      {"an unchanged value stores nothing",
       {"139\xB0"
        "45.50'E",
        kGpsLongitudeMinutes, 0},
       {},
       true,
       ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    picks.clear();
    const bool openedByDigit = row.editor.openingKey == '5';
    auto* gps = OpenEditor<cuiFTextGps>(row.editor, openedByDigit ? '5' : Qt::Key_Return,
                                        openedByDigit ? QStringLiteral("5") : QStringLiteral("\r"));
    ASSERT_NE(gps, nullptr);
    for (int key : row.keys) {
      const QString text = key < 128 ? QString(QChar(key)) : QString();
      desktop::Key(key, Qt::NoModifier, key == Qt::Key_Backspace ? QStringLiteral("\b") : text);
    }
    EXPECT_EQ(gps->OkButton().isEnabled(), row.ok) << gps->FieldText();
    EXPECT_EQ(gps->Problem().isHidden(), row.ok) << "a line says what is wrong";
    gps->CommitAndClose();
    ASSERT_TRUE(Closed<cuiFTextGps>());
    if (*row.stored == '\0') {
      EXPECT_TRUE(picks.empty());
    } else {
      ASSERT_EQ(picks.size(), 1u);
      EXPECT_EQ(picks[0], row.stored);
    }
  }
}

TEST_F(EditorCellTest, TheGpsEditorNamesTheFieldThatIsWrong) {
  auto* gps =
      OpenEditor<cuiFTextGps>(GpsTextPopup{" 45\xB0"
                                           "30'00\"N",
                                           kGpsLatitudeSeconds, 0});
  ASSERT_NE(gps, nullptr);
  desktop::Key(Qt::Key_End);
  desktop::Key(Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
  desktop::Type(QStringLiteral("E"));
  EXPECT_FALSE(gps->OkButton().isEnabled());
  EXPECT_EQ(gps->Problem().text().toStdString(), "The latitude needs N or S.");
  desktop::Escape();
  ASSERT_TRUE(Closed<cuiFTextGps>());
  EXPECT_TRUE(picks.empty());
}

}  // namespace

namespace {

constexpr const char* kGpsPage = "[St_ChGps]GI_Sheet_GPS_BankCH,222,GpsMemory  1";

// The editors as the list pages open them: a GPS memory takes its date and position through
// the GPS text editor.
class ListPopupTest : public PageWindowTest {
 protected:
  cuiFTextGps* Editor() { return Sheet().Grid().findChild<cuiFTextGps*>(); }

  cuiFTextGps* OpenEditorOn(unsigned cellId, int row) {
    ClickCell(CellIn(cellId, row));
    desktop::Enter();
    return Editor();
  }
};

TEST_F(ListPopupTest, GpsMemoryDateAndLatitudeAreTypedInTheGpsEditor) {
  // group A holds one memory, record 0
  for (int p = 0; p < MemoryMap::kGpsMemoryCount; ++p) Image().SetByte(MemoryMap::kGpsOrder + p, p == 0 ? 0 : 0xFF);
  for (int g = 0; g < MemoryMap::kGpsGroupCount; ++g)
    Image().SetByte(MemoryMap::kGpsGroupStarts + g, g == 1 ? 0 : 0xFF);
  OpenNode(kGpsPage);
  const int row = Sheet().Layout().FirstListRow();
  ASSERT_NE(Shown(CL_Gps_ChNo, row), "New");

  cuiFTextGps* date = OpenEditorOn(CL_Gps_Date, row);
  ASSERT_NE(date, nullptr);
  desktop::Key(Qt::Key_Home);
  const QString digits[] = {QStringLiteral("240715"), QStringLiteral("071524"), QStringLiteral("150724")};
  desktop::Type(digits[date->EditType()]);  // the pattern keeps "20" of the year and the slashes
  desktop::ClickOn(date->OkButton());
  ASSERT_TRUE(PumpUntil([&] { return Editor() == nullptr; }));
  const std::string shown = Shown(CL_Gps_Date, row);
  EXPECT_NE(shown.find("2024"), std::string::npos) << shown;
  EXPECT_NE(shown.find("07"), std::string::npos) << shown;

  cuiFTextGps* latitude = OpenEditorOn(CL_Gps_Latitude, row);
  ASSERT_NE(latitude, nullptr);
  desktop::Key(Qt::Key_Home);
  desktop::Type(QStringLiteral("3541"));
  desktop::Escape();
  ASSERT_TRUE(PumpUntil([&] { return Editor() == nullptr; }));
  EXPECT_EQ(Shown(CL_Gps_Latitude, row).find("35"), std::string::npos) << "Escape stores nothing";
}

}  // namespace
