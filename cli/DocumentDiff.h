#pragma once
// What "tessel-cli diff" prints: the two files' generations and destinations and the fields
// whose shown texts differ, as lines a user reads or as a JSON object.
#include <ostream>
#include <string>
#include <vector>

#include "sheet/cells/DocumentDifferences.h"

struct DiffFile {
  std::string path;
  int generation = 0;
  int destination = 0;
};

struct DiffReport {
  DiffFile before;
  DiffFile after;
  std::vector<FieldDifference> differences;

  // Files of different generations are compared after both were converted to generation 3.
  bool Converted() const { return before.generation != after.generation; }
  bool Differs() const { return !differences.empty() || before.destination != after.destination; }
};

void PrintDiffReport(const DiffReport& report, bool json, std::ostream& out);
