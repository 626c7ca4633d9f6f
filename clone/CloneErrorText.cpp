#include "clone/CloneErrorText.h"

#include <span>

#include "clone/CloneCheckCodes.h"

namespace {

constexpr std::string_view kHeadKey = "GI_Mess_CloneErr_Head";
constexpr std::string_view kCheckKey = "GI_Mess_CloneErr_Check";

constexpr int kUsualChecks[] = {0, 1, 2, 3};
constexpr int kWriteChecks[] = {0, 2, 3};
constexpr int kInformationChecks[] = {0, 1, 2, 3, 4, 5};
constexpr int kVersionChecks[] = {6};
constexpr int kModelChecks[] = {0, 4, 5};

// The check lines shown under each head line.
std::span<const int> CheckLinesOf(int code) {
  switch (code) {
    case CloneResult::kWriteRefused:
      return kWriteChecks;
    case CloneResult::kIllegalInformation:
    case CloneResult::kIllegalInformationReserved:
      return kInformationChecks;
    case CloneResult::kVersionMismatch:
      return kVersionChecks;
    case CloneResult::kIncompatibleModel:
      return kModelChecks;
    case CloneResult::kUpdateNeeded:
      return {};
    default:
      return kUsualChecks;
  }
}

void ReplaceFirst(std::string& text, std::string_view what, std::string_view with) {
  const auto mark = text.find(what);
  if (mark != std::string::npos) text.replace(mark, what.size(), with);
}

// A port without a number is known to the user by its path only, so "COM 0" would name
// nothing; the path stands where the lines say "COM %d" or "COM port".
std::string NamingThePort(std::string line, ClonePortName port) {
  if (port.devicePath.empty()) {
    ReplaceFirst(line, "%d", std::to_string(port.number));
  } else {
    ReplaceFirst(line, "COM %d", port.devicePath);
    ReplaceFirst(line, "COM port", port.devicePath);
  }
  return line;
}

}  // namespace

std::string CloneErrorText(cmcGTex& texts, int code, ClonePortName port, std::string_view portDetail) {
  if (code == CloneResult::kOk) return {};
  std::string text = NamingThePort(texts.GetLine(kHeadKey, code), port);
  if (code == CloneResult::kPortOpen && !portDetail.empty()) text.append("\n").append(portDetail);
  const std::span<const int> checkLines = CheckLinesOf(code);
  if (checkLines.empty()) return text;
  text += "\n";
  for (const int line : checkLines) text.append("\n").append(NamingThePort(texts.GetLine(kCheckKey, line), port));
  return text;
}
