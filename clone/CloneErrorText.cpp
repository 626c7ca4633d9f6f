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

std::string WithPortNumber(std::string head, std::int32_t comPort) {
  const auto mark = head.find("%d");
  if (mark != std::string::npos) head.replace(mark, 2, std::to_string(comPort));
  return head;
}

}  // namespace

std::string CloneErrorText(cmcGTex& texts, int code, std::int32_t comPort, std::string_view portDetail) {
  if (code == CloneResult::kOk) return {};
  std::string text = texts.GetLine(kHeadKey, code);
  if (code == CloneResult::kPortOpen) {
    text = WithPortNumber(std::move(text), comPort);
    if (!portDetail.empty()) text.append("\n").append(portDetail);
  }
  const std::span<const int> checkLines = CheckLinesOf(code);
  if (checkLines.empty()) return text;
  text += "\n";
  for (const int line : checkLines) text.append("\n").append(texts.GetLine(kCheckKey, line));
  return text;
}
