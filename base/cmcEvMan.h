#pragma once
// The process-wide hub through which parts of the program that must not know each other
// talk: immediate events (Send), queued events (Post) that the next dispatch pass, every
// 10 ms, delivers, and queries answered by the first listener that answers.
//
// Listeners are called newest registration first. A handler may register, unregister,
// send, post or query while it runs: a removed listener is skipped from then on, and an
// event posted during a pass waits for the next one. Listeners register in their
// constructors and unregister in their destructors.
#include <any>
#include <cstdint>
#include <list>
#include <string_view>
#include <vector>

#include "base/EventCodes.h"
#include "base/EventRecord.h"
#include "base/cmcEvAns.h"
#include "base/cmcTask.h"

class cmcEvMan {
 public:
  using Handler = void (*)(void* user, const EventRecord& event);
  static constexpr std::int32_t kDispatchIntervalMs = 10;

  // Starts the dispatch timer on the installed timer source.
  cmcEvMan();
  ~cmcEvMan();
  cmcEvMan(const cmcEvMan&) = delete;
  cmcEvMan& operator=(const cmcEvMan&) = delete;

  // A null handler is ignored; registering the same handler and user again moves the
  // listener to the front instead of adding a second one.
  void Register(Handler handler, void* user);
  void Unregister(Handler handler, void* user);

  void Send(std::int32_t code, std::int64_t p1 = 0, std::int64_t p2 = 0);
  void SendText(std::int32_t code, std::int64_t p1, std::int64_t p2, std::string_view text);
  void Post(std::int32_t code, std::int64_t p1 = 0, std::int64_t p2 = 0);
  void PostText(std::int32_t code, std::int64_t p1, std::int64_t p2, std::string_view text);
  void PostData(std::int32_t code, const std::uint8_t* block, std::int32_t length);

  // Dispatches at once and answers the first answer a listener gave (empty when none).
  // The answer stays valid until the next query; queries may nest.
  const cmcEvAns& Query(std::int32_t code, std::int64_t p1 = 0, std::int64_t p2 = 0);
  // Called by a listener while it handles a query; answers after the first are ignored.
  void Answer(std::int64_t value1, std::int64_t value2);
  void AnswerData(const std::uint8_t* block, std::int32_t length);
  void AnswerObject(std::any object);

 private:
  struct Listener {
    Handler handler;
    void* user;
    bool removed = false;
  };
  struct QueuedEvent {
    EventRecord event;
    bool postedThisPass = true;
    bool done = false;
  };

  static void DispatchPass(void* user, cmcTask& task);
  void RunPass();
  void Dispatch(const EventRecord& event);
  void Enqueue(EventRecord event);
  cmcEvAns* OpenAnswer();
  void UnlinkRemovedListeners();

  std::list<Listener> listeners_;
  std::list<QueuedEvent> queue_;
  // One per query in progress, innermost last.
  std::vector<cmcEvAns> pendingAnswers_;
  cmcEvAns lastAnswer_;
  int dispatchDepth_ = 0;
  cmcTaskPtr dispatchTask_;
};
