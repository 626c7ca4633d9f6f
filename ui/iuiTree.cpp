#include "ui/iuiTree.h"

#include <algorithm>
#include <array>

#include "base/cmcEvMan.h"
#include "sheet/layout/SheetName.h"
#include "ui/DisplayText.h"

namespace {

// The sheet types whose nodes show a list name.
constexpr std::array<std::string_view, 5> kNamedListTypes = {"St_CCBank", "St_RadioTop", "St_ChGps", "St_PLink",
                                                             "St_RptList"};

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xEF); }
bool IsHalfWidthKatakana(unsigned char c) { return c >= 0xA1 && c <= 0xDF; }

bool ShowsListName(const cmcCellObj& cell, int listNumber) {
  const SheetName name = SplitSheetName(cell.argument);
  return std::ranges::find(kNamedListTypes, name.type) != kNamedListTypes.end() &&
         ArgumentNumber(name.arguments) == listNumber;
}

}  // namespace

iuiTree::iuiTree(QWidget& panel, cmcGTex& texts, cmcEvMan& events, int changeDelayMs)
    : cuiTree(panel, texts, "GI_Tree_Main", changeDelayMs), events_(events) {
  events_.Register(&iuiTree::OnEvent, this);
}

iuiTree::~iuiTree() { events_.Unregister(&iuiTree::OnEvent, this); }

void iuiTree::SetListCaption(int listNumber, std::string_view caption) {
  const std::string shown = DisplayCodePage() == CodePage::Cp932 ? std::string(caption) : WesternCaption(caption);
  for (Node& node : Nodes()) {
    if (ShowsListName(*node.cell, listNumber)) SetCaption(node, shown);
  }
}

std::string iuiTree::WesternCaption(std::string_view caption) {
  std::string shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    const auto c = static_cast<unsigned char>(caption[i]);
    if (IsLeadByte(c)) {
      shown += "==";
      ++i;
    } else if (IsHalfWidthKatakana(c)) {
      shown += '_';
    } else {
      shown += caption[i];
    }
  }
  return shown;
}

void iuiTree::OnEvent(void* user, const EventRecord& event) {
  if (event.code != EV_TreeCaption) return;
  static_cast<iuiTree*>(user)->SetListCaption(static_cast<int>(event.p2), event.Text());
}
