#include "sheet/cells/ListCell.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "text/cmcFCache.h"

namespace {

constexpr int32_t kTypedNumberLength = 10;

using Entries = std::vector<FCacheItem>;

// The entries in list order, the order Space and Backspace step in.
const Entries& EntriesOf(ActiveCellFrame& frame, const ListCellTraits& traits) {
  return frame.document.ListCache().Entry(traits.key, traits.entryId).listOrder;
}

// The place of value in the list; -1 when no entry stands for it.
int PlaceOf(const Entries& entries, int value) {
  const auto found =
      std::find_if(entries.begin(), entries.end(), [value](const FCacheItem& e) { return e.index == value; });
  return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
}

// A value without an entry shows "error" in the plain lists and nothing in the marked ones.
std::string ShownText(ActiveCellFrame& frame, const ListCellTraits& traits, int value) {
  const std::string_view text = frame.document.ListCache().GetText(traits.key, traits.entryId, value);
  if (traits.entryId == Flex0 || PlaceOf(EntriesOf(frame, traits), value) >= 0) return std::string(text);
  return {};
}

int Stepped(const Entries& entries, int value, bool forward) {
  const int count = static_cast<int>(entries.size());
  const int place = PlaceOf(entries, value);
  int next = forward ? place + 1 : place - 1;
  if (place < 0) next = forward ? 0 : count - 1;
  next = (next % count + count) % count;
  return entries[static_cast<std::size_t>(next)].index;
}

bool IsDigitKey(int key) { return key >= '0' && key <= '9'; }

bool OpensTypingEditor(const ListCellTraits& traits, int key) {
  if (key == kKeyF2) return traits.typing != ListTyping::kNone;
  if (traits.typing == ListTyping::kNearestNumber) return IsDigitKey(key);
  return traits.typing == ListTyping::kTextPrefix && key > kKeySpace && key < 127;
}

// The entry whose text read as a number is nearest to the typed number (the first on ties).
int NearestNumberEntry(const Entries& entries, const std::string& typed, int value) {
  const char* text = typed.c_str();
  char* end = nullptr;
  const double wanted = std::strtod(text, &end);
  if (end == text) return value;
  int best = value;
  double bestDistance = INFINITY;
  for (const FCacheItem& entry : entries) {
    const double distance = std::fabs(std::strtod(entry.text.c_str(), nullptr) - wanted);
    if (distance < bestDistance) {
      bestDistance = distance;
      best = entry.index;
    }
  }
  return best;
}

std::string UpperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

int PrefixEntry(const Entries& entries, const std::string& typed, int value) {
  const std::string wanted = UpperCase(typed);
  if (wanted.empty()) return value;
  for (const FCacheItem& entry : entries) {
    if (UpperCase(entry.text).rfind(wanted, 0) == 0) return entry.index;
  }
  return value;
}

int CommittedValue(const Entries& entries, const ListCellTraits& traits, const std::string& typed, int value) {
  switch (traits.typing) {
    case ListTyping::kNearestNumber:
      return NearestNumberEntry(entries, typed, value);
    case ListTyping::kTextPrefix:
      return PrefixEntry(entries, typed, value);
    case ListTyping::kNone:
      break;
  }
  return value;
}

void OpenTypingEditor(ActiveCellFrame& frame, const ListCellTraits& traits, int key) {
  const bool number = traits.typing == ListTyping::kNearestNumber;
  const int32_t maxLength = number ? kTypedNumberLength : kDefaultEditorMaxLength;
  if (key == kKeyF2) {
    std::string shown = frame.request.outputText;
    if (number) shown.resize(std::min<std::size_t>(shown.size(), 9));
    frame.OpenEditor(shown, 0, static_cast<int32_t>(shown.size()), maxLength);
  } else {
    frame.OpenEditor(std::string(1, static_cast<char>(key)), 1, 0, maxLength);
  }
}

// The picked entry's index when the request carries a pick from this list.
bool PickedValue(const cmcCellCapsule& request, const ListCellTraits& traits, int& picked) {
  if (request.parent == nullptr || request.parent->cell == nullptr) return false;
  if (request.parent->cell->cellId != traits.entryId) return false;
  picked = request.parent->cell->index;
  return true;
}

}  // namespace

bool AnswerListCell(ActiveCellFrame& frame, const ListCellTraits& traits, int& value) {
  const Entries& entries = EntriesOf(frame, traits);
  frame.request.outputText = ShownText(frame, traits, value);
  if (!frame.IsAction() || entries.empty()) return false;
  const int before = value;
  const int key = frame.Key();
  if (frame.request.inputKind == kInputPicked) {
    PickedValue(frame.request, traits, value);
  } else if (frame.request.inputKind == kInputCommitted) {
    value = CommittedValue(entries, traits, frame.request.inputText, value);
  } else if (key == kKeySpace || key == kKeyBackspace) {
    value = Stepped(entries, value, key == kKeySpace);
  } else if (key == kKeyEnter || (key == kKeyF2 && traits.typing == ListTyping::kNone)) {
    frame.OpenPopup(SelectionListPopup{traits.key, traits.entryId, value});
  } else if (OpensTypingEditor(traits, key)) {
    OpenTypingEditor(frame, traits, key);
  }
  if (value == before) return false;
  frame.request.outputText = ShownText(frame, traits, value);
  return true;
}
