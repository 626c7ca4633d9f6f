#pragma once
// The row attributes of a sheet: for every grid row, the line of the cells definition it was
// made from and whether it lies in the region that may join a multi-selection.
#include <cstdint>
#include <vector>

class clsSheeRowAtr {
 public:
  struct Row {
    int32_t line = 0;
    bool selectRegion = true;
  };

  // Sets the attributes of row, growing the table (by half its size plus one, new rows at
  // line 0 in the select region) when row lies beyond it. A negative row changes nothing.
  void Set(int row, int32_t line, bool selectRegion);
  void SetSelectRegion(int row, bool selectRegion);

  // The attributes of row; a row beyond the table reads as a fresh row.
  Row Get(int row) const;
  int32_t Line(int row) const { return Get(row).line; }
  bool SelectRegion(int row) const { return Get(row).selectRegion; }

  void Clear() { rows_.clear(); }
  int Capacity() const { return static_cast<int>(rows_.size()); }

 private:
  void GrowFor(int row);

  std::vector<Row> rows_;
};
