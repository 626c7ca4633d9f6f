#include "workflows/Document.h"

#include <filesystem>

#include "memory/DefaultImages.h"
#include "memory/LoadedImage.h"
#include "text/cmcGTex.h"

Document::Document(std::int32_t imageSize) {
  current_.SetSize(imageSize);
  savedReference_.SetSize(imageSize);
  writeImage_.SetSize(imageSize);
  defaults_.Assign(current_);
  history_.Reset(current_);
}

void Document::BuildDefaults() { BuildDefaultsImage(defaults_); }

void Document::ResetToDefaults() {
  current_.Assign(defaults_);
  ResetHistory();
}

void Document::AdoptCurrentImage() {
  PrepareLoadedImage(current_, defaults_);
  ResetHistory();
}

bool Document::CommitEdit() {
  if (!history_.Commit(current_)) return false;
  HistoryChanged();
  return true;
}

void Document::ResetHistory() {
  history_.Reset(current_);
  HistoryChanged();
}

bool Document::Undo() {
  CommitEdit();
  if (!history_.Undo(current_)) return false;
  FollowContent();
  HistoryChanged();
  return true;
}

bool Document::Redo() {
  CommitEdit();
  if (!history_.Redo(current_)) return false;
  FollowContent();
  HistoryChanged();
  return true;
}

void Document::FollowContent() {
  modified_ = markedModified_ || current_.IsDifferent(savedReference_);
  TitleChanged();
}

void Document::SetFileName(const std::string& name) {
  fileName_ = name;
  TitleChanged();
}

std::string Document::DisplayFileName(cmcGTex& texts) const {
  if (!fileName_.empty()) return fileName_;
  return (std::filesystem::path(currentFolder_) / texts.GetLine("GI_QMF_New_File_Name", 0)).string();
}

std::string Document::TitleSuffix(cmcGTex& texts) const {
  const std::string marker = generation_ < 3 ? texts.GetLine("GI_Sys_AppTitle_OldModel", 0) : std::string();
  return marker + " - " + texts.GetLine("GI_Sys_AppTitle", 0);
}

void Document::SetGeneration(int generation) {
  generation_ = generation;
  TitleChanged();
}

void Document::MarkModified() {
  markedModified_ = true;
  modified_ = true;
  TitleChanged();
}

void Document::MarkSaved() {
  savedReference_.Assign(current_);
  modified_ = false;
  markedModified_ = false;
  TitleChanged();
}

bool Document::IsModified() {
  if (!modified_ && current_.IsDifferent(savedReference_)) {
    modified_ = true;
    TitleChanged();
  }
  return modified_;
}

void Document::TitleChanged() const {
  if (titleChanged_) titleChanged_();
}

void Document::HistoryChanged() const {
  if (historyChanged_) historyChanged_();
}
