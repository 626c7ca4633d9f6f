#include "ui/CellContext.h"

#include <string>

#include "base/cmcEvMan.h"
#include "sheet/layout/SheetName.h"

namespace {

std::string AnswerText(const cmcEvAns& answer) {
  const std::string text(answer.data.begin(), answer.data.end());
  return text.substr(0, text.find('\0'));
}

}  // namespace

void CellContext::Query(cmcEvMan& events) {
  cell_.reset();
  request_ = cmcCellCapsule{};
  const cmcEvAns& answer = events.Query(EV_QueryCurrentCell);
  const auto* cell = std::any_cast<cmcCellObj>(&answer.object);
  if (cell == nullptr) return;
  cell_.emplace();
  CopyCell(*cell_, *cell);
  request_.cell = &*cell_;
  request_.sheetName = AnswerText(events.Query(EV_QuerySheetName));
  request_.sheetArgument = SplitSheetName(request_.sheetName).arguments;
}

cmcCellCapsule EntryRequest(cmcCellObj& cell, void* owner, const CellContext& context) {
  cmcCellCapsule request;
  request.parent = context.Parent();
  request.owner = owner;
  request.cell = &cell;
  request.key = kKeyEnter;
  return request;
}
