// The manual of the window program tessel: its arguments and its manual page.
#include "manual/ProgramManual.h"

namespace {

constexpr ManualEntry kOptions[] = {
    {"FILE", "a clone image file (.qmf) of any generation to open at start, as File > Open would"},
    {"/setup",
     "runs the initial setup first, which learns the radio's destination from the radio or from a "
     "clone image file"},
    {"--help", "prints this overview and ends"},
    {"--version", "prints the program's version and ends"},
};

constexpr ManualEntry kExitStatuses[] = {
    {"0",
     "the window was closed, or another copy of Tessel already runs (\"Tessel is already running.\" on "
     "standard error)"},
};

constexpr ManualEntry kEnvironment[] = {
    {"TESSEL_PORT_<N>",
     "the device path of port number N (1-256) of COM Port > Setting, e.g. a pseudo-terminal "
     "of the radio simulator"},
    {"TESSEL_TRACE", "a file to which every clone session writes the frames it sends and receives"},
    {"XDG_CONFIG_HOME", "the folder of the per-user settings (default ~/.config)"},
    {"XDG_CONFIG_DIRS", "the folders of the machine-wide settings (default /etc/xdg)"},
    {"XDG_RUNTIME_DIR", "the folder of the lock that keeps a second copy from starting"},
    {"XDG_STATE_HOME", "the folder under which the recovery copies are kept (default ~/.local/state)"},
    {"QT_QPA_PLATFORM", "Qt's window system platform, e.g. offscreen to run without a display"},
};

constexpr ManualEntry kFiles[] = {
    {"$XDG_CONFIG_HOME/Quor/Tessel.conf",
     "the window's place and size, language, font size, destination, "
     "port, recent files and the port numbers under [Ports]"},
    {"$XDG_CONFIG_DIRS/Quor/Tessel.conf", "machine-wide settings read where the user has none"},
    {"$XDG_STATE_HOME/tessel/recovery/",
     "recovery copies of documents with unsaved changes, offered at the next start after a crash; "
     "damaged ones are moved to its damaged/ folder"},
};

constexpr ProgramManual kManual{
    "tessel",
    "program the Vanta radios' memory from a window",
    "tessel [FILE] [/setup]",
    "Tessel reads a Vanta radio's memory image over a serial or USB-serial cable, shows it as\n"
    "spreadsheet pages (memory channels, banks, scan edges, repeaters, call signs, GPS\n"
    "memories, broadcast memories, set-mode items), checks every value against the radio's\n"
    "regional version, keeps it as a clone image file (.qmf), imports and exports CSV,\n"
    "prints, and writes the image back into the radio. Help > Contents opens its help pages.\n"
    "\n"
    "Only one Tessel runs at a time.",
    {},
    {},
    kOptions,
    kExitStatuses,
    kEnvironment,
    kFiles,
    "tessel-cli(1)",
    {},
};

}  // namespace

const ProgramManual& WindowManual() { return kManual; }
