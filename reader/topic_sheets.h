// A topic's pages on printed sheets, for the printer and for PDF files: one
// page to a sheet, as vectors, scaled to the printable width (smaller where
// the sheet is too short for it), with a small footer naming the topic and
// the page.
#ifndef TESSALY_READER_TOPIC_SHEETS_H_
#define TESSALY_READER_TOPIC_SHEETS_H_

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <span>
#include <vector>

#include "emf/emf_document.h"

class QPagedPaintDevice;
class QPainter;

namespace tessaly::reader {

struct TopicEntry;

// The entry's pages, parsed, in reading order.
std::vector<emf::EmfDocument> LoadTopicPages(const TopicEntry& entry);

// The footer of sheet `index` (from 0) of `count`.
QString SheetFooter(const QString& title, int index, int count);

// Where a page of `page_size` stands on a printable area of `printable`
// (device units) that keeps `footer_height` at its bottom: centred
// horizontally, at the top, as wide as the area unless too tall for it.
QRectF PlaceOnSheet(QSizeF page_size, QRectF printable, double footer_height);

// Paints every page on its own sheet of `device`, on which `painter` is
// active; a new sheet is started before every page after the first.
void PaintTopicSheets(QPainter& painter, QPagedPaintDevice& device,
                      const QString& title,
                      std::span<const emf::EmfDocument> pages);

}  // namespace tessaly::reader

#endif  // TESSALY_READER_TOPIC_SHEETS_H_
