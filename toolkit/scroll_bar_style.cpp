#include "toolkit/scroll_bar_style.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionSlider>

namespace tessaly::toolkit {
namespace {

QColor ToQColor(std::uint32_t rgb) { return QColor::fromRgb(rgb); }

std::uint32_t ThumbColor(const QStyleOptionSlider& bar) {
  if (!(bar.activeSubControls & QStyle::SC_ScrollBarSlider)) {
    return kScrollThumb;
  }
  if (bar.state & QStyle::State_Sunken) return kScrollThumbPressed;
  if (bar.state & QStyle::State_MouseOver) return kScrollThumbHover;
  return kScrollThumb;
}

}  // namespace

void ScrollBarStyle::drawComplexControl(ComplexControl control,
                                        const QStyleOptionComplex* option,
                                        QPainter* painter,
                                        const QWidget* widget) const {
  QProxyStyle::drawComplexControl(control, option, painter, widget);
  const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
  if (control != CC_ScrollBar || bar == nullptr ||
      !(bar->state & State_Enabled) || bar->minimum == bar->maximum) {
    return;
  }
  // Over the stock drawing, which keeps the arrows and the focus look.
  const QRect track = subControlRect(control, bar, SC_ScrollBarGroove, widget);
  QRect thumb = subControlRect(control, bar, SC_ScrollBarSlider, widget);
  // A strip of track either side of the thumb.
  thumb = bar->orientation == Qt::Vertical ? thumb.adjusted(2, 0, -2, 0)
                                           : thumb.adjusted(0, 2, 0, -2);
  painter->save();
  painter->fillRect(track, ToQColor(kScrollTrack));
  painter->fillRect(thumb, ToQColor(ThumbColor(*bar)));
  painter->restore();
}

void InstallScrollBarStyle() {
  if (qobject_cast<ScrollBarStyle*>(QApplication::style()) != nullptr) return;
  // The proxy takes over the current style, so the rest looks as before.
  QApplication::setStyle(new ScrollBarStyle(QApplication::style()->name()));
}

}  // namespace tessaly::toolkit
