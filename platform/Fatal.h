#pragma once
// Defects of the built-in tables or of the code (a missing text key, a markup error, a
// duplicate name) end the program through this one routine. Failures a user can cause never
// come here: they are reported with a message from the text tables.
#include <string>

// Shows a fatal message. caption is the executable's file name, text is in code page 932.
// The default handler writes both to standard error; the window program installs one that
// shows a message box. A handler may leave by throwing (tests do); if it returns, the
// process aborts.
using FatalHandler = void (*)(const std::string& caption, const std::string& text);

FatalHandler SetFatalHandler(FatalHandler handler);

[[noreturn]] void Fatal(const std::string& text);
