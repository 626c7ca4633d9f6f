#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/cmcEvMan.h"
#include "support/ManualTiming.h"

namespace {

using Log = std::vector<std::string>;

// A listener that logs "<name>:<code>" (with ":<text>" when the event has data) and then
// does whatever the test gives it to do.
struct Listener {
  std::string name;
  Log* log;
  std::function<void(const EventRecord&)> action;

  static void Handle(void* user, const EventRecord& event) {
    auto* self = static_cast<Listener*>(user);
    std::string entry = self->name + ":" + std::to_string(event.code);
    if (!event.data.empty()) entry += ":" + std::string(event.Text());
    self->log->push_back(entry);
    if (self->action) self->action(event);
  }
};

class EvManTest : public ::testing::Test {
 protected:
  Listener& Add(const std::string& name, std::function<void(const EventRecord&)> action = {}) {
    listeners.push_back(std::make_unique<Listener>(Listener{name, &log, std::move(action)}));
    events.Register(&Listener::Handle, listeners.back().get());
    return *listeners.back();
  }

  ManualTiming timing;
  cmcEvMan events;
  Log log;
  std::vector<std::unique_ptr<Listener>> listeners;
};

TEST_F(EvManTest, SendCallsEveryListenerNewestFirstAndOnceEach) {
  Listener& a = Add("a");
  Add("b");
  events.Register(&Listener::Handle, &a);  // moves to the front instead of adding a second entry
  events.Register(nullptr, &a);
  events.SendText(EV_StatusMessage, 1, 2, "ready");
  EXPECT_EQ(log, (Log{"a:4:ready", "b:4:ready"}));
}

TEST_F(EvManTest, PostedEventsWaitForTheNextPassAndKeepTheirOrder) {
  Add("a");
  events.Post(EV_SheetRefreshAll);
  events.PostText(EV_TreeCaption, 0, 7, "Bank A");
  const std::uint8_t block[] = {'x', 'y', 0};
  events.PostData(EV_CurrentCellChanged, block, 3);
  EXPECT_TRUE(log.empty());
  timing.Advance(cmcEvMan::kDispatchIntervalMs - 1);
  EXPECT_TRUE(log.empty());
  timing.Advance(1);
  EXPECT_EQ(log, (Log{"a:15", "a:51:Bank A", "a:21:xy"}));
  timing.Advance(cmcEvMan::kDispatchIntervalMs);
  EXPECT_EQ(log.size(), 3u);  // each dispatched once
}

TEST_F(EvManTest, AnEventPostedDuringAPassIsDispatchedInTheNextPass) {
  Add("a", [&](const EventRecord& event) {
    if (event.code == EV_SheetRefreshAll) events.Post(EV_SheetRefreshIndex, 0, 5);
  });
  events.Post(EV_SheetRefreshAll);
  timing.Advance(cmcEvMan::kDispatchIntervalMs);
  EXPECT_EQ(log, (Log{"a:15"}));
  timing.Advance(cmcEvMan::kDispatchIntervalMs);
  EXPECT_EQ(log, (Log{"a:15", "a:18"}));
}

TEST_F(EvManTest, AQueryAnswersTheFirstAnswerGiven) {
  Add("old", [&](const EventRecord&) { events.Answer(1, 2); });
  Add("silent");
  Add("new", [&](const EventRecord&) {
    const std::uint8_t key[] = {'K', 0};
    events.AnswerData(key, 2);
  });
  const cmcEvAns& answer = events.Query(EV_QuerySheetKey);
  EXPECT_EQ(log, (Log{"new:13", "silent:13", "old:13"}));
  EXPECT_TRUE(answer.answered);
  EXPECT_EQ(answer.data, (std::vector<std::uint8_t>{'K', 0}));
  EXPECT_EQ(answer.value1, 0);  // the later answer of "old" is not taken
}

TEST_F(EvManTest, AQueryNobodyAnswersIsEmpty) {
  Add("a");
  events.Answer(5, 5);  // outside a query: goes nowhere
  const cmcEvAns& answer = events.Query(EV_QueryIsPopup, 0, 42);
  EXPECT_FALSE(answer.answered);
  EXPECT_EQ(answer.value1, 0);
  EXPECT_EQ(answer.value2, 0);
  EXPECT_FALSE(answer.HasData());
}

// An object answer is a copy the asker reads by its type; only the first answer counts
// (the newest listener is asked first).
TEST_F(EvManTest, AnObjectAnswerIsACopyReadByItsType) {
  Add("older", [&](const EventRecord&) { events.AnswerObject(std::string("too late")); });
  Add("newer", [&](const EventRecord& event) {
    if (event.code != EV_QueryCurrentCell) return;
    std::string cell = "current";
    events.AnswerObject(cell);
    cell = "changed after answering";
  });
  const cmcEvAns& answer = events.Query(EV_QueryCurrentCell);
  ASSERT_NE(std::any_cast<std::string>(&answer.object), nullptr);
  EXPECT_EQ(std::any_cast<std::string>(answer.object), "current");
  EXPECT_EQ(std::any_cast<int>(&answer.object), nullptr);
  EXPECT_EQ(std::any_cast<std::string>(events.Query(EV_QuerySheetKey).object), "too late");
}

TEST_F(EvManTest, QueriesNest) {
  std::int64_t inner = -1;
  Add("name", [&](const EventRecord& event) {
    if (event.code == EV_QuerySheetName) events.Answer(20, 0);
  });
  Add("key", [&](const EventRecord& event) {
    if (event.code != EV_QuerySheetKey) return;
    inner = events.Query(EV_QuerySheetName).value1;
    events.Answer(10, inner);
  });
  const cmcEvAns& outer = events.Query(EV_QuerySheetKey);
  EXPECT_EQ(inner, 20);
  EXPECT_EQ(outer.value1, 10);
  EXPECT_EQ(outer.value2, 20);
}

TEST_F(EvManTest, ListenersRemovedOrAddedDuringDispatch) {
  Listener* b = nullptr;
  Listener& a = Add("a");
  b = &Add("b", [&](const EventRecord&) {
    events.Unregister(&Listener::Handle, &a);  // not yet called: skipped
    events.Unregister(&Listener::Handle, b);   // itself
    Add("late");                               // called from the next event on
  });
  events.Send(EV_MenuRefresh);
  events.Post(EV_MenuRefresh);
  timing.Advance(cmcEvMan::kDispatchIntervalMs);
  EXPECT_EQ(log, (Log{"b:9", "late:9"}));
}

TEST_F(EvManTest, AListenerRemovedWhileItsDispatchWaitsInANestedLoopStaysUntilTheDispatchEnds) {
  Add("a");
  Listener* modal = nullptr;
  modal = &Add("modal", [&](const EventRecord& event) {
    if (event.code != EV_CloneStarted) return;
    events.Unregister(&Listener::Handle, modal);
    timing.Advance(cmcEvMan::kDispatchIntervalMs);  // a message box: the dispatch pass runs
  });
  Add("c");
  events.Send(EV_CloneStarted);
  events.Send(EV_CloneEnded);
  EXPECT_EQ(log, (Log{"c:42", "modal:42", "a:42", "c:43", "a:43"}));
}

TEST_F(EvManTest, EventDataIsACopy) {
  Add("a");
  std::string text = "first";
  events.PostText(EV_StatusMessage, 0, 0, text);
  text = "other";
  timing.Advance(cmcEvMan::kDispatchIntervalMs);
  EXPECT_EQ(log, (Log{"a:4:first"}));
}

}  // namespace
