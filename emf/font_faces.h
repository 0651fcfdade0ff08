// Maps the font faces of our pages to installed fonts and keeps the metrics
// of the original faces, which alignment needs; MARLETT becomes look-alikes.
#ifndef TESSALY_EMF_FONT_FACES_H_
#define TESSALY_EMF_FONT_FACES_H_

#include <QString>
#include <QStringList>
#include <cstdint>

namespace tessaly::emf {

struct FaceInfo {
  QStringList families;  // installed substitutes, best first
  double ascent = 0.86;  // of the original face, in em
  double descent = 0.14;
  double average_width = 0.5;  // of the original face, in em
  bool marlett = false;        // symbol face drawn through MarlettReplacement
};

// Case-insensitive lookup of a LOGFONT face name; unknown faces get a sans
// serif, or the CJK serif when the character set is GB2312 (134).
FaceInfo LookupFace(const QString& face, std::uint8_t charset);

// The Unicode look-alike of a MARLETT character (U+0020-00FF or U+F020-F0FF),
// or an empty string when it has none.
QString MarlettReplacement(char16_t character);

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_FONT_FACES_H_
