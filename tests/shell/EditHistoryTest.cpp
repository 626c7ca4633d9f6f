// The undo history against a model that keeps a copy of the image after every action: random
// sequences of real record edits, list block moves and raw byte runs, with undos and redos
// mixed in, on the document the window and tessel-cli keep.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "files/DocumentFile.h"
#include "memory/DestinationTestSupport.h"
#include "memory/Generation.h"
#include "memory/ListBlocks.h"
#include "memory/datCh.h"
#include "workflows/Document.h"
#include "workflows/EditHistory.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes BytesOf(const cmcEeprom& image) { return Bytes(image.Bytes().begin(), image.Bytes().end()); }

// One user action on the image, chosen and shaped by the generator: a typed channel field,
// a block moved, deleted, inserted or cleared within the first page of 100 channels, a run of
// raw bytes anywhere, or a large part of the image rewritten as an import does.
void RandomAction(cmcEeprom& image, std::mt19937& random) {
  auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  const int first = pick(0, 90);
  const int last = first + pick(0, 8);
  switch (pick(0, 6)) {
    case 0: {
      datCh channel(image);
      channel.Load(RecordKind::kChannel, pick(0, 499));
      channel.frequency = 144'000'000u + static_cast<std::uint32_t>(pick(0, 4000)) * 5'000u;
      channel.SetUsed(true);
      channel.Commit();
      return;
    }
    case 1:
      return DeleteBlock(image, RecordKind::kChannel, first, last, 99);
    case 2:
      return InsertBlock(image, RecordKind::kChannel, first, last, 99);
    case 3:
      return CarryBlock(image, RecordKind::kChannel, std::max(first, 1), last, first == 0 ? 1 : -1);
    case 4:
      return ClearBlock(image, RecordKind::kChannel, first, last);
    case 5: {
      const int length = pick(1, 40);
      const int at = pick(0, image.GetSize() - length);
      for (int i = 0; i < length; ++i) image.SetByte(at + i, static_cast<std::uint8_t>(pick(0, 255)));
      return;
    }
    default: {
      const int at = pick(0, image.GetSize() / 2);
      const int length = pick(1, image.GetSize() / 2);
      const std::uint8_t value = static_cast<std::uint8_t>(pick(0, 255));
      for (int i = 0; i < length; ++i) image.SetByte(at + i, value);
      return;
    }
  }
}

class EditHistoryTest : public ::testing::Test {
 protected:
  EditHistoryTest() {
    document.BuildDefaults();
    document.ResetToDefaults();
    document.MarkSaved();
  }

  ScopedDestination destination{0};
  Document document{ImageSizeOf(DocumentFile::kNewestGeneration)};
};

// Each seed runs 300 actions; a third of them are undos or redos, so edits after an undo
// (which drop the redo tail) happen often. After every action the image must be the model's.
TEST_F(EditHistoryTest, RandomSequencesFollowTheModelAndUndoAllGivesTheOriginal) {
  for (unsigned seed : {1u, 2u, 3u}) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    document.ResetToDefaults();
    document.MarkSaved();
    std::vector<Bytes> states{BytesOf(document.CurrentImage())};  // states[0] is the original
    std::size_t at = 0;
    for (int step = 0; step < 300; ++step) {
      const int kind = std::uniform_int_distribution<int>(0, 5)(random);
      if (kind == 0) {
        EXPECT_EQ(document.Undo(), at > 0);
        if (at > 0) --at;
      } else if (kind == 1) {
        EXPECT_EQ(document.Redo(), at + 1 < states.size());
        if (at + 1 < states.size()) ++at;
      } else {
        RandomAction(document.CurrentImage(), random);
        if (document.CommitEdit()) {
          states.resize(at + 1);  // the redo tail goes
          states.push_back(BytesOf(document.CurrentImage()));
          ++at;
        }
      }
      ASSERT_EQ(BytesOf(document.CurrentImage()), states[at]) << "after action " << step;
      ASSERT_EQ(document.CanUndo(), at > 0);
      ASSERT_EQ(document.CanRedo(), at + 1 < states.size());
    }
    ASSERT_GT(states.size(), 50u);
    while (document.Undo()) {
    }
    EXPECT_EQ(BytesOf(document.CurrentImage()), states.front());
    EXPECT_FALSE(document.IsModified());
    while (document.Redo()) {
    }
    EXPECT_EQ(BytesOf(document.CurrentImage()), states.back());
    EXPECT_EQ(document.IsModified(), states.back() != states.front());
  }
}

