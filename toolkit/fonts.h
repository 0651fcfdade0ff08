// The program's fonts: its font names mapped to installed fonts.
#ifndef TESSALY_TOOLKIT_FONTS_H_
#define TESSALY_TOOLKIT_FONTS_H_

#include <QFont>
#include <QString>

namespace tessaly::toolkit {

inline constexpr char16_t kSongTi[] = u"宋体";

// Maps 宋体/SimSun, Times New Roman, Arial and Microsoft Sans Serif to the
// installed look-alikes, program-wide. Call once at start.
void InstallFontSubstitutions();

QFont ProgramFont(const QString& family, double point_size, bool bold = false,
                  bool italic = false);

// 宋体 at the given size.
QFont SongFont(double point_size, bool bold = false, bool italic = false);

}  // namespace tessaly::toolkit

#endif  // TESSALY_TOOLKIT_FONTS_H_
