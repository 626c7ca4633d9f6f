#pragma once
// The radio's tone and DTCS code tables, which channel records refer to by index.
#include <optional>
#include <string>

// The tone of index 0-49 in tenths of a hertz; none for other indexes.
std::optional<int> ToneTenthsOfHertz(int index);
// The DTCS code of index 0-103 as three digits ("023"); none for other indexes.
std::optional<std::string> DtcsCodeText(int index);
