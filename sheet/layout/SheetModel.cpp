#include "sheet/layout/SheetModel.h"

#include "sheet/layout/SheetStyle.h"
#include "sheet/layout/iuiSh_ChNew.h"
#include "sheet/layout/iuiSh_ColCut.h"
#include "sheet/layout/iuiSh_Common.h"

void SheetModel::SetArgument(std::string_view) {}

bool SheetModel::AllowsRegionalLines(std::string_view) const { return true; }

void SheetModel::AfterFill(SheetLayout&) {}

bool SheetModel::IsPrintable(const SheetStyle& style) const { return !style.noPrint; }

bool SheetModel::IsInPrintAll(const SheetStyle& style, const PrintAllChoices&) const { return IsPrintable(style); }

std::unique_ptr<SheetModel> MakeSheetModel(std::string_view typeTag, CellDocument* document) {
  if (document == nullptr) return std::make_unique<SheetModel>();
  if (typeTag == "St_Common") return std::make_unique<iuiSh_Common>(*document);
  if (typeTag == "St_ColCut" || typeTag == "St_PLink") return std::make_unique<iuiSh_ColCut_A>(*document);
  if (typeTag == "St_CCBank") return std::make_unique<iuiSh_ColCutBank>(*document);
  if (typeTag == "St_RptList") return std::make_unique<iuiSh_ChNew_Rpt>(*document);
  if (typeTag == "St_UrList") return std::make_unique<iuiSh_ChNew_Ur>(*document);
  if (typeTag == "St_Radio") return std::make_unique<iuiSh_ChNew_Radio>(*document);
  if (typeTag == "St_ChGps") return std::make_unique<iuiSh_ChNew_GpsMemory>(*document);
  return std::make_unique<SheetModel>();
}
