#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/cmcRecent.h"

namespace {

std::vector<std::string> EntriesOf(const cmcRecent& recent) {
  std::vector<std::string> entries;
  for (std::int32_t i = 0; i < recent.Count(); ++i) entries.push_back(recent.Get(i));
  return entries;
}

std::string FileNumber(int i) { return "/files/radio" + std::to_string(i) + ".qmf"; }

TEST(cmcRecent, AddFirstPutsTheNewestFirstAndMovesAKnownFileToTheFront) {
  cmcRecent recent(10);
  recent.AddFirst("/files/a.qmf");
  recent.AddFirst("/files/b.qmf");
  recent.AddFirst("/files/c.qmf");
  recent.AddFirst("/files/a.qmf");
  EXPECT_EQ(EntriesOf(recent), (std::vector<std::string>{"/files/a.qmf", "/files/c.qmf", "/files/b.qmf"}));
}

TEST(cmcRecent, AddLastAppendsAndMovesAKnownFileToTheEnd) {
  cmcRecent recent(10);
  recent.AddLast("/files/a.qmf");
  recent.AddLast("/files/b.qmf");
  recent.AddLast("/files/a.qmf");
  EXPECT_EQ(EntriesOf(recent), (std::vector<std::string>{"/files/b.qmf", "/files/a.qmf"}));
}

TEST(cmcRecent, KeepsAtMostTheMaximumDroppingFromTheEnd) {
  cmcRecent recent(10);
  for (int i = 0; i < 12; ++i) recent.AddFirst(FileNumber(i));
  ASSERT_EQ(recent.Count(), 10);
  EXPECT_EQ(recent.Get(0), FileNumber(11));
  EXPECT_EQ(recent.Get(9), FileNumber(2));

  // On a full list, a file added at the end is the one that falls off.
  recent.AddLast(FileNumber(99));
  EXPECT_EQ(recent.Count(), 10);
  EXPECT_EQ(recent.Get(9), FileNumber(2));
}

TEST(cmcRecent, EmptyPathsAndIndexesOutsideTheListAreNoEntries) {
  cmcRecent recent(10);
  recent.AddFirst("");
  recent.AddLast("");
  EXPECT_EQ(recent.Count(), 0);
  recent.AddFirst("/files/a.qmf");
  EXPECT_EQ(recent.Get(-1), "");
  EXPECT_EQ(recent.Get(1), "");
  recent.Clear();
  EXPECT_EQ(recent.Count(), 0);
}

TEST(cmcRecent, LetterCaseMakesDifferentFiles) {
  cmcRecent recent(10);
  recent.AddLast("/files/Radio.qmf");
  recent.AddLast("/files/radio.qmf");
  EXPECT_EQ(recent.Count(), 2);
}

class cmcRecentOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = std::filesystem::temp_directory_path() / "tessel-recent-XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = std::filesystem::canonical(pattern);
    std::filesystem::create_directory(folder_ / "radio");
    std::ofstream(folder_ / "radio" / "a.qmf") << "x";
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::filesystem::path folder_;
};

TEST_F(cmcRecentOnDisk, TwoSpellingsOfOneFileAreOneEntryInCanonicalForm) {
  std::filesystem::create_directory_symlink(folder_ / "radio", folder_ / "link");
  const std::string file = (folder_ / "radio" / "a.qmf").string();
  const std::vector<std::string> spellings = {
      (folder_ / "radio" / "." / "a.qmf").string(),
      (folder_ / "radio" / ".." / "radio" / "a.qmf").string(),
      (folder_ / "link" / "a.qmf").string(),
      // A file that is gone still has one spelling.
      (folder_ / "gone" / ".." / "radio" / "a.qmf").string(),
  };
  for (const std::string& spelling : spellings) {
    cmcRecent recent(10);
    recent.AddFirst(file);
    recent.AddFirst(spelling);
    EXPECT_EQ(EntriesOf(recent), std::vector<std::string>{file}) << spelling;
  }
}

TEST_F(cmcRecentOnDisk, RelativePathsBecomeAbsolute) {
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(folder_);
  cmcRecent recent(10);
  recent.AddFirst("radio/a.qmf");
  std::filesystem::current_path(previous);
  EXPECT_EQ(recent.Get(0), (folder_ / "radio" / "a.qmf").string());
}

}  // namespace
