// Edit > Undo and Redo as a user reaches them on real pages: Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z
// on the grid, the menu entries and the tool bar buttons, each user action one step, and a
// new document starting with nothing to undo. Ctrl+Z in the in-place editor stays the
// editor's own.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QAction>
#include <QPlainTextEdit>
#include <QToolBar>
#include <filesystem>
#include <fstream>

#include "PageWindowFixture.h"
#include "memory/ChannelList.h"
#include "platform/FileDialog.h"
#include "ui/InPlaceEditor.h"
#include "ui/cuiMenu.h"
#include "ui/cuiToolBar.h"
#include "workflows/Document.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kMemory100 = "[St_ColCut]GI_Sheet_MemoryCH,1,100";

// Answers every file dialog with one path.
class OneFileDialog final : public FileDialog {
 public:
  explicit OneFileDialog(std::string path) : path_(std::move(path)), previous_(InstallFileDialog(this)) {}
  ~OneFileDialog() override { InstallFileDialog(previous_); }
  FileDialogAnswer Ask(const FileDialogRequest&) override { return {true, path_, 0}; }

 private:
  std::string path_;
  FileDialog* previous_;
};

class UndoWindowTest : public PageWindowTest {
 protected:
  // Channels 100 to 102 named A, B and C, as a file opened with them would be: saved and
  // with nothing to undo.
  void OpenPageWithChannels() {
    const char* names[] = {"A", "B", "C"};
    for (int i = 0; i < 3; ++i) {
      datCh record = Channel(100 + i);
      record.SetUsed(true);
      record.frequency = 145000000;
      record.name = MakeFixedText<16>(names[i]);
      record.Commit();
    }
    RebuildBankTables(Image());
    Main().Doc().MarkSaved();
    Main().Doc().ResetHistory();
    OpenNode(kMemory100);
  }

  std::string NameAt(int index) {
    const datCh record = Channel(index);
    if (!record.IsUsed()) return "";
    std::string name(ViewOf(record.name));
    return name.substr(0, name.find_last_not_of(' ') + 1);
  }

  QAction* MenuEntry(unsigned cellId) { return Main().Menu()->FindByCellId(cellId); }

  QAction* ToolButton(const QString& hint) {
    for (QAction* action : Main().ToolBar()->Bar()->actions()) {
      if (action->toolTip() == hint || action->text() == hint) return action;
    }
    ADD_FAILURE() << "no tool bar button " << hint.toStdString();
    return nullptr;
  }

  // The page is built again after an undo or redo; the cursor comes back where it was.
  void WaitForPage() {
    PumpFor(50);
    ASSERT_TRUE(PumpUntil([&] { return Main().CurrentSheet() != nullptr; }));
  }

  void TypeName(int row, const QString& text) { Type(CellIn(CL_Mch_Name, row), text); }
};

TEST_F(UndoWindowTest, TypedValueUndoneByCtrlZAndRedoneByEitherRedoKey) {
  OpenPageWithChannels();
  const int row = FirstDataRow() + 1;
  EXPECT_FALSE(MenuEntry(CL_Menu_Edit_Undo)->isEnabled());
  TypeName(row, QStringLiteral("Zulu"));
  ASSERT_EQ(NameAt(101), "Zulu");
  EXPECT_TRUE(Main().Doc().IsModified());
  EXPECT_TRUE(MenuEntry(CL_Menu_Edit_Undo)->isEnabled());
  EXPECT_FALSE(MenuEntry(CL_Menu_Edit_Redo)->isEnabled());

  Focus(row);
  desktop::Key(Qt::Key_Z, Qt::ControlModifier);
  WaitForPage();
  EXPECT_EQ(NameAt(101), "B");
  EXPECT_FALSE(Main().Doc().IsModified()) << "undone to the saved state";
  EXPECT_EQ(Shown(CL_Mch_Name, row), "B") << "the page shows the restored value";
  EXPECT_EQ(Sheet().Grid().Row(), row) << "the cursor stays";
  EXPECT_FALSE(MenuEntry(CL_Menu_Edit_Undo)->isEnabled());
  EXPECT_TRUE(MenuEntry(CL_Menu_Edit_Redo)->isEnabled());

  Focus(row);
  desktop::Key(Qt::Key_Y, Qt::ControlModifier);
  WaitForPage();
  EXPECT_EQ(NameAt(101), "Zulu");
  EXPECT_TRUE(Main().Doc().IsModified());

  Focus(row);
  desktop::Key(Qt::Key_Z, Qt::ControlModifier);
  WaitForPage();
  ASSERT_EQ(NameAt(101), "B");
  Focus(row);
  desktop::Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  WaitForPage();
  EXPECT_EQ(NameAt(101), "Zulu");

  // The tool bar's buttons do the same.
  desktop::ClickToolButton(*Main().ToolBar()->Bar(), *ToolButton(QStringLiteral("Undo")));
  WaitForPage();
  EXPECT_EQ(NameAt(101), "B");
  desktop::ClickToolButton(*Main().ToolBar()->Bar(), *ToolButton(QStringLiteral("Redo")));
  WaitForPage();
  EXPECT_EQ(NameAt(101), "Zulu");

  // Leaving the saved state by an undo asks before a new document replaces it.
  TypeName(row, QStringLiteral("Yank"));
  ChooseMenuEntry(Main(), CL_Menu_Edit_Undo);
  WaitForPage();
  ChooseMenuEntry(Main(), CL_Menu_Edit_Undo);
  WaitForPage();
  EXPECT_FALSE(Main().Doc().IsModified());
  run_->Messages().asked.clear();
  ChooseMenuEntry(Main(), CL_Menu_File_New);
  EXPECT_TRUE(run_->Messages().asked.empty()) << "nothing to save after undoing every change";
}

