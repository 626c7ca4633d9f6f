#include "files/RecoveryCopy.h"

#include <array>
#include <charconv>
#include <chrono>
#include <fstream>
#include <limits>

#include "files/AtomicSave.h"
#include "files/DocumentFile.h"
#include "files/DocumentSave.h"
#include "files/FileError.h"
#include "files/cmcQmfFile.h"
#include "memory/Generation.h"

namespace {

constexpr std::string_view kMagicLine = "Tessel recovery copy 1";
constexpr std::string_view kOriginalKey = "Original: ";
constexpr std::string_view kTimeKey = "Time: ";
constexpr std::string_view kOwnerKey = "Owner: ";
constexpr std::string_view kGenerationKey = "Generation: ";
constexpr std::string_view kNewDocument = "new document";
// A full clone file is about 300 KB; anything far larger is not a copy.
constexpr std::uintmax_t kLargestCopy = 16u << 20;
constexpr std::int64_t kSecondsPerDay = 86400;
constexpr int kFirstYear = 1970;
constexpr int kLastYear = 9999;

bool Escaped(unsigned char c) { return c < 0x20 || c == 0x7F || c == '%'; }

std::string EscapedPath(std::string_view path) {
  static constexpr std::string_view kDigits = "0123456789ABCDEF";
  std::string text;
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (Escaped(byte)) {
      text += '%';
      text += kDigits[byte >> 4];
      text += kDigits[byte & 0x0F];
    } else {
      text += c;
    }
  }
  return text;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The path an escaped text stands for; none when an escape is broken, a byte that must be
// escaped stands plain, or an escape stands for a byte that needs none.
std::optional<std::string> UnescapedPath(std::string_view text) {
  std::string path;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte != '%') {
      if (Escaped(byte)) return std::nullopt;
      path += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int high = HexDigit(text[i + 1]);
    const int low = HexDigit(text[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    const auto decoded = static_cast<unsigned char>(high * 16 + low);
    if (!Escaped(decoded)) return std::nullopt;
    path += static_cast<char>(decoded);
    i += 2;
  }
  return path;
}

std::string TwoDigits(std::int64_t value) { return (value < 10 ? "0" : "") + std::to_string(value); }

std::string TimeText(std::int64_t seconds) {
  using namespace std::chrono;
  const sys_seconds instant{std::chrono::seconds{seconds}};
  const sys_days day = floor<days>(instant);
  const year_month_day date{day};
  const hh_mm_ss time{instant - day};
  return std::to_string(static_cast<int>(date.year())) + "-" + TwoDigits(static_cast<unsigned>(date.month())) + "-" +
         TwoDigits(static_cast<unsigned>(date.day())) + "T" + TwoDigits(time.hours().count()) + ":" +
         TwoDigits(time.minutes().count()) + ":" + TwoDigits(time.seconds().count()) + "Z";
}

// A field of exactly count decimal digits from lowest to highest.
std::optional<int> DigitField(std::string_view text, std::size_t count, int lowest, int highest) {
  if (text.size() != count) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < lowest || value > highest) return std::nullopt;
  return value;
}

// "YYYY-MM-DDTHH:MM:SSZ".
std::optional<std::int64_t> ParseTime(std::string_view text) {
  if (text.size() != 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' || text[16] != ':' ||
      text[19] != 'Z') {
    return std::nullopt;
  }
  const auto years = DigitField(text.substr(0, 4), 4, kFirstYear, kLastYear);
  const auto months = DigitField(text.substr(5, 2), 2, 1, 12);
  const auto days = DigitField(text.substr(8, 2), 2, 1, 31);
  const auto hours = DigitField(text.substr(11, 2), 2, 0, 23);
  const auto minutes = DigitField(text.substr(14, 2), 2, 0, 59);
  const auto seconds = DigitField(text.substr(17, 2), 2, 0, 59);
  if (!years || !months || !days || !hours || !minutes || !seconds) return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year{*years}, std::chrono::month{static_cast<unsigned>(*months)},
                                         std::chrono::day{static_cast<unsigned>(*days)}};
  if (!date.ok()) return std::nullopt;  // the 30th of February and the like
  const std::int64_t dayCount = std::chrono::sys_days{date}.time_since_epoch().count();
  return dayCount * kSecondsPerDay + *hours * 3600 + *minutes * 60 + *seconds;
}

