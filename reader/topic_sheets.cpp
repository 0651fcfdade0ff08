#include "reader/topic_sheets.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "content/topic_pages.h"
#include "emf/emf_player.h"
#include "reader/topic_catalogue.h"
#include "toolkit/fonts.h"

namespace tessaly::reader {
namespace {

constexpr double kFooterPoints = 8;

}  // namespace

std::vector<emf::EmfDocument> LoadTopicPages(const TopicEntry& entry) {
  const QString control =
      QString::fromUtf8(entry.page_control.data(),
                        static_cast<qsizetype>(entry.page_control.size()));
  std::vector<emf::EmfDocument> pages;
  for (int i = 0; i < entry.page_count; ++i) {
    const QByteArray bytes =
        content::LoadPage(control, i).value_or(QByteArray());
    pages.push_back(emf::EmfDocument::Parse(std::as_bytes(
        std::span(bytes.constData(), static_cast<std::size_t>(bytes.size())))));
  }
  return pages;
}

QString SheetFooter(const QString& title, int index, int count) {
  return QStringLiteral("%1　　第 %2 页 / 共 %3 页")
      .arg(title)
      .arg(index + 1)
      .arg(count);
}

QRectF PlaceOnSheet(QSizeF page_size, QRectF printable, double footer_height) {
  if (page_size.isEmpty()) return {};
  const double height = std::max(0.0, printable.height() - footer_height);
  const double scale = std::min(printable.width() / page_size.width(),
                                height / page_size.height());
  const QSizeF size = page_size * scale;
  return {printable.left() + (printable.width() - size.width()) / 2,
          printable.top(), size.width(), size.height()};
}

void PaintTopicSheets(QPainter& painter, QPagedPaintDevice& device,
                      const QString& title,
                      std::span<const emf::EmfDocument> pages) {
  const QRectF printable(QPointF(0, 0),
                         QSizeF(device.width(), device.height()));
  QFont footer_font = toolkit::SongFont(kFooterPoints);
  // The painter draws in device units: size the footer for the device.
  footer_font.setPixelSize(
      std::max(1, qRound(kFooterPoints * device.logicalDpiY() / 72.0)));
  const double footer_height = footer_font.pixelSize() * 2.0;
  const int count = static_cast<int>(pages.size());
  for (int i = 0; i < count; ++i) {
    if (i > 0) device.newPage();
    const emf::EmfDocument& page = pages[static_cast<std::size_t>(i)];
    emf::Play(page, painter,
              PlaceOnSheet(page.NaturalSize(), printable, footer_height));
    painter.save();
    painter.setFont(footer_font);
    painter.setPen(Qt::black);
    painter.drawText(
        QRectF(printable.left(), printable.bottom() - footer_height,
               printable.width(), footer_height),
        Qt::AlignHCenter | Qt::AlignBottom, SheetFooter(title, i, count));
    painter.restore();
  }
}

}  // namespace tessaly::reader
