#pragma once
// One entry of a help page: the explanation of one item, found by its anchor
// (<a name="...">). An entry is headed by the item's label in one of three ways, and its text
// follows the heading:
//   - a heading (<h2> to <h6>): the paragraphs up to the next heading;
//   - a term of a definition list (<dt>): its <dd>;
//   - the first cell of a table row (<td>): the row's other cells.
// The pages are the program's own UTF-8 HTML; the reader knows only these shapes.
#include <optional>
#include <string>
#include <string_view>

struct HelpEntry {
  std::string heading;  // the label as plain text (tags dropped, character references decoded)
  std::string body;     // HTML: the paragraphs of the entry
};

// The entry whose heading holds the anchor; none when the page has no such anchor or the
// anchor stands in no heading, term or first cell.
std::optional<HelpEntry> FindHelpEntry(std::string_view page, std::string_view anchor);

// The text of an HTML fragment without its tags, its character references decoded and its
// white space runs made single spaces, trimmed.
std::string PlainTextOfHtml(std::string_view html);
