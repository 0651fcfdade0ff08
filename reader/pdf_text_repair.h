// Repairs the text that a PDF written by Qt gives back to viewers (copying,
// searching, text extraction).
//
// Qt's writer names each glyph of an embedded font after the lowest code
// point that the font maps to that glyph. The CJK fonts draw many characters
// with one glyph: an ideograph and its radical (生 and ⽣ U+2F63, 马 and ⻢
// U+2EE2), 户 and 戶, ～ and 〜. Copied text came out with the wrong one of
// each pair, which no search for the right one matches. The ToUnicode maps
// are rewritten so that each such glyph stands for the character that the
// page text used.
#ifndef TESSALY_READER_PDF_TEXT_REPAIR_H_
#define TESSALY_READER_PDF_TEXT_REPAIR_H_

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly::reader {

// The unified ideograph that a radical or stroke looks like, if any.
std::optional<char32_t> EquivalentIdeograph(char32_t look_alike);

// A ToUnicode CMap as character code → text, and back to its stream form.
using ToUnicodeMap = std::map<unsigned, std::u32string>;
std::optional<ToUnicodeMap> ParseToUnicode(std::string_view cmap);
std::string WriteToUnicode(const ToUnicodeMap& map);

// Code points that Qt wrote for a glyph → the character that the page drew
// with that glyph.
using GlyphAliases = std::map<char32_t, char32_t>;

// `page_text` holds every character that the pages show (any order).
// Besides `aliases`, a radical that the page text does not use becomes its
// ideograph. Returns the PDF with its ToUnicode maps repaired, or nothing
// when the file is not laid out as Qt writes it (one classic cross-reference
// table, direct stream lengths).
std::optional<std::string> RepairPdfText(std::string_view pdf,
                                         const GlyphAliases& aliases,
                                         std::u32string_view page_text);

}  // namespace tessaly::reader

#endif  // TESSALY_READER_PDF_TEXT_REPAIR_H_
