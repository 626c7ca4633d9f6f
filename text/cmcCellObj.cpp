#include "text/cmcCellObj.h"

#include <charconv>
#include <cstdio>

#include "platform/Fatal.h"
#include "text/ApplicationTexts.h"
#include "text/Cp932.h"
#include "text/TextFields.h"
#include "text/cmcHash.h"

namespace {

constexpr auto kNotFound = std::string_view::npos;

// Cell models may name other models; a chain this deep can only be a loop in the tables.
constexpr int kMaxModelDepth = 8;

// Bytes taken by the character at i: a lead byte and its second byte form one character.
std::size_t CharLength(std::string_view text, std::size_t i) {
  return IsLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
}

// The position of the first target byte at or after from that is neither escaped by a
// backslash nor the second byte of a double-byte character.
std::size_t FindUnescaped(std::string_view text, char target, std::size_t from = 0) {
  for (std::size_t i = from; i < text.size();) {
    if (text[i] == '\\') {
      i += 1 + (i + 1 < text.size() ? CharLength(text, i + 1) : 0);
    } else if (text[i] == target) {
      return i;
    } else {
      i += CharLength(text, i);
    }
  }
  return kNotFound;
}

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

std::optional<int32_t> ParseInt(std::string_view s) {
  s = TrimSpacesAndTabs(s);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  int32_t value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return value;
}

[[noreturn]] void VariableError() { Fatal("Ch No. Error"); }

// "@chN" at the start of text: the variable it names. What follows the digit is returned in rest.
int32_t& VariableOf(const cmcCellObj& cell, std::string_view text, std::string_view& rest) {
  if (cell.variables == nullptr || !StartsWith(text, "@ch") || text.size() < 4) VariableError();
  const char digit = text[3];
  if (digit < '0' || digit > '9' || (text.size() > 4 && text[4] >= '0' && text[4] <= '9')) VariableError();
  rest = text.substr(4);
  return (*cell.variables)[static_cast<std::size_t>(digit - '0')];
}

// Removes the backslashes that escape the character after them.
std::string Unescape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] == '\\') ++i;
    if (i >= text.size()) break;
    const std::size_t n = CharLength(text, i);
    out.append(text.substr(i, n));
    i += n;
  }
  return out;
}

// "%[category.]identifier[[index]][:argument]"
void ApplyCellReference(cmcCellObj& cell, std::string_view ref) {
  const std::size_t nameEnd = std::min(FindUnescaped(ref, '['), FindUnescaped(ref, ':'));
  const std::size_t dot = FindUnescaped(ref, '.');
  if (dot != kNotFound && dot < nameEnd) {
    cell.category = CategoryIndex(ref.substr(0, dot));
    ref.remove_prefix(dot + 1);
  }
  const std::size_t idEnd = std::min(ref.find('['), FindUnescaped(ref, ':'));
  cell.cellId = CellIdIndex(ref.substr(0, idEnd));
  ref.remove_prefix(idEnd == kNotFound ? ref.size() : idEnd);

  if (!ref.empty() && ref.front() == '[') {
    const std::size_t close = ref.find(']');
    const std::string_view inside = ref.substr(1, close == kNotFound ? kNotFound : close - 1);
    if (!inside.empty() && inside.front() == '@') {
      std::string_view rest;
      cell.index = VariableOf(cell, inside, rest);
    } else if (const auto value = ParseInt(inside)) {
      cell.index = *value;
    }
    ref.remove_prefix(close == kNotFound ? ref.size() : close + 1);
  }
  cell.hasArgument = !ref.empty() && ref.front() == ':';
  cell.argument = cell.hasArgument ? Unescape(ref.substr(1)) : std::string();
}

// "@chN=v" or "@chN++"
void ApplyVariable(cmcCellObj& cell, std::string_view item) {
  std::string_view rest;
  int32_t& variable = VariableOf(cell, item, rest);
  rest = TrimSpacesAndTabs(rest);
  if (rest == "++") {
    ++variable;
  } else if (!rest.empty() && rest.front() == '=') {
    if (const auto value = ParseInt(rest.substr(1))) variable = *value;
  }
}

