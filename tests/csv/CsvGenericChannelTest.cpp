#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "csv/CsvTestSupport.h"
#include "files/CsvFields.h"
#include "files/CsvListImports.h"
#include "memory/ChannelList.h"
#include "memory/MemoryMap.h"
#include "memory/RepeaterList.h"
#include "memory/SignalCodes.h"
#include "memory/indDestination.h"
#include "text/ApplicationTexts.h"
#include "text/LineTables.h"

namespace {

constexpr std::string_view kOlderHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,TStep,Skip,Comment,"
    "URCALL,RPT1CALL,RPT2CALL,DVCODE";
constexpr std::string_view kNewerHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,"
    "TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

const CsvList kWholeMemory{CsvListKind::kMemoryChannels, kCsvScopeAll};
const CsvList kPage1{CsvListKind::kMemoryChannels, 1};
constexpr int kJapaneseVersion = 15;  // the version whose channels may step Auto

// Records of two documents with the same fields.
bool SameFields(const datCh& a, datCh b) {
  b.Bind(*a.Image());
  return a == b;
}

// A document whose memory channels are all empty.
void EmptyMemory(CsvDocument& document) {
  ClearMemoryChannels(document.Image(), 0, MemoryMap::kMemoryChannelCount - 1);
}

// The channel a file's row became, after an import into the whole memory.
datCh ImportedChannel(CsvDocument& document, std::string_view file, int channel) {
  const CsvImportResult result = document.Import(kWholeMemory, file);
  EXPECT_EQ(result.status, CsvImportStatus::kRead);
  EXPECT_EQ(result.tally.imported, 1) << RowNotesText(result.tally, 5);
  return document.Record(RecordKind::kChannel, channel);
}

TEST(CsvGenericChannels, BothHeaderVersionsReorderedColumnsAndAByteOrderMarkReadAlike) {
  const std::string older = Lines({kOlderHeader,
                                   "7,\"Relay, north\",145.650000,-,0.600000,TSQL,88.5,123.0,023,NN,FM,12.50,S,note,"
                                   "CQCQCQ,,,"});
  const std::string newer = Lines({kNewerHeader,
                                   "7,\"Relay, north\",145.650000,-,0.600000,TSQL,88.5,123.0,023,NN,023,Tone->Tone,FM,"
                                   "12.50,S,50W,note,CQCQCQ,,,"});
  const std::string reordered =
      "\xEF\xBB\xBF" + Lines({"Mode,Frequency,Unknown,Skip,Name,Tone,cToneFreq,Location,Duplex,Offset,TStep",
                              "FM,145.65,x,S,\"Relay, north\",TSQL,123.0,7,-,0.6,12.5"},
                             "\n");
  CsvDocument reference;
  const datCh expected = ImportedChannel(reference, older, 7);
  EXPECT_EQ(expected.frequency, 145650000u);
  EXPECT_EQ(expected.duplex, kDuplexMinus);
  EXPECT_EQ(expected.offset, 600000u);
  EXPECT_EQ(expected.toneMode, 3);
  EXPECT_EQ(ToneTenthsOfHertz(expected.toneSquelchTone), 1230);
  EXPECT_EQ(expected.tuningStep, 5);
  EXPECT_EQ(expected.skip, 1);
  EXPECT_EQ(FieldText(ViewOf(expected.name)), "Relay, north");
  for (const std::string& file : {newer, reordered}) {
    CsvDocument document;
    const datCh channel = ImportedChannel(document, file, 7);
    EXPECT_TRUE(SameFields(expected, channel)) << Differences(channel, expected) << file.substr(0, 40);
  }
}

// Rows of the newer header; each case checks the channel its row became.
TEST(CsvGenericChannels, FieldsBecomeTheRadiosValues) {
  struct Case {
    const char* name;
    std::string row;  // after "3,Name,"
    std::function<void(const datCh&)> check;
    const char* note = "";  // the start of the row's note, none when empty
  } cases[] = {
      {"frequency snapped as typing does", "145.0074,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,,",
       [](const datCh& r) { EXPECT_EQ(r.frequency, 145006250u); }, "frequency moved"},
      {"plus duplex with any decimals", "433.5,+,1.6,,88.5,88.5,023,NN,023,Tone->Tone,FM,25.00,,,,,,,,",
       [](const datCh& r) {
         EXPECT_EQ(r.duplex, kDuplexPlus);
         EXPECT_EQ(r.offset, 1600000u);
         EXPECT_EQ(r.tuningStep, TuningStep::k25kHz);
       }},
      {"off is simplex with a warning", "145.5,off,0.6,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,,",
       [](const datCh& r) { EXPECT_EQ(r.duplex, kDuplexOff); }, "Duplex off"},
      {"split below becomes minus", "439.5,split,430.1,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,,",
       [](const datCh& r) {
         EXPECT_EQ(r.duplex, kDuplexMinus);
         EXPECT_EQ(r.offset, 9400000u);
       }},
      {"split above becomes plus", "145.0,split,145.6,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,,",
       [](const datCh& r) {
         EXPECT_EQ(r.duplex, kDuplexPlus);
         EXPECT_EQ(r.offset, 600000u);
       }},
      {"Tone uses rToneFreq", "145.0,,0,Tone,100.0,88.5,023,NN,023,Tone->Tone,NFM,5.00,,,,,,,,",
       [](const datCh& r) {
         EXPECT_EQ(r.toneMode, 1);
         EXPECT_EQ(ToneTenthsOfHertz(r.repeaterTone), 1000);
         EXPECT_EQ(r.mode, ChannelMode::kFmNarrow);
       }},
      {"DTCS-R with its code and polarity", "145.0,,0,DTCS-R,88.5,88.5,754,RN,023,Tone->Tone,AM,5.00,P,,,,,,,",
       [](const datCh& r) {
         EXPECT_EQ(r.toneMode, 7);
         EXPECT_EQ(CsvTables::DtcsCode().Text(r.dtcsCode, {}), "754");
         EXPECT_EQ(r.dtcsPolarity, 2);
         EXPECT_EQ(r.mode, ChannelMode::kAm);
         EXPECT_EQ(r.skip, 3);
       }},
      {"Cross Tone->Tone", "145.0,,0,Cross,88.5,88.5,023,NR,023,Tone->Tone,FM,5.00,,,,,,,,",
       [](const datCh& r) {
         EXPECT_EQ(r.toneMode, 11);
         EXPECT_EQ(r.dtcsPolarity, 1);
       }},
      {"Cross DTCS->", "145.0,,0,Cross,88.5,88.5,025,RR,023,DTCS->,FM,5.00,,,,,,,,",
       [](const datCh& r) {
         EXPECT_EQ(r.toneMode, 8);
         EXPECT_EQ(CsvTables::DtcsCode().Text(r.dtcsCode, {}), "025");
         EXPECT_EQ(r.dtcsPolarity, 3);
       }},
      {"Cross Tone->DTCS takes RxDtcsCode", "145.0,,0,Cross,88.5,88.5,023,NN,131,Tone->DTCS,FM,5.00,,,,,,,,",
       [](const datCh& r) {
         EXPECT_EQ(r.toneMode, 9);
         EXPECT_EQ(CsvTables::DtcsCode().Text(r.dtcsCode, {}), "131");
       }},
      {"Cross DTCS->Tone keeps DtcsCode", "145.0,,0,Cross,88.5,110.9,131,NN,023,DTCS->Tone,FM,5.00,,,,,,,,",
       [](const datCh& r) {
         EXPECT_EQ(r.toneMode, 10);
         EXPECT_EQ(CsvTables::DtcsCode().Text(r.dtcsCode, {}), "131");
         EXPECT_EQ(ToneTenthsOfHertz(r.toneSquelchTone), 1109);
       }},
      {"DV with its route and code",
       "439.01,-,9.4,,88.5,88.5,023,NN,023,Tone->Tone,DV,5.00,,,,CQCQCQ,JR1VB  B,JR1VB  G,12",
       [](const datCh& r) {
         EXPECT_EQ(r.mode, ChannelMode::kDv);
         EXPECT_EQ(FieldText(ViewOf(r.rpt1)), "JR1VB  B");
         EXPECT_EQ(FieldText(ViewOf(r.rpt2)), "JR1VB  G");
         EXPECT_EQ(r.digitalCode, 12);
       }},
      {"FM rows take no call signs", "145.0,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,JA1ABC,JR1VB  B,,7",
       [](const datCh& r) {
         EXPECT_TRUE(IsBlank(r.rpt1));
         EXPECT_EQ(r.digitalCode, 0);
       }},
  };
  for (const Case& c : cases) {
    CsvDocument document;
    const CsvImportResult result = document.Import(kWholeMemory, Lines({kNewerHeader, "3,Name," + c.row}));
    ASSERT_EQ(result.tally.imported, 1) << c.name << ": " << RowNotesText(result.tally, 3);
    const std::string notes = RowNotesText(result.tally, 3);
    if (*c.note != '\0') {
      EXPECT_TRUE(notes.starts_with("Line 2: " + std::string(c.note))) << c.name << ": " << notes;
    } else {
      EXPECT_EQ(notes, "") << c.name;
    }
    SCOPED_TRACE(c.name);
    c.check(document.Record(RecordKind::kChannel, 3));
  }
}

// "ア" in UTF-8 (E3 82 A2) is also a valid code page 932 text; the layout is UTF-8 always.
TEST(CsvGenericChannels, NamesAreReadAsUtf8EvenWhereTheyWouldPassAsCodePage932) {
  CsvDocument document;
  const datCh channel = ImportedChannel(document, Lines({"Location,Name,Frequency", "4,\xE3\x82\xA2,145.0"}), 4);
  EXPECT_EQ(FieldText(ViewOf(channel.name)), "\x83\x41");
}

TEST(CsvGenericChannels, MissingColumnsTakeWhatANewChannelGets) {
  CsvDocument document;
  const datCh channel = ImportedChannel(document, Lines({"Location,Frequency", "12,433.5"}), 12);
  datCh expected(document.Image());
  expected.Load(RecordKind::kChannel, 12);
  FillFromBandTemplate(expected, const_cast<cmcEeprom&>(document.Defaults()), indDestination::BandNumber(433500000));
  expected.frequency = 433500000;
  expected.SetUsed(true);
  expected.name = channel.name;
  EXPECT_TRUE(channel == expected) << Differences(channel, expected);
  EXPECT_TRUE(IsBlank(channel.name));
}

TEST(CsvGenericChannels, RowsTheRadioCannotHoldAreRefusedWithLineAndReason) {
  CsvDocument document;
  const std::string file = Lines({
      kNewerHeader,
      "0,Good,145.0,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,",
      "500,Far,145.0,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,",
      "2,Sideband,145.0,,0,,88.5,88.5,023,NN,023,Tone->Tone,USB,5.00,,,,,,,",
      "3,Wide,145.0,split,220.0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,",
      "4,Odd cross,145.0,,0,Cross,88.5,88.5,023,NN,023,DTCS->DTCS,FM,5.00,,,,,,,",
      "5,Low,50.0,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,",
      "6,Tone,145.0,,0,,87.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,",
      "7,Step,145.0,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,7.00,,,,,,,",
      "8,\"A name longer than sixteen\",145.0,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,",
  });
  const CsvImportResult result = document.Import(kWholeMemory, file);
  ASSERT_EQ(result.status, CsvImportStatus::kRead);
  EXPECT_EQ(result.tally.imported, 2);
  EXPECT_EQ(result.tally.discarded, 7);
  EXPECT_EQ(result.tally.corrected, 1);
  const std::string notes = RowNotesText(result.tally, 20);
  for (const char* expected : {
           "Line 3: Location \"500\" is not within 0-499",
           "Line 4: Mode \"USB\" is not one the radio has (FM, NFM, AM, DV)",
           "Line 5: split transmit frequency \"220.0\" is 75.000000 MHz from the receive frequency",
           "Line 6: CrossMode \"DTCS->DTCS\" is not one the radio has",
           "Line 7: Frequency \"50.0\" is not within 108-479 MHz",
           "Line 8: rToneFreq \"87.0\" is no tone the radio has",
           "Line 9: TStep \"7.00\" is no step the radio has",
           "Line 10: name \"A name longer than sixteen\" cut",
       }) {
    EXPECT_NE(notes.find(expected), std::string::npos) << expected << "\n" << notes;
  }
  EXPECT_EQ(ImportMessageKeys(result), (std::vector<std::string>{"GI_Mess_Import_Discard", "GI_Mess_Import_Correct"}));
  EXPECT_TRUE(document.Record(RecordKind::kChannel, 0).IsUsed());
  EXPECT_FALSE(document.Record(RecordKind::kChannel, 2).IsUsed());
  EXPECT_EQ(FieldText(ViewOf(document.Record(RecordKind::kChannel, 8).name)), "A name longer th");
}

TEST(CsvGenericChannels, APageTakesItsOwnLocationsAndTheWholeMemoryIsReplacedWhole) {
  CsvDocument document;
  datCh record(document.Image());
  for (int channel : {5, 150, 420}) {
    record.Load(RecordKind::kChannel, channel);
    record.SetUsed(true);
    record.frequency = 146000000;
    record.Store(RecordKind::kChannel, channel);
  }
  const std::string file = Lines({"Location,Frequency", "120,145.1", "5,145.2"});
  const CsvImportResult page = document.Import(kPage1, file);
  EXPECT_EQ(page.tally.imported, 1);
  EXPECT_NE(RowNotesText(page.tally, 5).find("Line 3: Location \"5\" is not within 100-199"), std::string::npos);
  EXPECT_FALSE(document.Record(RecordKind::kChannel, 150).IsUsed());
  EXPECT_EQ(document.Record(RecordKind::kChannel, 120).frequency, 145100000u);
  EXPECT_EQ(document.Record(RecordKind::kChannel, 5).frequency, 146000000u);

  const CsvImportResult all = document.Import(kWholeMemory, file);
  EXPECT_EQ(all.tally.imported, 2);
  EXPECT_EQ(document.Record(RecordKind::kChannel, 5).frequency, 145200000u);
  EXPECT_FALSE(document.Record(RecordKind::kChannel, 420).IsUsed());
  EXPECT_EQ(CountFreeChannels(document.Image()), MemoryMap::kMemoryChannelCount - 2);
}

TEST(CsvGenericChannels, AFileOfNeitherLayoutIsRefusedWholeNamingBoth) {
  CsvDocument document;
  cmcEeprom before;
  before.Assign(document.Image());
  for (const CsvList& list : {kWholeMemory, CsvList{CsvListKind::kRepeaters, 2}}) {
    const CsvImportResult result = document.Import(list, Lines({"Channel,Freq", "1,145.0"}), 2);
    EXPECT_EQ(result.status, CsvImportStatus::kIllegalData);
    EXPECT_NE(result.refusal.find("\"Location,Name,Frequency,...\" (generic channels)"), std::string::npos)
        << result.refusal;
    EXPECT_TRUE(document.Image().IsEqual(before));
  }
  cmcGTex& texts = ApplicationTexts();
  texts.SelectLineTable(LineTableOf(TableLanguage::English));
  const auto messages = ImportMessages(document.Import(kWholeMemory, "Channel\r\n1\r\n"), texts);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("Illegal data."), std::string::npos);
  EXPECT_NE(messages[0].find("\"CH No,Frequency,Dup,...\" (Tessel's own)"), std::string::npos) << messages[0];
}

