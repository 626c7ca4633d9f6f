#pragma once
// Message boxes answered from a queue, installed for the life of the object.
#include <cstdint>
#include <deque>
#include <vector>

#include "platform/MessageBox.h"

// Answers message boxes from a queue (a box closed without a button when it is empty) and
// keeps what was asked.
class ScriptedMessageBox final : public MessageBox {
 public:
  ScriptedMessageBox() : previous_(InstallMessageBox(this)) {}
  ~ScriptedMessageBox() override { InstallMessageBox(previous_); }
  ScriptedMessageBox(const ScriptedMessageBox&) = delete;
  ScriptedMessageBox& operator=(const ScriptedMessageBox&) = delete;

  std::int32_t Show(const MessageRequest& request) override {
    asked.push_back(request);
    if (answers.empty()) return ClosedBoxAnswer(request.buttons);
    const std::int32_t answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::deque<std::int32_t> answers;
  std::vector<MessageRequest> asked;

 private:
  MessageBox* previous_;
};
