#include "reader/page_marks.h"

#include <QPainter>

namespace tessaly::reader {
namespace {

QColor ColourOf(PageMarks::Kind kind) {
  switch (kind) {
    case PageMarks::Kind::kFound:
      return QColor(255, 200, 0, 80);
    case PageMarks::Kind::kCurrent:
      return QColor(255, 120, 0, 150);
    case PageMarks::Kind::kSelected:
      return QColor(0, 100, 255, 80);
  }
  return {};
}

}  // namespace

PageMarks::PageMarks(QWidget* page) : QWidget(page) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setGeometry(page->rect());
  show();
}

void PageMarks::SetMarks(std::vector<Mark> marks) {
  if (marks.empty() && marks_.empty()) return;
  marks_ = std::move(marks);
  update();
}

void PageMarks::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(Qt::NoPen);
  for (const Mark& mark : marks_)
    painter.fillRect(mark.box, ColourOf(mark.kind));
}

}  // namespace tessaly::reader
