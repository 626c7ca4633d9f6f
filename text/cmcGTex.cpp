#include "text/cmcGTex.h"

#include "platform/Fatal.h"
#include "text/Cp932.h"

namespace {

// Keys found within the first entries of the index stay where they are; the rest move to
// the front so that the keys used most stay cheap to find.
constexpr int kStayPositions = 10;
constexpr std::string_view kEndKey = "End_Of_Ovl";

}  // namespace

int cmcGTex::SelectLineTable(LineTable table) {
  if (hasSource_) return 0;
  table_ = table;
  hasSource_ = true;
  return 1;
}

void cmcGTex::Reset() { *this = cmcGTex(); }

bool cmcGTex::Open() {
  if (!open_) {
    open_ = hasSource_ && table_.lines != nullptr;
    position_ = 0;
    if (!open_) moreToScan_ = false;
  }
  return open_;
}

// Reads the line at the current position: at most kMaxLineLength characters, followed by
// "\n" when the whole line fitted. Fails at the end of the table.
bool cmcGTex::ReadLine(std::string& line) {
  if (!open_ || position_ >= table_.count) return false;
  const std::string_view text = table_.lines[position_++];
  line.assign(text.substr(0, kMaxLineLength));
  if (text.size() <= kMaxLineLength) line.push_back('\n');
  return true;
}

bool cmcGTex::ScanStep() {
  if (!Open()) return false;
  position_ = scanPosition_;
  std::string line;
  if (!ReadLine(line)) {
    moreToScan_ = false;
    return false;
  }
  scanPosition_ = position_;
  if (line.size() < 2 || line[0] != '#' || line[1] == '\n') return false;
  std::string key = line.substr(1);
  if (key.back() == '\n') key.pop_back();
  if (key == kEndKey) moreToScan_ = false;
  index_.push_back({std::move(key), position_, 0, position_});
  return true;
}

cmcGTex::GTexKeyNode* cmcGTex::Lookup(std::string_view key) {
  int listPosition = 0;
  for (auto it = index_.begin(); it != index_.end(); ++it, ++listPosition) {
    if (it->key != key) continue;
    if (listPosition > kStayPositions) index_.splice(index_.begin(), index_, it);
    return &*it;
  }
  while (moreToScan_) {
    if (ScanStep() && index_.back().key == key) return &index_.back();
  }
  return nullptr;
}

void cmcGTex::IndexNotFound(std::string_view key) {
  Fatal("GTEX Error !\nThe index '" + std::string(key) + "' was not found.");
}

std::string cmcGTex::GetLine(std::string_view key, int n) {
  GTexKeyNode* node = Lookup(key);
  if (node == nullptr || !open_ || n < 0) IndexNotFound(key);

  int lineNumber = node->nextLineNumber;
  position_ = node->nextLinePosition;
  if (n < lineNumber) {
    lineNumber = 0;
    position_ = node->valueStart;
  }
  std::string line;
  for (; lineNumber <= n; ++lineNumber) {
    if (!ReadLine(line)) IndexNotFound(key);
  }
  if (const auto end = line.find('\n'); end != std::string::npos) line.erase(end);
  node->nextLineNumber = n + 1;
  node->nextLinePosition = position_;
  return line;
}

std::string cmcGTex::GetValueText(std::string_view key) {
  std::string value;
  for (int n = 0;; ++n) {
    std::string line = GetLine(key, n);
    if (!line.empty() && line[0] == '#') break;
    if (n > 0) value.push_back('\n');
    value += line;
  }
  return value;
}

std::string cmcGTex::EscapeAmpersands(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 4);
  for (std::size_t i = 0; i < text.size(); ++i) {
    out.push_back(text[i]);
    if (IsLeadByte(text[i]) && i + 1 < text.size()) {
      out.push_back(text[++i]);
    } else if (text[i] == '&') {
      out.push_back('&');
    }
  }
  return out;
}

std::list<std::string> cmcGTex::IndexedKeys() const {
  std::list<std::string> keys;
  for (const auto& node : index_) keys.push_back(node.key);
  return keys;
}
