#include "reader/page_viewport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include "toolkit/sys_colors.h"

namespace tessaly::reader {

PageViewport::PageViewport(const QString& name, QWidget* parent)
    : QFrame(parent), client_(new QWidget(this)) {
  setObjectName(name);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(true);
  toolkit::FollowSysColors(this, [this] {
    QPalette pal = palette();
    pal.setColor(
        QPalette::Window,
        toolkit::ResolveColor(toolkit::SysColorRef(toolkit::kColorWindow)));
    pal.setColor(
        QPalette::WindowText,
        toolkit::ResolveColor(toolkit::SysColorRef(toolkit::kColorWindowText)));
    setPalette(pal);
  });
}

void PageViewport::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  client_->setGeometry(contentsRect());
}

void PageViewport::ForwardScrollingTo(QScrollBar* scroll_bar) {
  scroll_bar_ = scroll_bar;
  // The bar's own wheel handling would step by its SmallChange, which is a
  // twentieth of the topic: hundreds of pixels on a long one, a few on a
  // short one.
  scroll_bar_->installEventFilter(this);
}

bool PageViewport::Scrolling() const {
  return scroll_bar_ != nullptr && scroll_bar_->isVisible();
}

void PageViewport::ScrollBy(int pixels) {
  // Through the bar's value, so that its change handling moves the pages.
  scroll_bar_->setValue(scroll_bar_->value() + pixels);
}

void PageViewport::wheelEvent(QWheelEvent* event) {
  if (Scrolling()) {
    QApplication::sendEvent(scroll_bar_, event);
    return;
  }
  QFrame::wheelEvent(event);
}

void PageViewport::keyPressEvent(QKeyEvent* event) {
  if (!Scrolling()) {
    QFrame::keyPressEvent(event);
    return;
  }
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == 0;
  if (plain &&
      (event->key() == Qt::Key_PageDown || event->key() == Qt::Key_PageUp)) {
    const int step = PageStepPixels(client_->height());
    ScrollBy(event->key() == Qt::Key_PageDown ? step : -step);
    return;
  }
  QApplication::sendEvent(scroll_bar_, event);
}

bool PageViewport::eventFilter(QObject* watched, QEvent* event) {
  if (watched != scroll_bar_ || event->type() != QEvent::Wheel) {
    return QFrame::eventFilter(watched, event);
  }
  auto* wheel = static_cast<QWheelEvent*>(event);
  ScrollBy(wheel_.Step(wheel->angleDelta().y(), wheel->pixelDelta().y(),
                       QApplication::wheelScrollLines()));
  wheel->accept();
  return true;
}

}  // namespace tessaly::reader
