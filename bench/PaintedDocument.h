#pragma once
// A document for the painting benchmarks: the defaults of one destination with the first
// 100 memory channels in use, half of them DV with call signs. It has no events and no
// commands: painting only asks.
#include <string>

#include "base/cmcRecent.h"
#include "memory/DefaultImages.h"
#include "memory/PlainModelSettings.h"
#include "memory/datCh.h"
#include "memory/datClipCh.h"
#include "memory/indDestination.h"
#include "sheet/layout/CellDocument.h"
#include "text/ApplicationTexts.h"
#include "text/cmcFCache.h"

class PaintedDocument final : public CellDocument {
 public:
  // Installs the destination's model settings and rows for the document's life.
  explicit PaintedDocument(std::int32_t destination) {
    model.destinationCode = destination;
    InstallModelSettings(&model);
    indDestination(destination).ApplyDestination();
    settings.destinationCode = destination;
    BuildDefaultsImage(defaults);
    image.Assign(defaults);
    FillChannels();
  }
  ~PaintedDocument() override { InstallModelSettings(nullptr); }

  cmcEeprom& Image() override { return image; }
  cmcEeprom& DefaultsImage() override { return defaults; }
  EnvironSettings& Settings() override { return settings; }
  const cmcRecent& RecentFiles() const override { return recent; }
  bool SystemLanguageJapanese() const override { return false; }
  int DateOrder() const override { return 0; }
  cmcGTex& Texts() override { return ApplicationTexts(); }
  cmcFCache& ListCache() override { return listCache; }
  std::string VersionText() const override { return {}; }
  std::string YearText() const override { return {}; }
  cmcEvMan* Events() override { return nullptr; }
  std::int32_t ColumnCutMask() const override { return 127; }
  void SetColumnCutMask(std::int32_t) override {}
  void NoteEdit() override {}
  void RunCommand(unsigned, std::int32_t) override {}
  void OpenSheet(const std::string&) override {}
  bool MainWindowEnabled() const override { return true; }
  bool CurrentSheetPrintable() const override { return true; }
  datClipCh& Clipboard() override { return clipboard; }
  bool ConfirmLanguageChange() override { return false; }
  void ShowNoFreeChannel() override {}

  PlainModelSettings model;
  cmcEeprom image;
  cmcEeprom defaults;
  EnvironSettings settings;
  cmcRecent recent{10};
  datClipCh clipboard;
  cmcFCache listCache{ApplicationTexts()};

 private:
  void FillChannels() {
    datCh record(image);
    for (int i = 0; i < 100; ++i) {
      record.Load(RecordKind::kChannel, i);
      record.SetUsed(true);
      record.frequency = (i % 2 == 0 ? 144000000u : 430000000u) + 12500u * static_cast<unsigned>(i);
      record.mode = i % 2 == 0 ? ChannelMode::kDv : ChannelMode::kFm;
      record.duplex = static_cast<std::uint8_t>(i % 3);
      record.offset = 600000;
      record.toneMode = static_cast<std::uint8_t>(i % 12);
      record.name = MakeFixedText<16>("Channel " + std::to_string(i));
      record.yourCall = MakeFixedText<8>("CQCQCQ");
      record.rpt1 = MakeFixedText<8>("JR1VB  A");
      record.bank = static_cast<std::uint8_t>(i % 26);
      record.bankChannel = static_cast<std::uint8_t>(i);
      record.Commit();
    }
  }
};
