#include "emf/font_faces.h"

#include <array>
#include <string_view>

namespace tessaly::emf {

namespace {

constexpr const char* kCjkSerif = "Noto Serif CJK SC";
constexpr const char* kSerif = "Liberation Serif";
constexpr const char* kSans = "Liberation Sans";
constexpr const char* kFallbackSans = "DejaVu Sans";

struct FaceRow {
  const char16_t* face;
  const char* substitute;
  double ascent;
  double descent;
  double average_width;
};

// Ascent, descent and average character width of the original faces: the
// CJK system fonts have a cell of exactly one em and half-width Latin;
// Times New Roman and Arial are their published metrics.
// clang-format off
constexpr std::array<FaceRow, 7> kFaces = {{
    {u"宋体",                 kCjkSerif, 0.86,  0.14,  0.5},
    {u"simsun",               kCjkSerif, 0.86,  0.14,  0.5},
    {u"新宋体",               kCjkSerif, 0.86,  0.14,  0.5},
    {u"nsimsun",              kCjkSerif, 0.86,  0.14,  0.5},
    {u"times new roman",      kSerif,    0.891, 0.216, 0.401},
    {u"arial",                kSans,     0.905, 0.212, 0.441},
    {u"microsoft sans serif", kSans,     0.905, 0.212, 0.441},
}};

// MARLETT characters '0' to 'y' and their look-alikes; the 3-D edges of
// check boxes (c-f) and radio rims (j-m) become one outline each.
struct MarlettRow {
  char16_t character;
  char16_t replacement;
};
constexpr std::array<MarlettRow, 35> kMarlett = {{
    {u'0', u'\u2581'}, {u'1', u'\u25A1'}, {u'2', u'\u2750'},
    {u'3', u'\u25C0'}, {u'4', u'\u25B6'}, {u'5', u'\u25B2'},
    {u'6', u'\u25BC'}, {u'7', u'\u25BC'}, {u'8', u'\u25B8'},
    {u'9', u'\u25BE'}, {u'a', u'\u2714'}, {u'b', u'\u2713'},
    {u'c', u'\u25A1'}, {u'd', u'\u25A1'}, {u'e', u'\u25A1'},
    {u'f', u'\u25A1'}, {u'g', u'\u25A0'}, {u'h', u'\u2022'},
    {u'i', u'\u25CF'}, {u'j', u'\u25CB'}, {u'k', u'\u25CB'},
    {u'l', u'\u25CB'}, {u'm', u'\u25CB'}, {u'n', u'\u2B24'},
    {u'o', u'\u25E2'}, {u'p', u'\u25E2'}, {u'q', u'\u2500'},
    {u'r', u'\u2715'}, {u's', u'?'},      {u't', u'\u25B4'},
    {u'u', u'\u25BE'}, {u'v', u'\u2B0D'}, {u'w', u'\u25C2'},
    {u'x', u'\u25E2'}, {u'y', u'\u25E2'},
}};
// clang-format on

}  // namespace

FaceInfo LookupFace(const QString& face, std::uint8_t charset) {
  const QString key = face.trimmed().toCaseFolded();
  if (key == u"marlett") {
    return {{kFallbackSans}, 0.86, 0.14, 1.0, true};
  }
  for (const FaceRow& row : kFaces) {
    if (key == QString::fromUtf16(row.face)) {
      return {{row.substitute, kCjkSerif, kFallbackSans},
              row.ascent,
              row.descent,
              row.average_width,
              false};
    }
  }
  if (charset == 134) {
    return {{kCjkSerif, kFallbackSans}, 0.86, 0.14, 0.5, false};
  }
  // An installed face of that name is taken before the fallbacks.
  QStringList families = {kFallbackSans, kCjkSerif};
  if (!key.isEmpty()) families.prepend(face.trimmed());
  return {families, 0.905, 0.212, 0.441, false};
}

QString MarlettReplacement(char16_t character) {
  if (character >= 0xF020 && character <= 0xF0FF) character -= 0xF000;
  for (const MarlettRow& row : kMarlett) {
    if (row.character == character) return QString(QChar(row.replacement));
  }
  return {};
}

}  // namespace tessaly::emf
