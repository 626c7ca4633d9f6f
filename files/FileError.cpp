#include "files/FileError.h"

#include <array>

#include "text/cmcGTex.h"

namespace {

constexpr std::array<std::string_view, FileError::kLast + 1> kMessageKeys{
    "",
    "GI_Mess_FileErr_FileOpen",
    "GI_Mess_FileErr_FileAccess",
    "GI_Mess_FileErr_Model",
    "GI_Mess_FileErr_Extra",
    "GI_Mess_FileErr_MapRev",
    "GI_Mess_FileErr_Format",
    "GI_Mess_FileErr_Coverage",
    "GI_Mess_FileErr_Data",
    "GI_Mess_FileErr_Newer",
    "GI_Mess_FileErr_EtcData",
};

}  // namespace

std::string_view FileErrorMessageKey(int code) {
  if (code < 0 || code > FileError::kLast) return {};
  return kMessageKeys[static_cast<std::size_t>(code)];
}

std::string FileErrorText(cmcGTex& texts, int code) {
  const std::string_view key = FileErrorMessageKey(code);
  if (key.empty()) return {};
  return texts.GetValueText("GI_Mess_FileErr_Headline") + "\n\n" + texts.GetValueText(key);
}
