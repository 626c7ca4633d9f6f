#pragma once
// The controller's clone commands: Clone Read, Clone Write and Clone Information, each a
// chain of clone sessions in which every session starts from the end of the one before, and
// the taking over of what the radio reported (event EV_ApplyRadioInfo), with the question
// that guards a change of destination. Owned by the window's Clone menu (and by tessel-cli's
// headless window); it works on the document, asks the window through DocumentWindow, and
// owns the session manager, which talks through the serial device and shows its progress
// through the session display it is given.
//
// A failed session has shown its message by the time its chain hears of it; the chain then
// ends. A failed read brings back the destination and the radio option flags that were in
// force when the command began. The document changes only through a read, the fixed defaults
// a write merges into it and an accepted change of destination. The information block of the
// last information session that passed its check is kept by the controller.
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

#include "clone/indCloneMan.h"
#include "files/RadioBackups.h"
#include "memory/AddressRange.h"
#include "platform/MessageBox.h"
#include "platform/PortNumbers.h"
#include "workflows/MainServices.h"

class CloneSessionUi;
class Document;
class DocumentCommands;
class DocumentWindow;
class SerialDevice;
class EventRecord;

class CloneCommands {
 public:
  // Event flags of EV_ApplyRadioInfo.
  static constexpr std::int64_t kTakeOptionFlags = 1;
  static constexpr std::int64_t kAdoptDestination = 4;
  static constexpr std::int64_t kKeepDocument = 8;

  // Everything given outlives the commands.
  CloneCommands(Document& document, DocumentCommands& documents, DocumentWindow& window, MainServices services,
                SerialDevice& device, CloneSessionUi& sessionUi);
  ~CloneCommands();
  CloneCommands(const CloneCommands&) = delete;
  CloneCommands& operator=(const CloneCommands&) = delete;

  // How a Clone Write learns that it may go ahead. The window asks between the sessions: the
  // first identifies the radio (whose destination the user may take over), the user confirms
  // after the record checks, and the image sent is corrected for the radio's options. A caller
  // that checked the document and had the write confirmed before the first session (the
  // command line, which refuses a document with findings rather than correct it) writes only
  // to a radio of the document's destination and sends the document as it was checked.
  enum class WriteConsent { AskedBetweenSessions, GivenBefore };

  void CloneRead();
  void CloneWrite(WriteConsent consent = WriteConsent::AskedBetweenSessions);
  // What event EV_StartCloneInfo starts.
  void CloneInformation();

  bool IsBusy() const { return manager_->IsBusy(); }

  // A device path the sessions use instead of the port number of the settings; "" goes back
  // to the number.
  void SetDevicePath(const std::string& path) { manager_->SetDevicePath(path); }
  // Traces the frames of every later session into the file at path (see FrameTrace); a file
  // that cannot be written is reported on errors and the sessions run untraced.
  void TraceFrames(const std::string& path, std::ostream& errors) { manager_->TraceFrames(path, errors); }

  // Every image a read receives or a write sends is kept under dataFolder (see
  // RadioBackups); "" keeps none. A backup that cannot be kept is a warning after the
  // session, never a failure of the clone.
  void SetBackupFolder(std::string dataFolder) { backupFolder_ = std::move(dataFolder); }
  const std::string& BackupFolder() const { return backupFolder_; }
  // The backup folder name of the radio the last information session reported.
  std::string RadioBackupName() const;
  // Keeps image as a backup of the radio the last information session reported, in the
  // folders under dataFolder. The window's backups are kept at the end of the session; a
  // program that finishes a command itself (the command line saves the image read first)
  // keeps its backup through this afterwards and reports a failure its own way.
  BackupOutcome KeepBackup(const std::string& dataFolder, const cmcEeprom& image, BackupDirection direction) const;

 private:
  static void CheckInfo(void* user, dst_CDrv_Result& result);
  static void CheckRead(void* user, dst_CDrv_Result& result);
  static void OnReadInfoEnd(void* user, dst_CDrv_Result& result);
  static void OnReadEnd(void* user, dst_CDrv_Result& result);
  static void OnWriteInfoEnd(void* user, dst_CDrv_Result& result);
  static void OnWriteEnd(void* user, dst_CDrv_Result& result);
  static void OnCloneInfo(void* user, dst_CDrv_Result& result);
  static void OnEvent(void* user, const EventRecord& event);

  void StartInfo(indCloneMan::Continuation continuation);
  void ReadInfoEnded(const dst_CDrv_Result& result);
  void ReadEnded(dst_CDrv_Result& result);
  void WriteInfoEnded(const dst_CDrv_Result& result);
  void PrepareWrite();
  bool ConfirmWrite();
  void WriteEnded(const dst_CDrv_Result& result);
  void CloneInfoEnded(const dst_CDrv_Result& result);
  // The backup at the end of a read or write, under the backup folder; a warning box when
  // it could not be kept.
  void KeepBackupAfterClone(const cmcEeprom& image, BackupDirection direction);
  // After the first information session of a chain: the radio's information is taken over
  // with flags; true when the destinations now agree, and the chain goes on.
  bool AdoptedAfterFirstPass(std::int64_t flags);

  void ApplyRadioInfo(std::int64_t flags);
  bool AskModelChange(bool keepDocument);
  void SetDestination(std::int32_t destination);
  void RebaseDocument();
  void RememberDestination();
  void RestoreDestination();
  void RefreshWindow();

  std::int32_t Ask(const char* key, MessageButtons buttons, MessageIcon icon, std::int32_t defaultAnswer = 0);
  std::int32_t RadioDestination() const;
  std::int32_t& Destination();

  Document& document_;
  DocumentCommands& documents_;
  DocumentWindow& window_;
  MainServices services_;
  PortNumbers ports_;
  std::string backupFolder_;
  std::unique_ptr<indCloneMan> manager_;
  const AddressRangeList readRanges_;
  const AddressRangeList writeRanges_;

  bool firstPass_ = true;
  bool writeConfirmed_ = false;
  bool writePrepared_ = false;
  bool correctWrite_ = true;
  std::int32_t rememberedDestination_ = 15;
  bool rememberedFccInhibit_ = false;
  bool rememberedReceiveExpansion_ = false;
};
