#pragma once
// The call sign cell: a call sign field of n characters (8 for call signs, 4 for the note of
// a my-call-sign entry). Typed text is upper-cased and reduced to digits, letters and "/";
// with "Auto Correct" an 8-character call sign gets its last word (the module letter) moved
// to the right end.
#include <span>
#include <string>
#include <string_view>

#include "values/CodecSettings.h"
#include "values/KeyReply.h"

class CallSignCell {
 public:
  // gatewayRule: the field holds a gateway call sign, which is aligned only when it ends in "G".
  explicit CallSignCell(const CodecSettings& settings, bool gatewayRule = false);

  // The field without trailing spaces.
  std::string Display(std::span<const char> field) const;
  // Stores the cleaned text padded (or cut) to the field; always answers true.
  bool Commit(std::string_view text, std::span<char> field) const;
  KeyReply Key(int key, std::span<const char> field) const;

 private:
  // The call sign as Commit stores it in a field of width characters.
  std::string Cleaned(std::string_view text, std::size_t width) const;

  CodecSettings settings_;
  bool gatewayRule_;
};
