#include "sheet/layout/clsSheeRowAtr.h"

void clsSheeRowAtr::GrowFor(int row) {
  std::size_t size = rows_.size();
  while (static_cast<std::size_t>(row) >= size) size += size / 2 + 1;
  rows_.resize(size);
}

void clsSheeRowAtr::Set(int row, int32_t line, bool selectRegion) {
  if (row < 0) return;
  GrowFor(row);
  rows_[static_cast<std::size_t>(row)] = {line, selectRegion};
}

void clsSheeRowAtr::SetSelectRegion(int row, bool selectRegion) {
  if (row < 0) return;
  GrowFor(row);
  rows_[static_cast<std::size_t>(row)].selectRegion = selectRegion;
}

clsSheeRowAtr::Row clsSheeRowAtr::Get(int row) const {
  if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) return {};
  return rows_[static_cast<std::size_t>(row)];
}