// A whole number without sign or leading zero.
std::optional<int> ParseNumber(std::string_view text, int lowest, int highest) {
  if (text.empty() || text.front() == '0') return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < lowest || value > highest) {
    return std::nullopt;
  }
  return value;
}

// Reads the next line of text (without its "\n") from position; none when no "\n" follows.
std::optional<std::string_view> NextLine(std::string_view text, std::size_t& position) {
  const std::size_t end = text.find('\n', position);
  if (end == std::string_view::npos) return std::nullopt;
  const std::string_view line = text.substr(position, end - position);
  position = end + 1;
  return line;
}

std::optional<std::string_view> KeyedLine(std::string_view text, std::size_t& position, std::string_view key) {
  const auto line = NextLine(text, position);
  if (!line || !line->starts_with(key)) return std::nullopt;
  return line->substr(key.size());
}

}  // namespace

std::string RecoveryHeaderText(const RecoveryHeader& header) {
  std::string text(kMagicLine);
  text += "\n";
  text += kOriginalKey;
  text += header.originalPath.empty() ? std::string(kNewDocument) : EscapedPath(header.originalPath);
  text += "\n";
  text += kTimeKey;
  text += TimeText(header.savedAt);
  text += "\n";
  text += kOwnerKey;
  text += std::to_string(header.owner);
  text += "\n";
  text += kGenerationKey;
  text += std::to_string(header.generation);
  text += "\n\n";
  return text;
}

std::optional<RecoveryCopy> ParseRecoveryCopy(std::string_view bytes) {
  std::size_t position = 0;
  if (NextLine(bytes, position) != kMagicLine) return std::nullopt;
  RecoveryCopy copy;
  const auto original = KeyedLine(bytes, position, kOriginalKey);
  if (!original) return std::nullopt;
  if (*original != kNewDocument) {
    auto path = UnescapedPath(*original);
    if (!path || !path->starts_with('/')) return std::nullopt;
    copy.header.originalPath = std::move(*path);
  }
  const auto time = KeyedLine(bytes, position, kTimeKey);
  const auto savedAt = time ? ParseTime(*time) : std::nullopt;
  if (!savedAt) return std::nullopt;
  copy.header.savedAt = *savedAt;
  const auto owner = KeyedLine(bytes, position, kOwnerKey);
  const auto ownerId = owner ? ParseNumber(*owner, 1, std::numeric_limits<int>::max()) : std::nullopt;
  if (!ownerId) return std::nullopt;
  copy.header.owner = *ownerId;
  const auto generationLine = KeyedLine(bytes, position, kGenerationKey);
  const auto generation =
      generationLine ? ParseNumber(*generationLine, DocumentFile::kOldestGeneration, DocumentFile::kNewestGeneration)
                     : std::nullopt;
  if (!generation) return std::nullopt;
  copy.header.generation = *generation;
  if (NextLine(bytes, position) != std::string_view{}) return std::nullopt;
  copy.cloneFile = bytes.substr(position);
  return copy;
}

bool WriteRecoveryCopy(const std::string& path, const RecoveryHeader& header, const cmcEeprom& document,
                       int destination, const cmcEeprom& defaults) {
  cmcEeprom image = DocumentFileImage(document, DocumentFile::kNewestGeneration, defaults);
  cmcQmfFile file;
  ConfigureDocumentWriter(file, image,
                          {DocumentFile::kNewestGeneration, destination, false, DocumentComment(document)});
  AtomicSave save(path);
  return save.Open() && save.Write(RecoveryHeaderText(header)) &&
         file.WriteLines(save, CloneRangesOf(DocumentFile::kNewestGeneration)) == FileError::kNone && save.Commit();
}

std::optional<RecoveryCopy> ReadRecoveryCopy(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes;
  std::array<char, 65536> buffer{};
  while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0) {
    bytes.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > kLargestCopy) return std::nullopt;
  }
  if (in.bad()) return std::nullopt;
  return ParseRecoveryCopy(bytes);
}
