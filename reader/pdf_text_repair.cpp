#include "reader/pdf_text_repair.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <unordered_set>
#include <vector>

#include "reader/ideograph_equivalents.h"

namespace tessaly::reader {
namespace {

static_assert(std::is_sorted(kIdeographEquivalents.begin(),
                             kIdeographEquivalents.end(),
                             [](const auto& a, const auto& b) {
                               return a.look_alike < b.look_alike;
                             }));

// --- CMap tokens -----------------------------------------------------------

struct Token {
  enum Kind { kHex, kOpen, kClose, kWord, kEnd } kind = kEnd;
  std::string_view text;  // hex digits without <>, or the word
};

class Tokens {
 public:
  explicit Tokens(std::string_view text) : text_(text) {}

  Token Next() {
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == '%') {
        while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
      } else if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
        ++pos_;
      } else {
        break;
      }
    }
    if (pos_ >= text_.size()) return {};
    const char c = text_[pos_];
    if (c == '<' && pos_ + 1 < text_.size() && text_[pos_ + 1] != '<') {
      const std::size_t end = text_.find('>', pos_);
      if (end == std::string_view::npos) return {};
      const Token token{Token::kHex, text_.substr(pos_ + 1, end - pos_ - 1)};
      pos_ = end + 1;
      return token;
    }
    if (c == '[' || c == ']') {
      ++pos_;
      return {c == '[' ? Token::kOpen : Token::kClose, {}};
    }
    const std::size_t start = pos_;
    ++pos_;
    while (pos_ < text_.size() &&
           std::string_view(" \n\r\t<>[]%").find(text_[pos_]) ==
               std::string_view::npos) {
      ++pos_;
    }
    return {Token::kWord, text_.substr(start, pos_ - start)};
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

std::optional<unsigned> HexNumber(std::string_view hex) {
  unsigned value = 0;
  if (hex.empty() || hex.size() > 8) return std::nullopt;
  const auto [end, error] =
      std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
  if (error != std::errc() || end != hex.data() + hex.size())
    return std::nullopt;
  return value;
}

// UTF-16BE in hex digits → code points.
std::optional<std::u32string> HexText(std::string_view hex) {
  if (hex.size() % 4 != 0) return std::nullopt;
  std::u32string text;
  for (std::size_t i = 0; i < hex.size(); i += 4) {
    const std::optional<unsigned> unit = HexNumber(hex.substr(i, 4));
    if (!unit) return std::nullopt;
    if (*unit >= 0xD800 && *unit < 0xDC00 && i + 8 <= hex.size()) {
      const std::optional<unsigned> low = HexNumber(hex.substr(i + 4, 4));
      if (low && *low >= 0xDC00 && *low < 0xE000) {
        text.push_back(0x10000 + ((*unit - 0xD800) << 10) + (*low - 0xDC00));
        i += 4;
        continue;
      }
    }
    text.push_back(*unit);
  }
  return text;
}

void AppendHexUnit(std::string& out, unsigned unit) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%04X", unit & 0xFFFF);
  out += buffer;
}

