#pragma once
// Where the cursor and the view of a sheet stood: the main window keeps one per sheet name
// and hands it back when the sheet is opened again. -1 means none.
struct SheetPosition {
  int column = -1;
  int row = -1;
  int leftColumn = -1;
  int topRow = -1;

  bool IsSet() const { return column >= 0 && row >= 0 && leftColumn >= 0 && topRow >= 0; }
  bool operator==(const SheetPosition&) const = default;
};
