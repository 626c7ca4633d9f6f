#include "text/Codepage.h"

#include <iconv.h>

namespace {

const char* IconvName(CodePage page) { return page == CodePage::Cp932 ? "CP932" : "CP1252"; }

// Converts byte by byte runs; on an invalid or unmappable input sequence one input byte (or
// UTF-8 character) is replaced and the conversion goes on.
std::string Convert(std::string_view in, const char* from, const char* to, std::string_view replacement,
                    bool inputIsUtf8) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
  std::string out;
  out.reserve(in.size() * 2);
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char buffer[256];
  while (srcLeft > 0) {
    char* dst = buffer;
    size_t dstLeft = sizeof buffer;
    const size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buffer, sizeof buffer - dstLeft);
    if (rc != static_cast<size_t>(-1) || dstLeft < 8) continue;  // done, or buffer full
    // Skip one unconvertible unit: a whole UTF-8 character, or one 8-bit byte.
    size_t skip = 1;
    if (inputIsUtf8) {
      while (skip < srcLeft && (static_cast<unsigned char>(src[skip]) & 0xC0) == 0x80) ++skip;
    }
    src += skip;
    srcLeft -= skip;
    out.append(replacement);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string ToUtf8(std::string_view bytes, CodePage from) {
  return Convert(bytes, IconvName(from), "UTF-8", "\xEF\xBF\xBD", false);
}

std::string FromUtf8(std::string_view utf8, CodePage to) { return Convert(utf8, "UTF-8", IconvName(to), "?", true); }
