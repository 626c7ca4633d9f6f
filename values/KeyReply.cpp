#include "values/KeyReply.h"

#include <utility>

#include "text/Cp932.h"

namespace {

KeyReply ReplyOf(KeyReply::Action action, std::string text) {
  KeyReply reply;
  reply.action = action;
  reply.text = std::move(text);
  return reply;
}

}  // namespace

KeyReply KeyReply::Changed() { return ReplyOf(Action::kChanged, {}); }

KeyReply KeyReply::EditSelected(std::string text, int maxLength) {
  KeyReply reply = ReplyOf(Action::kEdit, std::move(text));
  reply.selectionLength = static_cast<int>(reply.text.size());
  reply.maxLength = maxLength;
  return reply;
}

KeyReply KeyReply::EditWithCaret(std::string text, int caret, int maxLength) {
  KeyReply reply = ReplyOf(Action::kEdit, std::move(text));
  reply.selectionStart = caret;
  reply.maxLength = maxLength;
  return reply;
}

KeyReply KeyReply::EditTyped(std::string text, int maxLength) {
  const int caret = static_cast<int>(text.size());
  return EditWithCaret(std::move(text), caret, maxLength);
}

KeyReply KeyReply::Popup(PopupRequest popup) {
  KeyReply reply = ReplyOf(Action::kPopup, {});
  reply.popup = std::move(popup);
  return reply;
}

KeyReply KeyReply::GpsEditor(std::string text, int editType) {
  GpsTextPopup editor;
  editor.text = std::move(text);
  editor.editType = editType;
  return Popup(std::move(editor));
}

char TypedCharacter(int key) {
  if (key <= kKeySpace || key > 0xFF) return 0;
  const auto byte = static_cast<unsigned char>(key);
  return IsPrintableAscii(byte) || IsHalfWidthKatakana(byte) ? static_cast<char>(byte) : 0;
}

bool OpensGpsEditor(int key) {
  const char c = TypedCharacter(key);
  return IsEnterKey(key) || key == kKeyF2 || key == kKeySpace || key == kKeyBackspace || (c >= '0' && c <= '9');
}
