// Recovery copies: the header's text both ways and the headers that count as damaged, the
// store's ownership (two windows, a reused process id, a copy without its lock), damaged
// copies moved aside, when the window's keeper writes and removes its copy, and a recovered
// copy saved over its original.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "DocumentTestSupport.h"
#include "files/DocumentOpen.h"
#include "files/DocumentSave.h"
#include "files/RecoveryCopy.h"
#include "files/RecoveryStore.h"
#include "memory/GenerationConversion.h"
#include "platform/Processes.h"
#include "support/EndedProcess.h"
#include "workflows/DocumentRecovery.h"

namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kDecember11 = 1797000000;  // 2026-12-11 14:40:00 UTC

const char* const kHeaderText =
    "Tessel recovery copy 1\n"
    "Original: /home/ham/radio.qmf\n"
    "Time: 2026-12-11T14:40:00Z\n"
    "Owner: 4711\n"
    "Generation: 2\n"
    "\n";

TEST(RecoveryHeader, WritesTheLinesAUserCanRead) {
  EXPECT_EQ(RecoveryHeaderText({"/home/ham/radio.qmf", kDecember11, 4711, 2}), kHeaderText);
}

TEST(RecoveryHeader, EveryHeaderReadsBackAsWritten) {
  const RecoveryHeader cases[] = {
      {"", kDecember11, 1, 3},                                         // a new document
      {"/home/ham/radio.qmf", 0, 2147483647, 1},                       // the first second, the largest id
      {"/tmp/line\nbreak\tand 100%\x7f.qmf", 1709251199, 77, 3},       // escaped bytes; 2024-02-29 23:59:59
      {"/home/ham/\xe7\x84\xa1\xe7\xb7\x9a.qmf", 253402300799, 9, 2},  // UTF-8 kept; 9999-12-31 23:59:59
  };
  for (const RecoveryHeader& header : cases) {
    const std::string text = RecoveryHeaderText(header);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 6) << text;
    const auto copy = ParseRecoveryCopy(text + "BODY");
    ASSERT_TRUE(copy.has_value()) << text;
    EXPECT_EQ(copy->header, header) << text;
    EXPECT_EQ(copy->cloneFile, "BODY");
  }
}

TEST(RecoveryHeader, AnyHeaderThatDiffersIsDamaged) {
  const struct {
    const char* name;
    const char* from;
    const char* to;
  } cases[] = {
      {"other magic", "copy 1", "copy 2"},
      {"no original", "Original: /home/ham/radio.qmf\n", ""},
      {"relative path", "/home/ham/radio.qmf", "radio.qmf"},
      {"broken escape", "radio.qmf", "radio%4"},
      {"escape of a plain byte", "radio.qmf", "radio%41.qmf"},
      {"lower-case escape", "radio.qmf", "radio%0a.qmf"},
      {"plain tab", "radio.qmf", "radio\t.qmf"},
      {"30 February", "2026-12-11", "2026-02-30"},
      {"29 February of a common year", "2026-12-11", "2025-02-29"},
      {"hour 24", "T14:40", "T24:40"},
      {"no zone", "00Z", "00+"},
      {"year before 1970", "2026-12-11", "1969-12-11"},
      {"owner 0", "Owner: 4711", "Owner: 0"},
      {"owner with a leading zero", "Owner: 4711", "Owner: 04711"},
      {"owner beyond an int", "Owner: 4711", "Owner: 4294967296"},
      {"owner with a sign", "Owner: 4711", "Owner: +4711"},
      {"generation 4", "Generation: 2", "Generation: 4"},
      {"no empty line", "Generation: 2\n\n", "Generation: 2\n"},
      {"CR LF line ends", "Owner: 4711\n", "Owner: 4711\r\n"},
      {"lines swapped", "Time: 2026-12-11T14:40:00Z\nOwner: 4711\n", "Owner: 4711\nTime: 2026-12-11T14:40:00Z\n"},
  };
  ASSERT_TRUE(ParseRecoveryCopy(kHeaderText).has_value());
  for (const auto& c : cases) {
    std::string text = kHeaderText;
    const std::size_t at = text.find(c.from);
    ASSERT_NE(at, std::string::npos) << c.name;
    text.replace(at, std::string_view(c.from).size(), c.to);
    EXPECT_FALSE(ParseRecoveryCopy(text).has_value()) << c.name;
  }
  EXPECT_FALSE(ParseRecoveryCopy("").has_value());
}

