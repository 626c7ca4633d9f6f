// The window's document commands and tessel-cli load and save documents the same way: the
// same input gives the same file, byte for byte. No record check warns, so both write the
// digest line.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <sstream>
#include <string>

#include "DocumentTestSupport.h"
#include "cli/CliDocument.h"
#include "clone/CloneInfoCheck.h"
#include "clone/CloneRanges.h"
#include "clone/dst_CDrv_Result.h"
#include "clone/indCloneMan.h"
#include "files/DestinationSession.h"
#include "files/DocumentSave.h"
#include "files/FileError.h"
#include "memory/LoadedImage.h"
#include "platform/PortNumbers.h"
#include "support/WarningImages.h"

namespace {

// Where two texts part: the number of the first line that differs and that line in each.
std::string FirstDifference(const std::string& a, const std::string& b) {
  std::istringstream inA(a);
  std::istringstream inB(b);
  for (int number = 1;; ++number) {
    std::string lineA;
    std::string lineB;
    const bool hasA = static_cast<bool>(std::getline(inA, lineA));
    const bool hasB = static_cast<bool>(std::getline(inB, lineB));
    if (!hasA && !hasB) return "no line differs";
    if (hasA != hasB || lineA != lineB) {
      return "line " + std::to_string(number) + ": \"" + lineA + "\" and \"" + lineB + "\"";
    }
  }
}

class SameBytesTest : public RadioLine {
 protected:
  // What `tessel-cli radio read` does once the radio's image has arrived.
  void SaveOnTheCommandLine(cmcEeprom received, const std::string& output) {
    {
      const DestinationSession session(kDestination);
      PrepareLoadedImage(received, session.Defaults());
      ASSERT_EQ(SaveCliDocument(received, output, session, {DocumentFile::kNewestGeneration, true}, {}),
                FileError::kNone);
    }
    installed.Install();  // a destination session leaves no model settings behind
  }

  // What `tessel-cli convert` does: the file opened under the destination it names, saved as
  // a file of generation.
  void ConvertOnTheCommandLine(const std::string& input, const std::string& output, int generation) {
    {
      const QmfHeaderFacts facts = ReadQmfHeader(input, {});
      ASSERT_EQ(facts.code, FileError::kNone);
      const DestinationSession session(facts.destination);
      cmcEeprom opened;
      ASSERT_EQ(OpenCliDocument(input, session, opened, {}), FileError::kNone);
      ASSERT_EQ(SaveCliDocument(opened, output, session, {generation, true}, {}), FileError::kNone);
    }
    installed.Install();
  }

  // The radio's memory as a read session receives it.
  cmcEeprom ReceiveRadioMemory() {
    const PortNumbers ports = PortNumbers::OfUser(settings.environ.UserStore(), settings.environ.UserKey());
    indCloneMan reader(programEnd, ports, settings.environ.settings, events, texts, sessionUi);
    reader.SetRequestWords(DocumentFile::kModelCode, 0);
    reader.SetImageSize(ImageSizeOf(DocumentFile::kNewestGeneration));
    reader.SetReadCheck([](void*, dst_CDrv_Result& result) { result.code = CheckReadImage(result.image); }, nullptr);
    const AddressRangeList ranges = CloneReadRanges();
    std::optional<cmcEeprom> received;
    const auto keep = [](void* user, dst_CDrv_Result& result) {
      if (result.code == CloneResult::kOk) static_cast<std::optional<cmcEeprom>*>(user)->emplace(result.image);
    };
    EXPECT_EQ(reader.StartRead(ranges, keep, &received), 1);
    EXPECT_TRUE(RunWhile([&reader] { return reader.IsBusy(); }));
    EXPECT_TRUE(received.has_value()) << cloneMessages.str();
    return received.value_or(cmcEeprom());
  }

  // Both files exist, end with the digest line and hold the same bytes.
  static void ExpectSameFiles(const std::string& window, const std::string& commandLine) {
    EXPECT_TRUE(EndsWithDigestLine(window)) << LastLine(window);
    EXPECT_TRUE(EndsWithDigestLine(commandLine)) << LastLine(commandLine);
    const std::string windowBytes = ReadBytes(window);
    const std::string commandLineBytes = ReadBytes(commandLine);
    EXPECT_TRUE(windowBytes == commandLineBytes) << FirstDifference(windowBytes, commandLineBytes);
  }
};

TEST_F(SameBytesTest, AFileOpenedAndSavedByTheWindowAndByTheCommandLine) {
  cmcEeprom content = document.DefaultsImage();
  PutComment(content, "ROUND TRIP");
  MakeTwoIdenticalYourCalls(content);  // the fake window reports no warning: nothing is corrected
  const struct {
    int inputGeneration;
    int savedGeneration;
    std::deque<std::int32_t> answers;  // to the old-format question
  } cases[] = {
      {3, 3, {}},
      {2, 3, {}},
      {1, 3, {}},
      {3, 2, {kAnswerYes}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("generation " + std::to_string(c.inputGeneration) + " saved as " + std::to_string(c.savedGeneration));
    const std::string tag = std::to_string(c.inputGeneration) + "-" + std::to_string(c.savedGeneration);
    const std::string input = folder.Path("input" + tag + ".qmf");
    ASSERT_EQ(SaveDocumentFile(content, input, {c.inputGeneration, kDestination, true}, document.DefaultsImage(), {}),
              FileError::kNone);
    messages.answers = c.answers;

    ASSERT_EQ(commands.OpenFile(input), 0);
    ASSERT_EQ(commands.WriteFile(folder.Path("window" + tag + ".qmf"), c.savedGeneration), 0);
    ConvertOnTheCommandLine(input, folder.Path("cli" + tag + ".qmf"), c.savedGeneration);

    EXPECT_EQ(messages.asked.size(), c.answers.size());
    messages.asked.clear();
    ExpectSameFiles(folder.Path("window" + tag + ".qmf"), folder.Path("cli" + tag + ".qmf"));
  }
}

TEST_F(SameBytesTest, ARadioReadSavedByTheWindowAndByTheCommandLine) {
  PutComment(radioMemory, "FROM THE RADIO");
  Serve();
  const cmcEeprom received = ReceiveRadioMemory();
  ASSERT_EQ(RadioBytes(received), RadioBytes(radioMemory));

  document.CurrentImage().Assign(received);
  document.AdoptCurrentImage();
  ASSERT_EQ(commands.WriteFile(folder.Path("window.qmf"), DocumentFile::kNewestGeneration), 0);
  SaveOnTheCommandLine(received, folder.Path("cli.qmf"));

  EXPECT_TRUE(messages.asked.empty());
  ExpectSameFiles(folder.Path("window.qmf"), folder.Path("cli.qmf"));
}

}  // namespace
