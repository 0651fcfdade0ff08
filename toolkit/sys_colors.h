// Program-wide system colours: the table behind GetSysColor/SetSysColors and
// the colour references (0x800000nn) that controls are drawn with.
#ifndef TESSALY_TOOLKIT_SYS_COLORS_H_
#define TESSALY_TOOLKIT_SYS_COLORS_H_

#include <QColor>
#include <QObject>
#include <cstdint>
#include <functional>

namespace tessaly::toolkit {

// A colour value 0x00BBGGRR, or 0x800000nn for "system colour nn".
using ColorRef = std::uint32_t;

inline constexpr int kColorMenu = 4;
inline constexpr int kColorWindow = 5;
inline constexpr int kColorWindowText = 8;
inline constexpr int kColorActiveBorder = 10;
inline constexpr int kColorButtonFace = 15;
inline constexpr int kColorButtonText = 18;
inline constexpr int kSysColorCount = 31;

constexpr ColorRef Rgb(int red, int green, int blue) {
  return static_cast<ColorRef>((red & 0xFF) | ((green & 0xFF) << 8) |
                               ((blue & 0xFF) << 16));
}
constexpr ColorRef SysColorRef(int index) {
  return 0x80000000u | static_cast<ColorRef>(index);
}
constexpr bool IsSysColorRef(ColorRef value) {
  return (value & 0xFF000000u) == 0x80000000u;
}

// The current value of system colour `index` (0x00BBGGRR); 0 for an unknown
// index. The table starts from the platform's palette.
ColorRef GetSysColor(int index);

// Sets `count` system colours at once; every control drawn in one of them
// repaints. Unknown indexes are skipped.
void SetSysColors(int count, const int* indexes, const ColorRef* values);

// The colour to draw for a value or a system colour reference.
QColor ResolveColor(ColorRef value);
ColorRef ToColorRef(const QColor& color);

// Announces changes of the system colour table.
class SysColors : public QObject {
  Q_OBJECT

 public:
  static SysColors& Instance();

 Q_SIGNALS:
  void Changed(int index);

 private:
  SysColors() = default;
};

// Runs `update` now and again whenever a system colour changes, for as long
// as `context` lives.
void FollowSysColors(QObject* context, std::function<void()> update);

}  // namespace tessaly::toolkit

#endif  // TESSALY_TOOLKIT_SYS_COLORS_H_
