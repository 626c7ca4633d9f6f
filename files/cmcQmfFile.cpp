#include "files/cmcQmfFile.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "files/AtomicSave.h"
#include "files/QmfDataLine.h"
#include "files/TextLineReader.h"
#include "platform/Fatal.h"
#include "platform/Md5.h"
#include "text/HexText.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kCommentKey = "Comment=";
constexpr std::string_view kMapRevisionKey = "MapRev=";
constexpr std::string_view kExtraDataKey = "EtcData=";
constexpr std::string_view kDigestKey = "CD=";
constexpr std::size_t kHeaderLength = 8;

// The leading ranges of a list that are ascending pairs of valid image addresses; the first
// other pair (the end marker among them) ends the list.
AddressRangeList ValidRangesOf(const cmcEeprom& image, const AddressRangeList& ranges) {
  AddressRangeList valid;
  for (const AddressRange& range : ranges) {
    if (range.start > range.end || !image.IsValidAddress(range.start) || !image.IsValidAddress(range.end)) {
      break;
    }
    valid.push_back(range);
  }
  return valid;
}

// The value of digits that the header writes as hexadecimal but always holds decimal digits.
int HeaderField(std::string_view digits) {
  int value = 0;
  for (const char digit : digits) value = value * 16 + (digit - '0');
  return value;
}

