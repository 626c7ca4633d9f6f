#include "base/cmcBuff.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

#include "platform/Fatal.h"

namespace {

// The cursor may run this far into the block before PopFront compacts.
constexpr std::int32_t kCompactThreshold = 4096;

void CheckCount(std::int32_t n) {
  if (n < 0) Fatal("Out of cmcBuff element !");
}

std::int32_t GrownSize(std::int32_t n, std::int32_t oldLength) {
  const std::int64_t size = std::int64_t{n} + oldLength / 4;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(size, 1, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

cmcBuff::cmcBuff() { Clear(); }

cmcBuff::cmcBuff(const cmcBuff& other) : cmcBuff() { Assign(other.Data(), other.Length()); }

cmcBuff& cmcBuff::operator=(const cmcBuff& other) {
  if (this != &other) Assign(other.Data(), other.Length());
  return *this;
}

cmcBuff::cmcBuff(cmcBuff&& other) noexcept
    : block_(std::move(other.block_)), cursor_(other.cursor_), length_(other.length_), capacity_(other.capacity_) {
  other.Clear();
}

cmcBuff& cmcBuff::operator=(cmcBuff&& other) noexcept {
  if (this != &other) {
    block_ = std::move(other.block_);
    cursor_ = other.cursor_;
    length_ = other.length_;
    capacity_ = other.capacity_;
    other.Clear();
  }
  return *this;
}

cmcBuff::~cmcBuff() = default;

void cmcBuff::Resize(std::int32_t n) { ResizeKeepingOld(n); }

void cmcBuff::Clear() {
  block_ = std::make_unique<std::uint8_t[]>(1);
  cursor_ = 0;
  length_ = 0;
  capacity_ = 1;
}

std::uint8_t* cmcBuff::At(std::int32_t i) {
  if (i < 0 || i >= length_) Fatal("Out of cmcBuff element !");
  return Data() + i;
}

const std::uint8_t* cmcBuff::At(std::int32_t i) const { return const_cast<cmcBuff*>(this)->At(i); }

void cmcBuff::Append(const std::uint8_t* bytes, std::int32_t n) {
  CheckCount(n);
  const std::int32_t end = length_;
  const auto old = ResizeKeepingOld(end + n);
  if (n > 0) std::memmove(Data() + end, bytes, static_cast<std::size_t>(n));
}

void cmcBuff::AppendByte(std::uint8_t b) { Append(&b, 1); }

void cmcBuff::AppendBuffer(const cmcBuff& other) { Append(other.Data(), other.Length()); }

void cmcBuff::AppendRepeat(std::uint8_t b, std::int32_t n) {
  CheckCount(n);
  const std::int32_t end = length_;
  Resize(end + n);
  std::memset(Data() + end, b, static_cast<std::size_t>(n));
}

void cmcBuff::Assign(const std::uint8_t* bytes, std::int32_t n) {
  CheckCount(n);
  const auto old = ResizeKeepingOld(n);
  if (n > 0) std::memmove(Data(), bytes, static_cast<std::size_t>(n));
}

int cmcBuff::PopFront() {
  if (length_ == 0) return -1;
  const int first = block_[static_cast<std::size_t>(cursor_)];
  ++cursor_;
  --capacity_;
  --length_;
  if (cursor_ > kCompactThreshold) Compact();
  return first;
}

void cmcBuff::Compact() { Reallocate(std::max(length_, 1)); }

std::unique_ptr<std::uint8_t[]> cmcBuff::ResizeKeepingOld(std::int32_t n) {
  CheckCount(n);
  std::unique_ptr<std::uint8_t[]> old;
  if (capacity_ < n) old = Reallocate(GrownSize(n, length_));
  length_ = n;
  return old;
}

std::unique_ptr<std::uint8_t[]> cmcBuff::Reallocate(std::int32_t size) {
  auto block = std::make_unique<std::uint8_t[]>(static_cast<std::size_t>(size));
  std::memcpy(block.get(), Data(), static_cast<std::size_t>(length_));
  cursor_ = 0;
  capacity_ = size;
  return std::exchange(block_, std::move(block));
}