// "FlagD=0" or "FlagD=1", exactly.
void ApplyFlag(cmcCellObj& cell, std::string_view item) {
  if (item.size() != 7 || item[4] < '0' || item[4] > '7' || item[5] != '=' || (item[6] != '0' && item[6] != '1'))
    return;
  cell.SetStateFlag(item[4] - '0', item[6] == '1');
}

void ApplyCombination(cmcCellObj& cell, std::string_view values) {
  cell.hasCombination = true;
  cell.combination = {};
  for (std::size_t k = 0; k < cell.combination.size(); ++k) {
    const std::size_t comma = values.find(',');
    if (const auto value = ParseInt(values.substr(0, comma))) cell.combination[k] = *value;
    if (comma == kNotFound) break;
    values.remove_prefix(comma + 1);
  }
}

void ParseAttributes(cmcCellObj& cell, std::string_view attributes, int depth);

void ApplyModel(cmcCellObj& cell, std::string_view name, int depth) {
  const std::string key = "CellModel_" + std::string(name);
  if (depth >= kMaxModelDepth) Fatal("Cell model nesting too deep.\n'" + key + "'");
  ParseAttributes(cell, ApplicationTexts().GetLine(key, 0), depth + 1);
}

void ApplyItem(cmcCellObj& cell, std::string_view item, int depth) {
  if (item.empty()) return;
  if (item.front() == '$') {
    ApplyModel(cell, item.substr(1), depth);
  } else if (item.front() == '%') {
    ApplyCellReference(cell, item.substr(1));
  } else if (item.front() == '@') {
    ApplyVariable(cell, item);
  } else if (StartsWith(item, "Color=")) {
    if (const auto color = ColorFromName(TrimSpacesAndTabs(item.substr(6)))) cell.color = *color;
  } else if (StartsWith(item, "Font=")) {
    if (!cell.font) cell.font = cell.parent ? EffectiveFont(*cell.parent) : CellFont();
    ApplyFontFields(*cell.font, item.substr(5));
  } else if (StartsWith(item, "ImageIndex=")) {
    if (const auto value = ParseInt(item.substr(11))) cell.imageIndex = *value;
  } else if (StartsWith(item, "PopupMenu=")) {
    cell.popupMenuKey = std::string(item.substr(10));
  } else if (StartsWith(item, "ColCut_PopupMenu=")) {
    cell.colCutPopupMenuKey = std::string(item.substr(17));
  } else if (StartsWith(item, "Flag")) {
    ApplyFlag(cell, item);
  } else if (StartsWith(item, "Comb=")) {
    ApplyCombination(cell, item.substr(5));
  }
}

void SetBits(uint8_t& field, uint8_t bits, bool on) { field = static_cast<uint8_t>(on ? field | bits : field & ~bits); }

void SetRightBorder(cmcCellObj& cell, RightBorder border) {
  cell.behaviour = static_cast<uint8_t>((cell.behaviour & ~0x06u) | (static_cast<unsigned>(border) << 1));
}

void ApplyPrefixFlag(cmcCellObj& cell, char c, bool negated) {
  const bool on = !negated;
  switch (c) {
    case '<':
      cell.format = static_cast<uint8_t>((cell.format & ~0x03u) | kAlignLeft);
      break;
    case '^':
      cell.format = static_cast<uint8_t>((cell.format & ~0x03u) | kAlignCentre);
      break;
    case '>':
      cell.format = static_cast<uint8_t>((cell.format & ~0x03u) | kAlignRight);
      break;
    case '~':
      cell.format = static_cast<uint8_t>((cell.format & ~0x0Cu) | (kAlignTop << 2));
      break;
    case '-':
      cell.format = static_cast<uint8_t>((cell.format & ~0x0Cu) | (kAlignMiddle << 2));
      break;
    case '_':
      cell.format = static_cast<uint8_t>((cell.format & ~0x0Cu) | (kAlignBottom << 2));
      break;
    case 'W':
      SetBits(cell.format, cmcCellObj::kAutoWidth, on);
      break;
    case 'H':
      SetBits(cell.format, cmcCellObj::kAutoHeight, on);
      break;
    case '=':
      SetBits(cell.format, cmcCellObj::kWordWrap, on);
      break;
    case '+':
      SetBits(cell.format, cmcCellObj::kContinuation, on);
      break;
    case 'B':
      SetBits(cell.behaviour, cmcCellObj::kBottomBorder, on);
      break;
    case 'X':
      SetRightBorder(cell, on ? kRightBorderFull : kRightBorderNone);
      break;
    case 'Q':
      SetRightBorder(cell, on ? kRightBorderTick : kRightBorderNone);
      break;
    case 'S':
      SetBits(cell.behaviour, cmcCellObj::kSelectable, on);
      break;
    case 'I':
      SetBits(cell.behaviour, cmcCellObj::kInputMethod, on);
      break;
    case 'T':
      SetBits(cell.behaviour, cmcCellObj::kAttached, on);
      break;
    default:
      break;  // spaces and other characters mean nothing
  }
}

