// The document commands of the window as a user meets them: New, Save, Save As in an older
// format, Open of good and damaged files, a save that the disk refuses, closing with
// unsaved changes, and a file named on the command line. File dialogs and message boxes
// answer from scripts.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QAction>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "MainTestSupport.h"
#include "base/indEnviron.h"
#include "files/DocumentSave.h"
#include "files/FileError.h"
#include "memory/MemoryMap.h"
#include "platform/FileDialog.h"
#include "support/IsolatedUserFolders.h"
#include "support/ScriptedFileDialog.h"
#include "text/ApplicationTexts.h"
#include "text/CellIds.h"
#include "text/cmcGTex.h"
#include "ui/DisplayText.h"
#include "ui/cuiMenu.h"
#include "workflows/DocumentCommands.h"

namespace {

namespace fs = std::filesystem;

// A folder of its own for each test, removed at the end.
class ScratchFolder {
 public:
  ScratchFolder()
      : path_(fs::temp_directory_path() /
              ("tessel-doc-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++))) {
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    fs::permissions(path_, fs::perms::owner_all);
    fs::remove_all(path_);
  }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  const fs::path& Path() const { return path_; }

 private:
  static inline int counter_ = 0;
  fs::path path_;
};

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Title(indMain& main) { return main.MainWindow()->windowTitle().toStdString(); }

std::string Text(const char* key) { return ApplicationTexts().GetValueText(key); }

std::string FileErrorMessage(int code) { return FileErrorText(ApplicationTexts(), code); }

// An edit as a cell would make it: a byte of the document's comment changes.
void EditComment(indMain& main, char c) {
  main.Doc().CurrentImage().SetByte(MemoryMap::kImageComment, static_cast<std::uint8_t>(c));
  main.Doc().IsModified();
}

void Trigger(indMain& main, unsigned cellId) { ChooseMenuEntry(main, cellId); }

// The program reads the settings as it is made, so the settings that earlier tests left go
// before it is.
struct NoStoredSettings {
  NoStoredSettings() { isolated::RemoveSettingsFiles(); }
};

class DocCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override { run.Start(); }
  indMain& Main() { return run.Controller(); }
  std::vector<MessageRequest>& Asked() { return run.Messages().asked; }
  std::deque<std::int32_t>& Answers() { return run.Messages().answers; }

  NoStoredSettings noStoredSettings;
  ScratchFolder folder;
  ScriptedFileDialog dialogs;
  ProgramRun run;
};

TEST_F(DocCommandsTest, SaveNewAndReopenGiveBackTheSavedImage) {
  EditComment(Main(), 'Q');
  const std::string path = folder.File("radio.qmf");
  dialogs.answers.push_back({true, path, 0});
  Trigger(Main(), CL_Menu_File_Save);  // untitled: the Save As dialog

  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].kind, FileDialogRequest::Kind::Save);
  EXPECT_EQ(dialogs.asked[0].fileName, "Untitled.qmf");
  EXPECT_EQ(dialogs.asked[0].defaultExtension, "qmf");
  EXPECT_EQ(dialogs.asked[0].filters.size(), 3u);
  EXPECT_TRUE(fs::exists(path));
  EXPECT_FALSE(Main().Doc().IsModified());
  EXPECT_EQ(Title(Main()), "radio.qmf - Tessel");
  const cmcEeprom saved = Main().Doc().CurrentImage();

  Trigger(Main(), CL_Menu_File_New);
  EXPECT_FALSE(Main().Doc().CurrentImage().IsDifferent(Main().Doc().DefaultsImage()));
  EXPECT_EQ(Title(Main()), "Untitled.qmf - Tessel");

  dialogs.answers.push_back({true, path, 0});
  Trigger(Main(), CL_Menu_File_Open);
  EXPECT_FALSE(Main().Doc().CurrentImage().IsDifferent(saved));
  EXPECT_FALSE(Main().Doc().IsModified());
  EXPECT_EQ(Main().Doc().FileName(), path);
  EXPECT_EQ(run.Process().Environ().recent.Get(0), path);
  EXPECT_TRUE(Asked().empty());
}

