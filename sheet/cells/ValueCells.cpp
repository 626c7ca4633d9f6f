#include "sheet/cells/ValueCells.h"

#include "values/UrCallSignCell.h"

CodecSettings CodecSettingsOf(ActiveCellFrame& frame) {
  const EnvironSettings& settings = frame.document.Settings();
  CodecSettings codec;
  codec.japaneseDisplay = IsJapaneseDisplay(frame.document);
  codec.dateOrder = frame.document.DateOrder();
  codec.autoCorrect = settings.autoCorrect != 0;
  codec.repeaterDialog = settings.repeaterDialog != 0;
  return codec;
}

bool ApplyKeyReply(ActiveCellFrame& frame, const KeyReply& reply) {
  switch (reply.action) {
    case KeyReply::Action::kNone:
      return false;
    case KeyReply::Action::kChanged:
      return true;
    case KeyReply::Action::kEdit:
      frame.OpenEditor(reply.text, reply.selectionStart, reply.selectionLength, reply.maxLength);
      return false;
    case KeyReply::Action::kPopup:
      frame.OpenPopup(reply.popup);
      return false;
  }
  return false;
}

bool AnswerUrCallSign(ActiveCellFrame& frame, const UrCallSignCell& codec, CallSignText& call) {
  frame.request.outputText = codec.Display(call);
  if (!frame.IsAction()) return false;
  const cmcCellCapsule& request = frame.request;
  bool changed = false;
  if (request.inputKind == kInputPicked && request.parent != nullptr && request.parent->cell != nullptr) {
    changed = codec.Pick(request.parent->cell->index, frame.Image(), call);
  } else if (request.inputKind == kInputCommitted) {
    changed = codec.Commit(request.inputText, call);
  } else if (CarriesKey(frame)) {
    changed = ApplyKeyReply(frame, codec.Key(frame.Key(), call));
  }
  if (changed) frame.request.outputText = codec.Display(call);
  return changed;
}
