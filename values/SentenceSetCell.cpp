#include "values/SentenceSetCell.h"

namespace {

constexpr std::uint8_t kSentenceBits = 0x3F;
constexpr int kNmeaLabels = 4;

// The editor labels its flags 1-6 "RMC", "GGA", "GLL", "GSA", "VTG", "GSV": the sentence
// bit of each flag.
constexpr std::array<int, kNmeaSentences.size()> kBitOfFlag{4, 0, 1, 2, 5, 3};

}  // namespace

std::string SentenceSetCell::Display(std::uint8_t bits) const {
  std::string text;
  for (std::size_t bit = 0; bit < kNmeaSentences.size(); ++bit) {
    if (((bits >> bit) & 1u) == 0) continue;
    if (!text.empty()) text += ',';
    text += kNmeaSentences[bit];
  }
  return text.empty() ? "OFF" : text;
}

std::uint32_t SentenceSetCell::EditorValue(std::uint8_t bits) {
  std::uint32_t flags = 0;
  for (std::size_t flag = 0; flag < kBitOfFlag.size(); ++flag) {
    if ((bits >> kBitOfFlag[flag]) & 1u) flags |= 1u << flag;
  }
  return PackBitFieldFlags(flags, static_cast<int>(kBitOfFlag.size()));
}

std::uint8_t SentenceSetCell::SentencesOf(std::uint32_t editorValue) {
  const std::uint32_t flags = UnpackBitFieldFlags(editorValue, static_cast<int>(kBitOfFlag.size()));
  std::uint8_t bits = 0;
  for (std::size_t flag = 0; flag < kBitOfFlag.size(); ++flag) {
    if ((flags >> flag) & 1u) bits = static_cast<std::uint8_t>(bits | (1u << kBitOfFlag[flag]));
  }
  return bits;
}

bool SentenceSetCell::Pick(std::string_view text, std::uint8_t& bits) const {
  const auto packed = ReadBitFieldValue(text);
  if (!packed) return false;
  const auto picked = static_cast<std::uint8_t>((bits & ~kSentenceBits) | SentencesOf(*packed));
  const bool changed = picked != bits;
  bits = picked;
  return changed;
}

KeyReply SentenceSetCell::Key(int key, std::uint8_t bits) const {
  if (!IsEnterKey(key) && key != kKeyF2) return KeyReply::None();
  BitFieldPopup editor;
  editor.value = EditorValue(bits);
  editor.first = 1;
  editor.last = static_cast<int>(kBitOfFlag.size());
  editor.labelType = kNmeaLabels;
  return KeyReply::Popup(editor);
}
