#pragma once
// Message boxes. Every box of the program goes through ShowMessageBox, which hands it to the
// installed implementation: the window program installs one that shows a modal box on the
// monitor of the active window, tests install one that answers from a script. Texts arrive
// in UTF-8: the caller has decoded the program's 8-bit texts for the display language.
#include <cstdint>
#include <string>

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Error, Warning, Information };

// The answers, numbered as every question of the program answers them.
enum MessageAnswer : std::int32_t { kAnswerOk = 1, kAnswerCancel = 2, kAnswerYes = 6, kAnswerNo = 7 };

struct MessageRequest {
  std::string text;
  std::string caption;
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
  // One of the answers the buttons offer; any other value leaves the first button default.
  std::int32_t defaultAnswer = 0;
};

class MessageBox {
 public:
  virtual ~MessageBox() = default;
  // Shows the box and answers the button pressed. A box closed without a button answers
  // Cancel when it offers Cancel, No for Yes/No and OK for a box with OK alone.
  virtual std::int32_t Show(const MessageRequest& request) = 0;
};

// Installs box (which must outlive its use) and returns the one installed before; nullptr
// goes back to the default, which writes the text to standard error and answers as a box
// closed without a button.
MessageBox* InstallMessageBox(MessageBox* box);

std::int32_t ShowMessageBox(const MessageRequest& request);

// The answer of a box closed without pressing a button.
std::int32_t ClosedBoxAnswer(MessageButtons buttons);
