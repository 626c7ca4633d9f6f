#include "ui/CellPopups.h"

#include "ui/cuiFBitsR.h"
#include "ui/cuiFTextGps.h"
#include "ui/cuiFlector.h"

namespace {

struct PopupOpener {
  const CellPopupContext& context;
  const cmcCellCapsule& request;

  void operator()(std::monostate) const {}
  void operator()(const SelectionListPopup& list) const { OpenSelectionList(context, request, list); }
  void operator()(const IntegerListPopup& list) const { OpenIntegerList(context, request, list); }
  void operator()(const BitFieldPopup& editor) const { new cuiFBitsR(context, request, editor); }
  void operator()(const GpsTextPopup& editor) const { new cuiFTextGps(context, request, editor); }
};

}  // namespace

void OpenCellPopup(const CellPopupContext& context, const cmcCellCapsule& request) {
  std::visit(PopupOpener{context, request}, request.popup);
}
