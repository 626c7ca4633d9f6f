// The main controller's recovery copies: keeping this window's copy while the document has
// unsaved changes, and offering at start the copies other windows left.
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <optional>

#include "base/cmcEvMan.h"
#include "base/indEnviron.h"
#include "files/DocumentOpen.h"
#include "files/RecoveryStore.h"
#include "memory/GenerationConversion.h"
#include "memory/LoadedImage.h"
#include "platform/MessageBox.h"
#include "platform/Timing.h"
#include "sheet/cells/DocumentDifferences.h"
#include "sheet/cells/StandaloneCellDocument.h"
#include "text/Codepage.h"
#include "text/DisplayCodePage.h"
#include "text/cmcGTex.h"
#include "ui/ApplicationWindow.h"
#include "ui/RecoveryDialog.h"
#include "ui/cuiMain.h"
#include "workflows/DocumentCommands.h"
#include "workflows/DocumentRecovery.h"

namespace {

// A copy the dialog offers.
struct OfferedCopy {
  std::string path;
  RecoveryCopy copy;
  RecoveryDialog::Row row;
};

// A clone file's content as a document holds it, under the destination in force; none when
// the file cannot be read.
std::optional<cmcEeprom> OpenedImage(const DocumentOpenResult& opened, cmcEeprom& defaults) {
  if (opened.code != FileError::kNone) return std::nullopt;
  cmcEeprom image = opened.image;
  PrepareLoadedImage(image, defaults);
  return image;
}

}  // namespace

void cuiMain::NoteDocumentChange() { recovery_->NoteChange(NowMs()); }

void cuiMain::KeepRecoveryCopy() {
  const DocumentRecovery::Outcome outcome = recovery_->Poll(NowMs(), services_.environ.settings.destinationCode);
  if (outcome != DocumentRecovery::Outcome::kFailed || window_ == nullptr) return;
  // A failed copy must not interrupt typing: the status bar says so, and the next pause tries again.
  window_->SetStatusText(QStringLiteral("Warning: the recovery copy could not be written to ") +
                         QString::fromStdString(recoveryStore_->Folder()));
}

void cuiMain::OfferRecovery() {
  if (!TakesInput()) return;
  cmcEeprom& defaults = document_.DefaultsImage();
  const int destination = services_.environ.settings.destinationCode;
  const GenerationConverter convert = [&defaults](cmcEeprom& target, const cmcEeprom& source, int to, int from) {
    ConvertGeneration(target, source, to, from, defaults);
  };
  std::vector<OfferedCopy> offered;
  std::string damaged;
  for (RecoveryStore::LeftCopy& left : recoveryStore_->ClaimLeftCopies()) {
    std::optional<cmcEeprom> recovered;
    if (left.copy) recovered = OpenedImage(OpenDocumentBytes(left.copy->cloneFile, destination, convert, {}), defaults);
    if (!recovered) {
      const std::string aside = recoveryStore_->MoveAside(left.path);
      damaged += "\n" + left.path + (aside.empty() ? std::string(" (left in place)") : " -> " + aside);
      continue;
    }
    const RecoveryHeader& header = left.copy->header;
    // What the copy changed against the file on disk, or against a new document.
    std::optional<cmcEeprom> original = defaults;
    QString missing;
    if (!header.originalPath.empty()) {
      original = OpenedImage(OpenDocumentFile(header.originalPath, destination, convert, {}), defaults);
      if (!original) {
        missing = QStringLiteral("the file cannot be read; against a new document: ");
        original = defaults;
      }
    }
    cmcEvMan events;
    StandaloneCellDocument before(*original, defaults, services_.texts);
    StandaloneCellDocument after(*recovered, defaults, services_.texts);
    for (StandaloneCellDocument* document : {&before, &after}) {
      document->SetEvents(&events);
      document->Settings().destinationCode = destination;
    }
    const std::string summary = DifferenceSummary(DocumentDifferences(before, after));
    const QDateTime time = QDateTime::fromSecsSinceEpoch(header.savedAt);
    RecoveryDialog::Row row{
        header.originalPath.empty() ? QStringLiteral("New document") : QString::fromStdString(header.originalPath),
        QLocale::system().toString(time.toLocalTime(), QLocale::ShortFormat),
        missing + (summary.empty() ? QStringLiteral("no changes") : QString::fromStdString(summary))};
    offered.push_back({left.path, std::move(*left.copy), std::move(row)});
  }
  if (!damaged.empty()) {
    ShowMessageBox({"A recovery copy could not be read and was moved aside:" + damaged,
                    ToUtf8(services_.texts.GetLine("GI_Sys_AppTitle", 0), DisplayCodePage()), MessageButtons::Ok,
                    MessageIcon::Warning});
  }
  while (!offered.empty()) {
    std::vector<RecoveryDialog::Row> rows;
    for (const OfferedCopy& copy : offered) rows.push_back(copy.row);
    RecoveryDialog dialog(rows, window_.get());
    dialog.exec();
    const auto chosen = offered.begin() + dialog.ChosenRow();
    if (dialog.Chosen() == RecoveryDialog::Choice::kDiscard) {
      recoveryStore_->Remove(chosen->path);
      offered.erase(chosen);
      continue;
    }
    if (dialog.Chosen() == RecoveryDialog::Choice::kRecover && documents_->OpenRecoveredCopy(chosen->copy) == 0) {
      // The recovered changes are in this window's own copy before the old one goes.
      if (recovery_->WriteNow(NowMs(), services_.environ.settings.destinationCode) ==
          DocumentRecovery::Outcome::kWritten) {
        recoveryStore_->Remove(chosen->path);
        offered.erase(chosen);
      }
    }
    break;
  }
  for (const OfferedCopy& copy : offered) recoveryStore_->Release(copy.path);
}
