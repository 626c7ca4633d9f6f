#pragma once
// The navigation tree of this radio: nodes of named lists (banks, program scan links,
// broadcast groups, repeater groups, GPS groups) take the names stored in the image as their
// captions when EV_TreeCaption names their list number.
#include <string>
#include <string_view>

#include "ui/cuiTree.h"

class cmcEvMan;
class EventRecord;

class iuiTree final : public cuiTree {
 public:
  iuiTree(QWidget& panel, cmcGTex& texts, cmcEvMan& events, int changeDelayMs);
  ~iuiTree() override;

  // Renames the nodes of named lists whose sheet argument number is listNumber.
  void SetListCaption(int listNumber, std::string_view caption);

  // A caption as a non-Japanese display shows it: each double-byte character becomes "==",
  // each half-width katakana "_".
  static std::string WesternCaption(std::string_view caption);

 private:
  static void OnEvent(void* user, const EventRecord& event);

  cmcEvMan& events_;
};
