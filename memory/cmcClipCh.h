#pragma once
// A clipboard of decoded list entries: the records copied from one list, the kind they were
// copied from, and where they came from. The program keeps one for the user's Copy and Paste;
// the list operations use short-lived ones as scratch buffers while they move entries.
#include <vector>

#include "memory/cmcEeprom.h"
#include "memory/datCh.h"

class cmcClipCh {
 public:
  cmcClipCh() = default;
  virtual ~cmcClipCh() = default;
  cmcClipCh(const cmcClipCh&) = delete;
  cmcClipCh& operator=(const cmcClipCh&) = delete;

  // Drops the records; kind, first index and count become 0.
  virtual void Clear();
  // Clear, then the records of count entries of kind from first on.
  virtual void Copy(cmcEeprom& image, int kind, int first, int count);
  // Binds record to image and loads the entry.
  virtual void LoadOne(cmcEeprom& image, int kind, int index, datCh& record);
  // Whether the clipboard holds records that a list of this kind takes.
  virtual bool Accepts(int kind) const;
  // When the clipboard accepts kind: record i goes to index first + i, for i below both the
  // clipboard's count and count.
  virtual void PasteAll(cmcEeprom& image, int kind, int first, int count);
  // Binds record to image and stores it at the entry.
  virtual void StoreOne(cmcEeprom& image, int kind, int index, datCh& record);

  bool IsEmpty() const { return records_.empty(); }
  int Kind() const { return kind_; }
  int First() const { return first_; }
  int Count() const { return static_cast<int>(records_.size()); }
  const datCh& Record(int i) const { return records_[static_cast<std::size_t>(i)]; }
  // Lets a caller put its own records on the clipboard (a bank view copies channels with
  // their bank taken away).
  void Assign(int kind, int first, std::vector<datCh> records);

 protected:
  datCh scratch_;

 private:
  std::vector<datCh> records_;
  int kind_ = RecordKind::kNone;
  int first_ = 0;
};
