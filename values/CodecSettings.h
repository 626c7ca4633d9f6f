#pragma once
// The program settings that change how codecs show and take values. The dispatcher fills it
// from the settings object for each request; codecs never read settings themselves.

struct CodecSettings {
  // The language setting is Japanese, or the system's default language is: texts show
  // double-byte characters and katakana, and the degree sign is byte 0xDF instead of 0xB0.
  bool japaneseDisplay = false;
  // The application's date order: 0 yyyy/mm/dd, 1 mm/dd/yyyy, any other dd/mm/yyyy.
  int dateOrder = 0;
  // "Auto Correct": a typed call sign is aligned so that its module letter lands in column 8.
  bool autoCorrect = true;
  // "Repeater Dialog": Enter on a your-call-sign cell opens the pop-up instead of the editor.
  bool repeaterDialog = true;
};

// The degree sign of the display: the code page's half-width katakana byte 0xDF looks like a
// degree sign on a Japanese display; the Western tables use 0xB0.
inline char DegreeSign(bool japaneseDisplay) { return japaneseDisplay ? '\xDF' : '\xB0'; }
