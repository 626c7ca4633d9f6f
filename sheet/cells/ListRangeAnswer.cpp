#include "sheet/cells/ListRangeAnswer.h"

#include "base/EventCodes.h"
#include "base/cmcEvMan.h"

ListRangeAnswer::ListRangeAnswer(cmcEvMan* events, const SheetList* list)
    : events_(list != nullptr ? events : nullptr), list_(list) {
  if (events_ != nullptr) events_->Register(&OnEvent, this);
}

ListRangeAnswer::~ListRangeAnswer() {
  if (events_ != nullptr) events_->Unregister(&OnEvent, this);
}

void ListRangeAnswer::OnEvent(void* user, const EventRecord& event) {
  auto* self = static_cast<ListRangeAnswer*>(user);
  if (event.code == EV_QueryListRange) self->events_->Answer(self->list_->number, self->list_->count);
}
