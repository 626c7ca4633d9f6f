#pragma once
// The commands that act on the document as a whole: New, Open, Save, Save As, the recent
// files, and the question that guards unsaved changes. The main controller owns one; the
// window's File menu and its close query run through it, and the window it shows the
// document in answers through DocumentWindow.
//
// Answers follow the controller's conventions: AskSaveChanges answers kAnswerYes, kAnswerNo
// or kAnswerCancel; OpenFile, SaveDocument and SaveAsDialog answer 0 when done and 1 when
// cancelled or failed; WriteFile answers 0 done, 1 failed or cancelled, and -1 when the user
// wants to choose another file format.
#include <cstdint>
#include <optional>
#include <string>

#include "files/DocumentOpen.h"
#include "platform/MessageBox.h"

class Document;
class DocumentWindow;
struct RecoveryCopy;
struct MainServices;

class DocumentCommands {
 public:
  // All three outlive the commands.
  DocumentCommands(Document& document, DocumentWindow& window, const MainServices& services);

  std::int32_t AskSaveChanges(bool sameFile);
  void NewDocument();
  void OpenDialog();
  // The file-open dialog as Open shows it, starting in the document's folder; empty when the
  // user cancelled it.
  std::string ChooseFileToOpen();
  int OpenFile(const std::string& name);
  // Opens a recovery copy as a modified document named as its original (untitled when it
  // was a new document or the user keeps the current destination of another one); answers
  // as OpenFile.
  int OpenRecoveredCopy(const RecoveryCopy& copy);
  // The initial setup's way to a destination without a radio: the destination a clone file
  // names becomes the program's, with the file's receive-expansion flag. The file's content
  // is not taken over: an untitled, unchanged document becomes a new one of the destination.
  // A file that cannot be read or names no destination is reported and changes nothing.
  // Answers 0 when the destination was taken, 1 otherwise.
  int ReadDestinationFromFile(const std::string& path);
  int SaveDocument(bool asNew);
  int SaveAsDialog();
  int WriteFile(const std::string& name, int generation);

 private:
  struct Checked {
    bool correct = false;
    bool loadable = true;
  };

  std::int32_t Ask(const std::string& textKey, const std::string& argument, MessageButtons buttons,
                   std::int32_t defaultAnswer);
  void ShowFileError(int code);
  int ConfirmOldFormat(int generation);
  Checked CheckMarks();
  void TakeFileFolder(const std::string& name);
  void AdoptFileDestination(int destination);
  GenerationConverter Converter() const;
  std::optional<bool> TakeFileDestination(const DocumentOpenResult& opened);
  void AdoptOpened(const DocumentOpenResult& opened, int generation);
  void ShowNewContent();

  Document& document_;
  DocumentWindow& window_;
  const MainServices& services_;
};
