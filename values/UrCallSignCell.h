#pragma once
// The your-call-sign cell (UR, RPT1 and RPT2 of a channel): a call sign cell of 8 characters
// that also takes a pick from the your-call-sign pop-up. With "Repeater Dialog" on, the keys
// that open the editor open the pop-up instead.
#include <span>
#include <string>
#include <string_view>

#include "memory/FixedText.h"
#include "memory/cmcEeprom.h"
#include "values/CallSignCell.h"
#include "values/CodecSettings.h"
#include "values/KeyReply.h"

class UrCallSignCell {
 public:
  // The pop-up entry that stands for "CQCQCQ".
  static constexpr int kCqEntry = 255;

  // typingAllowed: with "Repeater Dialog" on, a typed character still opens the editor.
  UrCallSignCell(const CodecSettings& settings, bool typingAllowed);

  std::string Display(const CallSignText& call) const;
  bool Commit(std::string_view text, CallSignText& call) const;
  // Entry kCqEntry stores "CQCQCQ", an entry of the your-call-sign list in use its call sign;
  // any other entry changes nothing and answers false.
  bool Pick(int entry, const cmcEeprom& image, CallSignText& call) const;
  KeyReply Key(int key, const CallSignText& call) const;

 private:
  CallSignCell callSign_;
  bool repeaterDialog_;
  bool typingAllowed_;
};
