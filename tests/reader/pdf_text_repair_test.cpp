// The ToUnicode repair on a small PDF laid out as Qt writes it: the glyph
// names come back as the characters the page used, and the file's cross
// references still point at its objects.
#include "reader/pdf_text_repair.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace tessaly::reader {
namespace {

// Qt's forms: a range counting up, a range with an array, single codes.
constexpr std::string_view kCMap =
    "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
    "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n"
    "2 beginbfrange\n<0000> <0002> <0030>\n"
    "<0003> <0005> [<2F63> <7B2C> <2F00> ]\nendbfrange\n"
    "2 beginbfchar\n<0006> <0009>\n<0007> <D840DC00>\nendbfchar\n"
    "endcmap\nend\nend\n";

std::string MakePdf(std::string_view cmap) {
  std::string pdf = "%PDF-1.4\n";
  std::vector<std::size_t> offsets;
  offsets.push_back(pdf.size());
  pdf += "1 0 obj\n<< /Length " + std::to_string(cmap.size()) +
         " >>\nstream\n" + std::string(cmap) + "\nendstream\nendobj\n";
  offsets.push_back(pdf.size());
  pdf += "2 0 obj\n<< /Type /Font /ToUnicode 1 0 R >>\nendobj\n";
  const std::size_t xref = pdf.size();
  pdf += "xref\n0 3\n0000000000 65535 f \n";
  for (const std::size_t offset : offsets) {
    char entry[21];
    std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
    pdf += entry;
  }
  pdf += "trailer\n<< /Size 3 >>\nstartxref\n" + std::to_string(xref) +
         "\n%%EOF\n";
  return pdf;
}

TEST(PdfTextRepairTest, ReadsEveryFormOfQtsCMaps) {
  const std::optional<ToUnicodeMap> map = ParseToUnicode(kCMap);
  ASSERT_TRUE(map.has_value());
  const ToUnicodeMap expected = {
      {0, U"0"},      {1, U"1"},      {2, U"2"},  {3, U"\u2F63"},
      {4, U"\u7B2C"}, {5, U"\u2F00"}, {6, U"\t"}, {7, U"\U00020000"}};
  EXPECT_EQ(*map, expected);
  EXPECT_EQ(ParseToUnicode(WriteToUnicode(*map)), map);
}

TEST(PdfTextRepairTest, NamesGlyphsAfterThePageTextAndKeepsTheFileWhole) {
  struct Case {
    std::u32string page_text;
    GlyphAliases aliases;
    ToUnicodeMap changed;  // the entries that differ from the input
  };
  const Case cases[] = {
      // Radicals the page does not use become ideographs; tab is a space.
      {U"生第一0123", {}, {{3, U"生"}, {5, U"一"}, {6, U" "}}},
      // A page that shows the radical and not the ideograph keeps it.
      {U"⽣第一", {}, {{5, U"一"}, {6, U" "}}},
      // Aliases found in the fonts come first.
      {U"生第一",
       {{U'0', U'０'}},
       {{0, U"０"}, {3, U"生"}, {5, U"一"}, {6, U" "}}},
  };
  const ToUnicodeMap original = *ParseToUnicode(kCMap);
  const std::string pdf = MakePdf(kCMap);
  for (const Case& c : cases) {
    const std::optional<std::string> repaired =
        RepairPdfText(pdf, c.aliases, c.page_text);
    ASSERT_TRUE(repaired.has_value());
    // Every cross reference still lands on its object.
    const std::size_t xref =
        std::stoul(repaired->substr(repaired->rfind("startxref") + 10));
    ASSERT_EQ(repaired->substr(xref, 5), "xref\n");
    for (int object = 1; object <= 2; ++object) {
      const std::size_t offset =
          std::stoul(repaired->substr(xref + 9 + object * 20, 10));
      EXPECT_EQ(repaired->substr(offset, 8),
                std::to_string(object) + " 0 obj\n");
    }
    const std::size_t data = repaired->find("stream\n") + 7;
    const std::size_t length =
        std::stoul(repaired->substr(repaired->find("/Length ") + 8));
    EXPECT_EQ(repaired->substr(data + length, 10), "\nendstream");
    ToUnicodeMap expected = original;
    for (const auto& [code, text] : c.changed) expected[code] = text;
    EXPECT_EQ(ParseToUnicode(repaired->substr(data, length)), expected);
  }
}

TEST(PdfTextRepairTest, LeavesFilesOfAnotherLayoutAlone) {
  EXPECT_EQ(RepairPdfText("%PDF-1.4\nno cross references", {}, U""),
            std::nullopt);
  std::string pdf = MakePdf(kCMap);
  pdf.replace(pdf.rfind("startxref") + 10, 1, "9");
  EXPECT_EQ(RepairPdfText(pdf, {}, U""), std::nullopt);
}

}  // namespace
}  // namespace tessaly::reader
