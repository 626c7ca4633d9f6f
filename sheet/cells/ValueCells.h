#pragma once
// The dispatcher's side of the value codecs: each function shows the value through its codec
// and, for an action, hands the committed text, the pick or the key to it, then answers
// whether the value changed. Queries never change the value.
#include <concepts>
#include <cstdint>
#include <string_view>

#include "memory/FixedText.h"
#include "sheet/cells/ActiveCellFrame.h"
#include "values/CodecSettings.h"
#include "values/KeyReply.h"

class UrCallSignCell;

CodecSettings CodecSettingsOf(ActiveCellFrame& frame);

// Turns a codec's key reply into the request's answer; true when the value was stepped.
bool ApplyKeyReply(ActiveCellFrame& frame, const KeyReply& reply);

// A key to hand to a codec: an action's key without a committed text or pick.
inline bool CarriesKey(const ActiveCellFrame& frame) { return frame.Key() != 0 && !frame.Committed(); }

template <typename Codec, typename Value>
concept TakesEditorPick = requires(const Codec& codec, std::string_view text, Value& value) {
  { codec.Pick(text, value) } -> std::same_as<bool>;
};

// For codecs with Display (value), Commit (text, value) and Key (key, value): number, text,
// two-digit, date, time, position, bit set and hex byte cells. A pick from the cell's pop-up
// editor goes to the codec's Pick when it has one (the bit-field editor hands back a packed
// number), else it commits as typed text would.
template <typename Codec, typename Value>
bool CommitToCodec(ActiveCellFrame& frame, const Codec& codec, Value& value) {
  const std::string& text = frame.request.inputText;
  if constexpr (TakesEditorPick<Codec, Value>) {
    if (frame.request.inputKind == kInputPicked) return codec.Pick(text, value);
  }
  return codec.Commit(text, value);
}

template <typename Codec, typename Value>
bool AnswerValue(ActiveCellFrame& frame, const Codec& codec, Value&& value) {
  frame.request.outputText = codec.Display(value);
  if (!frame.IsAction()) return false;
  bool changed = false;
  if (frame.Committed()) {
    changed = CommitToCodec(frame, codec, value);
  } else if (CarriesKey(frame)) {
    changed = ApplyKeyReply(frame, codec.Key(frame.Key(), value));
  }
  if (changed) frame.request.outputText = codec.Display(value);
  return changed;
}

// The UR call sign cell also takes a pick from the your-call-sign pop-up.
bool AnswerUrCallSign(ActiveCellFrame& frame, const UrCallSignCell& codec, CallSignText& call);
