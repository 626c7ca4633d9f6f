#pragma once
// A timer task: a handler that the event loop calls every few milliseconds on the
// user-interface thread. All of the program's background work runs this way.
//
// A handler still running when its timer fires again (it runs a nested message loop, say
// a message box) skips that tick. Owners never delete a task directly: they dispose of it
// (cmcTaskPtr does). A task is deleted at once unless its handler is in progress; then it
// loses its handler and deletes itself on its first tick after the handler has returned,
// so a handler may dispose of its own task, and a late tick never reaches a gone owner.
#include <cstdint>
#include <memory>

class Timer;

class cmcTask {
 public:
  using Handler = void (*)(void* user, cmcTask& task);

  struct Disposer {
    void operator()(cmcTask* task) const { Dispose(task); }
  };
  using Ptr = std::unique_ptr<cmcTask, Disposer>;

  // A stopped task on the installed timer source.
  static Ptr Create();
  static void Dispose(cmcTask* task);

  cmcTask(const cmcTask&) = delete;
  cmcTask& operator=(const cmcTask&) = delete;

  // A null handler counts as none.
  void SetHandler(Handler handler, void* user);
  // ms < 0 stops the timer; otherwise it runs with a period of max(ms, 1) milliseconds
  // (setting the period it already runs with keeps its phase). Answers the stopped flag.
  bool SetInterval(std::int32_t ms);
  // Removes the handler and the user value and stops the timer.
  void Stop();
  // The task deletes itself on its next tick, 1 ms from now.
  void RequestDelete();

  bool IsStopped() const { return stopped_; }
  std::int32_t Interval() const { return interval_; }

 private:
  cmcTask();
  ~cmcTask();

  void Tick();

  std::unique_ptr<Timer> timer_;
  Handler handler_ = nullptr;
  void* user_ = nullptr;
  std::int32_t interval_ = 0;
  std::uint32_t period_ = 0;
  bool busy_ = false;
  bool deleteRequested_ = false;
  bool stopped_ = true;
};

using cmcTaskPtr = cmcTask::Ptr;