TEST(RecoveryStoreFolder, FollowsTheStateFolderElseTheHome) {
  EXPECT_EQ(RecoveryStore::FolderOf("/state", "/home/ham"), "/state/tessel/recovery");
  EXPECT_EQ(RecoveryStore::FolderOf("", "/home/ham"), "/home/ham/.local/state/tessel/recovery");
  EXPECT_EQ(RecoveryStore::FolderOf(nullptr, "/home/ham"), "/home/ham/.local/state/tessel/recovery");
  EXPECT_EQ(RecoveryStore::FolderOf(nullptr, nullptr), "");
}

class RecoveryStoreTest : public DocumentTest {
 protected:
  RecoveryStoreTest() {
    PutComment(document.CurrentImage(), "EDITED");
    document.CommitEdit();
  }

  std::unique_ptr<RecoveryStore> Store(std::uint64_t stamp, int owner = CurrentProcessId()) {
    return std::make_unique<RecoveryStore>(folder.Path("recovery"), owner, stamp);
  }

  bool Write(RecoveryStore& store) {
    return store.WriteOwnCopy({"/home/ham/radio.qmf", kDecember11, 0, 3}, document.CurrentImage(), kDestination,
                              document.DefaultsImage());
  }

  // The content a copy's clone file opens to.
  cmcEeprom Opened(const RecoveryCopy& copy) {
    const cmcEeprom& defaults = document.DefaultsImage();
    DocumentOpenResult opened = OpenDocumentBytes(copy.cloneFile, kDestination,
                                                  [&](cmcEeprom& target, const cmcEeprom& source, int to, int from) {
                                                    ConvertGeneration(target, source, to, from, defaults);
                                                  },
                                                  {});
    EXPECT_EQ(opened.code, 0);
    return opened.image;
  }

  // The content the document opens to once saved as a clone file.
  cmcEeprom SavedAndOpened() {
    const std::string path = folder.Path("saved.qmf");
    EXPECT_EQ(SaveDocumentFile(document.CurrentImage(), path, {3, kDestination, false}, document.DefaultsImage(), {}),
              0);
    RecoveryCopy asFile;
    asFile.cloneFile = ReadBytes(path);
    return Opened(asFile);
  }

  // A file in the folder, written as a crashed window would have left it.
  void Leave(const std::string& name, const std::string& bytes) {
    fs::create_directories(folder.Path("recovery"));
    WriteBytes(folder.Path("recovery/" + name), bytes);
  }
};

TEST_F(RecoveryStoreTest, TheOwnCopyHoldsTheDocumentAndItsOwner) {
  auto store = Store(1);
  ASSERT_TRUE(Write(*store));
  EXPECT_TRUE(store->HasOwnCopy());
  EXPECT_EQ(fs::path(store->OwnCopyPath()).filename(), std::to_string(CurrentProcessId()) + "-1.recovery");
  EXPECT_EQ(fs::status(folder.Path("recovery")).permissions(), fs::perms::owner_all)
      << "the folder is the user's alone";
  const auto copy = ReadRecoveryCopy(store->OwnCopyPath());
  ASSERT_TRUE(copy.has_value());
  EXPECT_EQ(copy->header.owner, CurrentProcessId());
  EXPECT_EQ(copy->header.originalPath, "/home/ham/radio.qmf");
  EXPECT_TRUE(Opened(*copy).IsEqual(SavedAndOpened()));
  store->RemoveOwnCopy();
  EXPECT_FALSE(fs::exists(store->OwnCopyPath()));
  EXPECT_FALSE(store->HasOwnCopy());
}

