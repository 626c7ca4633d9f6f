#include "base/cmcEvMan.h"

#include <utility>

namespace {

EventRecord MakeEvent(std::int32_t code, EventMode mode, std::int64_t p1, std::int64_t p2) {
  EventRecord event;
  event.code = code;
  event.mode = mode;
  event.p1 = p1;
  event.p2 = p2;
  return event;
}

std::vector<std::uint8_t> TextBlock(std::string_view text) {
  std::vector<std::uint8_t> block(text.begin(), text.end());
  block.push_back(0);
  return block;
}

std::vector<std::uint8_t> CopyBlock(const std::uint8_t* block, std::int32_t length) {
  if (!block || length <= 0) return {};
  return std::vector<std::uint8_t>(block, block + length);
}

}  // namespace

cmcEvMan::cmcEvMan() : dispatchTask_(cmcTask::Create()) {
  dispatchTask_->SetHandler(&DispatchPass, this);
  dispatchTask_->SetInterval(kDispatchIntervalMs);
}

cmcEvMan::~cmcEvMan() = default;

void cmcEvMan::Register(Handler handler, void* user) {
  if (!handler) return;
  Unregister(handler, user);
  listeners_.push_front(Listener{handler, user});
}

void cmcEvMan::Unregister(Handler handler, void* user) {
  for (Listener& listener : listeners_) {
    if (listener.handler == handler && listener.user == user) listener.removed = true;
  }
  // Short-lived listeners (a page searched or printed) must not pile up where no dispatch
  // pass runs, as in tessel-cli.
  UnlinkRemovedListeners();
}

void cmcEvMan::Send(std::int32_t code, std::int64_t p1, std::int64_t p2) {
  Dispatch(MakeEvent(code, EventMode::Immediate, p1, p2));
}

void cmcEvMan::SendText(std::int32_t code, std::int64_t p1, std::int64_t p2, std::string_view text) {
  EventRecord event = MakeEvent(code, EventMode::Immediate, p1, p2);
  event.data = TextBlock(text);
  Dispatch(event);
}

void cmcEvMan::Post(std::int32_t code, std::int64_t p1, std::int64_t p2) {
  Enqueue(MakeEvent(code, EventMode::Queued, p1, p2));
}

void cmcEvMan::PostText(std::int32_t code, std::int64_t p1, std::int64_t p2, std::string_view text) {
  EventRecord event = MakeEvent(code, EventMode::Queued, p1, p2);
  event.data = TextBlock(text);
  Enqueue(std::move(event));
}

void cmcEvMan::PostData(std::int32_t code, const std::uint8_t* block, std::int32_t length) {
  EventRecord event = MakeEvent(code, EventMode::Queued, 0, 0);
  event.data = CopyBlock(block, length);
  Enqueue(std::move(event));
}

const cmcEvAns& cmcEvMan::Query(std::int32_t code, std::int64_t p1, std::int64_t p2) {
  pendingAnswers_.emplace_back();
  Dispatch(MakeEvent(code, EventMode::Query, p1, p2));
  lastAnswer_ = std::move(pendingAnswers_.back());
  pendingAnswers_.pop_back();
  return lastAnswer_;
}

void cmcEvMan::Answer(std::int64_t value1, std::int64_t value2) {
  if (cmcEvAns* answer = OpenAnswer()) {
    answer->value1 = value1;
    answer->value2 = value2;
  }
}

void cmcEvMan::AnswerData(const std::uint8_t* block, std::int32_t length) {
  if (cmcEvAns* answer = OpenAnswer()) answer->data = CopyBlock(block, length);
}

void cmcEvMan::AnswerObject(std::any object) {
  if (cmcEvAns* answer = OpenAnswer()) answer->object = std::move(object);
}

// The answer of the innermost query in progress, when nobody has answered it yet.
cmcEvAns* cmcEvMan::OpenAnswer() {
  if (pendingAnswers_.empty() || pendingAnswers_.back().answered) return nullptr;
  pendingAnswers_.back().answered = true;
  return &pendingAnswers_.back();
}

void cmcEvMan::DispatchPass(void* user, cmcTask&) { static_cast<cmcEvMan*>(user)->RunPass(); }

void cmcEvMan::RunPass() {
  for (QueuedEvent& queued : queue_) queued.postedThisPass = false;
  for (QueuedEvent& queued : queue_) {
    if (queued.done || queued.postedThisPass) continue;
    queued.done = true;
    Dispatch(queued.event);
  }
  std::erase_if(queue_, [](const QueuedEvent& queued) { return queued.done; });
  UnlinkRemovedListeners();
}

void cmcEvMan::Dispatch(const EventRecord& event) {
  ++dispatchDepth_;
  for (const Listener& listener : listeners_) {
    if (!listener.removed) listener.handler(listener.user, event);
  }
  --dispatchDepth_;
}

void cmcEvMan::Enqueue(EventRecord event) { queue_.push_back(QueuedEvent{std::move(event)}); }

// A dispatch still walking the list (a handler in a nested message loop) keeps its entries.
void cmcEvMan::UnlinkRemovedListeners() {
  if (dispatchDepth_ == 0) std::erase_if(listeners_, [](const Listener& listener) { return listener.removed; });
}
