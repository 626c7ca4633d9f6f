// File > Import and File > Export as a user meets them: the page shown through its tree node
// chooses the list, the menu shows the entries that list has, the file dialog and the
// questions are answered from scripts, and the page shows what the import stored.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "PageWindowFixture.h"
#include "memory/ListEntries.h"
#include "memory/RepeaterList.h"
#include "platform/FileDialog.h"
#include "ui/cuiMenu.h"
#include "workflows/Document.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kMemoryPage1 = "[St_ColCut]GI_Sheet_MemoryCH,1,100";
constexpr const char* kAllMemory = "GI_Sheet_TreeTop,7";
constexpr const char* kRepeaterGroup1 = "[St_RptList]GI_Sheet_RepeaterList,163,RptCH  0";
constexpr const char* kReceivedCalls = "[St_ColCut]GI_Sheet_Received_Callsign,214";

// Answers file dialogs from a queue (cancelled when it is empty) and keeps what was asked.
class CsvFileDialog final : public FileDialog {
 public:
  CsvFileDialog() : previous_(InstallFileDialog(this)) {}
  ~CsvFileDialog() override { InstallFileDialog(previous_); }

  FileDialogAnswer Ask(const FileDialogRequest& request) override {
    asked.push_back(request);
    if (answers.empty()) return {};
    const std::string path = answers.front();
    answers.pop_front();
    return {true, path, filter};
  }

  std::deque<std::string> answers;
  int filter = 0;  // the file type chosen
  std::vector<FileDialogRequest> asked;

 private:
  FileDialog* previous_;
};

