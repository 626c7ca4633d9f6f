#include "base/cmcRecent.h"

#include <algorithm>
#include <filesystem>

namespace {

std::string CanonicalPath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) return std::filesystem::path(path).lexically_normal().string();
  const std::filesystem::path canonical = std::filesystem::weakly_canonical(absolute, error);
  return (error ? absolute.lexically_normal() : canonical).string();
}

}  // namespace

cmcRecent::cmcRecent(std::int32_t maximum) : maximum_(std::max(maximum, 0)) {}

void cmcRecent::AddFirst(const std::string& path) { Add(path, true); }

void cmcRecent::AddLast(const std::string& path) { Add(path, false); }

void cmcRecent::Add(const std::string& path, bool atFront) {
  if (path.empty()) return;
  const std::string canonical = CanonicalPath(path);
  std::erase(paths_, canonical);
  paths_.insert(atFront ? paths_.begin() : paths_.end(), canonical);
  if (Count() > maximum_) paths_.resize(static_cast<std::size_t>(maximum_));
}

std::int32_t cmcRecent::Count() const { return static_cast<std::int32_t>(paths_.size()); }

const std::string& cmcRecent::Get(std::int32_t i) const {
  static const std::string kNone;
  if (i < 0 || i >= Count()) return kNone;
  return paths_[static_cast<std::size_t>(i)];
}

void cmcRecent::Clear() { paths_.clear(); }
