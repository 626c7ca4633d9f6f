// The Repeater Setting dialog and the call-sign picker opened as a user opens them: Enter on a
// DV call-sign cell of the memory channel page, and the pop-up menu's Select entry.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "PageWindowFixture.h"
#include "memory/datCh.h"
#include "support/DvRouteImage.h"
#include "ui/CallSignPickerDialog.h"
#include "ui/RepeaterSettingDialog.h"

namespace {

constexpr const char* kMemory0 = "[St_ColCut]GI_Sheet_MemoryCH,0,0";
// Rows of the access picker's first list: "not used", "Repeater List", then the groups.
constexpr int kAccessAllRepeaters = 1;
// Rows of the called-station and UR pickers' first list: "CQCQCQ", "Your Call Sign", ...
constexpr int kYourCallSigns = 1;

std::string Call(const datCh& record, const CallSignText datCh::*field) { return dv_route::Text(record.*field); }

std::string Padded(const char* text) { return dv_route::Text(MakeFixedText<8>(text)); }

class RepeaterSettingWindowTest : public PageWindowTest {
 protected:
  void SetUp() override {
    PageWindowTest::SetUp();
    dv_route::FillLists(Image());
    datCh record = Channel(0);
    record.mode = ChannelMode::kDv;
    record.yourCall = kCallEveryone;
    record.rpt1 = kBlankCallSign;
    record.rpt2 = kBlankCallSign;
    record.Commit();
    OpenNode(kMemory0);
  }