TEST_F(UndoWindowTest, CtrlZInTheCellEditorUndoesTheTypingNotTheDocument) {
  OpenPageWithChannels();
  const int row = FirstDataRow();
  TypeName(row + 2, QStringLiteral("Xray"));
  ASSERT_EQ(NameAt(102), "Xray");
  Focus(row);
  desktop::Key(Qt::Key_Q, Qt::NoModifier, QStringLiteral("q"));
  auto* editor = Sheet().Grid().viewport()->findChild<InPlaceEditor*>();
  ASSERT_NE(editor, nullptr);
  ASSERT_TRUE(Sheet().EditorVisible());
  desktop::Key(Qt::Key_R, Qt::NoModifier, QStringLiteral("r"));
  const QString typed = editor->toPlainText();
  ASSERT_FALSE(typed.isEmpty());

  desktop::Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_NE(editor->toPlainText(), typed) << "the editor took back its typing";
  EXPECT_EQ(NameAt(102), "Xray") << "the document kept the earlier edit";
  EXPECT_TRUE(Main().Doc().CanUndo());
  desktop::Escape();
}

TEST_F(UndoWindowTest, ADeleteOfSeveralRowsAndACsvImportAreOneStepEach) {
  OpenPageWithChannels();
  const int first = FirstDataRow();
  Focus(first);
  desktop::Key(Qt::Key_Down, Qt::ShiftModifier);
  run_->Messages().answers = {kAnswerOk};
  desktop::Key(Qt::Key_Delete);
  ASSERT_EQ(NameAt(100), "C");
  ASSERT_EQ(NameAt(101), "");

  const fs::path file = fs::temp_directory_path() / ("tessel-undo-" + std::to_string(::getpid()) + ".csv");
  std::ofstream(file, std::ios::binary) << "CH No,Frequency,Name\r\n05,146.0,FIVE\r\n06,146.5,SIX\r\n";
  OneFileDialog dialog(file.string());
  run_->Messages().answers = {kAnswerOk};
  ChooseMenuEntry(Main(), CL_Menu_File_Import);
  WaitForPage();
  fs::remove(file);
  ASSERT_EQ(NameAt(105), "FIVE");
  ASSERT_EQ(NameAt(106), "SIX");
  ASSERT_EQ(NameAt(100), "") << "the import replaced the page";

  Focus(first);
  desktop::Key(Qt::Key_Z, Qt::ControlModifier);
  WaitForPage();
  EXPECT_EQ(NameAt(100), "C") << "the page as the delete left it";
  EXPECT_EQ(NameAt(105), "");
  Focus(first);
  desktop::Key(Qt::Key_Z, Qt::ControlModifier);
  WaitForPage();
  EXPECT_EQ(NameAt(100), "A");
  EXPECT_EQ(NameAt(101), "B");
  EXPECT_EQ(NameAt(102), "C");
  EXPECT_FALSE(Main().Doc().IsModified());
  EXPECT_FALSE(MenuEntry(CL_Menu_Edit_Undo)->isEnabled());
}

TEST_F(UndoWindowTest, ANewDocumentHasNothingToUndo) {
  OpenPageWithChannels();
  TypeName(FirstDataRow(), QStringLiteral("Kilo"));
  ASSERT_TRUE(MenuEntry(CL_Menu_Edit_Undo)->isEnabled());
  run_->Messages().answers = {kAnswerNo};  // do not save first
  ChooseMenuEntry(Main(), CL_Menu_File_New);
  ASSERT_TRUE(PumpUntil([&] { return Main().CurrentSheet() != nullptr; }));
  EXPECT_FALSE(MenuEntry(CL_Menu_Edit_Undo)->isEnabled());
  EXPECT_FALSE(MenuEntry(CL_Menu_Edit_Redo)->isEnabled());
  const cmcEeprom fresh = Image();
  OpenNode(kMemory100);
  Focus(FirstDataRow());
  desktop::Key(Qt::Key_Z, Qt::ControlModifier);
  PumpFor(50);
  EXPECT_TRUE(Image().IsEqual(fresh)) << "no step of the old document reaches the new one";
}

}  // namespace
