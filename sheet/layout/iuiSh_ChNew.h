#pragma once
// Pages whose length follows the data: the your-call-sign list, the repeater groups, the
// broadcast radio lists and the GPS groups. The argument is the tree node number and a list
// word with the list number ("RptCH  3", "RadioCH 5", "GpsMemory  0", "UrCH"); the model
// reads where the list starts and how many entries it holds, and keeps the count as rows are
// added and removed. Nothing is cut from these pages.
#include "memory/MemoryMap.h"
#include "sheet/layout/iuiSh_ColCut.h"

class iuiSh_ChNew : public iuiSh_ColCut {
 public:
  void SetArgument(std::string_view argument) override;
  SheetList* List() override { return &list_; }
  std::string Title(const std::string& styleTitle) const override;
  // The title, then the remaining free entries.
  std::string StatusText(const std::string& styleTitle) const override;
  // Printable when the list holds an entry.
  bool IsPrintable(const SheetStyle& style) const override;

  // The entries a list of this kind takes at most.
  int Capacity() const { return capacity_; }

 protected:
  iuiSh_ChNew(CellDocument& document, int capacity) : document_(document), capacity_(capacity) {}

  CellDocument& Document() const { return document_; }
  int ListNumber() const { return list_.number; }
  // Where list number `number` starts and how many entries it holds in the document.
  virtual SheetList ReadList(int number) const = 0;
  // The label of the list ("Your Call Sign", " 04: name", ...).
  virtual std::string Label() const = 0;
  // What follows the label: the remaining-entries text(s).
  virtual std::string Remaining() const = 0;
  std::string Text(const char* key, int line = 0) const;

 private:
  CellDocument& document_;
  int capacity_;
  SheetList list_;
};

class iuiSh_ChNew_Ur final : public iuiSh_ChNew {
 public:
  explicit iuiSh_ChNew_Ur(CellDocument& document) : iuiSh_ChNew(document, MemoryMap::kYourCallCount) {}

 private:
  SheetList ReadList(int number) const override;
  std::string Label() const override;
  std::string Remaining() const override;
};

class iuiSh_ChNew_Rpt final : public iuiSh_ChNew {
 public:
  explicit iuiSh_ChNew_Rpt(CellDocument& document) : iuiSh_ChNew(document, MemoryMap::kRepeaterCount) {}

 private:
  SheetList ReadList(int number) const override;
  std::string Label() const override;
  std::string Remaining() const override;
};

// List number n: the FM list (n even) or AM list (n odd) of broadcast bank n / 2 (the
// broadcast list's numbering).
class iuiSh_ChNew_Radio final : public iuiSh_ChNew {
 public:
  explicit iuiSh_ChNew_Radio(CellDocument& document) : iuiSh_ChNew(document, MemoryMap::kBroadcastGroupSlots) {}

 private:
  SheetList ReadList(int number) const override;
  std::string Label() const override;
  std::string Remaining() const override;
};

// List number 0 is the memories of no group, 1-26 groups A-Z.
class iuiSh_ChNew_GpsMemory final : public iuiSh_ChNew {
 public:
  explicit iuiSh_ChNew_GpsMemory(CellDocument& document) : iuiSh_ChNew(document, MemoryMap::kGpsMemoryCount) {}

 private:
  SheetList ReadList(int number) const override;
  std::string Label() const override;
  std::string Remaining() const override;
  std::string AlarmText() const;
};
