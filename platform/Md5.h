#pragma once
// MD5 message digests (RFC 1321). The core only sees this interface; the programs install
// the platform's digests at start (QtMd5), one source per process, and tests install the
// one they need. Making a digest before one is installed is a defect.
#include <array>
#include <cstdint>
#include <memory>
#include <span>

class Md5Digest {
 public:
  using Result = std::array<std::uint8_t, 16>;

  virtual ~Md5Digest() = default;

  // Appends bytes to the message.
  virtual void AddData(std::span<const std::uint8_t> bytes) = 0;

  // The digest of everything added so far, in digest order.
  virtual Result Finish() const = 0;
};

class Md5Source {
 public:
  virtual ~Md5Source() = default;

  // A digest of the empty message.
  virtual std::unique_ptr<Md5Digest> MakeDigest() const = 0;
};

// Installs source (nullptr: none) and returns the one installed before.
const Md5Source* InstallMd5(const Md5Source* source);

// A digest of the empty message from the installed source.
std::unique_ptr<Md5Digest> MakeMd5Digest();
