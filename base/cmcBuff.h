#pragma once
// A growable byte buffer with a read cursor: bytes are appended at the end and taken from
// the front without moving memory on every byte. Growing beyond the capacity allocates a
// quarter of the old length extra, and new spare bytes are 0.
//
// Lengths and positions are signed 32-bit. A position outside the buffer, or a negative
// length, is a defect of the caller and Fatal ("Out of cmcBuff element !").
#include <cstdint>
#include <memory>

class cmcBuff {
 public:
  cmcBuff();
  cmcBuff(const cmcBuff& other);
  cmcBuff& operator=(const cmcBuff& other);
  cmcBuff(cmcBuff&& other) noexcept;
  cmcBuff& operator=(cmcBuff&& other) noexcept;
  ~cmcBuff();

  // Length becomes n. Growing within the capacity leaves the added bytes as they were.
  void Resize(std::int32_t n);
  // Back to length 0 with a fresh 1-byte block.
  void Clear();
  std::int32_t Length() const { return length_; }
  // Bytes available from the cursor to the end of the block.
  std::int32_t Capacity() const { return capacity_; }

  // The first byte; never null, valid until the buffer next changes size.
  std::uint8_t* Data() { return block_.get() + cursor_; }
  const std::uint8_t* Data() const { return block_.get() + cursor_; }
  std::uint8_t* At(std::int32_t i);
  const std::uint8_t* At(std::int32_t i) const;

  // The appends and Assign accept bytes that lie inside this buffer.
  void Append(const std::uint8_t* bytes, std::int32_t n);
  void AppendByte(std::uint8_t b);
  void AppendBuffer(const cmcBuff& other);
  void AppendRepeat(std::uint8_t b, std::int32_t n);
  void Assign(const std::uint8_t* bytes, std::int32_t n);

  // The first byte (0-255) taken off the front, or -1 when empty.
  int PopFront();
  // Moves the content to a block of exactly its length (at least 1 byte).
  void Compact();

 private:
  // Resizes to n; a block replaced on the way is handed back so that bytes still to be
  // copied from it stay valid until the caller is done.
  std::unique_ptr<std::uint8_t[]> ResizeKeepingOld(std::int32_t n);
  // Moves the content to the start of a new zeroed block of size bytes; answers the old one.
  std::unique_ptr<std::uint8_t[]> Reallocate(std::int32_t size);

  std::unique_ptr<std::uint8_t[]> block_;
  std::int32_t cursor_ = 0;
  std::int32_t length_ = 0;
  std::int32_t capacity_ = 0;
};