std::string HexOf(const std::u32string& text) {
  std::string hex;
  for (const char32_t c : text) {
    if (c >= 0x10000) {
      AppendHexUnit(hex, 0xD800 + ((c - 0x10000) >> 10));
      AppendHexUnit(hex, 0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      AppendHexUnit(hex, c);
    }
  }
  return hex;
}

// --- The file ---------------------------------------------------------------

struct XrefEntry {
  std::size_t number;
  std::size_t offset;
};

std::optional<std::size_t> NumberAt(std::string_view text, std::size_t pos) {
  while (pos < text.size() &&
         (text[pos] == ' ' || text[pos] == '\r' || text[pos] == '\n')) {
    ++pos;
  }
  std::size_t value = 0;
  const auto [end, error] =
      std::from_chars(text.data() + pos, text.data() + text.size(), value);
  if (error != std::errc()) return std::nullopt;
  return value;
}

// The ToUnicode stream of an object laid out as Qt writes it:
// "N 0 obj\n<< /Length L >>\nstream\n...". Returns where the length number
// and the data stand, or nothing for any other object.
struct CMapStream {
  std::size_t length_begin;
  std::size_t length_end;
  std::size_t data_begin;
  std::size_t data_size;
};

std::optional<CMapStream> FindCMapStream(std::string_view object) {
  const std::size_t stream = object.find("stream\n");
  if (stream == std::string_view::npos) return std::nullopt;
  const std::size_t data_begin = stream + 7;
  if (object.substr(data_begin, 9) != "/CIDInit ") return std::nullopt;
  const std::size_t key = object.rfind("/Length ", stream);
  if (key == std::string_view::npos) return std::nullopt;
  const std::size_t length_begin = key + 8;
  std::size_t length_end = length_begin;
  while (length_end < stream && object[length_end] >= '0' &&
         object[length_end] <= '9') {
    ++length_end;
  }
  // An indirect length ("9 0 R") would need the other object rewritten too;
  // Qt writes CMaps with direct lengths.
  if (object.substr(length_end, 3) == " 0 " || length_end == length_begin)
    return std::nullopt;
  const std::optional<std::size_t> size = NumberAt(object, length_begin);
  if (!size || data_begin + *size > object.size()) return std::nullopt;
  return CMapStream{length_begin, length_end, data_begin, *size};
}

char32_t Repaired(char32_t c, const GlyphAliases& aliases,
                  const std::unordered_set<char32_t>& page) {
  if (const auto alias = aliases.find(c); alias != aliases.end())
    return alias->second;
  if (c == U'\t' && !page.contains(U'\t')) return U' ';
  const std::optional<char32_t> ideograph = EquivalentIdeograph(c);
  if (!ideograph) return c;
  // Only a page that shows the look-alike and not the ideograph keeps it.
  if (page.contains(c) && !page.contains(*ideograph)) return c;
  return *ideograph;
}

}  // namespace

std::optional<char32_t> EquivalentIdeograph(char32_t look_alike) {
  const auto it = std::lower_bound(
      kIdeographEquivalents.begin(), kIdeographEquivalents.end(), look_alike,
      [](const IdeographEquivalent& entry, char32_t c) {
        return entry.look_alike < c;
      });
  if (it == kIdeographEquivalents.end() || it->look_alike != look_alike)
    return std::nullopt;
  return it->ideograph;
}

std::optional<ToUnicodeMap> ParseToUnicode(std::string_view cmap) {
  ToUnicodeMap map;
  Tokens tokens(cmap);
  for (Token token = tokens.Next(); token.kind != Token::kEnd;
       token = tokens.Next()) {
    if (token.kind != Token::kWord) continue;
    if (token.text == "beginbfchar") {
      for (Token code = tokens.Next(); code.kind == Token::kHex;
           code = tokens.Next()) {
        const std::optional<unsigned> number = HexNumber(code.text);
        const Token value = tokens.Next();
        if (!number || value.kind != Token::kHex) return std::nullopt;
        std::optional<std::u32string> text = HexText(value.text);
        if (!text) return std::nullopt;
        map[*number] = std::move(*text);
      }
    } else if (token.text == "beginbfrange") {
      for (Token low = tokens.Next(); low.kind == Token::kHex;
           low = tokens.Next()) {
        const std::optional<unsigned> first = HexNumber(low.text);
        const std::optional<unsigned> last = HexNumber(tokens.Next().text);
        if (!first || !last || *last < *first || *last - *first > 0xFFFF)
          return std::nullopt;
        const Token value = tokens.Next();
        if (value.kind == Token::kHex) {
          std::optional<std::u32string> text = HexText(value.text);
          if (!text || text->empty()) return std::nullopt;
          // A range counts up in its last character.
          for (unsigned code = *first; code <= *last; ++code) {
            map[code] = *text;
            ++text->back();
          }
        } else if (value.kind == Token::kOpen) {
          unsigned code = *first;
          for (Token item = tokens.Next(); item.kind == Token::kHex;
               item = tokens.Next()) {
            std::optional<std::u32string> text = HexText(item.text);
            if (!text || code > *last) return std::nullopt;
            map[code++] = std::move(*text);
          }
        } else {
          return std::nullopt;
        }
      }
    }
  }
  return map;
}

