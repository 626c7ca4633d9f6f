#pragma once
// Real sheets over the built-in language tables for the widget tests: the settings object
// over memory stores, the display store for column widths, manual timing for the event
// manager, and a cell behaviour that records what the sheet asks and answers like a
// plain text cell.
#include <QApplication>
#include <QCoreApplication>
#include <memory>
#include <string>
#include <vector>

#include "base/cmcEvMan.h"
#include "sheet/SheetFixture.h"
#include "sheet/layout/cmcCellCapsule.h"
#include "support/DesktopInput.h"
#include "support/ManualTiming.h"
#include "text/ApplicationTexts.h"
#include "text/LineTables.h"
#include "ui/DisplayText.h"
#include "ui/cuiGrid.h"
#include "ui/cuiSheet.h"

// Answers queries with "<identifier>:<index>" and acts like an editable text cell: Enter,
// double-click or the Edit command open the editor with the shown text, a typed character
// opens it with that character, a committed text is recorded.
struct RecordingBehaviour {
  struct Action {
    int32_t key = 0;
    int32_t command = 0;
    unsigned cellId = 0;
    int32_t index = 0;
  };
  std::vector<Action> actions;
  std::vector<std::string> commits;
  std::vector<std::pair<unsigned, int32_t>> queried;
  bool answerQueries = true;
  std::function<void()> onCommit;

  static int Handle(cmcCellCapsule& request, int op, void* object) {
    auto& self = *static_cast<RecordingBehaviour*>(object);
    const cmcCellObj& cell = *request.cell;
    if (op == kCellQuery) {
      self.queried.emplace_back(cell.cellId, cell.index);
      if (self.answerQueries) request.outputText = std::to_string(cell.cellId) + ":" + std::to_string(cell.index);
      return kCellResultNothing;
    }
    if (request.inputKind == kInputCommitted) {
      self.commits.push_back(request.inputText);
      if (self.onCommit) self.onCommit();
      return kCellResultNothing;
    }
    self.actions.push_back({request.key, request.command, cell.cellId, cell.index});
    const bool edit = request.key == kKeyEnter || request.key == kKeyDoubleClick || request.command == CL_PMenu_Edit;
    if (edit) {
      request.outputText = "145.000000";
      request.selectionStart = 0;
      request.selectionLength = 3;
      return kCellResultEdit;
    }
    if (request.key >= 32 && request.key < 127) {
      request.outputText = std::string(1, static_cast<char>(request.key));
      request.selectionStart = 1;
      return kCellResultEdit;
    }
    return kCellResultNothing;
  }
  CellBehaviourCallback Callback() { return {&RecordingBehaviour::Handle, this}; }
};

class SheetTest : public ::testing::Test {
 protected:
  void SelectLanguage(TableLanguage language) {
    ApplicationTexts().Reset();
    ApplicationTexts().SelectLineTable(LineTableOf(language));
    SetDisplayJapanese(language != TableLanguage::English);
  }
  void SetUp() override { SelectLanguage(TableLanguage::English); }
  void TearDown() override { SetDisplayJapanese(false); }

  std::unique_ptr<cuiSheet> Open(const std::string& name, bool withBehaviour = true) {
    auto sheet = std::make_unique<cuiSheet>(nullptr, ApplicationTexts(), &display, events);
    sheet->Layout().SetName(name);
    if (withBehaviour) sheet->SetCallback(behaviour.Callback());
    sheet->resize(1000, 600);
    sheet->Build();
    sheet->show();
    QApplication::processEvents();
    return sheet;
  }

  // A key typed into the sheet's window, made the active one first.
  static void Key(cuiSheet& sheet, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                  const QString& text = {}) {
    ASSERT_TRUE(desktop::Activate(sheet));
    desktop::Key(key, modifiers, text);
  }

  static CellPosition Cursor(cuiSheet& sheet) { return {sheet.Grid().Col(), sheet.Grid().Row()}; }

  ManualTiming timing;
  cmcEvMan events;
  TestSettings settings;
  SheetDisplayStore display{settings.environ, kSettingsKey, ApplicationTexts()};
  RecordingBehaviour behaviour;
};
