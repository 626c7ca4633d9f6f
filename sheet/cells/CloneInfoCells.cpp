// The clone information sheet: what the radio reported in its last information reply, as the
// controller keeps it. Before any reply every cell shows nothing.
#include <optional>
#include <string>
#include <string_view>

#include "clone/CloneInfoBlock.h"
#include "sheet/cells/CellFamilies.h"

namespace {

std::string CloneInfoText(unsigned cellId, const CloneInfoBlock& block) {
  switch (cellId) {
    case CL_CloneInfo_Esn:
      return SerialNumberText(block.serialNumber);
    case CL_CloneInfo_Comment:
      return block.comment;
    case CL_CloneInfo_Destination:
      return std::to_string(block.destination);
    case CL_CloneInfo_Rx_Expansion:
      return std::string(ExpansionText(block.receiveExpansion));
    case CL_CloneInfo_VTx_Expansion:
      return std::string(InhibitText(block.vhfTransmitInhibit));
    case CL_CloneInfo_UTx_Expansion:
      return std::string(InhibitText(block.uhfTransmitInhibit));
    case CL_CloneInfo_FccInh:
      return std::string(InhibitText(block.fccInhibit));
    case CL_CloneInfo_DvInh:
      return std::string(InhibitText(block.digitalVoiceInhibit));
    default:
      return {};
  }
}

}  // namespace

void AnswerCloneInfoCell(ActiveCellFrame& frame) {
  const std::optional<CloneInfoBlock> block = DecodeCloneInfoBlock(frame.document.CloneInformation());
  if (block) frame.request.outputText = CloneInfoText(frame.cellId, *block);
}