TEST_F(EditHistoryTest, AnActionThatChangesNoByteRecordsNothing) {
  datCh channel(document.CurrentImage());
  channel.Load(RecordKind::kChannel, 3);
  channel.Commit();
  EXPECT_FALSE(document.CommitEdit());
  EXPECT_FALSE(document.CanUndo());
}

// Undoing to the bytes of the last save clears the modified mark, undoing past the save sets
// it again; a document marked modified as a whole (a received or converted image) stays so.
TEST_F(EditHistoryTest, TheModifiedStateFollowsTheHistory) {
  document.CurrentImage().SetByte(10, 0x5A);
  document.CommitEdit();
  document.MarkSaved();
  document.CurrentImage().SetByte(20, 0xA5);
  document.CommitEdit();
  EXPECT_TRUE(document.IsModified());
  ASSERT_TRUE(document.Undo());
  EXPECT_FALSE(document.IsModified());
  ASSERT_TRUE(document.Undo());
  EXPECT_TRUE(document.IsModified());
  ASSERT_TRUE(document.Redo());
  EXPECT_FALSE(document.IsModified());

  document.MarkModified();
  document.CurrentImage().SetByte(30, 0x11);
  document.CommitEdit();
  ASSERT_TRUE(document.Undo());
  EXPECT_TRUE(document.IsModified());
}

// An image replaced whole (a new document, a file opened, a clone read) starts a history of its
// own: nothing of the earlier document can be undone or redone into it.
TEST_F(EditHistoryTest, ReplacingTheImageEmptiesBothDirections) {
  for (int replaced = 0; replaced < 2; ++replaced) {
    SCOPED_TRACE(replaced);
    document.CurrentImage().SetByte(40, 0x01);
    document.CommitEdit();
    document.CurrentImage().SetByte(41, 0x02);
    document.CommitEdit();
    ASSERT_TRUE(document.Undo());
    ASSERT_TRUE(document.CanUndo());
    ASSERT_TRUE(document.CanRedo());
    if (replaced == 0) {
      document.ResetToDefaults();
    } else {
      document.CurrentImage().Fill(0x33);
      document.AdoptCurrentImage();
    }
    const Bytes replacedImage = BytesOf(document.CurrentImage());
    EXPECT_FALSE(document.CanUndo());
    EXPECT_FALSE(document.CanRedo());
    EXPECT_FALSE(document.Undo());
    EXPECT_FALSE(document.Redo());
    EXPECT_EQ(BytesOf(document.CurrentImage()), replacedImage);
  }
}

// Steps the size of the whole image pass the cap: the oldest go, the newest stays undoable,
// and undoing what is left ends on a state the document really had.
TEST(EditHistoryCap, TheOldestStepsGoWhenTheHistoryIsFull) {
  cmcEeprom image;
  image.SetSize(ImageSizeOf(DocumentFile::kNewestGeneration));
  EditHistory history;
  history.Reset(image);
  const int steps = 300;  // each about twice the image: far more than the cap holds
  for (int step = 0; step < steps; ++step) {
    image.Fill(static_cast<std::uint8_t>(step % 2 == 0 ? 0xFF : 0x00));
    ASSERT_TRUE(history.Commit(image));
    ASSERT_LE(history.HeldBytes(), EditHistory::kMaxHeldBytes);
  }
  int undone = 0;
  while (history.Undo(image)) ++undone;
  EXPECT_GT(undone, 0);
  EXPECT_LT(undone, steps);
  const std::uint8_t first = image.GetByte(0);
  EXPECT_TRUE(first == 0x00 || first == 0xFF);
  EXPECT_TRUE(std::all_of(image.Bytes().begin(), image.Bytes().end(), [&](std::uint8_t b) { return b == first; }));
}

}  // namespace