void ParseAttributes(cmcCellObj& cell, std::string_view attributes, int depth) {
  bool negated = false;
  for (std::size_t i = 0; i < attributes.size();) {
    const char c = attributes[i];
    if (c == '(') {
      const std::size_t close = FindUnescaped(attributes, ')', i + 1);
      ApplyItem(cell, attributes.substr(i + 1, close == kNotFound ? kNotFound : close - i - 1), depth);
      i = close == kNotFound ? attributes.size() : close + 1;
      negated = false;
    } else if (c == '!') {
      negated = true;  // a second '!' renews the negation for one more character
      ++i;
    } else if (c == '\\' || IsLeadByte(c)) {
      i += c == '\\' && i + 1 < attributes.size() ? 1 + CharLength(attributes, i + 1) : CharLength(attributes, i);
      negated = false;
    } else {
      ApplyPrefixFlag(cell, c, negated);
      negated = false;
      ++i;
    }
  }
}

// Braces hold the attribute string, everything outside them is the caption source. Escaped
// characters keep their backslash here; the caption and the items remove it later.
void Separate(std::string_view definition, std::string& attributes, std::string& caption) {
  bool inside = false;
  for (std::size_t i = 0; i < definition.size();) {
    const char c = definition[i];
    std::size_t n = CharLength(definition, i);
    if (c == '\\' && i + 1 < definition.size()) n = 1 + CharLength(definition, i + 1);
    if (c == '{' && !inside) {
      inside = true;
    } else if (c == '}' && inside) {
      inside = false;
    } else {
      (inside ? attributes : caption).append(definition.substr(i, n));
    }
    i += n;
  }
}

// "\(@chN+k)" inside a caption: the value of variable N plus k, at most six characters.
std::string VariableText(const cmcCellObj& cell, std::string_view expression) {
  std::string_view rest;
  const int64_t value = VariableOf(cell, expression, rest);
  int64_t offset = 0;
  if (!rest.empty() && rest.front() == '+') {
    const auto k = ParseInt(rest.substr(1));
    if (!k) VariableError();
    offset = *k;
  } else if (!rest.empty()) {
    VariableError();
  }
  char text[24];
  std::snprintf(text, sizeof text, "%lld", static_cast<long long>(value + offset));
  return std::string(text).substr(0, 6);
}

std::string ProcessCaption(const cmcCellObj& cell, std::string_view source) {
  source = TrimControlsAndSpaces(source);
  std::string out;
  for (std::size_t i = 0; i < source.size();) {
    if (source[i] != '\\') {
      const std::size_t n = CharLength(source, i);
      out.append(source.substr(i, n));
      i += n;
      continue;
    }
    if (++i >= source.size()) break;
    const char c = source[i];
    if (c == 'n' || c == 'N') {
      out.push_back('\n');
      ++i;
    } else if (c == '_') {
      out.push_back(' ');
      ++i;
    } else if (c == '(' && i + 1 < source.size() && source[i + 1] == '@') {
      const std::size_t close = source.find(')', i);
      out += VariableText(cell, source.substr(i + 1, close == kNotFound ? kNotFound : close - i - 1));
      i = close == kNotFound ? source.size() : close + 1;
    } else {
      const std::size_t n = CharLength(source, i);
      out.append(source.substr(i, n));
      i += n;
    }
  }
  return out;
}

