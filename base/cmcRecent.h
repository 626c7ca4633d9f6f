#pragma once
// The recent file list: full paths, most recent first, at most a fixed number of them.
// Paths are kept in canonical form (absolute, without "." and "..", symbolic links resolved
// as far as the path exists), so two spellings of one file are one entry; letter case counts,
// as it does on Linux file systems.
#include <cstdint>
#include <string>
#include <vector>

class cmcRecent {
 public:
  // A maximum below 0 counts as 0.
  explicit cmcRecent(std::int32_t maximum);

  // Puts path at the front, or at the end, removing an entry for the same file first and
  // entries from the end beyond the maximum. An empty path is no file and changes nothing.
  void AddFirst(const std::string& path);
  void AddLast(const std::string& path);

  std::int32_t Count() const;
  // Entry i; "" for an index outside the list.
  const std::string& Get(std::int32_t i) const;
  void Clear();

 private:
  void Add(const std::string& path, bool atFront);

  std::int32_t maximum_;
  std::vector<std::string> paths_;
};
