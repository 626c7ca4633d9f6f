#pragma once
// Find: the next cell, in reading order, whose shown text holds what the user looks for, on
// one page or across every list page of the navigation tree (the pages tessel-cli diff
// compares: memory channels, scan edges and names, call channels, bank names, scan links,
// broadcast memories, DTMF memories, your and my call signs, messages, repeaters and their
// groups, call records, GPS memories and groups). Bank pages are walked only as the page
// searched alone: their channels are found on the memory channel pages.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CellDocument;
class cmcGTex;

// A cell of a page: the page's tree sheet name and the cell's place in its table.
struct SearchPlace {
  std::string sheetName;
  int column = 0;
  int row = 0;
};

// A cell whose text matches, with what names it on its page whatever the page's layout.
struct SearchHit {
  SearchPlace place;
  unsigned category = 0;
  unsigned cellId = 0;
  std::int32_t index = 0;
};

// Whether a cell's shown text (program code page) matches the query. Letter case does not
// count. A query that is a decimal number ("145.5") matches a text that is one by value
// ("145.500000"), and no other number; any other text matches where it holds the query.
// An empty query matches nothing.
bool TextMatches(std::string_view shown, std::string_view query);

// The pages the whole document is searched through, in the tree's order.
std::vector<std::string> SearchedSheets(cmcGTex& texts);

// One step of Find: the first matching selectable data cell after the place (before it when
// searching backwards), on the place's page only or on every searched page, wrapping at the
// end; the place itself comes last. None when no cell matches. The document needs an event
// manager, through which each page answers its list's range while it is searched.
std::optional<SearchHit> FindStep(CellDocument& document, std::string_view query, const SearchPlace& from, bool forward,
                                  bool wholeDocument);
