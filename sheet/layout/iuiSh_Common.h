#pragma once
// The set-mode pages (digital, GPS, common, A/B band): rows that only some regional versions
// of the radio have, and the function-key prefix of the two pages the radio opens with
// Func+F-1 and Func+F-2.
#include "sheet/layout/SheetModel.h"

class iuiSh_Common : public SheetModel {
 public:
  explicit iuiSh_Common(CellDocument& document) : document_(document) {}

  void SetArgument(std::string_view argument) override;
  // "Only_JPUSKR": the Japanese, US and Korean versions; "Only_USA": the US versions.
  bool AllowsRegionalLines(std::string_view directive) const override;
  std::string Title(const std::string& styleTitle) const override;

 private:
  CellDocument& document_;
  int argument_ = 0;
};
