#include "cli/QmfFileNotes.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string_view>

#include "files/DocumentFile.h"
#include "files/QmfDataLine.h"
#include "files/TextLineReader.h"
#include "platform/Md5.h"
#include "text/HexText.h"

namespace {

constexpr std::string_view kCommentKey = "#Comment=";
constexpr std::string_view kDigestKey = "#CD=";

std::unique_ptr<Md5Digest> SeededDigest() {
  std::array<std::uint8_t, 6> seed{};
  DecodeHexBytes(DocumentFile::kDigestSeed, seed);
  std::unique_ptr<Md5Digest> digest = MakeMd5Digest();
  digest->AddData(seed);
  return digest;
}

bool DigestMatches(const Md5Digest& digest, std::string_view text) {
  Md5Digest::Result written{};
  return DecodeHexBytes(text, written) && written == digest.Finish();
}

}  // namespace

std::optional<QmfFileNotes> ReadQmfFileNotes(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  TextLineReader reader(file);
  QmfFileNotes notes;
  std::unique_ptr<Md5Digest> digest = SeededDigest();
  std::string line;
  reader.Next(line);  // the model and generation header
  QmfDataLine data;
  TextLineReader::Status status;
  while ((status = reader.Next(line)) == TextLineReader::Status::Line) {
    const std::string_view text = line;
    if (text.starts_with(kCommentKey)) {
      notes.comment = text.substr(kCommentKey.size());
    } else if (text.starts_with(kDigestKey)) {
      notes.hasDigest = true;
      notes.digestCorrect = DigestMatches(*digest, text.substr(kDigestKey.size()));
    } else if (!text.starts_with('#') && data.Parse(text)) {
      digest->AddData(data.BinaryForm());
    }
  }
  std::fclose(file);
  if (status != TextLineReader::Status::End) return std::nullopt;
  return notes;
}