class CsvMenuTest : public PageWindowTest {
 protected:
  void SetUp() override {
    PageWindowTest::SetUp();
    folder_ = fs::temp_directory_path() / ("tessel-csv-ui-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override {
    PageWindowTest::TearDown();
    fs::remove_all(folder_);
  }

  std::string File(const std::string& name) const { return (folder_ / name).string(); }

  QAction* Entry(unsigned cellId) { return Main().Menu()->FindByCellId(cellId); }

  // Opens and closes the File menu as a click on the menu bar does; its entries show the
  // states of the page that is open.
  void OpenFileMenu() {
    for (QAction* top : Main().MainWindow()->menuBar()->actions()) {
      if (top->menu() == nullptr || !top->text().remove(u'&').startsWith(u"File")) continue;
      top->menu()->popup(QPoint(0, 0));
      PumpFor(20);
      top->menu()->hide();
      return;
    }
    ADD_FAILURE() << "no File menu";
  }

  // Chooses a menu entry as a click does.
  void Choose(unsigned cellId) {
    OpenFileMenu();
    QAction* action = Entry(cellId);
    ASSERT_NE(action, nullptr);
    ASSERT_TRUE(action->isVisible() && action->isEnabled()) << CellIdName(cellId);
    desktop::ChooseMenuEntry(*Main().MainWindow()->menuBar(), *action);
    PumpFor(50);
  }

  std::vector<MessageRequest>& Asked() { return run_->Messages().asked; }

  void PutChannel(int index, std::uint32_t frequency, std::string_view name) {
    datCh record(Image());
    record.Load(RecordKind::kChannel, index);
    record.SetUsed(true);
    record.frequency = frequency;
    record.name = MakeFixedText<16>(name);
    record.Store(RecordKind::kChannel, index);
  }

  CsvFileDialog dialogs_;
  fs::path folder_;
};

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TEST_F(CsvMenuTest, ExportAndImportThroughTheFileMenuOfAMemoryPage) {
  PutChannel(105, 145500000, "Before");
  OpenNode(kMemoryPage1);
  OpenFileMenu();
  EXPECT_FALSE(Entry(CL_Menu_File_Import_SubMenu)->isVisible());

  const std::string exported = File("page.csv");
  dialogs_.answers.push_back(exported);
  Choose(CL_Menu_File_Export);
  ASSERT_EQ(dialogs_.asked.size(), 1u);
  EXPECT_EQ(dialogs_.asked[0].kind, FileDialogRequest::Kind::Save);
  EXPECT_EQ(dialogs_.asked[0].defaultExtension, "csv");
  std::string text = Contents(exported);
  ASSERT_TRUE(text.starts_with("CH No,Frequency,")) << text.substr(0, 40);
  const std::size_t row = text.find("\r\n05,145.500000,");
  ASSERT_NE(row, std::string::npos);
  text.replace(text.find("Before", row), 6, "After");
  const std::string edited = File("edited.csv");
  Write(edited, text);

  dialogs_.answers.push_back(edited);
  run_->Messages().answers.push_back(kAnswerOk);  // the page's channels are replaced
  Choose(CL_Menu_File_Import);
  EXPECT_EQ(dialogs_.asked.back().kind, FileDialogRequest::Kind::Open);
  EXPECT_EQ(dialogs_.asked.back().folder, folder_.string());  // where the export went
  ASSERT_FALSE(Asked().empty());
  EXPECT_NE(Asked().front().text.find("replaced by the imported data"), std::string::npos);
  EXPECT_EQ(Asked().size(), 1u) << Asked().back().text;  // nothing to report
  EXPECT_EQ(std::string(Channel(105).name.data(), 5), "After");
  EXPECT_TRUE(Main().Doc().IsModified());
  ASSERT_TRUE(PumpUntil([&] { return Main().CurrentSheet() != nullptr; }));
  EXPECT_EQ(Shown(CL_Mch_Name, FirstDataRow() + 5), "After");
}

TEST_F(CsvMenuTest, AFileTheListCannotTakeLeavesTheDocumentAsItWas) {
  PutChannel(105, 145500000, "Kept");
  OpenNode(kMemoryPage1);
  cmcEeprom before;
  before.Assign(Image());
  const std::string other = File("repeaters.csv");
  Write(other, "Group No,Repeater Call Sign\r\n1,JR1VB  A\r\n");
  dialogs_.answers.push_back(other);
  run_->Messages().answers.push_back(kAnswerOk);
  Choose(CL_Menu_File_Import);
  ASSERT_EQ(Asked().size(), 2u);
  EXPECT_NE(Asked().back().text.find("Illegal data."), std::string::npos) << Asked().back().text;
  EXPECT_TRUE(Image().IsEqual(before));

  // Cancelling the question reads nothing.
  const std::string good = File("good.csv");
  Write(good, "CH No,Frequency\r\n05,146.0\r\n");
  dialogs_.answers.push_back(good);
  run_->Messages().answers.push_back(kAnswerCancel);
  Choose(CL_Menu_File_Import);
  EXPECT_TRUE(Image().IsEqual(before));
}

TEST_F(CsvMenuTest, ListsWithGroupsOfferGroupAndAll) {
  cmcEeprom& image = Image();
  ASSERT_TRUE(InsertRepeater(image, 5, GroupStart(image, 5)));
  OpenNode(kRepeaterGroup1);
  OpenFileMenu();
  EXPECT_FALSE(Entry(CL_Menu_File_Import)->isVisible());
  EXPECT_TRUE(Entry(CL_Menu_File_Import_SubMenu_Grp)->isVisible());
  EXPECT_FALSE(Entry(CL_Menu_File_Import_SubMenu_Bank)->isVisible());
  EXPECT_TRUE(Entry(CL_Menu_File_Export_SubMenu_All)->isEnabled());   // group 06 has an entry
  EXPECT_FALSE(Entry(CL_Menu_File_Export_SubMenu_Grp)->isEnabled());  // group 01 has none

  const std::string file = File("groups.csv");
  Write(file, "Group No,Repeater Call Sign,Dup,Offset\r\n3,JA1AAA,OFF,0\r\n4,JA1BBB,OFF,0\r\n");
  dialogs_.answers.push_back(file);
  run_->Messages().answers = {kAnswerOk, kAnswerNo};  // replace the whole list; keep no RPT1 use
  Choose(CL_Menu_File_Import_SubMenu_All);
  EXPECT_NE(Asked().front().text.find("whole repeater list"), std::string::npos) << Asked().front().text;
  EXPECT_EQ(RepeaterCount(image), 2);
  EXPECT_EQ(GroupCount(image, 2), 1);
  EXPECT_EQ(GroupCount(image, 5), 0);
}

TEST_F(CsvMenuTest, TheReceivedCallRecordExportsOnly) {
  OpenNode(kReceivedCalls);
  OpenFileMenu();
  EXPECT_TRUE(Entry(CL_Menu_File_Import)->isVisible());
  EXPECT_FALSE(Entry(CL_Menu_File_Import)->isEnabled());
  EXPECT_TRUE(Entry(CL_Menu_File_Export)->isEnabled());
  const std::string file = File("received.csv");
  dialogs_.answers.push_back(file);
  Choose(CL_Menu_File_Export);
  EXPECT_TRUE(Contents(file).starts_with("Frequency,Mode,Caller,/,Called,"));
}

TEST_F(CsvMenuTest, TheAllNodeCoversTheWholeMemoryInEitherLayout) {
  PutChannel(5, 145500000, "Near");
  PutChannel(450, 433500000, "Far");
  OpenNode(kAllMemory);

  const std::string generic = File("generic.csv");
  dialogs_.answers.push_back(generic);
  dialogs_.filter = 1;
  Choose(CL_Menu_File_Export);
  ASSERT_EQ(dialogs_.asked.size(), 1u);
  const std::vector<std::string>& filters = dialogs_.asked[0].filters;
  ASSERT_EQ(filters.size(), 3u);
  EXPECT_EQ(filters[1], "Generic channel list (*.csv)");
  std::string text = Contents(generic);
  ASSERT_TRUE(text.starts_with("Location,Name,Frequency,Duplex,")) << text.substr(0, 40);
  EXPECT_NE(text.find("\r\n5,Near,145.500000,"), std::string::npos) << text;
  const std::size_t far = text.find("\r\n450,Far,433.500000,");
  ASSERT_NE(far, std::string::npos) << text;
  text.replace(far + 6, 3, "Off");

  const std::string own = File("own.csv");
  dialogs_.answers.push_back(own);
  dialogs_.filter = 0;
  Choose(CL_Menu_File_Export);
  const std::string ownText = Contents(own);
  EXPECT_TRUE(ownText.starts_with("CH No,Frequency,")) << ownText.substr(0, 40);
  EXPECT_NE(ownText.find("\r\n450,433.500000,"), std::string::npos);

  const std::string edited = File("edited.csv");
  Write(edited, text);
  PutChannel(300, 146000000, "Gone");
  dialogs_.answers.push_back(edited);
  run_->Messages().answers.push_back(kAnswerOk);
  Choose(CL_Menu_File_Import);
  ASSERT_EQ(Asked().size(), 1u) << Asked().back().text;  // the question, nothing to report
  EXPECT_NE(Asked().front().text.find("All memory channels will be replaced"), std::string::npos)
      << Asked().front().text;
  EXPECT_EQ(std::string(Channel(450).name.data(), 3), "Off");
  EXPECT_TRUE(Channel(5).IsUsed());
  EXPECT_FALSE(Channel(300).IsUsed());
}

TEST_F(CsvMenuTest, ARepeaterGroupPageTakesAGenericDirectoryFile) {
  OpenNode(kRepeaterGroup1);
  const std::string file = File("directory.csv");
  Write(file,
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,Mode,RPT1CALL,RPT2CALL\r\n"
        "0,Hill,439.010000,-,9.400000,,88.5,88.5,DV,JR1VB  B,JR1VB  G\r\n"
        "1,Town,145.650000,-,0.600000,Tone,88.5,88.5,FM,,\r\n"
        "2,Plain,145.500000,,0.000000,,88.5,88.5,FM,,\r\n");
  dialogs_.answers.push_back(file);
  run_->Messages().answers.push_back(kAnswerOk);
  Choose(CL_Menu_File_Import_SubMenu_Grp);
  ASSERT_EQ(Asked().size(), 2u);
  EXPECT_NE(Asked().back().text.find("Line 4: an FM row without a duplex is no repeater"), std::string::npos)
      << Asked().back().text;
  EXPECT_EQ(GroupCount(Image(), 0), 2);
  EXPECT_EQ(RepeaterCount(Image()), 2);
}

}  // namespace
