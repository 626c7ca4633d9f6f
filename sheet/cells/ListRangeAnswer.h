#pragma once
// The cells of a list whose length follows the data (repeater, GPS, broadcast and your-call
// pages) ask the open sheet for the list's group and length (EV_QueryListRange). A page built
// away from the screen, for the printer or for a comparison, answers for itself through this
// while its cells are asked. Listeners are asked newest first, so while it lives it stands in
// front of the sheet on screen: keep it only for the queries of one page.
#include "sheet/layout/SheetModel.h"

class cmcEvMan;
struct EventRecord;

class ListRangeAnswer {
 public:
  // Does nothing without an event manager or for a page without such a list; events and
  // list must outlive the object.
  ListRangeAnswer(cmcEvMan* events, const SheetList* list);
  ~ListRangeAnswer();
  ListRangeAnswer(const ListRangeAnswer&) = delete;
  ListRangeAnswer& operator=(const ListRangeAnswer&) = delete;

 private:
  static void OnEvent(void* user, const EventRecord& event);

  cmcEvMan* events_;
  const SheetList* list_;
};
