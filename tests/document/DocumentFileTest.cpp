// Open and Save of the document commands without a window: files made by the project's own
// save routine, damaged files, and the record checks' answers deciding the correction and
// the digest line.
#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "DocumentTestSupport.h"
#include "files/DocumentOpen.h"
#include "files/DocumentSave.h"
#include "files/FileError.h"
#include "memory/GenerationConversion.h"
#include "memory/LoadedImage.h"
#include "memory/YourCallList.h"
#include "support/WarningImages.h"

namespace {

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// The text without its last line.
std::string WithoutLastLine(const std::string& text) {
  const std::size_t lastLineStart = text.rfind('\n', text.size() - 2) + 1;
  return text.substr(0, lastLineStart);
}

class DocumentFileTest : public DocumentTest {
 protected:
  // The document as a file of kDestination, with the digest line when loadable.
  std::string SaveAsFile(const cmcEeprom& content, const std::string& name, bool loadable = true) {
    const std::string path = folder.Path(name);
    EXPECT_EQ(SaveDocumentFile(content, path, {DocumentFile::kNewestGeneration, kDestination, loadable},
                               document.DefaultsImage(), {}),
              FileError::kNone);
    return path;
  }

  // What the file at path holds, loaded as a document of kDestination.
  cmcEeprom ReadBack(const std::string& path) {
    const cmcEeprom& defaults = document.DefaultsImage();
    const GenerationConverter convert = [&defaults](cmcEeprom& target, const cmcEeprom& source, int to, int from) {
      ConvertGeneration(target, source, to, from, defaults);
    };
    DocumentOpenResult opened = OpenDocumentFile(path, kDestination, convert, {});
    EXPECT_EQ(opened.code, FileError::kNone) << path;
    PrepareLoadedImage(opened.image, defaults);
    return opened.image;
  }

  std::string FileErrorMessage(int code) { return ToUtf8(FileErrorText(texts, code), DisplayCodePage()); }
};

TEST_F(DocumentFileTest, ASavedFileOpensIntoTheDocument) {
  cmcEeprom content = document.DefaultsImage();
  PutComment(content, "OPENED FROM FILE");
  const std::string path = SaveAsFile(content, "saved.qmf");
  ASSERT_TRUE(document.CurrentImage().IsDifferent(content));

  EXPECT_EQ(commands.OpenFile(path), 0);

  EXPECT_TRUE(document.CurrentImage().IsEqual(content));
  EXPECT_EQ(document.FileName(), path);
  EXPECT_FALSE(document.IsModified());
  EXPECT_EQ(document.Generation(), DocumentFile::kNewestGeneration);
  EXPECT_EQ(window.calls.closedSheets, 1);
  EXPECT_EQ(window.calls.busyBegun, 1);
  EXPECT_EQ(window.calls.busyEnded, 1);
  EXPECT_TRUE(messages.asked.empty());
}

TEST_F(DocumentFileTest, ADamagedFileShowsItsFileErrorAndLeavesTheDocumentAsItWas) {
  cmcEeprom content = document.DefaultsImage();
  PutComment(content, "THE GOOD FILE");
  const std::string good = SaveAsFile(content, "good.qmf", false);
  ASSERT_EQ(commands.OpenFile(good), 0);
  const cmcEeprom before = document.CurrentImage();
  const std::string goodText = ReadBytes(good);
  const struct {
    const char* what;
    std::string text;
    int code;
  } cases[] = {
      {"another model", Replaced(goodText, "33900003\r\n", "33910003\r\n"), FileError::kModel},
      {"another map revision", Replaced(goodText, "#MapRev=1\r\n", "#MapRev=2\r\n"), FileError::kMapRev},
      {"the last data line missing", WithoutLastLine(goodText), FileError::kCoverage},
  };
  for (const auto& c : cases) {
    const std::string damaged = folder.Path("damaged.qmf");
    WriteBytes(damaged, c.text);
    messages.asked.clear();
    window.calls = {};

    EXPECT_EQ(commands.OpenFile(damaged), 1) << c.what;

    ASSERT_EQ(messages.asked.size(), 1u) << c.what;
    EXPECT_EQ(messages.asked[0].text, FileErrorMessage(c.code)) << c.what;
    EXPECT_TRUE(document.CurrentImage().IsEqual(before)) << c.what;
    EXPECT_EQ(document.FileName(), good) << c.what;
    EXPECT_FALSE(document.IsModified()) << c.what;
    EXPECT_EQ(window.calls.closedSheets, 0) << c.what;
    EXPECT_EQ(window.calls.busyBegun, window.calls.busyEnded) << c.what;
  }
}

// The document has a duplicated your-call sign, which the correction resolves; the window's
// warning check reports what each case sets.
TEST_F(DocumentFileTest, TheRecordChecksDecideCorrectionAndDigestLine) {
  const struct {
    const char* what;
    int errorPages;
    int warningPages;
    std::deque<std::int32_t> answers;
    const char* messageKey;
    bool corrected;
    bool digest;
  } cases[] = {
      {"errors", 1, 0, {}, "GI_Mess_Confirm_ErrMark", false, false},
      {"errors and warnings", 2, 3, {}, "GI_Mess_Confirm_ErrMark", false, false},
      {"warnings corrected", 0, 1, {kAnswerYes}, "GI_Mess_Confirm_WarnMark", true, true},
      {"warnings kept", 0, 1, {kAnswerNo}, "GI_Mess_Confirm_WarnMark", false, false},
  };
  int fileNumber = 0;
  for (const auto& c : cases) {
    commands.NewDocument();
    MakeTwoIdenticalYourCalls(document.CurrentImage());
    window.errorPages = c.errorPages;
    window.warningPages = c.warningPages;
    messages.asked.clear();
    messages.answers = c.answers;
    const std::string path = folder.Path("checked" + std::to_string(++fileNumber) + ".qmf");

    EXPECT_EQ(commands.WriteFile(path, DocumentFile::kNewestGeneration), 0) << c.what;

    ASSERT_EQ(messages.asked.size(), 1u) << c.what;
    EXPECT_EQ(messages.asked[0].text, Text(c.messageKey)) << c.what;
    EXPECT_EQ(EndsWithDigestLine(path), c.digest) << c.what << ": " << LastLine(path);
    const int expectedYourCalls = c.corrected ? 1 : 2;
    EXPECT_EQ(YourCallCount(document.CurrentImage()), expectedYourCalls) << c.what;
    EXPECT_EQ(YourCallCount(ReadBack(path)), expectedYourCalls) << c.what;
    EXPECT_EQ(document.FileName(), path) << c.what;
    EXPECT_FALSE(document.IsModified()) << c.what;
  }
}

}  // namespace