  // Chooses a row of the picker's first list and of its second list, as the arrow keys would.
  static void ChooseInPicker(CallSignPickerDialog& picker, int source, const QString& entry) {
    picker.SourceList().setCurrentRow(source);
    const auto found = picker.EntryList().findItems(entry, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << entry.toStdString();
    picker.EntryList().setCurrentItem(found.front());
  }
};

TEST_F(RepeaterSettingWindowTest, EnterOnTheUrCellRoutesTheChannelThroughTheRepeaterList) {
  bool shown = false;
  WhenShown<RepeaterSettingDialog>([&](RepeaterSettingDialog& dialog) {
    shown = true;
    EXPECT_EQ(dialog.CalledField().text(), QStringLiteral("CQCQCQ"));
    WhenShown<CallSignPickerDialog>([](CallSignPickerDialog& picker) {
      EXPECT_EQ(picker.windowTitle(), QStringLiteral("Access Repeater Select"));
      ChooseInPicker(picker, kAccessAllRepeaters, QStringLiteral("Alpha A"));
      desktop::KeyIn(picker.EntryList(), Qt::Key_Return, QStringLiteral("\r"));
    });
    desktop::ClickOn(dialog.AccessButton());
    EXPECT_EQ(dialog.AccessField().text(), QStringLiteral("Alpha A"));
    desktop::ReplaceText(dialog.CalledField(), QStringLiteral("Bravo A"));
    EXPECT_EQ(dialog.CallSignField(0).text(), QStringLiteral("/JP1YBBA"));
    EXPECT_EQ(dialog.CallSignField(1).text(), QStringLiteral("JP1YAA A"));
    EXPECT_EQ(dialog.CallSignField(2).text(), QStringLiteral("JP1YAA G"));
    EXPECT_FALSE(dialog.Rpt2Button().isEnabled());
    desktop::KeyIn(dialog.CalledField(), Qt::Key_Return, QStringLiteral("\r"));
  });
  Focus(FirstDataRow(), CL_Mch_DYou_Callsign);
  desktop::Key(Qt::Key_Return);
  ASSERT_TRUE(shown);
  const datCh stored = Channel(0);
  EXPECT_EQ(Call(stored, &datCh::yourCall), Padded("/JP1YBBA"));
  EXPECT_EQ(Call(stored, &datCh::rpt1), Padded("JP1YAA A"));
  EXPECT_EQ(Call(stored, &datCh::rpt2), Padded("JP1YAA G"));
  EXPECT_EQ(stored.frequency, 439010000u);
  EXPECT_EQ(stored.duplex, 1);
  EXPECT_EQ(Shown(CL_Mch_DYou_Callsign, FirstDataRow()), "/JP1YBBA");
  EXPECT_EQ(Shown(CL_Mch_DRpt2_Callsign, FirstDataRow()), "JP1YAA G");
}

TEST_F(RepeaterSettingWindowTest, StationViaGatewayOffersTheZoneInRepeaterSelect) {
  WhenShown<RepeaterSettingDialog>([&](RepeaterSettingDialog& dialog) {
    WhenShown<CallSignPickerDialog>([](CallSignPickerDialog& picker) {
      ChooseInPicker(picker, kAccessAllRepeaters, QStringLiteral("Alpha A"));
      desktop::ClickOn(picker.OkButton());
    });
    desktop::ClickOn(dialog.AccessButton());
    WhenShown<CallSignPickerDialog>([](CallSignPickerDialog& picker) {
      EXPECT_EQ(picker.windowTitle(), QStringLiteral("Called Station Select"));
      ChooseInPicker(picker, kYourCallSigns, QStringLiteral("Friend"));
      desktop::ClickOn(picker.OkButton());
    });
    desktop::ClickOn(dialog.CalledButton());
    EXPECT_EQ(dialog.Rpt2ChoiceField().text(), QStringLiteral("Gateway"));
    EXPECT_EQ(dialog.CallSignField(2).text(), QStringLiteral("JP1YAA G"));
    WhenShown<QDialog>([](QDialog& list) {
      auto* choices = list.findChild<QListWidget*>();
      ASSERT_NE(choices, nullptr);
      ASSERT_EQ(choices->count(), 4);  // Same Repeater, Alpha A, Alpha B, Gateway
      EXPECT_EQ(choices->item(0)->text(), QStringLiteral("Same Repeater"));
      choices->setCurrentRow(2);
      list.accept();
    });
    desktop::ClickOn(dialog.Rpt2Button());
    EXPECT_EQ(dialog.Rpt2ChoiceField().text(), QStringLiteral("Alpha B"));
    dialog.accept();
  });
  Focus(FirstDataRow(), CL_Mch_DRpt1_Callsign);
  desktop::Key(Qt::Key_Return);
  const datCh stored = Channel(0);
  EXPECT_EQ(Call(stored, &datCh::yourCall), Padded("JA1XYZ"));
  EXPECT_EQ(Call(stored, &datCh::rpt2), Padded("JP1YAA B"));
}

TEST_F(RepeaterSettingWindowTest, EscapeLeavesTheDocumentAsItWas) {
  const cmcEeprom before = Image();
  const bool modified = Main().Doc().IsModified();
  bool shown = false;
  WhenShown<RepeaterSettingDialog>([&](RepeaterSettingDialog& dialog) {
    shown = true;
    desktop::ReplaceText(dialog.CalledField(), QStringLiteral("W1AW"));
    desktop::KeyIn(dialog.CalledField(), Qt::Key_Escape);
  });
  Focus(FirstDataRow(), CL_Mch_DRpt2_Callsign);
  desktop::Key(Qt::Key_Return);
  ASSERT_TRUE(shown);
  EXPECT_TRUE(std::ranges::equal(Image().Bytes(), before.Bytes()));
  EXPECT_EQ(Main().Doc().IsModified(), modified);
}

TEST_F(RepeaterSettingWindowTest, InvalidRouteBlanksTheCallSignsOnOk) {
  WhenShown<RepeaterSettingDialog>([&](RepeaterSettingDialog& dialog) {
    // Only usable repeaters are offered as access; a typed repeater call sign is no station.
    WhenShown<CallSignPickerDialog>([](CallSignPickerDialog& picker) {
      picker.SourceList().setCurrentRow(kAccessAllRepeaters);
      EXPECT_TRUE(picker.EntryList().findItems(QStringLiteral("Simplex"), Qt::MatchExactly).isEmpty());
      picker.reject();
    });
    desktop::ClickOn(dialog.AccessButton());
    desktop::ReplaceText(dialog.CalledField(), QStringLiteral("Alpha A"));  // a repeater without an access
    EXPECT_EQ(dialog.CallSignField(0).text().trimmed(), QString());
    dialog.accept();
  });
  const std::uint32_t frequency = Channel(0).frequency;
  Focus(FirstDataRow(), CL_Mch_DYou_Callsign);
  desktop::Key(Qt::Key_Return);
  const datCh stored = Channel(0);
  EXPECT_TRUE(IsBlank(stored.yourCall));
  EXPECT_TRUE(IsBlank(stored.rpt1));
  EXPECT_EQ(stored.frequency, frequency);
}

TEST_F(RepeaterSettingWindowTest, SelectFromThePopupMenuPicksACallSign) {
  WhenShown<CallSignPickerDialog>([](CallSignPickerDialog& picker) {
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Call Sign Setting"));
    EXPECT_EQ(picker.DetailBox(), nullptr);
    EXPECT_TRUE(picker.CallSignList().isVisible());
    ChooseInPicker(picker, kYourCallSigns, QStringLiteral("Friend"));
    EXPECT_EQ(picker.CallSignList().currentItem()->text(), QStringLiteral("JA1XYZ  "));
    picker.accept();
  });
  Focus(FirstDataRow(), CL_Mch_DYou_Callsign);
  ChooseFromMenu(QStringLiteral("Select"));
  EXPECT_EQ(Call(Channel(0), &datCh::yourCall), Padded("JA1XYZ"));

  WhenShown<CallSignPickerDialog>([](CallSignPickerDialog& picker) {
    picker.SourceList().setCurrentRow(0);  // "not used"
    EXPECT_FALSE(picker.EntryList().isEnabled());
    EXPECT_TRUE(picker.OkButton().isEnabled());
    picker.accept();
  });
  Focus(FirstDataRow(), CL_Mch_DRpt1_Callsign);
  ChooseFromMenu(QStringLiteral("Select"));
  EXPECT_TRUE(IsBlank(Channel(0).rpt1));
}

TEST_F(RepeaterSettingWindowTest, RepeaterListWithoutDvEntriesOffersNothing) {
  for (int group = 0; group < MemoryMap::kRepeaterGroupCount; ++group) SetGroupCount(Image(), group, 0);
  dv_route::StoreRepeater(Image(), 0, {"FM Only", "JP1YFF A", "", 439600000, 1, 5000000, 1});
  SetGroupCount(Image(), 0, 1);
  const cmcEeprom before = Image();
  WhenShown<CallSignPickerDialog>([](CallSignPickerDialog& picker) {
    picker.SourceList().setCurrentRow(1);  // "Repeater List"
    EXPECT_FALSE(picker.EntryList().isEnabled());
    EXPECT_EQ(picker.EntryList().item(0)->text(), QStringLiteral("---"));
    EXPECT_FALSE(picker.OkButton().isEnabled());
    desktop::KeyIn(picker.SourceList(), Qt::Key_Escape);
  });
  Focus(FirstDataRow(), CL_Mch_DRpt1_Callsign);
  ChooseFromMenu(QStringLiteral("Select"));
  EXPECT_TRUE(std::ranges::equal(Image().Bytes(), before.Bytes()));
}

TEST_F(RepeaterSettingWindowTest, DetailBoxShowsTheCallSignsAndIsRemembered) {
  ASSERT_EQ(run_->Process().Environ().settings.callSignDetail, 0);
  WhenShown<RepeaterSettingDialog>([&](RepeaterSettingDialog& dialog) {
    WhenShown<CallSignPickerDialog>([](CallSignPickerDialog& picker) {
      ASSERT_NE(picker.DetailBox(), nullptr);
      EXPECT_FALSE(picker.CallSignList().isVisible());
      desktop::ClickOn(*picker.DetailBox());
      EXPECT_TRUE(picker.CallSignList().isVisible());
      picker.reject();
    });
    desktop::ClickOn(dialog.CalledButton());
    dialog.reject();
  });
  Focus(FirstDataRow(), CL_Mch_DYou_Callsign);
  desktop::Key(Qt::Key_Return);
  EXPECT_EQ(run_->Process().Environ().settings.callSignDetail, 1);
}

TEST_F(RepeaterSettingWindowTest, WithTheOptionOffEnterOpensTheEditor) {
  run_->Process().Environ().settings.repeaterDialog = 0;
  Focus(FirstDataRow(), CL_Mch_DYou_Callsign);
  desktop::Key(Qt::Key_Return);
  EXPECT_TRUE(Sheet().EditorVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
