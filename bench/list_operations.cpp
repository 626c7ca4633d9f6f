// Deleting the first 100 memory channels of a full memory, as the pop-up command does it on a
// selection of the whole first page: the question answered, the channels after the block
// moved up with their bank places, the remembered channel and the scan links kept, and the
// bank tables rebuilt as the controller does after the command.
#include <benchmark/benchmark.h>

#include <string>

#include "PaintedDocument.h"
#include "memory/ChannelList.h"
#include "memory/ImageFields.h"
#include "platform/MessageBox.h"
#include "sheet/cells/indActiveCell.h"
#include "text/ApplicationTexts.h"
#include "text/LineTables.h"
#include "text/cmcCellObj.h"

namespace {

constexpr int kDestination = 2;

class AnswerOk final : public MessageBox {
 public:
  std::int32_t Show(const MessageRequest&) override { return kAnswerOk; }
};

void FillMemory(cmcEeprom& image) {
  datCh record(image);
  for (int i = 0; i < MemoryMap::kMemoryChannelCount; ++i) {
    record.Load(RecordKind::kChannel, i);
    record.SetUsed(true);
    record.frequency = 145000000u + 12500u * static_cast<unsigned>(i % 100);
    record.name = MakeFixedText<16>("Channel " + std::to_string(i));
    record.bank = static_cast<std::uint8_t>(i % 26);
    record.bankChannel = static_cast<std::uint8_t>(i / 26);
    record.Commit();
  }
  WriteU16(image, MemoryMap::kRememberedChannel, 250);
  RebuildBankTables(image);
}

void DeleteFirstHundredChannels(benchmark::State& state) {
  ApplicationTexts().Reset();
  ApplicationTexts().SelectLineTable(LineTableOf(TableLanguage::English));
  AnswerOk answers;
  MessageBox* previous = InstallMessageBox(&answers);
  PaintedDocument document(kDestination);
  FillMemory(document.image);
  const cmcEeprom full = document.image;
  indActiveCell behaviour(document);
  cmcCellObj cell;
  cell.category = CT_Conv;
  cell.cellId = CL_Mch_Name;
  for (auto _ : state) {
    document.image.Assign(full);
    cmcCellCapsule request;
    request.cell = &cell;
    request.actionGrid = &cell;
    request.command = CL_PMenu_Delete;
    request.rangeFlags = kRangeLinesSelected;
    request.rangeLow = 0;
    request.rangeHigh = 99;
    behaviour.HandleCellRequest(request, kCellAction);
    RebuildBankTables(document.image);
  }
  datCh first(document.image);
  first.Load(RecordKind::kChannel, 0);
  if (first.IsUsed()) state.SkipWithError("the channels were not deleted");
  InstallMessageBox(previous);
}

BENCHMARK(DeleteFirstHundredChannels)->Unit(benchmark::kMillisecond);

}  // namespace
