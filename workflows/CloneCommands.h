#pragma once
// The controller's clone commands: Clone Read, Clone Write and Clone Information, each a
// chain of clone sessions in which every session starts from the end of the one before, and
// the taking over of what the radio reported (event EV_ApplyRadioInfo), with the question
// that guards a change of destination. Owned by the window's Clone menu; it works on the
// document, asks the window through DocumentWindow, and owns the session manager, which talks
// through the serial device and shows its progress through the session display it is given.
//
// A failed session has shown its message by the time its chain hears of it; the chain then
// ends. A failed read brings back the destination and the radio option flags that were in
// force when the command began. The document changes only through a read, the fixed defaults
// a write merges into it and an accepted change of destination. The information block of the
// last information session that passed its check is kept by the controller.
#include <cstdint>
#include <memory>
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

  void CloneRead();
  void CloneWrite();
  // What event EV_StartCloneInfo starts.
  void CloneInformation();

  bool IsBusy() const { return manager_->IsBusy(); }

  // Every image a read receives or a write sends is kept under dataFolder (see
  // RadioBackups); "" keeps none. A backup that cannot be kept is a warning after the
  // session, never a failure of the clone.
  void SetBackupFolder(std::string dataFolder) { backupFolder_ = std::move(dataFolder); }
  const std::string& BackupFolder() const { return backupFolder_; }
  // The backup folder name of the radio the last information session reported.
  std::string RadioBackupName() const;

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
  void KeepBackup(const cmcEeprom& image, BackupDirection direction);
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
  std::int32_t rememberedDestination_ = 15;
  bool rememberedFccInhibit_ = false;
  bool rememberedReceiveExpansion_ = false;
};