// A channel with every field the layout carries set away from the band template's value.
void WriteVariedChannel(CsvDocument& document, int channel, int variant) {
  datCh r(document.Image());
  r.Load(RecordKind::kChannel, channel);
  const std::uint32_t frequency = 144000000 + 25000 * static_cast<std::uint32_t>(variant);
  FillFromBandTemplate(r, const_cast<cmcEeprom&>(document.Defaults()), indDestination::BandNumber(frequency));
  r.SetUsed(true);
  r.frequency = frequency;
  r.duplex = static_cast<std::uint8_t>(variant % 3);
  r.offset = 600000 + 5000 * static_cast<std::uint32_t>(variant % 50);
  const std::uint8_t modes[] = {ChannelMode::kFm, ChannelMode::kFmNarrow, ChannelMode::kAm, ChannelMode::kDv};
  r.mode = modes[variant % 4];
  const std::uint8_t tones[] = {0, 1, 3, 5, 6, 7, 8, 9, 10, 11};
  r.toneMode = tones[variant % 10];
  r.repeaterTone = static_cast<std::uint8_t>(variant % 50);
  r.toneSquelchTone = static_cast<std::uint8_t>((variant * 7) % 50);
  r.dtcsCode = static_cast<std::uint8_t>((variant * 3) % 104);
  r.dtcsPolarity = static_cast<std::uint8_t>(variant % 4);
  const std::uint8_t steps[] = {0, 1, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
  r.tuningStep = steps[variant % 12];
  const std::uint8_t skips[] = {0, 1, 3};
  r.skip = skips[variant % 3];
  const std::string_view names[] = {"Plain", "Comma, inside", "Quote \"q\"", "\xB1\xB2\xB3 kana"};
  r.name = MakeFixedText<16>(names[variant % 4]);
  if (r.mode == ChannelMode::kDv) {
    r.yourCall = MakeFixedText<8>("JA1 YOU");
    r.rpt1 = MakeFixedText<8>("JR1VB  A");
    r.rpt2 = MakeFixedText<8>("JR1VB  G");
    r.digitalCode = static_cast<std::uint8_t>(variant % 100);
  }
  r.Store(RecordKind::kChannel, channel);
}

TEST(CsvGenericChannels, ExportThenImportGivesTheSameChannels) {
  CsvDocument source;
  EmptyMemory(source);
  for (int channel = 0; channel < MemoryMap::kMemoryChannelCount; channel += 3) {
    WriteVariedChannel(source, channel, channel / 3);
  }
  source.Merge();
  std::vector<std::string> warnings;
  const std::string text =
      CsvExportText(source.Image(), source.Defaults(), kWholeMemory, kCsvScopeAll, CsvLayout::kGeneric, &warnings);
  EXPECT_EQ(warnings, std::vector<std::string>{});
  CsvDocument target;
  const CsvImportResult result = target.Import(kWholeMemory, text);
  ASSERT_EQ(result.status, CsvImportStatus::kRead);
  EXPECT_EQ(result.tally.imported, 167);
  EXPECT_EQ(result.tally.corrected + result.tally.discarded, 0) << RowNotesText(result.tally, 5);
  for (int channel = 0; channel < MemoryMap::kMemoryChannelCount; ++channel) {
    const datCh a = source.Record(RecordKind::kChannel, channel);
    const datCh b = target.Record(RecordKind::kChannel, channel);
    ASSERT_EQ(a.IsUsed(), b.IsUsed()) << channel;
    if (!a.IsUsed()) continue;
    const bool dv = a.mode == ChannelMode::kDv;
    const std::tuple carried{a.frequency, a.duplex,       a.offset, a.toneMode,   a.repeaterTone, a.toneSquelchTone,
                             a.dtcsCode,  a.dtcsPolarity, a.mode,   a.tuningStep, a.skip,         a.name};
    const std::tuple read{b.frequency, b.duplex,       b.offset, b.toneMode,   b.repeaterTone, b.toneSquelchTone,
                          b.dtcsCode,  b.dtcsPolarity, b.mode,   b.tuningStep, b.skip,         b.name};
    EXPECT_TRUE(carried == read) << "channel " << channel << ": " << Differences(a, b);
    if (dv) {
      EXPECT_TRUE(a.yourCall == b.yourCall && a.rpt1 == b.rpt1 && a.rpt2 == b.rpt2) << channel;
      EXPECT_EQ(a.digitalCode, b.digitalCode) << channel;
    }
  }
  EXPECT_EQ(CsvExportText(target.Image(), target.Defaults(), kWholeMemory, kCsvScopeAll, CsvLayout::kGeneric), text);
}

TEST(CsvGenericChannels, ExportWritesTheLayoutsOwnForms) {
  CsvDocument document;
  EmptyMemory(document);
  datCh r(document.Image());
  WriteVariedChannel(document, 42, 7);
  r.Load(RecordKind::kChannel, 42);
  r.name = MakeFixedText<16>("Say \"hi\", twice");
  r.frequency = 145612500;
  r.duplex = kDuplexMinus;
  r.offset = 600000;
  r.mode = ChannelMode::kFmNarrow;
  r.toneMode = 9;  // TONE(T)/DTCS(R)
  r.repeaterTone = 8;
  r.toneSquelchTone = 0;
  r.dtcsCode = 0;
  r.dtcsPolarity = 1;
  r.tuningStep = 1;
  r.skip = 3;
  r.Store(RecordKind::kChannel, 42);
  WriteVariedChannel(document, 43, 3);  // DV
  const std::string text =
      CsvExportText(document.Image(), document.Defaults(), kWholeMemory, kCsvScopeAll, CsvLayout::kGeneric);
  const std::vector<CsvLine> rows = SplitCsvRows(text, ',');
  ASSERT_EQ(rows.size(), 3u);  // the header and the two used channels
  EXPECT_TRUE(text.starts_with(std::string(kNewerHeader) + "\r\n")) << text.substr(0, 200);
  EXPECT_NE(text.find("\r\n42,\"Say \"\"hi\"\", twice\",145.612500,-,0.600000,Cross,88.5,67.0,023,NR,023,"
                      "Tone->DTCS,NFM,6.25,P,,,,,,\r\n"),
            std::string::npos)
      << text;
  const CsvLine& dv = rows[2];
  ASSERT_EQ(dv.fields.size(), 21u);
  EXPECT_EQ(dv.fields[12], "DV");
  EXPECT_EQ(dv.fields[17], "JA1 YOU");
  EXPECT_EQ(dv.fields[18], "JR1VB  A");
  EXPECT_EQ(dv.fields[20], "3");
}

TEST(CsvGenericChannels, ExportIsUtf8AndWarnsOfWhatItCannotCarry) {
  CsvDocument document(kJapaneseVersion);
  EmptyMemory(document);
  WriteVariedChannel(document, 10, 3);
  datCh r(document.Image());
  r.Load(RecordKind::kChannel, 10);
  r.name = MakeFixedText<16>("\xB1\xB2");  // half-width katakana in code page 932
  r.tuningStep = TuningStep::kAuto;
  r.Store(RecordKind::kChannel, 10);
  // The document's own CSV format (";" and ",") does not reach the generic layout.
  document.Image().SetByte(MemoryMap::kSettings + 155, 2);
  std::vector<std::string> warnings;
  const std::string text =
      CsvExportText(document.Image(), document.Defaults(), kWholeMemory, kCsvScopeAll, CsvLayout::kGeneric, &warnings);
  EXPECT_FALSE(text.starts_with("\xEF\xBB\xBF"));
  EXPECT_NE(text.find("\r\n10,\xEF\xBD\xB1\xEF\xBD\xB2,144.075000,"), std::string::npos) << text;
  EXPECT_NE(text.find(",5.00,"), std::string::npos) << text;
  EXPECT_EQ(warnings, std::vector<std::string>{"channel 10: step Auto has no value in this layout; written as 5.00"});
}

TEST(CsvGenericChannels, TheWholeMemoryInTesselsOwnLayout) {
  CsvDocument source;
  WriteVariedChannel(source, 0, 1);
  WriteVariedChannel(source, 499, 2);
  source.Merge();
  const std::string text = source.Export(kWholeMemory, 0);
  const std::vector<CsvLine> rows = SplitCsvRows(text, ',');
  ASSERT_EQ(rows.size(), 501u);
  EXPECT_EQ(rows[500].fields[0], "499");
  EXPECT_EQ(rows[1].fields[0], "000");
  CsvDocument target;
  const CsvImportResult result = target.Import(kWholeMemory, text, 0);
  EXPECT_EQ(result.tally.imported, 500);
  ExpectSameRecords(source.Image(), target.Image(), RecordKind::kChannel, 0, 499);
}

// Generic rows into repeater group 4 (label 5).
TEST(CsvGenericChannels, ARepeaterGroupTakesDvAndFmRepeaters) {
  CsvDocument document;
  const CsvList group{CsvListKind::kRepeaters, 4};
  const std::string file = Lines({
      kNewerHeader,
      "1,Hilltop DV,439.010000,-,9.400000,,88.5,88.5,023,NN,023,Tone->Tone,DV,5.00,,,,CQCQCQ,JR1VB  B,JR1VB  G,0",
      "2,Town FM,145.650000,-,0.600000,TSQL,88.5,103.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,",
      "3,Simplex,145.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,",
      "4,No RPT1,439.010000,-,9.400000,,88.5,88.5,023,NN,023,Tone->Tone,DV,5.00,,,,CQCQCQ,,,0",
      "5,Air,118.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,5.00,,,,,,,",
      "6,Coded,145.650000,-,0.600000,DTCS,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,",
  });
  const CsvImportResult result = document.Import(group, file, 4);
  ASSERT_EQ(result.status, CsvImportStatus::kRead);
  EXPECT_EQ(result.tally.imported, 2);
  EXPECT_EQ(ImportMessageKeys(result), std::vector<std::string>{"GI_Mess_ImportGps_Discard"});
  const std::string notes = RowNotesText(result.tally, 10);
  for (const char* expected :
       {"Line 4: an FM row without a duplex is no repeater", "Line 5: a DV row without RPT1CALL is no repeater",
        "Line 6: Mode \"AM\"", "Line 7: Tone \"DTCS\""}) {
    EXPECT_NE(notes.find(expected), std::string::npos) << expected << "\n" << notes;
  }
  ASSERT_EQ(GroupCount(document.Image(), 4), 2);
  const datCh dv = document.Record(RecordKind::kRepeater, GroupStart(document.Image(), 4));
  EXPECT_EQ(dv.RepeaterEntryType(), RepeaterType::kDvRepeater);
  EXPECT_EQ(FieldText(ViewOf(dv.callSign)), "JR1VB  B");
  EXPECT_EQ(FieldText(ViewOf(dv.gateway)), "JR1VB  G");
  EXPECT_EQ(FieldText(ViewOf(dv.name)), "Hilltop DV");
  EXPECT_EQ(dv.frequency, 439010000u);
  EXPECT_EQ(dv.duplex, kDuplexMinus);
  EXPECT_EQ(dv.offset, 9400000u);
  const datCh fm = document.Record(RecordKind::kRepeater, GroupStart(document.Image(), 4) + 1);
  EXPECT_EQ(fm.RepeaterEntryType(), RepeaterType::kFmRepeater);
  EXPECT_EQ(fm.toneMode, 2);
  EXPECT_EQ(ToneTenthsOfHertz(fm.repeaterTone), 1035);
  EXPECT_EQ(fm.offset, 600000u);

  // The whole list takes no generic file: its rows name no group.
  const CsvImportResult all = document.Import({CsvListKind::kRepeaters, kCsvScopeAll}, file, kCsvScopeAll);
  EXPECT_EQ(all.status, CsvImportStatus::kIllegalData);
  EXPECT_NE(all.refusal.find("one repeater group"), std::string::npos);
}

TEST(CsvGenericChannels, TheRepeaterListKeepsItsLimitAndTheRpt1Use) {
  CsvDocument document;
  const CsvList group{CsvListKind::kRepeaters, 0};
  const std::string dvRow =
      ",Relay,439.010000,-,9.400000,,88.5,88.5,023,NN,023,Tone->Tone,DV,5.00,,,,CQCQCQ,JR1VB  B,,0";
  ASSERT_EQ(document.Import(group, Lines({kNewerHeader, "1" + dvRow}), 0).tally.imported, 1);
  datCh entry = document.Record(RecordKind::kRepeater, 0);
  const std::uint8_t changedUse = entry.rpt1Use == 0 ? 1 : 0;
  entry.rpt1Use = changedUse;
  entry.Store(RecordKind::kRepeater, 0);
  for (const bool keep : {true, false}) {
    CsvDocument copy;
    copy.Image().Assign(document.Image());
    copy.Import(group, Lines({kNewerHeader, "1" + dvRow}), 0, keep);
    EXPECT_EQ(copy.Record(RecordKind::kRepeater, 0).rpt1Use == changedUse, keep) << keep;
  }

  std::string file = std::string(kNewerHeader) + "\r\n";
  for (int row = 0; row <= MemoryMap::kRepeaterCount; ++row) file += "1" + dvRow + "\r\n";
  const CsvImportResult full = document.Import(group, file, 0);
  EXPECT_EQ(full.tally.imported, MemoryMap::kRepeaterCount);
  EXPECT_TRUE(full.tally.noSpace);
  EXPECT_EQ(ImportMessageKeys(full), std::vector<std::string>{"GI_Mess_ImportGps_NoChSpace"});
}

}  // namespace
