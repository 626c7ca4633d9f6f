// The system's number and date formats: the separators found in what the locale says, and the
// formats held to the forms the value codecs read.
#include <gtest/gtest.h>

#include "base/LocaleFormats.h"

namespace {

struct LocaleCase {
  const char* name;
  LocaleTexts locale;
  SystemLocaleFormats expected;
};

TEST(LocaleFormatsTest, TheLocalesFormatsGiveTheirSeparators) {
  const LocaleCase cases[] = {
      {"us", {".", "h:mm AP", "M/d/yy", false}, {".", ",", ":", "/", "M/d/yy", false}},
      {"german", {",", "HH:mm", "dd.MM.yy", false}, {",", ";", ":", ".", "dd.MM.yy", false}},
      {"japanese", {".", "H:mm", "yyyy/MM/dd", true}, {".", ",", ":", "/", "yyyy/MM/dd", true}},
      {"time with full stops", {".", "HH.mm", "yyyy-MM-dd", false}, {".", ",", ".", "-", "yyyy-MM-dd", false}},
      {"a space before the fields' separator",
       {".", "AP h:mm", "d MMM yyyy", false},
       {".", ",", " ", " ", "d MMM yyyy", false}},
      {"quoted text is skipped, a doubled quote too",
       {".", "'h:'H''.mm", "'d.'yyyy/MM/dd", false},
       {".", ",", ".", "/", "'d.'yyyy/MM/dd", false}},
      {"a character outside ASCII separates, all of its bytes",
       {".", "H:mm", "d\u200F/M\u200F/yyyy", false},
       {".", ",", ":", "\u200F", "d\u200F/M\u200F/yyyy", false}},
      {"only letters give no separator", {".", "HHmm", "yyyyMMdd", false}, {".", ",", "", "", "yyyyMMdd", false}},
  };
  for (const LocaleCase& c : cases) {
    const SystemLocaleFormats system = SystemFormatsOf(c.locale);
    EXPECT_EQ(system.decimalSeparator, c.expected.decimalSeparator) << c.name;
    EXPECT_EQ(system.listSeparator, c.expected.listSeparator) << c.name;
    EXPECT_EQ(system.timeSeparator, c.expected.timeSeparator) << c.name;
    EXPECT_EQ(system.dateSeparator, c.expected.dateSeparator) << c.name;
    EXPECT_EQ(system.shortDateFormat, c.expected.shortDateFormat) << c.name;
    EXPECT_EQ(system.japanese, c.expected.japanese) << c.name;
  }
}

struct FormatCase {
  const char* name;
  SystemLocaleFormats system;
  LocaleFormats expected;
};

LocaleFormats Formats(const char* decimal, const char* list, const char* time, DateOrder order, const char* separator,
                      const char* date) {
  return {decimal, list, time, order, separator, date};
}

TEST(LocaleFormatsTest, SystemFormatsBecomeTheFormsTheCodecsRead) {
  const FormatCase cases[] = {
      {"us", {".", ",", ":", "/", "M/d/yyyy", false}, Formats(".", ",", "hh:nn:ss", kMonthDayYear, "/", "mm/dd/yyyy")},
      {"german day first with full stops",
       {",", ";", ":", ".", "d.M.yyyy", false},
       Formats(",", ";", "hh:nn:ss", kDayMonthYear, ".", "dd.mm.yyyy")},
      {"decimal comma with list comma",
       {",", ",", ":", "/", "yyyy/MM/dd", false},
       Formats(",", ";", "hh:nn:ss", kYearMonthDay, "/", "yyyy/mm/dd")},
      {"odd separators",
       {"'", "|", "h", "-", "yyyy-MM-dd", false},
       Formats(".", ",", "hh:nn:ss", kYearMonthDay, "-", "yyyy-mm-dd")},
      {"time with full stops",
       {".", ",", ".", "/", "dd/MM/yyyy", false},
       Formats(".", ",", "hh.nn.ss", kDayMonthYear, "/", "dd/mm/yyyy")},
      {"space as date separator becomes a slash",
       {".", ",", ":", " ", "d MMM yyyy", false},
       Formats(".", ",", "hh:nn:ss", kDayMonthYear, "/", "dd/mm/yyyy")},
      {"year only, western",
       {".", ",", ":", "/", "yyyy", false},
       Formats(".", ",", "hh:nn:ss", kMonthDayYear, "/", "mm/dd/yyyy")},
      {"year only, Japanese",
       {".", ",", ":", "/", "yyyy", true},
       Formats(".", ",", "hh:nn:ss", kYearMonthDay, "/", "yyyy/mm/dd")},
      {"weekday name is unusable",
       {".", ",", ":", "/", "dddd, M/d/yyyy", false},
       Formats(".", ",", "hh:nn:ss", kMonthDayYear, "/", "mm/dd/yyyy")},
      {"quoted letters are no fields",
       {".", ",", ":", ".", "'day' d.M.yyyy", false},
       Formats(".", ",", "hh:nn:ss", kDayMonthYear, ".", "dd.mm.yyyy")},
      {"a field starting again is unusable",
       {".", ",", ":", "/", "yyyy/MM/dd/yy", true},
       Formats(".", ",", "hh:nn:ss", kYearMonthDay, "/", "yyyy/mm/dd")},
      {"year between month and day",
       {".", ",", ":", "/", "MM/yyyy/dd", false},
       Formats(".", ",", "hh:nn:ss", kMonthDayYear, "/", "mm/dd/yyyy")},
      {"double-byte text between fields",
       {".", ",", ":", "/",
        "yyyy\x94\x4EM\x8C\x8E"
        "d\x93\xFA",
        true},
       Formats(".", ",", "hh:nn:ss", kYearMonthDay, "/", "yyyy/mm/dd")},
  };
  for (const FormatCase& c : cases) {
    const LocaleFormats formats = NormaliseLocaleFormats(c.system);
    EXPECT_EQ(formats.decimalSeparator, c.expected.decimalSeparator) << c.name;
    EXPECT_EQ(formats.listSeparator, c.expected.listSeparator) << c.name;
    EXPECT_EQ(formats.timeFormat, c.expected.timeFormat) << c.name;
    EXPECT_EQ(formats.dateOrder, c.expected.dateOrder) << c.name;
    EXPECT_EQ(formats.dateSeparator, c.expected.dateSeparator) << c.name;
    EXPECT_EQ(formats.shortDateFormat, c.expected.shortDateFormat) << c.name;
  }
}

}  // namespace
