#include "ui/CellPaintJob.h"

#include "text/CellIds.h"
#include "text/cmcCellObj.h"
#include "ui/DisplayText.h"

void FillCellPaintJob(CellPainter::Job& job, QPainter& painter, const CellBehaviourCallback& behaviour,
                      const std::function<void(cmcCellCapsule& request)>& prepare) {
  const cmcCellObj& cell = *job.cell;
  if (cell.cellId == kCellIdNone) {
    job.text = DisplayText(GetCaption(cell));
    return;
  }
  cmcCellCapsule request;
  prepare(request);
  const QRect& area = job.rect;
  const CellRect cellRect{area.left(), area.top(), area.right() + 1, area.bottom() + 1};
  request.cellRect = &cellRect;
  request.canvas = &painter;
  behaviour(request, kCellQuery);
  job.text = DisplayText(request.outputText);
  job.validLength = request.validLength;
  job.fontColor = request.fontColor;
  job.warningMark = request.HasFlag(kRequestWarningMark);
  job.errorMark = request.HasFlag(kRequestErrorMark);
  job.checkMark = request.HasFlag(kRequestCheckMark);
  job.markPosition = request.markPosition;
}
