// The reader's viewport: a bordered picture box in the window background
// colour whose client area holds and clips the pages. Wheel turns and
// scrolling keys over it go to the scroll bar, so every move of the pages
// still runs through the scroll bar's change; the wheel, over the viewport
// or the bar, and Page Up and Page Down over the viewport move by lines of
// text rather than by the bar's steps.
#ifndef TESSALY_READER_PAGE_VIEWPORT_H_
#define TESSALY_READER_PAGE_VIEWPORT_H_

#include <QFrame>

#include "reader/wheel_scroll.h"

class QScrollBar;

namespace tessaly::reader {

class PageViewport : public QFrame {
  Q_OBJECT

 public:
  PageViewport(const QString& name, QWidget* parent);

  // The area inside the border; pages are its children.
  QWidget* Client() const { return client_; }
  void ForwardScrollingTo(QScrollBar* scroll_bar);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Scrolling() const;
  void ScrollBy(int pixels);

  QWidget* client_;
  QScrollBar* scroll_bar_ = nullptr;
  WheelScroll wheel_;
};

}  // namespace tessaly::reader

#endif  // TESSALY_READER_PAGE_VIEWPORT_H_
