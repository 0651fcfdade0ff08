#include "toolkit/fonts.h"

#include <QStringList>

namespace tessaly::toolkit {

void InstallFontSubstitutions() {
  const QStringList song = {QStringLiteral("Noto Serif CJK SC"),
                            QStringLiteral("AR PL UMing CN")};
  const QStringList sans = {QStringLiteral("Liberation Sans"),
                            QStringLiteral("DejaVu Sans")};
  QFont::insertSubstitutions(QString::fromUtf16(kSongTi), song);
  QFont::insertSubstitutions(QStringLiteral("SimSun"), song);
  QFont::insertSubstitutions(QStringLiteral("新宋体"), song);
  QFont::insertSubstitutions(
      QStringLiteral("Times New Roman"),
      {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
  QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
  QFont::insertSubstitutions(QStringLiteral("Microsoft Sans Serif"), sans);
}

QFont ProgramFont(const QString& family, double point_size, bool bold,
                  bool italic) {
  QFont font(family);
  font.setPointSizeF(point_size);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

QFont SongFont(double point_size, bool bold, bool italic) {
  return ProgramFont(QString::fromUtf16(kSongTi), point_size, bold, italic);
}

}  // namespace tessaly::toolkit
