#include "help/HelpEntry.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace {

constexpr std::string_view kBlank = " \t\r\n";

// The start of the last opening tag named `name` (e.g. "<dt") before `end`; npos when none.
std::size_t LastOpening(std::string_view page, std::string_view name, std::size_t end) {
  std::size_t at = page.rfind(name, end);
  while (at != std::string_view::npos) {
    const std::size_t after = at + name.size();
    if (after < page.size() && (page[after] == '>' || page[after] == ' ')) return at;
    if (at == 0) break;
    at = page.rfind(name, at - 1);
  }
  return std::string_view::npos;
}

// The content of the element whose opening tag starts at `open`, up to its closing tag
// `close`; the position after the closing tag goes to `after`.
std::optional<std::string_view> Content(std::string_view page, std::size_t open, std::string_view close,
                                        std::size_t& after) {
  const std::size_t start = page.find('>', open);
  if (start == std::string_view::npos) return std::nullopt;
  const std::size_t end = page.find(close, start);
  if (end == std::string_view::npos) return std::nullopt;
  after = end + close.size();
  return page.substr(start + 1, end - start - 1);
}

void AppendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// Decodes the character reference starting at `text` ('&'); the characters it took go to
// `used` (0 when it is none the pages use, and the '&' stays as it is).
std::size_t DecodeReference(std::string_view text, std::string& out) {
  const std::size_t semicolon = text.find(';');
  if (semicolon == std::string_view::npos || semicolon > 10) return 0;
  const std::string_view name = text.substr(1, semicolon - 1);
  struct Named {
    std::string_view name;
    char character;
  };
  constexpr std::array<Named, 5> kNamed{{{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}}};
  for (const Named& named : kNamed) {
    if (name == named.name) {
      out += named.character;
      return semicolon + 1;
    }
  }
  if (name.size() < 2 || name[0] != '#') return 0;
  const bool hex = name[1] == 'x' || name[1] == 'X';
  const std::string_view digits = name.substr(hex ? 2 : 1);
  std::uint32_t code = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
  if (error != std::errc() || end != digits.data() + digits.size() || code > 0x10FFFF) return 0;
  AppendUtf8(out, code);
  return semicolon + 1;
}

// The body of a heading's entry: from the end of the heading to the next heading of any
// level, the end of the body or the end of the page.
std::string_view SectionAfter(std::string_view page, std::size_t after) {
  std::size_t end = page.find("</body>", after);
  if (end == std::string_view::npos) end = page.size();
  for (char level = '1'; level <= '6'; ++level) {
    const std::size_t next = page.find(std::string{'<', 'h', level}, after);
    if (next < end) end = next;
  }
  return page.substr(after, end - after);
}

// The cells of a row after its first, each as one paragraph.
std::string CellsAsParagraphs(std::string_view row) {
  std::string body;
  std::size_t at = 0;
  while (true) {
    const std::size_t open = row.find("<td", at);
    if (open == std::string_view::npos) break;
    std::size_t after = 0;
    const auto cell = Content(row, open, "</td>", after);
    if (!cell) break;
    if (!PlainTextOfHtml(*cell).empty()) body += "<p>" + std::string(*cell) + "</p>";
    at = after;
  }
  return body;
}

}  // namespace

std::string PlainTextOfHtml(std::string_view html) {
  std::string text;
  bool pendingSpace = false;
  for (std::size_t i = 0; i < html.size();) {
    const char c = html[i];
    if (c == '<') {
      const std::size_t close = html.find('>', i);
      i = close == std::string_view::npos ? html.size() : close + 1;
      continue;
    }
    if (kBlank.find(c) != std::string_view::npos) {
      pendingSpace = !text.empty();
      ++i;
      continue;
    }
    if (pendingSpace) text += ' ';
    pendingSpace = false;
    if (c == '&') {
      const std::size_t used = DecodeReference(html.substr(i), text);
      if (used > 0) {
        i += used;
        continue;
      }
    }
    text += c;
    ++i;
  }
  return text;
}

std::optional<HelpEntry> FindHelpEntry(std::string_view page, std::string_view anchor) {
  if (anchor.empty()) return std::nullopt;
  const std::string name = "name=\"" + std::string(anchor) + "\"";
  const std::size_t at = page.find(name);
  if (at == std::string_view::npos) return std::nullopt;

  // The element the anchor stands in: the nearest heading, term or cell opened before it.
  std::size_t open = std::string_view::npos;
  std::string_view close;
  for (std::string_view tag : {"<h2", "<h3", "<h4", "<h5", "<h6", "<dt", "<td"}) {
    const std::size_t candidate = LastOpening(page, tag, at);
    if (candidate != std::string_view::npos && (open == std::string_view::npos || candidate > open)) {
      open = candidate;
      close = tag;
    }
  }
  if (open == std::string_view::npos) return std::nullopt;
  const std::string closing = "</" + std::string(close.substr(1)) + ">";
  std::size_t after = 0;
  const auto heading = Content(page, open, closing, after);
  if (!heading || after <= at) return std::nullopt;  // the anchor lies past the element

  HelpEntry entry{PlainTextOfHtml(*heading), {}};
  if (close == "<dt") {
    const std::size_t definition = page.find("<dd", after);
    const std::size_t nextTerm = page.find("<dt", after);
    if (definition == std::string_view::npos || definition > nextTerm) return std::nullopt;
    const auto text = Content(page, definition, "</dd>", after);
    if (!text) return std::nullopt;
    entry.body = "<p>" + std::string(*text) + "</p>";
  } else if (close == "<td") {
    // Only the first cell of a row heads an entry.
    const std::size_t row = LastOpening(page, "<tr", open);
    if (row == std::string_view::npos || page.find("<td", row) != open) return std::nullopt;
    const std::size_t rowEnd = page.find("</tr>", after);
    if (rowEnd == std::string_view::npos) return std::nullopt;
    entry.body = CellsAsParagraphs(page.substr(after, rowEnd - after));
  } else {
    const std::string_view section = SectionAfter(page, after);
    const std::size_t first = section.find_first_not_of(kBlank);
    if (first != std::string_view::npos)
      entry.body = section.substr(first, section.find_last_not_of(kBlank) + 1 - first);
  }
  return entry;
}