std::string WriteToUnicode(const ToUnicodeMap& map) {
  std::string out =
      "/CIDInit /ProcSet findresource begin\n"
      "12 dict begin\n"
      "begincmap\n"
      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> "
      "def\n"
      "/CMapName /Adobe-Identity-UCS def\n"
      "/CMapType 2 def\n"
      "1 begincodespacerange\n"
      "<0000> <FFFF>\n"
      "endcodespacerange\n";
  // At most 100 entries to a block.
  auto it = map.begin();
  while (it != map.end()) {
    const std::size_t count = std::min<std::size_t>(
        100, static_cast<std::size_t>(std::distance(it, map.end())));
    out += std::to_string(count) + " beginbfchar\n";
    for (std::size_t i = 0; i < count; ++i, ++it) {
      out += '<';
      AppendHexUnit(out, it->first);
      out += "> <" + HexOf(it->second) + ">\n";
    }
    out += "endbfchar\n";
  }
  out +=
      "endcmap\n"
      "CMapName currentdict /CMap defineresource pop\n"
      "end\n"
      "end\n";
  return out;
}

std::optional<std::string> RepairPdfText(std::string_view pdf,
                                         const GlyphAliases& aliases,
                                         std::u32string_view page_text) {
  const std::unordered_set<char32_t> page(page_text.begin(), page_text.end());

  const std::size_t startxref = pdf.rfind("startxref");
  if (startxref == std::string_view::npos) return std::nullopt;
  const std::optional<std::size_t> xref = NumberAt(pdf, startxref + 9);
  if (!xref || *xref >= startxref || pdf.substr(*xref, 5) != "xref\n")
    return std::nullopt;

  // One subsection "0 N", then N entries of 20 bytes.
  std::size_t pos = *xref + 5;
  const std::optional<std::size_t> first = NumberAt(pdf, pos);
  const std::size_t space = pdf.find(' ', pos);
  if (!first || *first != 0 || space == std::string_view::npos)
    return std::nullopt;
  const std::optional<std::size_t> count = NumberAt(pdf, space + 1);
  const std::size_t entries = pdf.find('\n', space) + 1;
  if (!count || entries == 0 || entries + *count * 20 > startxref)
    return std::nullopt;
  std::vector<XrefEntry> objects;
  for (std::size_t i = 0; i < *count; ++i) {
    const std::string_view entry = pdf.substr(entries + i * 20, 20);
    if (entry[17] != 'n') continue;
    const std::optional<std::size_t> offset = NumberAt(entry, 0);
    if (!offset || *offset >= *xref) return std::nullopt;
    objects.push_back({i, *offset});
  }
  if (objects.empty()) return std::nullopt;
  std::sort(objects.begin(), objects.end(),
            [](const XrefEntry& a, const XrefEntry& b) {
              return a.offset < b.offset;
            });

  std::string out(pdf.substr(0, objects.front().offset));
  std::vector<std::size_t> new_offsets(*count, 0);
  for (std::size_t i = 0; i < objects.size(); ++i) {
    const std::size_t begin = objects[i].offset;
    const std::size_t end =
        i + 1 < objects.size() ? objects[i + 1].offset : *xref;
    const std::string_view object = pdf.substr(begin, end - begin);
    new_offsets[objects[i].number] = out.size();
    const std::optional<CMapStream> stream = FindCMapStream(object);
    std::optional<ToUnicodeMap> map;
    if (stream) {
      map =
          ParseToUnicode(object.substr(stream->data_begin, stream->data_size));
    }
    if (!map) {
      out += object;
      continue;
    }
    for (auto& [code, text] : *map) {
      for (char32_t& c : text) c = Repaired(c, aliases, page);
    }
    const std::string cmap = WriteToUnicode(*map);
    out += object.substr(0, stream->length_begin);
    out += std::to_string(cmap.size());
    out += object.substr(stream->length_end,
                         stream->data_begin - stream->length_end);
    out += cmap;
    out += object.substr(stream->data_begin + stream->data_size);
  }

  const std::size_t new_xref = out.size();
  out += pdf.substr(*xref, entries - *xref);
  for (std::size_t i = 0; i < *count; ++i) {
    std::string entry(pdf.substr(entries + i * 20, 20));
    if (entry[17] == 'n') {
      char digits[11];
      std::snprintf(digits, sizeof digits, "%010zu", new_offsets[i]);
      entry.replace(0, 10, digits);
    }
    out += entry;
  }
  out += pdf.substr(entries + *count * 20, startxref - (entries + *count * 20));
  out += "startxref\n" + std::to_string(new_xref) + "\n%%EOF\n";
  return out;
}

}  // namespace tessaly::reader
