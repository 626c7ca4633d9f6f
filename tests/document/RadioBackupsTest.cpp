// The backups of radio images: their folder and file names, the save as a normal clone
// image file, the pruning to the newest of each radio, and a folder that cannot be made.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "DocumentTestSupport.h"
#include "files/RadioBackups.h"

namespace {

namespace fs = std::filesystem;

TEST(RadioBackupNames, RadioFolderNamesAreSafeAndNeverEmpty) {
  const struct {
    const char* serial;
    const char* folder;
  } cases[] = {
      {"669945022413", "669945022413"},
      {" ", "unknown"},  // the label shows no serial number
      {"", "unknown"},
      {"../etc", "etc"},
      {".hidden", "hidden"},
      {"12/34", "1234"},
      {"..", "unknown"},
  };
  for (const auto& c : cases) EXPECT_EQ(RadioBackups::RadioFolderName(c.serial), c.folder) << c.serial;
}

TEST(RadioBackupNames, FileNamesSortByLocalTime) {
  std::tm local{};
  local.tm_year = 2026 - 1900;
  local.tm_mon = 11;
  local.tm_mday = 10;
  local.tm_hour = 21;
  local.tm_min = 58;
  local.tm_sec = 3;
  local.tm_isdst = -1;
  const std::time_t when = std::mktime(&local);
  EXPECT_EQ(RadioBackups::BackupName(when, BackupDirection::Read), "2026-12-10 21-58-03 read.qmf");
  EXPECT_EQ(RadioBackups::BackupName(when, BackupDirection::Write), "2026-12-10 21-58-03 write.qmf");
  EXPECT_LT(RadioBackups::BackupName(when, BackupDirection::Read),
            RadioBackups::BackupName(when + 7, BackupDirection::Read));
}

class RadioBackupsTest : public DocumentTest {
 protected:
  BackupOutcome Keep(std::time_t when, BackupDirection direction = BackupDirection::Read,
                     const std::string& serial = "669945022413") {
    return backups.Keep(document.DefaultsImage(), serial, direction, when,
                        {DocumentFile::kNewestGeneration, kDestination, true}, document.DefaultsImage());
  }

  RadioBackups backups{folder.Path("data")};
  const std::time_t start = 1'800'000'000;
};

TEST_F(RadioBackupsTest, ABackupIsACloneFileThatOpensToTheImage) {
  cmcEeprom content = document.DefaultsImage();
  PutComment(content, "KEPT FROM RADIO");
  const BackupOutcome outcome =
      backups.Keep(content, "669945022413", BackupDirection::Write, start,
                   {DocumentFile::kNewestGeneration, kDestination, true}, document.DefaultsImage());
  ASSERT_TRUE(outcome.kept) << outcome.message << outcome.fileError;
  EXPECT_EQ(fs::path(outcome.path).parent_path(), fs::path(folder.Path("data")) / "tessel/radios/669945022413");
  EXPECT_EQ(fs::path(outcome.path).filename(), RadioBackups::BackupName(start, BackupDirection::Write));

  EXPECT_EQ(commands.OpenFile(outcome.path), 0);
  EXPECT_TRUE(document.CurrentImage().IsEqual(content));

  const std::vector<RadioBackup> listed = backups.List("669945022413");
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_EQ(listed[0].path, outcome.path);
}

// The 21st backup of a radio removes the oldest; other radios' backups and files that are
// not backups stay.
TEST_F(RadioBackupsTest, TheNewestTwentyOfEachRadioStay) {
  ASSERT_TRUE(Keep(start, BackupDirection::Read, "111111111111").kept);
  const fs::path radioFolder = fs::path(backups.RadiosFolder()) / "669945022413";
  fs::create_directories(radioFolder);
  WriteBytes((radioFolder / "notes.txt").string(), "mine");
  WriteBytes((radioFolder / "2000-01-01 00-00-00 copy.qmf").string(), "mine too");
  for (int i = 0; i < 21; ++i) {
    ASSERT_TRUE(Keep(start + 60 * i, i % 2 ? BackupDirection::Write : BackupDirection::Read).kept);
  }

  const std::vector<RadioBackup> kept = backups.List("669945022413");
  ASSERT_EQ(kept.size(), RadioBackups::kKept);
  EXPECT_EQ(kept.front().name, RadioBackups::BackupName(start + 60 * 20, BackupDirection::Read));
  EXPECT_EQ(kept.back().name, RadioBackups::BackupName(start + 60, BackupDirection::Write));
  EXPECT_FALSE(fs::exists(radioFolder / RadioBackups::BackupName(start, BackupDirection::Read)));
  EXPECT_TRUE(fs::exists(radioFolder / "notes.txt"));
  EXPECT_TRUE(fs::exists(radioFolder / "2000-01-01 00-00-00 copy.qmf"));
  EXPECT_EQ(backups.List("111111111111").size(), 1u);
  EXPECT_EQ(backups.List().size(), RadioBackups::kKept + 1);
}

TEST_F(RadioBackupsTest, TwoBackupsInOneSecondAreBothKept) {
  const BackupOutcome first = Keep(start);
  const BackupOutcome second = Keep(start);
  ASSERT_TRUE(first.kept && second.kept);
  EXPECT_NE(first.path, second.path);
  EXPECT_EQ(backups.List().size(), 2u);
}

// A file where the data folder should be stops any user, root included.
TEST_F(RadioBackupsTest, AFolderThatCannotBeMadeIsReportedAndNothingIsWritten) {
  WriteBytes(folder.Path("data"), "a file");
  const BackupOutcome outcome = Keep(start);
  EXPECT_FALSE(outcome.kept);
  EXPECT_TRUE(outcome.message.starts_with("Cannot make the folder " + folder.Path("data") + "/tessel/radios/"))
      << outcome.message;
  EXPECT_TRUE(backups.List().empty());

  const BackupOutcome nowhere = RadioBackups("").Keep(document.DefaultsImage(), "669945022413", BackupDirection::Read,
                                                      start, {}, document.DefaultsImage());
  EXPECT_FALSE(nowhere.kept);
  EXPECT_TRUE(nowhere.message.starts_with("There is no data folder")) << nowhere.message;
  EXPECT_FALSE(fs::exists("tessel"));
  EXPECT_TRUE(RadioBackups("").List().empty());
}

}  // namespace
