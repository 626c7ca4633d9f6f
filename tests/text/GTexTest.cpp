#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/FatalTrap.h"
#include "support/LineTableFixture.h"
#include "text/cmcGTex.h"

namespace {

using Table = LineTableFixture;

cmcGTex Open(const Table& t) {
  cmcGTex g;
  EXPECT_EQ(g.SelectLineTable(t.Table()), 1);
  return g;
}

const Table kSample({"#Alpha", "a0", "a1", "", "a3", "#", "after terminator", "#Beta", "b0", "#Alpha", "duplicate",
                     "#End_Of_Ovl", "#Hidden", "h0"});

TEST(GTex, ReadsValueLinesInAnyOrder) {
  cmcGTex g = Open(kSample);
  EXPECT_EQ(g.GetLine("Alpha", 3), "a3");
  EXPECT_EQ(g.GetLine("Alpha", 1), "a1");  // earlier line: restarts at the value start
  EXPECT_EQ(g.GetLine("Alpha", 2), "");
  EXPECT_EQ(g.GetLine("Beta", 0), "b0");
}

TEST(GTex, TerminatorLineEndsValueWithoutOpeningAKey) {
  cmcGTex g = Open(kSample);
  EXPECT_EQ(g.GetValueText("Alpha"), "a0\na1\n\na3");
  EXPECT_EQ(g.GetLine("Alpha", 4), "#");
  const auto keys = g.IndexedKeys();
  EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.end()), (std::vector<std::string>{"Alpha"}));
}

TEST(GTex, ValueFollowedByEmptyLineEndsInLineBreak) {
  const Table t({"#A", "x", "", "#End_Of_Ovl"});
  cmcGTex g = Open(t);
  EXPECT_EQ(g.GetValueText("A"), "x\n");
}

TEST(GTex, FirstOfDuplicateKeysWins) {
  cmcGTex g = Open(kSample);
  EXPECT_EQ(g.GetLine("Beta", 0), "b0");
  EXPECT_EQ(g.GetLine("Alpha", 0), "a0");
}

TEST(GTex, MissingKeysAreFatal) {
  for (const char* key : {"Hidden", "Nowhere", "alpha"}) {
    cmcGTex g = Open(kSample);
    EXPECT_EQ(FatalMessageOf([&] { g.GetLine(key, 0); }),
              std::string("GTEX Error !\nThe index '") + key + "' was not found.")
        << key;
  }
}

TEST(GTex, ReadingPastTheTableIsFatal) {
  cmcGTex g = Open(kSample);
  EXPECT_NE(FatalMessageOf([&] { g.GetLine("Beta", 40); }), "");
}

TEST(GTex, NoSourceIsFatal) {
  cmcGTex g;
  EXPECT_NE(FatalMessageOf([&] { g.GetLine("Alpha", 0); }), "");
}

TEST(GTex, LongLinesAreCut) {
  const std::string longLine(cmcGTex::kMaxLineLength + 100, 'x');
  const std::string exact(cmcGTex::kMaxLineLength, 'y');
  const Table t({"#A", longLine, exact, "#End_Of_Ovl"});
  cmcGTex g = Open(t);
  EXPECT_EQ(g.GetLine("A", 0), longLine.substr(0, cmcGTex::kMaxLineLength));
  EXPECT_EQ(g.GetLine("A", 1), exact);
}

TEST(GTex, DeepKeysMoveToFrontShallowKeysStay) {
  std::vector<std::string> body;
  for (int k = 0; k < 14; ++k) {
    body.push_back("#K" + std::to_string(k));
    body.push_back("v" + std::to_string(k));
  }
  body.push_back("#End_Of_Ovl");
  const Table t(body);
  cmcGTex g = Open(t);
  g.GetLine("K13", 0);  // indexes K0..K13

  g.GetLine("K10", 0);  // list position 10: stays
  auto keys = g.IndexedKeys();
  EXPECT_EQ(*std::next(keys.begin(), 10), "K10");

  g.GetLine("K11", 0);  // list position 11: moves to the head
  keys = g.IndexedKeys();
  EXPECT_EQ(keys.front(), "K11");
  EXPECT_EQ(keys.back(), "K13");  // tail unchanged
  g.GetLine("K13", 0);            // the tail moves too; its predecessor becomes the tail
  keys = g.IndexedKeys();
  EXPECT_EQ(keys.front(), "K13");
  EXPECT_EQ(keys.back(), "K12");
  EXPECT_EQ(g.GetLine("K12", 0), "v12");
}

TEST(GTex, SelectLineTableOnlyOnce) {
  const Table other({"#Alpha", "other", "#End_Of_Ovl"});
  cmcGTex g = Open(kSample);
  EXPECT_EQ(g.SelectLineTable(other.Table()), 0);
  EXPECT_EQ(g.GetLine("Alpha", 0), "a0");
  g.Reset();
  EXPECT_TRUE(g.IndexedKeys().empty());
  EXPECT_EQ(g.SelectLineTable(other.Table()), 1);
  EXPECT_EQ(g.GetLine("Alpha", 0), "other");
}

TEST(GTex, EscapeAmpersandsLeavesDoubleByteCharactersAlone) {
  struct Case {
    std::string in, out;
  } cases[] = {
      {"Save & Exit", "Save && Exit"}, {"&&", "&&&&"},
      {"\x81&x&", "\x81&x&&"},                                  // 0x26 as second byte of a double-byte character
      {"\xE0\x26&", "\xE0\x26&&"},     {"end\x81", "end\x81"},  // lead byte without its second byte
  };
  for (const auto& c : cases) EXPECT_EQ(cmcGTex::EscapeAmpersands(c.in), c.out) << c.in;
}

}  // namespace
