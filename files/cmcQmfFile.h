#pragma once
// Reader and writer of clone image files (".qmf"): a header naming the model, generation,
// map revision and "Etc Data" value, then the image bytes as hexadecimal data lines, then
// optionally a digest line that the radio needs before it loads a file from its memory card.
//
// One object serves one command: it is configured with the setters, used for one read or
// one write, and dropped. It never owns the image it is bound to. Every operation answers a
// file error code (files/FileError.h) and shows the message of a non-zero code once through
// the reporter.
//
// Reading is all or nothing: on any failure the bound image is restored to what it held
// before. Lines are read whole; a line longer than 64 KiB refuses the file.
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "files/FileError.h"
#include "memory/AddressCoverage.h"
#include "memory/AddressRange.h"
#include "memory/cmcEeprom.h"

class AtomicSave;
class TextLineReader;

class cmcQmfFile {
 public:
  // The header checks a reader must have installed; each answers whether it accepts.
  using RevisionCheck = std::function<bool(int generation)>;
  using MapRevisionCheck = std::function<bool(int mapRevision)>;
  // Also names the destination code the "Etc Data" value stands for.
  using ExtraDataCheck = std::function<bool(std::uint32_t extraData, int& destinationCode)>;

  static constexpr int kDefaultLineSize = 16;
  static constexpr std::string_view kDefaultDigestSeed = "000000000000";

  cmcQmfFile();

  // Binds the image (0 to size - 1); no address of it counts as read.
  void SetImage(cmcEeprom& image);

  void SetModelCode(int code) { modelCode_ = code; }
  void SetGeneration(int generation) { generation_ = generation; }
  int GetGeneration() const { return generation_; }
  // Line ends in the comment are written as spaces so that it stays one line.
  void SetComment(std::string_view text) { comment_ = text; }
  // Bytes per data line, 1 to 255 (fatal otherwise).
  void SetLineSize(int bytes);
  // The seed is 12 hexadecimal digits (fatal otherwise).
  void SetDigest(bool write, std::string_view seed);
  void SetMapRevision(int revision) { mapRevision_ = revision; }
  int GetMapRevision() const { return mapRevision_; }
  void SetExtraData(std::uint32_t value) { extraData_ = value; }
  std::uint32_t GetExtraData() const { return extraData_; }

  void SetRevisionCheck(RevisionCheck check) { revisionCheck_ = std::move(check); }
  void SetMapRevisionCheck(MapRevisionCheck check) { mapRevisionCheck_ = std::move(check); }
  void SetExtraDataCheck(ExtraDataCheck check) { extraDataCheck_ = std::move(check); }
  void SetErrorReporter(FileErrorReporter reporter) { reporter_ = std::move(reporter); }

  // The destination code the extra data check named during the last read; 0 when it failed
  // or did not run.
  int GetDestinationCode() const { return destinationCode_; }

  // Writes the header, the data lines of ranges (up to the first range that is not a valid,
  // ascending pair of image addresses) and, when asked, the digest line. The file is replaced
  // only when everything was written: 1 when the file cannot be created, 2 when a write
  // fails.
  int WriteImage(const std::string& path, const AddressRangeList& ranges);
  // The same lines appended to a save the caller opened and commits: 0, or 2 when a write
  // fails. Reports nothing.
  int WriteLines(AtomicSave& file, const AddressRangeList& ranges) const;

  // Reads a file, or a block of bytes, into the bound image. With ranges, a complete read is
  // also checked to cover exactly those ranges.
  int ReadImage(const std::string& path, const AddressRangeList* ranges = nullptr);
  int ReadImageFrom(std::span<const char> bytes, const AddressRangeList* ranges = nullptr);

  // Compares the addresses read with ranges: 0 when they are the same, 8 when something lies
  // outside them, 7 when some of them are missing (or no ranges are given or no image is
  // bound). Shows no message.
  int CheckCoverage(const AddressRangeList& ranges);

  // Hands a code from 1 to 10 to the reporter.
  void ShowFileError(int code) const;

 private:
  using DigestSeed = std::array<std::uint8_t, 6>;

  int WriteFile(const std::string& path, const AddressRangeList& ranges) const;
  std::string HeaderText() const;

  void BeginRead();
  int FinishRead(int code);
  int ReadLines(TextLineReader& reader, const AddressRangeList* ranges);
  int ReadHeader(TextLineReader& reader);
  void ReadKeyLine(std::string_view text);
  int RunHeaderChecks();
  int StoreDataLine(std::string_view text);

  cmcEeprom* image_ = nullptr;
  int modelCode_ = 0;
  int generation_ = 0;
  std::string comment_;
  int lineSize_ = kDefaultLineSize;
  bool writeDigest_ = false;
  DigestSeed digestSeed_{};
  int mapRevision_ = -1;
  std::uint32_t extraData_ = 0;
  bool extraDataReadable_ = true;
  RevisionCheck revisionCheck_;
  MapRevisionCheck mapRevisionCheck_;
  ExtraDataCheck extraDataCheck_;
  FileErrorReporter reporter_;
  int destinationCode_ = 0;
  // The bound image as it was before the read stored its first byte.
  cmcEeprom original_;
  bool imageChanged_ = false;
  AddressCoverage readMap_;
};