std::string HexNumber(const char* format, unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

cmcQmfFile::cmcQmfFile() { SetDigest(false, kDefaultDigestSeed); }

void cmcQmfFile::SetImage(cmcEeprom& image) {
  image_ = &image;
  readMap_ = AddressCoverage(image.GetSize());
}

void cmcQmfFile::SetLineSize(int bytes) {
  if (bytes < 1 || bytes > static_cast<int>(QmfDataLine::kMaxCount)) {
    Fatal("Bad line size (cmcQmfFile).");
  }
  lineSize_ = bytes;
}

void cmcQmfFile::SetDigest(bool write, std::string_view seed) {
  if (!DecodeHexBytes(seed, digestSeed_)) Fatal("Bad digest seed (cmcQmfFile).");
  writeDigest_ = write;
}

void cmcQmfFile::ShowFileError(int code) const {
  if (code >= 1 && code <= FileError::kLast && reporter_) reporter_(code);
}

// ---- Writing ----

int cmcQmfFile::WriteImage(const std::string& path, const AddressRangeList& ranges) {
  const int code = WriteFile(path, ranges);
  ShowFileError(code);
  return code;
}

int cmcQmfFile::WriteFile(const std::string& path, const AddressRangeList& ranges) const {
  AtomicSave file(path);
  if (!file.Open()) return FileError::kFileOpen;
  const int code = WriteLines(file, ranges);
  if (code != FileError::kNone) return code;
  return file.Commit() ? FileError::kNone : FileError::kFileAccess;
}

int cmcQmfFile::WriteLines(AtomicSave& file, const AddressRangeList& ranges) const {
  std::unique_ptr<Md5Digest> digest;
  if (writeDigest_) {
    digest = MakeMd5Digest();
    digest->AddData(digestSeed_);
  }
  if (!file.Write(HeaderText())) return FileError::kFileAccess;

  const AddressRangeList valid = image_ ? ValidRangesOf(*image_, ranges) : AddressRangeList{};
  std::array<std::uint8_t, QmfDataLine::kMaxCount> bytes{};
  QmfDataLine line;
  std::string text;
  for (const AddressRange& range : valid) {
    for (std::int32_t address = range.start; address <= range.end;) {
      const std::int32_t count = std::min(lineSize_ - address % lineSize_, range.end - address + 1);
      image_->ReadBlock(address, bytes.data(), count);
      line.Assign(static_cast<std::uint32_t>(address), std::span(bytes.data(), static_cast<std::size_t>(count)));
      if (digest) digest->AddData(line.BinaryForm());
      text.clear();
      line.AppendText(text);
      text += kLineEnd;
      if (!file.Write(text)) return FileError::kFileAccess;
      address += count;
    }
  }

  if (digest) {
    text = "#";
    text += kDigestKey;
    AppendHexBytes(text, digest->Finish());
    text += kLineEnd;
    if (!file.Write(text)) return FileError::kFileAccess;
  }
  return FileError::kNone;
}

std::string cmcQmfFile::HeaderText() const {
  std::string comment = comment_;
  std::replace_if(
      comment.begin(), comment.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  std::string text =
      HexNumber("%04X", static_cast<unsigned>(modelCode_)) + HexNumber("%04X", static_cast<unsigned>(generation_));
  text += kLineEnd;
  text += "#";
  text += kCommentKey;
  text += comment;
  text += kLineEnd;
  text += "#";
  text += kMapRevisionKey;
  text += std::to_string(mapRevision_);
  text += kLineEnd;
  text += "#";
  text += kExtraDataKey;
  text += HexNumber("%06X", extraData_);
  text += kLineEnd;
  return text;
}

// ---- Reading ----

int cmcQmfFile::ReadImage(const std::string& path, const AddressRangeList* ranges) {
  BeginRead();
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return FinishRead(FileError::kFileOpen);
  TextLineReader reader(file);
  const int code = ReadLines(reader, ranges);
  std::fclose(file);
  return FinishRead(code);
}

int cmcQmfFile::ReadImageFrom(std::span<const char> bytes, const AddressRangeList* ranges) {
  BeginRead();
  TextLineReader reader(bytes);
  return FinishRead(ReadLines(reader, ranges));
}

// The values a file does not name read as the defaults, never as what was set for writing.
void cmcQmfFile::BeginRead() {
  if (image_) readMap_ = AddressCoverage(image_->GetSize());
  mapRevision_ = -1;
  extraData_ = 0;
  extraDataReadable_ = true;
  destinationCode_ = 0;
  imageChanged_ = false;
}

int cmcQmfFile::FinishRead(int code) {
  if (code != FileError::kNone && imageChanged_) image_->Assign(original_);
  imageChanged_ = false;
  original_ = cmcEeprom{};
  ShowFileError(code);
  return code;
}

int cmcQmfFile::ReadLines(TextLineReader& reader, const AddressRangeList* ranges) {
  if (const int code = ReadHeader(reader); code != FileError::kNone) return code;
  bool checked = false;
  std::string line;
  TextLineReader::Status status;
  while ((status = reader.Next(line)) == TextLineReader::Status::Line) {
    if (line.starts_with('#')) {
      // Once the checks have accepted the header values, later key lines change nothing.
      if (!checked) ReadKeyLine(std::string_view(line).substr(1));
      continue;
    }
    if (!checked) {
      if (const int code = RunHeaderChecks(); code != FileError::kNone) return code;
      checked = true;
    }
    if (const int code = StoreDataLine(line); code != FileError::kNone) return code;
  }
  if (status == TextLineReader::Status::ReadError) return FileError::kFileAccess;
  if (status == TextLineReader::Status::TooLong) return FileError::kFormat;
  if (!checked) {
    if (const int code = RunHeaderChecks(); code != FileError::kNone) return code;
  }
  return ranges ? CheckCoverage(*ranges) : FileError::kNone;
}

// The header line: 8 decimal digits, the model code and the generation, 4 each.
int cmcQmfFile::ReadHeader(TextLineReader& reader) {
  std::string line;
  const TextLineReader::Status status = reader.Next(line);
  if (status == TextLineReader::Status::ReadError) return FileError::kFileAccess;
  if (status != TextLineReader::Status::Line || line.size() != kHeaderLength ||
      !std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return FileError::kFormat;
  }
  const std::string_view header = line;
  generation_ = HeaderField(header.substr(4, 4));
  if (HeaderField(header.substr(0, 4)) != modelCode_) return FileError::kModel;
  if (!revisionCheck_ || !revisionCheck_(generation_)) return FileError::kExtra;
  return FileError::kNone;
}

// A "#" line that names a key right after the "#"; other "#" lines (the comment, the digest)
// carry nothing the reader uses. A key whose number cannot be read makes its check fail.
void cmcQmfFile::ReadKeyLine(std::string_view text) {
  if (text.starts_with(kMapRevisionKey)) {
    mapRevision_ = LeadingDecimal(text.substr(kMapRevisionKey.size())).value_or(-1);
  } else if (text.starts_with(kExtraDataKey)) {
    const auto value = LeadingHex(text.substr(kExtraDataKey.size()));
    extraDataReadable_ = value.has_value();
    extraData_ = value.value_or(0);
  }
}

int cmcQmfFile::RunHeaderChecks() {
  if (!mapRevisionCheck_ || !mapRevisionCheck_(mapRevision_)) return FileError::kMapRev;
  int destination = 0;
  if (!extraDataReadable_ || !extraDataCheck_ || !extraDataCheck_(extraData_, destination)) {
    return FileError::kEtcData;
  }
  destinationCode_ = destination;
  return FileError::kNone;
}

int cmcQmfFile::StoreDataLine(std::string_view text) {
  QmfDataLine line;
  if (!line.Parse(text)) return FileError::kFormat;
  if (image_ == nullptr ||
      std::uint64_t{line.Address()} + line.Count() > static_cast<std::uint64_t>(image_->GetSize())) {
    return FileError::kData;
  }
  const auto address = static_cast<std::int32_t>(line.Address());
  const auto count = static_cast<std::int32_t>(line.Count());
  if (!imageChanged_) {
    original_ = *image_;
    imageChanged_ = true;
  }
  image_->WriteBlock(address, line.Data().data(), count);
  readMap_.Mark(address, static_cast<std::int64_t>(address) + count - 1);
  return FileError::kNone;
}

// ---- Coverage ----

int cmcQmfFile::CheckCoverage(const AddressRangeList& ranges) {
  if (ranges.empty() || image_ == nullptr) return FileError::kCoverage;
  AddressCoverage expected(image_->GetSize());
  for (const AddressRange& range : ValidRangesOf(*image_, ranges)) expected.Mark(range.start, range.end);
  switch (readMap_.Against(expected)) {
    case AddressCoverage::Difference::Outside:
      return FileError::kData;
    case AddressCoverage::Difference::Missing:
      return FileError::kCoverage;
    case AddressCoverage::Difference::None:
      break;
  }
  return FileError::kNone;
}
