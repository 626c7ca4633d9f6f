#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "FilesTestSupport.h"
#include "files/TextLineReader.h"

namespace {

using Status = TextLineReader::Status;

struct Outcome {
  std::vector<std::string> lines;
  Status end;
};

Outcome ReadAll(TextLineReader& reader) {
  Outcome outcome;
  std::string line;
  while ((outcome.end = reader.Next(line)) == Status::Line) outcome.lines.push_back(line);
  return outcome;
}

// Reads the bytes both from memory and from a file, which must agree.
Outcome ReadBoth(const std::string& bytes) {
  TextLineReader memory(std::span<const char>(bytes.data(), bytes.size()));
  const Outcome fromMemory = ReadAll(memory);
  TempFolder folder;
  WriteBytes(folder.Path("lines"), bytes);
  std::FILE* file = std::fopen(folder.Path("lines").c_str(), "rb");
  TextLineReader streamed(file);
  const Outcome fromFile = ReadAll(streamed);
  std::fclose(file);
  EXPECT_EQ(fromMemory.lines, fromFile.lines);
  EXPECT_EQ(fromMemory.end, fromFile.end);
  return fromMemory;
}

TEST(TextLineReader, SplitsLinesOfEitherLineEnd) {
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"CR LF", "ab\r\ncd\r\n", {"ab", "cd"}},
      {"LF alone", "ab\ncd\n", {"ab", "cd"}},
      {"last line without line end", "ab\r\ncd", {"ab", "cd"}},
      {"last line ends in CR only", "ab\r\ncd\r", {"ab", "cd"}},
      {"CR inside a line stays", "a\rb\r\n", {"a\rb"}},
      {"two CRs keep one", "ab\r\r\n", {"ab\r"}},
      {"empty lines", "\r\n\n", {"", ""}},
      {"nothing", "", {}},
      {"NUL bytes", std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
  };
  for (const Case& c : cases) {
    const Outcome outcome = ReadBoth(c.bytes);
    EXPECT_EQ(outcome.lines, c.lines) << c.name;
    EXPECT_EQ(outcome.end, Status::End) << c.name;
  }
}

TEST(TextLineReader, LinesLongerThanTheLimitStopTheReading) {
  const std::size_t limit = TextLineReader::kMaxLineLength;
  struct Case {
    const char* name;
    std::string bytes;
    std::size_t linesBefore;
    Status end;
  };
  const Case cases[] = {
      {"at the limit", std::string(limit, 'A') + "\r\nB\r\n", 2, Status::End},
      {"one over, CR LF", std::string(limit + 1, 'A') + "\r\nB\r\n", 0, Status::TooLong},
      {"one over, LF", "x\n" + std::string(limit + 1, 'A') + "\nB\n", 1, Status::TooLong},
      {"one over, no line end", std::string(limit + 1, 'A'), 0, Status::TooLong},
      {"megabytes without a line end", "x\r\n" + std::string(3 << 20, '7'), 1, Status::TooLong},
  };
  for (const Case& c : cases) {
    const Outcome outcome = ReadBoth(c.bytes);
    EXPECT_EQ(outcome.lines.size(), c.linesBefore) << c.name;
    EXPECT_EQ(outcome.end, c.end) << c.name;
  }
}

TEST(TextLineReader, StaysStoppedAfterTheEnd) {
  const std::string bytes = std::string(TextLineReader::kMaxLineLength + 5, 'A') + "\nB\n";
  TextLineReader reader(std::span<const char>(bytes.data(), bytes.size()));
  std::string line = "old";
  EXPECT_EQ(reader.Next(line), Status::TooLong);
  EXPECT_EQ(reader.Next(line), Status::TooLong);
  EXPECT_TRUE(line.empty());
}

TEST(TextLineReader, AFileThatCannotBeReadIsAReadError) {
  TempFolder folder;
  std::FILE* directory = std::fopen(folder.Path("").c_str(), "rb");
  ASSERT_NE(directory, nullptr);
  TextLineReader reader(directory);
  std::string line;
  EXPECT_EQ(reader.Next(line), Status::ReadError);
  EXPECT_EQ(reader.Next(line), Status::ReadError);
  std::fclose(directory);
}

}  // namespace
