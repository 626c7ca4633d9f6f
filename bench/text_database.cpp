// Text database costs: the first lookup of the last key of a real table from a cold
// database, and reading a value line by line from line 0 onward, which must grow linearly
// with the value's length.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "text/LineTables.h"
#include "text/cmcGTex.h"

namespace {

std::string LastKeyOf(LineTable table) {
  for (std::size_t i = table.count - 1; i-- > 0;) {
    const std::string line = table.lines[i];
    if (line.size() > 1 && line[0] == '#') return line.substr(1);
  }
  return {};
}

void BM_ColdLookupOfLastKey(benchmark::State& state) {
  const LineTable table = LineTableOf(TableLanguage::English);
  const std::string key = LastKeyOf(table);
  for (auto _ : state) {
    cmcGTex texts;
    texts.SelectLineTable(table);
    benchmark::DoNotOptimize(texts.GetLine(key, 0));
  }
  state.counters["lines"] = static_cast<double>(table.count);
}
BENCHMARK(BM_ColdLookupOfLastKey);

void BM_ReadValueFromLineZero(benchmark::State& state) {
  const auto valueLines = static_cast<int>(state.range(0));
  std::vector<std::string> lines{"", "#Value"};
  for (int n = 0; n < valueLines; ++n) lines.push_back("{S(%Flex0[" + std::to_string(n) + "])}Entry");
  lines.push_back("#End_Of_Ovl");
  std::vector<const char*> pointers;
  for (const auto& line : lines) pointers.push_back(line.c_str());

  cmcGTex texts;
  texts.SelectLineTable({pointers.data(), pointers.size()});
  for (auto _ : state) {
    for (int n = 0; n < valueLines; ++n) benchmark::DoNotOptimize(texts.GetLine("Value", n));
  }
  state.SetComplexityN(valueLines);
}
BENCHMARK(BM_ReadValueFromLineZero)->Arg(50)->Arg(100)->Arg(200)->Arg(400)->Arg(800)->Complexity(benchmark::oN);

}  // namespace
