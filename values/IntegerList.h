#pragma once
// The selection list generated for an integer value: entries minimum to maximum by step, laid
// out down columns of rowsPerColumn rows, each showing its value moved by offset steps (the
// radio level 0-10 reads "-5" to "+5"). The list is a sheet definition of its own, written as
// a line table for a private text database.
#include <string>
#include <vector>

#include "values/PopupRequest.h"

inline constexpr const char* kIntegerListKey = "GI_Sheet_Sel_IntFlector";

// The definition's lines: style, basic cell, cells (one line per row), the end marks. A list
// with a step below 1 or a maximum below its minimum is a defect (fatal).
std::vector<std::string> IntegerListLines(const IntegerListPopup& list);
