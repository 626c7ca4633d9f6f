#pragma once
// The document the program edits: the radio's memory image as generation 3, unpacked, with
// the defaults image of the current destination it is made from and compared against, the
// copy the last save or read left (to tell whether it is modified), the copy a clone write
// prepares, its file name, the generation it was read as or will be saved as, and the
// information block of the radio's last information reply, and the undo history of its edits.
// The window and the command-line program both keep their document here; who shows it hears
// of changes to its title through the title-changed hook.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "files/DocumentFile.h"
#include "memory/cmcEeprom.h"
#include "memory/datClipCh.h"
#include "workflows/EditHistory.h"

class cmcGTex;

class Document {
 public:
  // The radio model the document is for: the model word its information reply carries and
  // the radio's generation.
  struct ModelIdentity {
    std::uint16_t modelWord = static_cast<std::uint16_t>(DocumentFile::kModelCode);
    int radioGeneration = DocumentFile::kNewestGeneration;
  };

  // imageSize: the size of every image of the document (at least the full generation-3 image).
  explicit Document(std::int32_t imageSize);

  const ModelIdentity& Model() const { return model_; }

  // Called whenever the file name, the modified state or the generation changes.
  void SetTitleChangedHook(std::function<void()> hook) { titleChanged_ = std::move(hook); }
  // Called whenever what Undo and Redo can do may have changed.
  void SetHistoryChangedHook(std::function<void()> hook) { historyChanged_ = std::move(hook); }

  // --- Images ---
  cmcEeprom& CurrentImage() { return current_; }
  const cmcEeprom& CurrentImage() const { return current_; }
  cmcEeprom& DefaultsImage() { return defaults_; }
  const cmcEeprom& DefaultsImage() const { return defaults_; }
  // The copy a clone write prepares and sends.
  cmcEeprom& WriteImage() { return writeImage_; }
  // Builds the defaults image of the destination whose band rules are in force.
  void BuildDefaults();
  // The content becomes the defaults image; the undo history starts afresh.
  void ResetToDefaults();
  // The current image, as read from a file or received from the radio, becomes the content
  // (the one load routine, PrepareLoadedImage); the undo history starts afresh, so an undo
  // never mixes two documents.
  void AdoptCurrentImage();

  // --- Undo history ---
  // Whoever changes the content ends each user action here: what changed since the last
  // commit becomes one undo step. True when a step was recorded.
  bool CommitEdit();
  // The content as it is now is where the history starts (after an image replaced whole).
  void ResetHistory();
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  // Undo and Redo commit what is pending first, then step back or forward one step; the
  // modified state follows the content. False when there was nothing to undo or redo.
  bool Undo();
  bool Redo();
  const EditHistory& History() const { return history_; }

  // --- File ---
  // Empty for an untitled document.
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& name);
  // The folder files are opened from and saved to first.
  const std::string& CurrentFolder() const { return currentFolder_; }
  void SetCurrentFolder(const std::string& folder) { currentFolder_ = folder; }
  // The file name, or the new-file name of the text tables in the current folder.
  std::string DisplayFileName(cmcGTex& texts) const;
  // What the window title shows after the file's name (a native path, not in the program's
  // code page): the old-format marker for generations below 3 and the program's title, in
  // the program's code page.
  std::string TitleSuffix(cmcGTex& texts) const;
  int Generation() const { return generation_; }
  void SetGeneration(int generation);

  // --- Modified state ---
  // The document counts as modified until the next save, whatever its content (a received
  // image, a converted file).
  void MarkModified();
  // The content as it is now counts as saved.
  void MarkSaved();
  // Whether the content differs from the saved copy or was marked modified.
  bool IsModified();

  // --- The radio ---
  // The information block of the radio's last information reply that passed its check;
  // empty before the first.
  std::span<const std::uint8_t> CloneInformation() const { return cloneInformation_; }
  // The channel clipboard of Copy and Paste. It lives beside the document because the
  // commands that give the document another destination empty it: records copied under one
  // destination's band rules are not pasted under another's.
  datClipCh& Clipboard() { return clipboard_; }
  void SetCloneInformation(std::span<const std::uint8_t> block) {
    cloneInformation_.assign(block.begin(), block.end());
  }

 private:
  void TitleChanged() const;
  void FollowContent();
  void HistoryChanged() const;

  ModelIdentity model_;
  cmcEeprom current_;
  cmcEeprom defaults_;
  cmcEeprom savedReference_;
  cmcEeprom writeImage_;
  std::string fileName_;
  std::string currentFolder_;
  bool modified_ = false;
  bool markedModified_ = false;  // by MarkModified: undoing does not clear it
  int generation_ = 3;
  std::vector<std::uint8_t> cloneInformation_;
  std::function<void()> titleChanged_;
  std::function<void()> historyChanged_;
  datClipCh clipboard_;
  EditHistory history_;
};
