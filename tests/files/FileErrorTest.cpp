#include <gtest/gtest.h>

#include <vector>

#include "files/FileError.h"
#include "files/cmcQmfFile.h"
#include "text/LineTables.h"
#include "text/cmcGTex.h"

namespace {

TEST(FileError, EveryCodeHasItsMessage) {
  cmcGTex english;
  english.SelectLineTable(LineTableOf(TableLanguage::English));
  const std::vector<std::string> messages{
      "",
      "Cannot open the file.",
      "Cannot access the file.",
      "Illegal data.",
      "Illegal data.",
      "Incompatible data.",
      "Illegal data.",
      "There is not enough data.",
      "Illegal data.",
      "Please update to the latest version.",
      "Incompatible data.",
  };
  for (int code = 0; code <= FileError::kLast; ++code) {
    const std::string& message = messages[static_cast<std::size_t>(code)];
    EXPECT_EQ(FileErrorText(english, code), message.empty() ? "" : "File error.\n\n" + message) << code;
  }
  EXPECT_EQ(FileErrorMessageKey(9), "GI_Mess_FileErr_Newer");
  EXPECT_EQ(FileErrorText(english, 11), "");
  EXPECT_EQ(FileErrorText(english, -1), "");
}

TEST(FileError, OnlyCodesOfTheTableAreShown) {
  cmcQmfFile file;
  std::vector<int> shown;
  file.ShowFileError(1);  // no reporter: nothing to do
  file.SetErrorReporter([&](int code) { shown.push_back(code); });
  for (const int code : {-1, 0, 1, 9, 10, 11}) file.ShowFileError(code);
  EXPECT_EQ(shown, (std::vector<int>{1, 9, 10}));
}

}  // namespace
