#include "tools/content_compiler/check_box_object.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextCharFormat>
#include <QTextDocument>

#include "tools/content_compiler/page_style.h"

namespace tessaly::content_compiler {

QSizeF CheckBoxObject::intrinsicSize(QTextDocument* doc, int,
                                     const QTextFormat& format) {
  const QFontMetricsF metrics(format.toCharFormat().font(),
                              doc->documentLayout()->paintDevice());
  // A box of about the height of a capital, with a little room either side;
  // it sits on the baseline like a letter.
  const double side = std::round(metrics.ascent() * 0.75);
  return {side + 4, side};
}

void CheckBoxObject::drawObject(QPainter* painter, const QRectF& rect,
                                QTextDocument*, int, const QTextFormat&) {
  painter->save();
  painter->setPen(QPen(Qt::black, kRuleWidthPx, Qt::SolidLine, Qt::SquareCap,
                       Qt::MiterJoin));
  painter->setBrush(Qt::NoBrush);
  const double side = rect.height();
  painter->drawRect(
      QRectF(rect.left() + 2 + 0.5, rect.top() + 0.5, side - 1, side - 1));
  painter->restore();
}

}  // namespace tessaly::content_compiler
