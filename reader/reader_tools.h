// The reading tools of FRM_Z that go beyond showing the pages: printing,
// exporting to PDF and the viewport's context menu. They sit beside the
// window's own controls and never move the pages themselves.
#ifndef TESSALY_READER_READER_TOOLS_H_
#define TESSALY_READER_READER_TOOLS_H_

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace tessaly::reader {

struct TopicEntry;

class ReaderTools : public QObject {
  Q_OBJECT

 public:
  // `window` is FRM_Z, `viewport` the shown topic's viewport.
  ReaderTools(QWidget* window, QWidget* viewport, const TopicEntry& entry);

  // The platform's print dialog, then the topic's sheets on the printer.
  void Print();
  // A save dialog, then the topic as a PDF file.
  void ExportPdf();
  // The file name the save dialog proposes.
  QString DefaultPdfName() const;

  QMenu* ContextMenu() const { return context_menu_; }

 private:
  void ShowContextMenu(const QPoint& position);

  QWidget* window_;
  QWidget* viewport_;
  const TopicEntry& entry_;
  QString title_;
  QAction* print_ = nullptr;
  QAction* export_pdf_ = nullptr;
  QMenu* context_menu_ = nullptr;
};

}  // namespace tessaly::reader

#endif  // TESSALY_READER_READER_TOOLS_H_