TEST_F(RecoveryStoreTest, TwoWindowsNeverTakeEachOthersCopies) {
  auto first = Store(1);
  auto second = Store(2);
  ASSERT_TRUE(Write(*first));
  ASSERT_TRUE(Write(*second));
  EXPECT_TRUE(first->ClaimLeftCopies().empty());
  EXPECT_TRUE(second->ClaimLeftCopies().empty());
  // The first window ends without removing its copy, as a killed one does.
  const std::string left = first->OwnCopyPath();
  first.reset();
  const auto claimed = second->ClaimLeftCopies();
  ASSERT_EQ(claimed.size(), 1u);
  EXPECT_EQ(claimed[0].path, left);
  ASSERT_TRUE(claimed[0].copy.has_value());
  // A third window starting meanwhile finds it taken.
  EXPECT_TRUE(Store(3)->ClaimLeftCopies().empty());
  // Later: given back, the next start finds it again.
  second->Release(left);
  auto third = Store(3);
  ASSERT_EQ(third->ClaimLeftCopies().size(), 1u);
  // Discard: the copy and its lock go.
  third->Remove(left);
  EXPECT_FALSE(fs::exists(left));
  EXPECT_FALSE(fs::exists(fs::path(left).replace_extension(".lock")));
  EXPECT_TRUE(Store(4)->ClaimLeftCopies().empty());
}

TEST_F(RecoveryStoreTest, WithoutALockFileTheOwnersProcessIdDecides) {
  auto writer = Store(1);
  ASSERT_TRUE(Write(*writer));
  const std::string bytes = ReadBytes(writer->OwnCopyPath());
  writer.reset();
  fs::remove_all(folder.Path("recovery"));
  const int ended = EndedProcessId();
  Leave(std::to_string(CurrentProcessId()) + "-7.recovery", bytes);  // a running owner
  Leave(std::to_string(ended) + "-7.recovery", bytes);               // an ended one
  auto store = Store(8);
  const auto claimed = store->ClaimLeftCopies();
  ASSERT_EQ(claimed.size(), 1u);
  EXPECT_EQ(fs::path(claimed[0].path).filename(), std::to_string(ended) + "-7.recovery");
}

TEST_F(RecoveryStoreTest, AReusedProcessIdDoesNotHideACopy) {
  // The earlier window had this very process id; its lock went with it.
  auto earlier = Store(1);
  ASSERT_TRUE(Write(*earlier));
  earlier.reset();
  auto store = Store(2);
  EXPECT_EQ(store->ClaimLeftCopies().size(), 1u);
}

TEST_F(RecoveryStoreTest, ADamagedCopyIsMovedAside) {
  Leave(std::to_string(EndedProcessId()) + "-1.recovery", "Tessel recovery copy 1\ngarbage\n");
  auto store = Store(2);
  const auto claimed = store->ClaimLeftCopies();
  ASSERT_EQ(claimed.size(), 1u);
  EXPECT_FALSE(claimed[0].copy.has_value());
  const std::string aside = store->MoveAside(claimed[0].path);
  EXPECT_EQ(fs::path(aside).parent_path(), fs::path(folder.Path("recovery/damaged")));
  EXPECT_EQ(ReadBytes(aside), "Tessel recovery copy 1\ngarbage\n");
  EXPECT_FALSE(fs::exists(claimed[0].path));
  EXPECT_TRUE(Store(3)->ClaimLeftCopies().empty());
}

class DocumentRecoveryTest : public RecoveryStoreTest {
 protected:
  DocumentRecoveryTest() { document.MarkSaved(); }

  void Edit(const char* comment) {
    PutComment(document.CurrentImage(), comment);
    document.CommitEdit();
    recovery.NoteChange(now);
  }

  DocumentRecovery::Outcome PollAt(std::uint32_t ms) {
    now = ms;
    return recovery.Poll(now, kDestination);
  }

  std::unique_ptr<RecoveryStore> store = Store(1);
  DocumentRecovery recovery{document, *store};
  std::uint32_t now = 0;
};

