#pragma once
// MD5 message digests (RFC 1321). The core only sees this interface; the platform library
// that a program links (tessel_platform_qt) supplies the implementation, so the core links
// no hashing library of its own.
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

// A digest of the empty message. Defined by the platform library.
std::unique_ptr<Md5Digest> MakeMd5Digest();
