// The program's scroll bars: the platform's look, with a flat track and a
// thumb dark enough to find at a glance (the stock thumb is near-white on a
// light grey track).
#ifndef TESSALY_TOOLKIT_SCROLL_BAR_STYLE_H_
#define TESSALY_TOOLKIT_SCROLL_BAR_STYLE_H_

#include <QProxyStyle>
#include <cstdint>

namespace tessaly::toolkit {

// 0xRRGGBB. Each thumb colour stands at least 3 : 1 against the track.
inline constexpr std::uint32_t kScrollTrack = 0xE6E6E6;
inline constexpr std::uint32_t kScrollThumb = 0x7A7A7A;
inline constexpr std::uint32_t kScrollThumbHover = 0x686868;
inline constexpr std::uint32_t kScrollThumbPressed = 0x555555;

class ScrollBarStyle : public QProxyStyle {
  Q_OBJECT

 public:
  using QProxyStyle::QProxyStyle;

  void drawComplexControl(ComplexControl control,
                          const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget) const override;
};

// Makes ScrollBarStyle the style of every window. Call before the first
// window.
void InstallScrollBarStyle();

}  // namespace tessaly::toolkit

#endif  // TESSALY_TOOLKIT_SCROLL_BAR_STYLE_H_