TEST_F(DocCommandsTest, SaveAsAnOlderGenerationAsksAndMarksTheTitle) {
  const std::string path = folder.File("old.qmf");
  const struct {
    const char* what;
    std::vector<int> filterChoices;
    std::deque<std::int32_t> answers;  // to the old-format questions
    int generation;                    // of the document afterwards; 0 when nothing was saved
  } cases[] = {
      {"Yes saves generation 2", {1}, {kAnswerYes}, 2},
      {"No chooses again", {1, 0}, {kAnswerNo}, 3},
      {"Cancel ends", {2}, {kAnswerCancel}, 0},
  };
  for (const auto& c : cases) {
    fs::remove(path);
    Trigger(Main(), CL_Menu_File_New);
    Asked().clear();
    dialogs.asked.clear();
    for (const int choice : c.filterChoices) dialogs.answers.push_back({true, path, choice});
    Answers() = c.answers;
    Trigger(Main(), CL_Menu_File_SaveAs);

    EXPECT_EQ(dialogs.asked.size(), c.filterChoices.size()) << c.what;
    ASSERT_FALSE(Asked().empty()) << c.what;
    EXPECT_NE(Asked()[0].text.find("Vanta"), std::string::npos) << c.what;
    EXPECT_EQ(fs::exists(path), c.generation != 0) << c.what;
    if (c.generation == 0) continue;
    Trigger(Main(), CL_Menu_File_New);
    dialogs.answers.push_back({true, path, 0});
    Trigger(Main(), CL_Menu_File_Open);
    EXPECT_EQ(Main().Doc().Generation(), c.generation) << c.what;
    const bool marked = Title(Main()).find(" (Old Model)") != std::string::npos;
    EXPECT_EQ(marked, c.generation < 3) << c.what;
  }
}

TEST_F(DocCommandsTest, AFileThatFailsToOpenLeavesTheDocumentAsItWas) {
  const struct {
    const char* what;
    std::string content;  // no file at all when empty
    int code;
  } cases[] = {
      {"missing file", "", FileError::kFileOpen},
      {"letters in the header", "3390000A\r\n", FileError::kFormat},
      {"no data lines", "33900003\r\n#Comment=\r\n#MapRev=1\r\n", FileError::kData},
  };
  EditComment(Main(), 'Z');
  const cmcEeprom before = Main().Doc().CurrentImage();
  for (const auto& c : cases) {
    const std::string path = folder.File("damaged.qmf");
    fs::remove(path);
    if (!c.content.empty()) std::ofstream(path, std::ios::binary) << c.content;
    Asked().clear();
    Answers() = {kAnswerNo};  // do not save the changes first
    EXPECT_EQ(Main().Documents().OpenFile(path), 1) << c.what;

    ASSERT_EQ(Asked().size(), 2u) << c.what;
    EXPECT_EQ(Asked()[1].text, FileErrorMessage(c.code)) << c.what;
    EXPECT_FALSE(Main().Doc().CurrentImage().IsDifferent(before)) << c.what;
    EXPECT_TRUE(Main().Doc().IsModified()) << c.what;
    EXPECT_TRUE(Main().Doc().FileName().empty()) << c.what;
  }
}

// The folder refuses new files: as root, only while the effective user is someone else.
class UnwritableFolder {
 public:
  explicit UnwritableFolder(const fs::path& path) : path_(path) {
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                               fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    if (::geteuid() == 0) switched_ = ::seteuid(kNobody) == 0;
  }
  ~UnwritableFolder() {
    if (switched_) (void)::seteuid(0);
    fs::permissions(path_, fs::perms::owner_all);
  }
  UnwritableFolder(const UnwritableFolder&) = delete;
  UnwritableFolder& operator=(const UnwritableFolder&) = delete;

 private:
  static constexpr uid_t kNobody = 65534;
  fs::path path_;
  bool switched_ = false;
};

TEST_F(DocCommandsTest, ASaveTheDiskRefusesKeepsTheOldFileAndTheChanges) {
  const std::string path = folder.File("kept.qmf");
  dialogs.answers.push_back({true, path, 0});
  Trigger(Main(), CL_Menu_File_Save);
  const std::string good = Contents(path);
  ASSERT_FALSE(good.empty());
  EditComment(Main(), 'W');
  {
    UnwritableFolder unwritable(folder.Path());
    Trigger(Main(), CL_Menu_File_Save);
  }
  ASSERT_EQ(Asked().size(), 1u);
  EXPECT_EQ(Asked()[0].text, FileErrorMessage(FileError::kFileOpen));
  EXPECT_EQ(Contents(path), good);
  EXPECT_TRUE(Main().Doc().IsModified());
  EXPECT_EQ(Main().Doc().FileName(), path);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);  // no temporary left
}