TEST_F(DocumentRecoveryTest, ACopyFollowsAPauseOrThirtySecondsOfEditing) {
  using Outcome = DocumentRecovery::Outcome;
  Edit("ONE");
  EXPECT_EQ(PollAt(1999), Outcome::kNothing);
  EXPECT_EQ(PollAt(2000), Outcome::kWritten);
  EXPECT_EQ(PollAt(9000), Outcome::kNothing);  // nothing new
  // An edit every second: no pause, yet a copy 30 s after the first edit not in a copy.
  for (std::uint32_t t = 10000; t < 40000; t += 1000) {
    now = t;
    Edit(t % 2000 == 0 ? "EVEN" : "ODD");
    EXPECT_EQ(PollAt(t + 999), Outcome::kNothing) << t;
  }
  now = 40000;
  Edit("LAST");
  EXPECT_EQ(PollAt(40000), Outcome::kWritten);
  const auto copy = ReadRecoveryCopy(store->OwnCopyPath());
  ASSERT_TRUE(copy.has_value());
  EXPECT_TRUE(Opened(*copy).IsEqual(SavedAndOpened()));
}

TEST_F(DocumentRecoveryTest, ASavedDocumentKeepsNoCopy) {
  Edit("ONE");
  ASSERT_EQ(PollAt(2000), DocumentRecovery::Outcome::kWritten);
  ASSERT_EQ(commands.WriteFile(folder.Path("radio.qmf"), 3), 0);
  EXPECT_EQ(PollAt(2050), DocumentRecovery::Outcome::kRemoved);
  EXPECT_FALSE(fs::exists(store->OwnCopyPath()));
  // Undone back to the saved content: no copy either.
  Edit("TWO");
  ASSERT_EQ(PollAt(5000), DocumentRecovery::Outcome::kWritten);
  ASSERT_TRUE(document.Undo());
  EXPECT_EQ(PollAt(5050), DocumentRecovery::Outcome::kRemoved);
  // The user lets the changes go.
  Edit("THREE");
  ASSERT_EQ(PollAt(8000), DocumentRecovery::Outcome::kWritten);
  recovery.Remove();
  EXPECT_FALSE(fs::exists(store->OwnCopyPath()));
}

TEST_F(DocumentRecoveryTest, AFailedWriteIsTriedAgainAfterTheNextPause) {
  WriteBytes(folder.Path("recovery"), "a file where the folder should be");
  Edit("ONE");
  EXPECT_EQ(PollAt(2000), DocumentRecovery::Outcome::kFailed);
  EXPECT_EQ(PollAt(3000), DocumentRecovery::Outcome::kNothing);
  fs::remove(folder.Path("recovery"));
  EXPECT_EQ(PollAt(4000), DocumentRecovery::Outcome::kWritten);
}

TEST_F(DocumentRecoveryTest, ARecoveredCopySavesAsTheEditedDocumentWould) {
  const std::string original = folder.Path("radio.qmf");
  // Every save in generation 2 asks whether to keep the old format.
  messages.answers = {kAnswerYes, kAnswerYes, kAnswerYes};
  ASSERT_EQ(commands.WriteFile(original, 2), 0);
  ASSERT_EQ(commands.OpenFile(original), 0);
  Edit("RECOVER ME");
  ASSERT_EQ(PollAt(2000), DocumentRecovery::Outcome::kWritten);
  const auto copy = ReadRecoveryCopy(store->OwnCopyPath());
  ASSERT_TRUE(copy.has_value());
  EXPECT_EQ(copy->header.originalPath, original);
  EXPECT_EQ(copy->header.generation, 2);
  // What saving the edited document gives.
  ASSERT_EQ(commands.WriteFile(folder.Path("reference.qmf"), 2), 0);

  commands.NewDocument();
  ASSERT_EQ(commands.OpenRecoveredCopy(*copy), 0);
  EXPECT_TRUE(document.IsModified());
  EXPECT_EQ(document.FileName(), original);
  EXPECT_EQ(document.Generation(), 2);
  ASSERT_EQ(commands.SaveDocument(false), 0);
  EXPECT_EQ(ReadBytes(original), ReadBytes(folder.Path("reference.qmf")));
}

}  // namespace
