#include "emf/real_fonts.h"

#include <QChar>
#include <QPointF>
#include <algorithm>
#include <cmath>

namespace tessaly::emf {

const RealFont& RealFonts::Get(const GdiFont& gdi, double em) {
  const double quantised = std::round(em * 16) / 16;
  const QString key = gdi.face + QChar(u'|') + QString::number(gdi.weight) +
                      QChar(gdi.italic ? u'i' : u'r') +
                      QString::number(gdi.charset) + QChar(u'|') +
                      QString::number(quantised);
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return *it;

  RealFont real;
  real.face = gdi.face_info;
  real.em = std::max(quantised, 1.0 / 16);
  real.font.setFamilies(real.face.families);
  // Point sizes keep fractions that pixel sizes would round away.
  real.font.setPointSizeF(real.em * 72.0 / dpi_);
  real.font.setWeight(
      static_cast<QFont::Weight>(std::clamp(gdi.weight, 100, 900)));
  real.font.setItalic(gdi.italic);
  real.font.setHintingPreference(QFont::PreferNoHinting);
  real.raw = QRawFont::fromFont(real.font);
  if (real.raw.isValid()) real.raw.setPixelSize(real.em);
  return *fonts_.insert(key, real);
}

QVector<quint32> GlyphsFor(const RealFont& real, const std::u16string& text) {
  const QString qtext = QString::fromStdU16String(text);
  QVector<quint32> glyphs(qtext.size(), 0);
  int glyph_count = static_cast<int>(qtext.size());
  if (!real.raw.isValid() ||
      !real.raw.glyphIndexesForChars(qtext.constData(), qtext.size(),
                                     glyphs.data(), &glyph_count)) {
    return {};
  }
  glyphs.resize(glyph_count);
  return glyphs;
}

std::vector<double> NaturalAdvances(const RealFont& real,
                                    const std::u16string& text,
                                    const QVector<quint32>& glyphs) {
  std::vector<double> out(text.size(), 0);
  QVector<QPointF> advances(glyphs.size());
  if (!glyphs.isEmpty()) {
    real.raw.advancesForGlyphIndexes(glyphs.data(), advances.data(),
                                     static_cast<int>(glyphs.size()));
  }
  for (std::size_t i = 0, g = 0;
       i < text.size() && g < std::size_t(glyphs.size()); ++i) {
    if (QChar::isLowSurrogate(text[i])) continue;
    out[i] = advances[g++].x();
  }
  return out;
}

}  // namespace tessaly::emf