// Categories and cell identifiers share one name table, each half filled on first use.
struct NameTable {
  cmcHash names;
  bool categoriesFilled = false;
  bool cellIdsFilled = false;
};

NameTable& Names() {
  static NameTable table;
  return table;
}

}  // namespace

bool cmcCellObj::StateFlag(int d) const {
  if (d < 0 || d > 7) return false;
  return d < 2 ? (behaviour >> (6 + d)) & 1u : (state >> (d - 2)) & 1u;
}

void cmcCellObj::SetStateFlag(int d, bool on) {
  if (d < 0 || d > 7) return;
  if (d < 2) {
    SetBits(behaviour, static_cast<uint8_t>(0x40u << d), on);
  } else {
    SetBits(state, static_cast<uint8_t>(1u << (d - 2)), on);
  }
}

void ResetCell(cmcCellObj& cell) {
  const cmcCellObj* parent = cell.parent;
  CellVariables* variables = cell.variables;
  cell = parent ? *parent : cmcCellObj();
  cell.parent = parent;
  cell.variables = variables;
  cell.font.reset();
  cell.popupMenuKey.reset();
  cell.colCutPopupMenuKey.reset();
}

void CopyCell(cmcCellObj& dst, const cmcCellObj& src) { dst = src; }

const std::string& GetCaption(const cmcCellObj& cell) { return cell.caption; }

CellFont EffectiveFont(const cmcCellObj& cell) {
  for (const cmcCellObj* c = &cell; c != nullptr; c = c->parent) {
    if (c->font) return *c->font;
  }
  return CellFont();
}

std::optional<std::string> FindPopupMenuKey(const cmcCellObj& cell, bool headerRow) {
  for (const cmcCellObj* c = &cell; c != nullptr; c = c->parent) {
    const auto& key = headerRow ? c->colCutPopupMenuKey : c->popupMenuKey;
    if (key && !key->empty()) return key;
  }
  return std::nullopt;
}

unsigned CategoryIndex(std::string_view name) {
  if (name.empty()) return kCategoryNone;
  NameTable& table = Names();
  if (!table.categoriesFilled) {
    for (unsigned k = 0; k < kCategoryCount; ++k) table.names.Insert(CategoryName(k), static_cast<int32_t>(k));
    table.categoriesFilled = true;
  }
  const int32_t* index = table.names.Find(name);
  if (index == nullptr || CategoryName(static_cast<unsigned>(*index)) != name)
    Fatal("Cannot use the specified category.\n'" + std::string(name) + "'");
  return static_cast<unsigned>(*index);
}

unsigned CellIdIndex(std::string_view name) {
  if (name.empty()) return kCellIdNone;
  NameTable& table = Names();
  if (!table.cellIdsFilled) {
    for (unsigned k = 0; k < kCellIdEnd; ++k) {
      if (k != kCellIdNone) table.names.Insert(CellIdName(k), static_cast<int32_t>(k));
    }
    table.cellIdsFilled = true;
  }
  const int32_t* index = table.names.Find(name);
  if (index == nullptr || CellIdName(static_cast<unsigned>(*index)) != name)
    Fatal("Cannot use the specified cell.\n'" + std::string(name) + "'");
  return static_cast<unsigned>(*index);
}

void ParseCellAttributes(cmcCellObj& cell, std::string_view attributes) { ParseAttributes(cell, attributes, 0); }

std::string_view ParseCellDefinition(cmcCellObj& cell, std::string_view text, CellVariables* variables,
                                     const cmcCellObj* parent, bool countOnly) {
  const std::size_t bar = FindUnescaped(text, '|');
  const std::string_view definition = text.substr(0, bar);
  const std::string_view rest = bar == kNotFound ? std::string_view() : text.substr(bar + 1);

  cell.parent = parent;
  cell.variables = nullptr;
  ResetCell(cell);
  if (countOnly) return rest;

  cell.variables = variables;
  std::string attributes;
  std::string captionSource;
  Separate(definition, attributes, captionSource);
  ParseAttributes(cell, attributes, 0);
  cell.caption = ProcessCaption(cell, captionSource);
  cell.variables = nullptr;
  return rest;
}
