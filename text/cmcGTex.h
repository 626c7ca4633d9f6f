#pragma once
// The keyed text database. A line table is an ordered list of lines in which "#Key" opens a
// key and the lines after it, up to the next line that begins with '#', are its value.
//
// The table is never parsed as a whole: a lookup indexes keys only as far as the one asked
// for, keys found deep in the index move to its front, and each key remembers where a
// sequential read of its value goes on, so reading a value from line 0 onward is linear.
// A key that is not in the table is a defect of the built-in tables and fatal.
#include <cstddef>
#include <list>
#include <string>
#include <string_view>

#include "text/LineTables.h"

class cmcGTex {
 public:
  // Sets the in-memory line table as source. Accepted (1) only while no source is set.
  int SelectLineTable(LineTable table);

  // The n-th value line of key (n from 0) without its line end; at most 8,191 characters.
  std::string GetLine(std::string_view key, int n);

  // The whole value: lines 0, 1, ... up to the first non-empty line starting with '#',
  // joined with "\n".
  std::string GetValueText(std::string_view key);

  // Back to the freshly constructed state: no source, no index.
  void Reset();

  // For menu captions: every single-byte '&' doubled, double-byte characters untouched.
  static std::string EscapeAmpersands(std::string_view text);

  // Longest line text a read returns; longer lines are cut.
  static constexpr std::size_t kMaxLineLength = 8191;

  // The line table read from; none before one is selected.
  const char* const* Source() const { return table_.lines; }

  // Inspection for tests: the keys in index order.
  std::list<std::string> IndexedKeys() const;

 private:
  struct GTexKeyNode {
    std::string key;
    std::size_t valueStart = 0;
    int nextLineNumber = 0;
    std::size_t nextLinePosition = 0;
  };

  bool Open();
  bool ReadLine(std::string& line);
  bool ScanStep();
  GTexKeyNode* Lookup(std::string_view key);
  [[noreturn]] static void IndexNotFound(std::string_view key);

  LineTable table_;
  bool hasSource_ = false;
  bool open_ = false;
  std::size_t position_ = 0;
  std::size_t scanPosition_ = 0;
  bool moreToScan_ = true;
  std::list<GTexKeyNode> index_;
};
