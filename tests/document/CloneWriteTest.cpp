// Clone Write of the window's clone commands without a window: the chain of sessions against
// the simulated radio on the in-memory cable, on the manual clock, its questions answered
// from a script.
#include <gtest/gtest.h>

#include <vector>

#include "DocumentTestSupport.h"
#include "clone/CloneCheckCodes.h"
#include "clone/CloneErrorText.h"
#include "clone/dst_CDrv_Result.h"
#include "memory/FixedText.h"
#include "memory/ImageCorrection.h"
#include "memory/ListPacking.h"
#include "memory/RepeaterList.h"
#include "memory/datCh.h"
#include "workflows/DestinationChange.h"

namespace {

using Kind = RadioSimSession::Kind;

// Two DV repeaters behind one gateway. The radio keeps a shared gateway once, so the image
// the radio must receive differs from the document.
void AddTwoRepeatersBehindOneGateway(cmcEeprom& image) {
  const char* const calls[] = {"JR1YAA A", "JR1YBB A"};
  SetGroupCount(image, 0, 2);
  for (int position = 0; position < 2; ++position) {
    datCh entry(image);
    entry.Load(RecordKind::kNewRepeater, position);
    entry.callSign = MakeFixedText<8>(calls[position]);
    entry.gateway = MakeFixedText<8>("JR1YAA G");
    entry.frequency = 439010000 + 10000 * static_cast<std::uint32_t>(position);
    entry.duplex = 2;
    entry.Store(RecordKind::kRepeater, position);
  }
}

// A channel the record checks of destination 0 reject: AM outside the air band.
void PlantAmChannel(cmcEeprom& image, int index) {
  constexpr std::uint8_t kAm = 3;
  datCh channel(image);
  channel.Load(RecordKind::kChannel, index);
  channel.SetUsed(true);
  channel.frequency = 145000000;
  channel.mode = kAm;
  channel.Store(RecordKind::kChannel, index);
}

class CloneWriteTest : public RadioLine {
 protected:
  CloneWriteTest() {
    PutComment(document.CurrentImage(), "WRITTEN BY TESTS");
    AddTwoRepeatersBehindOneGateway(document.CurrentImage());
  }

  // Starts Clone Write and moves the clock on until its chain of sessions has ended.
  void WriteToTheRadio(CloneCommands::WriteConsent consent = CloneCommands::WriteConsent::AskedBetweenSessions) {
    clone.CloneWrite(consent);
    ASSERT_TRUE(clone.IsBusy());
    ASSERT_TRUE(RunWhile([this] { return clone.IsBusy(); })) << "the chain did not end";
  }

  // The document as the radio holds it: list indexes packed.
  cmcEeprom PackedDocument() const {
    cmcEeprom packed = document.CurrentImage();
    PackImage(packed);
    return packed;
  }
};

TEST_F(CloneWriteTest, TheRadioReceivesThePackedDocumentAfterTheConfirmation) {
  Serve();
  ASSERT_NE(RadioBytes(radio->Image()), RadioBytes(PackedDocument()));
  ASSERT_NE(RadioBytes(document.CurrentImage()), RadioBytes(PackedDocument()));
  messages.answers = {kAnswerOk, kAnswerOk};

  WriteToTheRadio();

  ASSERT_EQ(messages.asked.size(), 2u);
  EXPECT_EQ(messages.asked[0].text, Text("GI_Mess_Confirm_CloneWrite"));
  EXPECT_EQ(messages.asked[0].buttons, MessageButtons::OkCancel);
  EXPECT_EQ(messages.asked[1].text, Text("GI_Mess_CloneWrite_Succeeded"));
  EXPECT_EQ(radioSessions, (std::vector{Kind::Info, Kind::Info, Kind::Info, Kind::Info, Kind::Write}));
  EXPECT_EQ(RadioBytes(radio->Image()), RadioBytes(PackedDocument()));
  EXPECT_EQ(window.calls.warningChecks, 1);
  EXPECT_TRUE(cloneMessages.str().empty()) << cloneMessages.str();
}

TEST_F(CloneWriteTest, ARefusedWriteShowsTheCloneErrorAndChangesNothing) {
  Serve();
  radio->SetFault(RadioFault::RefusedWrite);
  document.SetFileName(folder.Path("named.qmf"));
  document.MarkSaved();
  const cmcEeprom before = document.CurrentImage();
  messages.answers = {kAnswerOk};

  WriteToTheRadio();

  EXPECT_EQ(cloneMessages.str(), CloneErrorText(texts, CloneResult::kWriteRefused, {kCablePort, ""}, {}) + "\n");
  ASSERT_EQ(messages.asked.size(), 1u) << "no success message";
  EXPECT_EQ(messages.asked[0].text, Text("GI_Mess_Confirm_CloneWrite"));
  EXPECT_EQ(radioSessions.back(), Kind::Write);
  EXPECT_TRUE(document.CurrentImage().IsEqual(before));
  EXPECT_EQ(document.FileName(), folder.Path("named.qmf"));
  EXPECT_FALSE(document.IsModified());
  EXPECT_EQ(RadioBytes(radio->Image()), RadioBytes(radioMemory));
}

// The command line's write, checked and confirmed before the first session: the chain starts
// at the preparation and sends the document as it was checked, where the window's write
// corrects what the destination's checks reject.
TEST_F(CloneWriteTest, AWriteConsentedBeforeStartsAtThePreparationAndSendsTheDocumentAsChecked) {
  Serve();
  PlantAmChannel(document.CurrentImage(), 7);

  WriteToTheRadio(CloneCommands::WriteConsent::GivenBefore);

  EXPECT_EQ(radioSessions, (std::vector{Kind::Info, Kind::Info, Kind::Write}));
  ASSERT_EQ(messages.asked.size(), 1u);
  EXPECT_EQ(messages.asked[0].text, Text("GI_Mess_CloneWrite_Succeeded"));
  EXPECT_EQ(window.calls.warningChecks, 0);
  EXPECT_EQ(RadioBytes(radio->Image()), RadioBytes(PackedDocument()));
  cmcEeprom corrected = document.CurrentImage();
  CorrectImage(corrected, document.DefaultsImage());
  PackImage(corrected);
  EXPECT_NE(RadioBytes(radio->Image()), RadioBytes(corrected)) << "the channel was corrected";
}

// Without a first session that may take the radio's destination, a radio of another
// destination ends the chain at once with its message; nothing is asked or written.
TEST_F(CloneWriteTest, AWriteConsentedBeforeRefusesARadioOfAnotherDestination) {
  Serve();
  ChangeDestination(document, settings.environ, 1);

  WriteToTheRadio(CloneCommands::WriteConsent::GivenBefore);

  EXPECT_EQ(radioSessions, (std::vector{Kind::Info}));
  EXPECT_EQ(cloneMessages.str(), CloneErrorText(texts, CloneResult::kVersionMismatch, {kCablePort, ""}, {}) + "\n");
  EXPECT_TRUE(messages.asked.empty());
  EXPECT_EQ(settings.environ.settings.destinationCode, 1);
  EXPECT_EQ(RadioBytes(radio->Image()), RadioBytes(radioMemory));
}

}  // namespace