TEST_F(DocCommandsTest, ClosingWithChangesAsksFirst) {
  const struct {
    std::int32_t answer;
    bool closes;
  } cases[] = {{kAnswerCancel, false}, {kAnswerNo, true}};
  EditComment(Main(), 'C');
  for (const auto& c : cases) {
    Asked().clear();
    Answers() = {c.answer};
    Main().MainWindow()->close();
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].text, "Do you want to save the changes to Untitled.qmf?");
    EXPECT_EQ(Asked()[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(Main().MainWindowVisible(), !c.closes);
  }
}

TEST_F(DocCommandsTest, ReopeningTheOpenFileWhileChangedOffersSaveAs) {
  const std::string path = folder.File("same.qmf");
  dialogs.answers.push_back({true, path, 0});
  Trigger(Main(), CL_Menu_File_Save);
  EditComment(Main(), 'S');
  Answers() = {kAnswerYes};
  dialogs.asked.clear();
  EXPECT_EQ(Main().Documents().OpenFile(path), 1);  // the Save As dialog was cancelled
  ASSERT_EQ(Asked().size(), 1u);
  EXPECT_EQ(Asked()[0].text, Text("GI_Mess_Confirm_WriteFile"));
  EXPECT_EQ(dialogs.asked.size(), 1u);
  EXPECT_TRUE(Main().Doc().IsModified());
}

// After a cancelled setup there is no destination. Keeping it for a file keeps the copied rows;
// taking over the file's destination brings its band rules, under which they are not pasted.
TEST_F(DocCommandsTest, OpeningAFileOfAnotherDestinationAsksWhetherToTakeItOver) {
  constexpr int kFileDestination = 2;
  const std::string path = folder.File("destination2.qmf");
  ASSERT_EQ(
      SaveDocumentFile(Main().Doc().CurrentImage(), path, {DocumentFile::kNewestGeneration, kFileDestination, true},
                       Main().Doc().DefaultsImage(), {}),
      FileError::kNone);
  const struct {
    const char* what;
    std::deque<std::int32_t> answers;  // the last to whether the file's destination is taken
    int destination;
    bool clipboardKept;  // copied rows are pasted only under the destination they were copied in
  } cases[] = {
      {"kept", {kAnswerNo}, DocumentFile::kNoDestination, true},
      // The kept file became an untitled, changed document: its changes are not saved first.
      {"taken over", {kAnswerNo, kAnswerYes}, kFileDestination, false},
  };
  const EnvironSettings& settings = run.Process().Environ().settings;
  for (const auto& c : cases) {
    Asked().clear();
    Answers() = c.answers;
    Main().Doc().Clipboard().Copy(Main().Doc().CurrentImage(), RecordKind::kChannel, 0, 2);
    dialogs.answers.push_back({true, path, 0});
    Trigger(Main(), CL_Menu_File_Open);
    EXPECT_EQ(Main().Doc().Clipboard().Accepts(RecordKind::kChannel), c.clipboardKept) << c.what;
    ASSERT_EQ(Asked().size(), c.answers.size()) << c.what;
    EXPECT_EQ(Asked().back().text, Text("GI_AppMess_ChangeModel_QMF")) << c.what;
    EXPECT_EQ(settings.destinationCode, c.destination) << c.what;
  }
}

TEST(DocCommandLine, AFileNamedOnTheCommandLineOpensAtStart) {
  isolated::RemoveSettingsFiles();
  ScratchFolder folder;
  const std::string path = folder.File("start.qmf");
  {
    ScriptedFileDialog dialogs;
    std::optional<ProgramRun> first;
    StartWithDestination(first, 7);
    EditComment(first->Controller(), 'L');
    dialogs.answers.push_back({true, path, 0});
    first->Controller().Documents().SaveDocument(true);
  }
  EXPECT_EQ(MainProcess::DocumentArgument({"tessel", "/SETUP", path}), path);
  EXPECT_EQ(MainProcess::DocumentArgument({"tessel", "/setup"}), "");
  ProgramRun second({"tessel", path});
  second.Start();
  EXPECT_EQ(second.Controller().Doc().FileName(), path);
  EXPECT_EQ(second.Controller().Doc().CurrentImage().GetByte(MemoryMap::kImageComment), 'L');
  EXPECT_FALSE(second.Controller().Doc().IsModified());
}

}  // namespace
