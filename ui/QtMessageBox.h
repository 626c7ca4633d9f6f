#pragma once
// Message boxes as modal Qt boxes, shown over the active window so that they appear on the
// monitor the user works on.
#include "platform/MessageBox.h"

class QtMessageBox final : public MessageBox {
 public:
  std::int32_t Show(const MessageRequest& request) override;
};
