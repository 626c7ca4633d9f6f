// The manual of tessel-cli: its overview, every command's help and the manual page.
#include "manual/ProgramManual.h"

namespace {

constexpr std::string_view kDumpHelp =
    "tessel-cli dump FILE --list LIST [--json] [--destination D]\n"
    "\n"
    "The entries of one list of the document, opened as the window opens it (converted to\n"
    "generation 3, lists unpacked). Without --json a tab-separated table with the keys as its\n"
    "first row; with --json an array with one object per entry. Frequencies and offsets are\n"
    "in Hz, tones in Hz with one decimal (e.g. 88.5), texts lose their trailing spaces, and\n"
    "null stands for none.\n"
    "\n"
    "memory (channels 0-499), scan-edges (500-549), call (550-553): each used channel with\n"
    "  index, frequency, offset, duplex (0 OFF, 1 -DUP, 2 +DUP), tone_mode (stored code 0-11),\n"
    "  repeater_tone, tsql_tone, dtcs (three digits, e.g. \"023\"), dtcs_polarity (0-3),\n"
    "  mode (\"FM\", \"FM-N\", \"AM\", \"DV\"), tuning_step (stored code 0-14),\n"
    "  digital_squelch (0, 2, 4), digital_code (0-99), name, skip (0, 1, 3),\n"
    "  bank (0-25 or null), bank_channel (0-99 or null), your_call, rpt1, rpt2\n"
    "bank-names: every bank with index (0-25), bank (\"A\"-\"Z\"), name\n"
    "my-calls: all six with index, call_sign, note\n"
    "your-calls: each used entry with index, call_sign, name\n"
    "repeaters: each used entry with index, group (0-29), name, sub_name, call_sign, gateway,\n"
    "  frequency, offset, duplex, mode (\"DV\", \"FM\", \"FM-N\"), tone (0 OFF, 1 TONE,\n"
    "  2 TSQL), repeater_tone, rpt1_use, position (0 none, 1 approximate, 2 exact),\n"
    "  latitude and longitude (\"35 41.123 N\" or null), utc_offset (minutes or null)\n"
    "gps: each used memory with index, group, name, latitude, longitude, altitude (tenths of\n"
    "  a foot or null), date (\"2024-05-31\") and time (\"13:45:00\") as stored, in UTC; null\n"
    "  when the bytes are no real date or time of day (a memory without a stamp among them)\n"
    "broadcast: each used memory with index (100 x group + slot; AM from slot 50), band\n"
    "  (\"FM\", \"AM\"), group (0-25), frequency, name, skip (0, 1)\n"
    "dtmf: each memory holding digits with index (0-15), memory (\"d0\"-\"dD\", \"d*\", \"d#\"), code\n"
    "messages: each message that is not blank with index (0-4), text, selected (the one sent)\n"
    "scan-links: every link with index (0-9), name, pairs (its scan edge pairs 0-24)\n"
    "received-calls: each used entry with index (position 0-49), caller, caller_note, called,\n"
    "  rpt1, rpt2, message, status (the status byte), received_time (seconds since\n"
    "  2000-01-01 00:00 UTC or null), data_type, latitude, longitude, altitude, gps_message\n"
    "transmitted-calls: each used entry of the histories with history (\"from\", \"from-fm\",\n"
    "  \"to\", \"reflector\"), index, call_sign, frequency (or null), found_name (the name of\n"
    "  the repeater or your-call entry the call sign names, or null)\n"
    "repeater-groups: every group with index (0-29), name, first (list index), count\n"
    "gps-groups: every group with index (0 no group, 1-26 A-Z), name (null for 0), first\n"
    "  (list position or null), count\n"
    "settings: every item of the set-mode pages the destination shows, page by page, with\n"
    "  item (the name tessel-cli set takes, e.g. \"AutoPowerOFF\"), index (the element of the\n"
    "  per-band and per-key items, else null), page (\"Digital\", \"GPS\", \"Common\",\n"
    "  \"AB_Band\"), label (the row's caption), value (the stored number; the text of text\n"
    "  items and symbols; the shown text of positions; null where nothing is stored) and\n"
    "  text (what the page shows)\n";

constexpr std::string_view kSetHelp =
    "tessel-cli set FILE ITEM[:INDEX]=TEXT ... -o OUT [--generation G] [--no-digest]\n"
    "                [--destination D]\n"
    "\n"
    "Changes set-mode items as typing into the window's setting pages would and saves the\n"
    "document as convert does (generation 3 unless --generation is given). ITEM is a name\n"
    "that \"dump FILE --list settings\" lists (case does not matter); INDEX is the element of\n"
    "the per-band (0 A, 1 B) and per-key items. TEXT is what the page shows for the value:\n"
    "an entry of the item's list (\"30min\", \"ON\"), a number, a text; bank links take the\n"
    "letters of the linked banks (\"ACE\"), NMEA sentence items one to four names\n"
    "(\"GGA,RMC\"), positions the layout of the GPS text editor (\"035 41.12 N\"). The items are\n"
    "changed in the order given, each with the rules of its page (greying does not refuse,\n"
    "dependencies apply). A refused item is named with what it accepts; the command then\n"
    "exits 1 and writes nothing.\n";

constexpr std::string_view kCsvHelp =
    "tessel-cli export FILE --list LIST [--scope SCOPE] [--layout L] -o OUT.csv\n"
    "                  [--destination D]\n"
    "tessel-cli import FILE --list LIST IN.csv [--scope SCOPE] -o OUT.qmf [--destination D]\n"
    "                  [--generation G] [--no-digest]\n"
    "\n"
    "One list of the document as a CSV file, in the layout the window's File > Export writes\n"
    "(separator, decimal character and date order from the document's Import/Export CSV\n"
    "Format settings; code page 932; UTF-8 files with or without a byte-order mark are read\n"
    "too). import replaces what the scope covers with the file's rows and saves the document\n"
    "as OUT.qmf (generation 3 unless --generation is given); an import that stores no row\n"
    "writes nothing. Repeater imports keep the RPT1 use of entries found again.\n"
    "\n"
    "--layout generic writes memory channels in the generic channel layout of other\n"
    "programming tools and repeater directories (header \"Location,Name,Frequency,Duplex,\n"
    "Offset,Tone,...\"): UTF-8, \",\" and \".\" whatever the settings, one row per used channel,\n"
    "Location the channel number; a value the layout cannot carry is written as near as it\n"
    "can be, with a warning on standard error. --layout tessel, the default, is the window's\n"
    "own. import recognises a generic file by its header, into memory channels (Location n\n"
    "becomes channel n) or into one repeater group (DV rows with an RPT1CALL and FM rows with\n"
    "a duplex).\n"
    "\n"
    "LIST and SCOPE:\n"
    "  memory --scope group:N|all    memory channels 100N to 100N+99 (N 0-4), or all 500\n"
    "  bank --scope bank:X           the channels of bank X (A-Z)\n"
    "  scan-edges, call, your-calls  the whole list\n"
    "  broadcast [--scope all|bank:X]\n"
    "  repeaters [--scope all|group:N]   N 1-30\n"
    "  gps [--scope all|group:N]         N 0 (no group) to 26, or group:A-Z\n"
    "  received-calls, tx-from, tx-from-fm, tx-to, tx-reflector   export only\n"
    "\n"
    "Exit status: 0 done, 1 wrong usage, 2 file error (nothing imported), 3 rows were\n"
    "refused (each refused row's line and reason on standard error; the rows that could be\n"
    "taken were taken and OUT written).\n";

constexpr std::string_view kSortHelp =
    "tessel-cli sort FILE --list LIST [--scope SCOPE] --by KEY [--descending] -o OUT\n"
    "                [--destination D] [--generation G] [--no-digest]\n"
    "\n"
    "Sorts the entries of one list as the window's Edit > Sort does and saves the document as\n"
    "convert does (generation 3 unless --generation is given). KEY is frequency, name, mode\n"
    "(in the order of the mode list) or call (the channel's UR call sign, the repeater's or\n"
    "your call sign); letter case does not count, equal keys keep their order, and channels\n"
    "not in use go last. The entries take what belongs to them along: bank places, scan-link\n"
    "memberships, the remembered channel and repeater, the GPS alarm, the RPT1 use.\n"
    "\n"
    "LIST and SCOPE, as for export:\n"
    "  memory --scope group:N        memory channels 100N to 100N+99 (N 0-4)\n"
    "  bank --scope bank:X           the rows of bank X (A-Z); the channels keep their numbers\n"
    "  repeaters [--scope all|group:N]   N 1-30; all sorts every group on its own\n"
    "  gps [--scope all|group:N]         N 0 (no group) to 26, or group:A-Z; name only\n"
    "  your-calls                    name or call only\n"
    "\n"
    "Exit status: 0 done, 1 wrong usage (an unknown list, scope or key, or a key the list's\n"
    "entries lack; nothing is written), 2 file error.\n";

constexpr std::string_view kPrintHelp =
    "tessel-cli print FILE (--list LIST | --all) -o OUT.pdf [--paper P] [--font-size N]\n"
    "                  [--destination D]\n"
    "\n"
    "Writes the pages File > Print makes to a PDF file: the frame with the page's title, the\n"
    "program and the maker, and the columns in bands across as many pages as they need.\n"
    "--all prints every page of the tree that prints (all memory channels and bank\n"
    "channels). The file is replaced only when every page was written. Only builds with the\n"
    "window program have this command.\n"
    "\n"
    "LIST: memory, scan-edges, scan-names, bank-names, banks, call, scan-links, broadcast,\n"
    "  dtmf, your-calls, repeater-groups, repeaters, my-calls, messages, tx-calls, rx-calls,\n"
    "  gps-groups, gps, set-digital, set-gps, set-common, set-ab-band\n"
    "P: A4 (default), A5, B5, Letter, Legal. N: the print font size in points, 8-12 (10).\n";

constexpr std::string_view kRadioHelp =
    "tessel-cli radio info [--json] [LINK]\n"
    "tessel-cli radio read -o FILE [--no-backup] [LINK]\n"
    "tessel-cli radio write FILE [--yes] [--no-backup] [LINK]\n"
    "\n"
    "LINK: --port N (1-256) or --device PATH, --transfer-type T (0-5), --speed fast|normal,\n"
    "--trace FILE. Without them the window's settings apply, else port 0 (none), type 0\n"
    "and fast speed, and no trace.\n"
    "Transfer types: 0-2 19200, 9600, 4800 baud with a cable that echoes, 3-5 the same\n"
    "without echo; info tries the others when the given one gets no answer.\n"
    "--trace FILE writes every frame sent and received to FILE, one a line: the\n"
    "milliseconds since its session started, sent or received, and its bytes in hex.\n"
    "\n"
    "info   asks the radio for its model, destination, comment, serial number and options\n"
    "read   reads the radio's memory and saves it as a generation-3 file with digest; the\n"
    "       file is written only after a complete and checked read\n"
    "write  writes FILE into a radio of the file's destination; refused while the record\n"
    "       checks find errors or warnings; asks first unless --yes is given\n"
    "\n"
    "Every image read or written is also kept, as a file Open reads, under\n"
    "$XDG_DATA_HOME/tessel/radios/SERIAL/ (~/.local/share unless set) as\n"
    "\"DATE TIME read.qmf\" or \"DATE TIME write.qmf\"; the newest 20 of each radio stay.\n"
    "--no-backup keeps none. A backup that cannot be kept is a warning on standard error;\n"
    "the exit status is the clone's.\n"
    "\n"
    "Exit status: 0 success, 1 wrong usage or not confirmed, 2 file error, 3 check\n"
    "findings, 4 the radio session failed.\n";

constexpr ManualCommand kCommands[] = {
    {"info", "info FILE [--json]", "what a clone image file holds",
     "tessel-cli info FILE [--json]\n"
     "\n"
     "The generation, model code, map revision, destination and comment of a clone image\n"
     "file, and whether it carries a correct digest line.\n"},
    {"new", "new --destination D -o FILE [--generation G]", "write a new document",
     "tessel-cli new --destination D -o FILE [--generation G]\n"
     "\n"
     "Writes the document File > New makes for destination D (generation 3 unless\n"
     "--generation is given), with the digest line.\n"},
    {"convert", "convert IN -o OUT --generation G [--no-digest]", "save a file as another generation",
     "tessel-cli convert IN -o OUT --generation G [--no-digest] [--destination D]\n"
     "\n"
     "Opens IN as the window does and saves it as generation G; --no-digest leaves the\n"
     "digest line out.\n"},
    {"dump", "dump FILE --list LIST [--json] [--destination D]", "the decoded records of one list", kDumpHelp},
    {"set", "set FILE ITEM[:INDEX]=TEXT ... -o OUT", "change set-mode items (set --help)", kSetHelp},
    {"check", "check FILE [--destination D]", "run the record checks",
     "tessel-cli check FILE [--destination D]\n"
     "\n"
     "Lists the errors and warnings the record checks find, one a line; exits 3 when there\n"
     "is an error.\n"},
    {"diff", "diff A B [--json] [--destination D]", "what differs between two files",
     "tessel-cli diff A B [--json] [--destination D]\n"
     "\n"
     "Opens both files as the window does and lists every field whose text differs, page by\n"
     "page as the window shows it: the lists of dump (memory channels, scan edges and names,\n"
     "call channels, bank names, scan links, broadcast memories and groups, DTMF memories,\n"
     "your and my call signs, messages, repeaters and their groups, call records, GPS\n"
     "memories and groups) and the set-mode items, one line each:\n"
     "  memory: channel 12 frequency 145.500000 -> 145.525000\n"
     "  settings: Common AutoPowerOFF OFF -> 60min\n"
     "A value that is empty or holds a space is quoted. The field names are those of dump\n"
     "(the set-mode items those of set). Entries are compared by their place in the list, so\n"
     "an entry inserted into a list shows the entries after it as changed. Both files are\n"
     "shown under the destination of A unless --destination is given; a different destination\n"
     "of B is a difference of its own. Files of different generations are compared after both\n"
     "were converted to generation 3, and the first line says so. --json prints one object\n"
     "with generations, converted, destinations and differences (list, index, entry, field,\n"
     "before, after).\n"
     "Exit status: 0 the files show the same, 1 they differ (or wrong usage, with a message on\n"
     "standard error), 2 a file cannot be read (the file and its error on standard error).\n"},
    {"print", "print FILE (--list LIST | --all) -o OUT.pdf", "the printed pages as PDF", kPrintHelp},
    {"export", "export FILE --list LIST -o OUT.csv [--scope S] [--layout L]", "one list as a CSV file", kCsvHelp},
    {"import", "import FILE --list LIST IN.csv -o OUT.qmf [--scope S]", "a CSV file into one list", kCsvHelp},
    {"sort", "sort FILE --list LIST --by KEY -o OUT [--scope S]", "sort one page or group", kSortHelp},
    {"radio", "radio info|read|write ...", "talk to a radio (radio --help)", kRadioHelp},
};

constexpr ManualEntry kOptions[] = {
    {"--help", "prints the overview; after a command, that command's help"},
    {"--version", "prints the program's version"},
};

constexpr ManualEntry kExitStatuses[] = {
    {"0", "success"},
    {"1", "wrong usage, a radio write that was not confirmed, or diff found differences"},
    {"2", "file error, with the message on standard error"},
    {"3", "check found errors, import refused rows, or radio write found check findings"},
    {"4", "the radio session failed"},
};

constexpr ManualEntry kEnvironment[] = {
    {"TESSEL_PORT_<N>",
     "the device path of port number N (1-256) for --port N, before the port numbers the "
     "window keeps in its settings"},
    {"XDG_CONFIG_HOME",
     "where the window's settings are read from (default ~/.config): radio commands take "
     "the port, transfer type and speed stored there when no LINK option is given"},
    {"QT_QPA_PLATFORM", "print uses Qt's offscreen platform unless this names another one"},
};

constexpr ManualEntry kFiles[] = {
    {"$XDG_CONFIG_HOME/Quor/Tessel.conf",
     "the window's settings (ComPort, TransType, ComSpeedHigh and the port "
     "numbers under [Ports])"},
};

constexpr ManualValues kValues[] = {
    {"", "FILE IN OUT A B", "*.qmf"},
    {"", "D", "{0..15}"},
    {"", "G", "{1..3}"},
    {"dump", "LIST",
     "memory scan-edges call bank-names my-calls your-calls repeaters gps broadcast dtmf messages scan-links "
     "received-calls transmitted-calls repeater-groups gps-groups settings"},
    {"export", "LIST",
     "memory bank scan-edges call your-calls broadcast repeaters gps received-calls tx-from tx-from-fm tx-to "
     "tx-reflector"},
    {"import", "LIST", "memory bank scan-edges call your-calls broadcast repeaters gps"},
    {"export", "L", "tessel generic"},
    {"sort", "LIST", "memory bank repeaters gps your-calls"},
    {"sort", "KEY", "frequency name mode call"},
    {"export import sort", "SCOPE S", "all group:{0..30} group:{A..Z} bank:{A..Z}"},
    {"print", "LIST",
     "memory scan-edges scan-names bank-names banks call scan-links broadcast dtmf your-calls repeater-groups "
     "repeaters my-calls messages tx-calls rx-calls gps-groups gps set-digital set-gps set-common set-ab-band"},
    {"print", "P", "A4 A5 B5 Letter Legal"},
    {"print", "N", "{8..12}"},
    {"radio", "--port N", "{1..256}"},
    {"radio", "T", "{0..5}"},
    {"radio", "--device PATH", "*"},
    {"radio", "--trace FILE", "*"},
};

constexpr ProgramManual kManual{
    "tessel-cli",
    "read, change and check the Vanta radios' clone image files and talk to the radio",
    "tessel-cli COMMAND [ARGUMENTS] [OPTIONS]",
    "tessel-cli works on clone image files (.qmf) of all three generations and talks to the\n"
    "radio over a serial cable, without a display. The commands open a file as the window\n"
    "does (converted to generation 3, lists unpacked); a command that fails writes nothing.",
    kCommands,
    "D is a destination code 0-15, G a generation 1-3. convert, dump, set and check use the\n"
    "destination the file names unless --destination is given.",
    kOptions,
    kExitStatuses,
    kEnvironment,
    kFiles,
    "tessel(1)",
    kValues,
};

}  // namespace

const ProgramManual& CliManual() { return kManual; }
