#pragma once
// The numbered file errors that every clone image file operation answers with, and their
// messages. Code 0 is success and has no message.
#include <functional>
#include <string>
#include <string_view>

class cmcGTex;

namespace FileError {
inline constexpr int kNone = 0;
inline constexpr int kFileOpen = 1;
inline constexpr int kFileAccess = 2;
inline constexpr int kModel = 3;
inline constexpr int kExtra = 4;
inline constexpr int kMapRev = 5;
inline constexpr int kFormat = 6;
inline constexpr int kCoverage = 7;
inline constexpr int kData = 8;
inline constexpr int kNewer = 9;  // reserved: a file written by a newer program
inline constexpr int kEtcData = 10;
inline constexpr int kLast = kEtcData;
}  // namespace FileError

// Shows the message of a non-zero file error to the user. The window shows FileErrorText in
// a message box (caption "GI_Sys_AppTitle", exclamation icon, OK); the command-line program
// writes it to standard error. Without a reporter, errors are only returned.
using FileErrorReporter = std::function<void(int code)>;

// The text key of the code's message; empty for 0 and for numbers outside the table.
std::string_view FileErrorMessageKey(int code);

// "File error.", an empty line and the code's message, from texts. Empty for codes without a
// message.
std::string FileErrorText(cmcGTex& texts, int code);
