// Substitute fonts realised at a pixel size, cached per page walk, and the
// advances they give text whose record has no dx array.
#ifndef TESSALY_EMF_REAL_FONTS_H_
#define TESSALY_EMF_REAL_FONTS_H_

#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QString>
#include <QVector>
#include <string>
#include <vector>

#include "emf/font_faces.h"
#include "emf/gdi_objects.h"

namespace tessaly::emf {

struct RealFont {
  QFont font;
  QRawFont raw;
  FaceInfo face;
  double em = 0;  // device pixels
};

class RealFonts {
 public:
  // Text is drawn in device pixels at the device's logical DPI.
  explicit RealFonts(int logical_dpi = 96)
      : dpi_(logical_dpi > 0 ? logical_dpi : 96) {}

  // The font at `em` device pixels, quantised to 1/16 px so that runs of
  // one size share an entry.
  const RealFont& Get(const GdiFont& font, double em);

 private:
  int dpi_;
  QHash<QString, RealFont> fonts_;
};

// The substitute's glyphs for `text` (0 for characters it lacks), one per
// character (a surrogate pair is one).
QVector<quint32> GlyphsFor(const RealFont& real, const std::u16string& text);

// Advances of the substitute's glyphs in device pixels, one per UTF-16 unit
// of `text` (the low unit of a surrogate pair gets 0).
std::vector<double> NaturalAdvances(const RealFont& real,
                                    const std::u16string& text,
                                    const QVector<quint32>& glyphs);

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_REAL_FONTS_H_
