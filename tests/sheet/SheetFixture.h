#pragma once
// Building sheets in tests: a fixed-pitch text measure, a settings object over memory stores
// and a sheet laid out from literal definition lines.
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "base/indEnviron.h"
#include "platform/InstanceLock.h"
#include "sheet/layout/CellTextMeasure.h"
#include "sheet/layout/SheetDisplayStore.h"
#include "sheet/layout/SheetLayout.h"
#include "support/LineTableFixture.h"
#include "support/MemoryKeyValueStore.h"
#include "text/cmcGTex.h"

// Every byte 8 pixels wide; a line as high as the font's character height.
class FixedPitchMeasure final : public CellTextMeasure {
 public:
  static constexpr int kCharWidth = 8;
  int Width(const CellFont&, std::string_view line) override { return kCharWidth * static_cast<int>(line.size()); }
  int Height(const CellFont& font, std::string_view) override { return std::abs(font.height); }
};

class AlwaysFreeLock final : public InstanceLock {
 public:
  bool TryLock(const std::string&) override { return true; }
  void Unlock() override {}
};

inline const std::string kSettingsKey = "Software\\Quor\\Tessel";

// The settings object of the program, over memory stores the test can look into.
struct TestSettings {
  MemoryKeyValueStore user;
  MemoryKeyValueStore machine;
  AlwaysFreeLock lock;
  indEnviron environ{indEnviron::Names{"Tessel sheet test", kSettingsKey, kSettingsKey},
                     indEnviron::Stores{user, machine},
                     lock,
                     {"tessel"},
                     {1024, 768}};

  std::string WidthKey(const std::string& registryName) const {
    return kSettingsKey + "\\Display\\" + registryName + "\\colwidth";
  }
};

// A text database made of literal lines, with a sheet environment over it.
class FixtureTexts {
 public:
  explicit FixtureTexts(std::vector<std::string> lines) : table_(WithEnd(std::move(lines))) {
    texts_.SelectLineTable(table_.Table());
  }
  cmcGTex& Texts() { return texts_; }
  FixedPitchMeasure& Measure() { return measure_; }
  SheetEnvironment Environment(SheetDisplayStore* display = nullptr) { return {texts_, measure_, display}; }

 private:
  static std::vector<std::string> WithEnd(std::vector<std::string> lines) {
    lines.push_back("#End_Of_Ovl");
    return lines;
  }
  LineTableFixture table_;
  cmcGTex texts_;
  FixedPitchMeasure measure_;
};

// The three definition keys of sheet key: style, basic cell and the cells lines.
inline std::vector<std::string> SheetDefinition(const std::string& key, const std::string& style,
                                                const std::string& basicCell, const std::vector<std::string>& cells) {
  std::vector<std::string> lines = {"#" + key + "_Style", style, "#" + key + "_BasicCell", basicCell,
                                    "#" + key + "_Cells"};
  lines.insert(lines.end(), cells.begin(), cells.end());
  return lines;
}

// Appends the width list: lines of a sheet key, a colon and a registry name.
inline std::vector<std::string> WithWidthList(std::vector<std::string> lines, const std::vector<std::string>& entries) {
  lines.push_back("#GI_CellWidthRegList");
  lines.insert(lines.end(), entries.begin(), entries.end());
  return lines;
}
