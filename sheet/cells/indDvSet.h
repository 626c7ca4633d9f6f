#pragma once
// What the Repeater Setting dialog shows and does, without the widgets: the access repeater
// and called station texts, the RPT2 choices, and a work copy of the channel whose UR, RPT1
// and RPT2 follow every change. The caller's record is never touched; Accept answers the
// record to store. One object lives for one opening of the dialog.
#include <vector>

#include "memory/DvRoute.h"
#include "memory/datCh.h"

class indDvSet {
 public:
  struct Rpt2Choice {
    int kind = Rpt2Kind::kSame;  // kSame, kNamed (text) or kGateway
    RouteText text = kBlankName;
  };

  // record must be bound to image; defaults fills a channel that was empty. The route the
  // record holds is taken over when it is a valid one, otherwise the dialog starts from
  // "CQCQCQ" without an access repeater.
  indDvSet(cmcEeprom& image, cmcEeprom& defaults, const datCh& record, bool checkTransmit = true);

  const RouteText& AccessText() const { return access_; }
  const RouteText& CalledText() const { return called_; }
  RouteClass Route() const { return route_; }
  const datCh& WorkCopy() const { return work_; }

  const std::vector<Rpt2Choice>& Rpt2Choices() const { return choices_; }
  int Rpt2Index() const { return rpt2Index_; }
  bool Rpt2Enabled() const { return Rpt2ChoiceMode(route_) != 0; }

  // The Called Station field was edited (text as typed).
  void EditCalled(std::string_view typed);
  // A choice of the picker for the access repeater or the called station.
  void PickAccess(const RouteText& text);
  void PickCalled(const RouteText& text);
  void ChooseRpt2(int index);
  // OK: the record to store. An invalid route gets blank call signs and keeps the record's
  // frequency, duplex, offset, mode and use.
  datCh Accept();

 private:
  RouteClass Classify();
  void RebuildChoices();
  void Select(int index);
  void BuildOrBlank();
  void AfterPick(bool calledButton);
  bool AnalysedRouteFits(const RouteAnalysis& analysis) const;

  cmcEeprom& image_;
  cmcEeprom& defaults_;
  const bool checkTransmit_;
  const datCh saved_;
  datCh work_;
  RouteText access_ = kBlankName;
  RouteText called_ = kBlankName;
  RouteClass route_;
  std::vector<Rpt2Choice> choices_;
  int rpt2Index_ = -1;
  int sameIndex_ = -1;
  int gatewayIndex_ = -1;
  int rpt2Kind_ = Rpt2Kind::kNone;
  RouteText rpt2Text_ = kBlankName;
};

// UR as the dialog shows and stores it: upper case, and spaces when it holds anything but
// letters, digits, "/" and spaces.
CallSignText NormalisedUr(const CallSignText& ur);
