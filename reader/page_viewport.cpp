#include "reader/page_viewport.h"

#include <QCoreApplication>
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

void PageViewport::wheelEvent(QWheelEvent* event) {
  if (scroll_bar_ != nullptr && scroll_bar_->isVisible()) {
    QCoreApplication::sendEvent(scroll_bar_, event);
    return;
  }
  QFrame::wheelEvent(event);
}

void PageViewport::keyPressEvent(QKeyEvent* event) {
  if (scroll_bar_ != nullptr && scroll_bar_->isVisible()) {
    QCoreApplication::sendEvent(scroll_bar_, event);
    return;
  }
  QFrame::keyPressEvent(event);
}

}  // namespace tessaly::reader
