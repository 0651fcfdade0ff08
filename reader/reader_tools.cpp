#include "reader/reader_tools.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include "reader/topic_catalogue.h"
#include "reader/topic_pdf.h"
#include "reader/topic_sheets.h"
#include "toolkit/message_box.h"

namespace tessaly::reader {

ReaderTools::ReaderTools(QWidget* window, QWidget* viewport,
                         const TopicEntry& entry)
    : QObject(window),
      window_(window),
      viewport_(viewport),
      entry_(entry),
      title_(QString::fromUtf8(entry.title.data(),
                               static_cast<qsizetype>(entry.title.size()))) {
  print_ = new QAction(QStringLiteral("打印…"), window);
  print_->setObjectName(QStringLiteral("ActionPrint"));
  print_->setShortcut(QKeySequence::Print);
  print_->setShortcutContext(Qt::WindowShortcut);
  connect(print_, &QAction::triggered, this, &ReaderTools::Print);
  window->addAction(print_);

  export_pdf_ = new QAction(QStringLiteral("导出为 PDF…"), window);
  export_pdf_->setObjectName(QStringLiteral("ActionExportPdf"));
  connect(export_pdf_, &QAction::triggered, this, &ReaderTools::ExportPdf);

  context_menu_ = new QMenu(window);
  context_menu_->setObjectName(QStringLiteral("ReaderContextMenu"));
  context_menu_->addAction(print_);
  context_menu_->addAction(export_pdf_);
  viewport->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(viewport, &QWidget::customContextMenuRequested, this,
          &ReaderTools::ShowContextMenu);
}

void ReaderTools::ShowContextMenu(const QPoint& position) {
  context_menu_->popup(viewport_->mapToGlobal(position));
}

void ReaderTools::Print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(title_);
  QPrintDialog dialog(&printer, window_);
  dialog.setWindowTitle(QStringLiteral("打印"));
  if (dialog.exec() != QDialog::Accepted) return;
  const std::vector<emf::EmfDocument> pages = LoadTopicPages(entry_);
  QPainter painter;
  if (!painter.begin(&printer)) {
    toolkit::ShowInformation(window_, QStringLiteral("无法开始打印。"));
    return;
  }
  PaintTopicSheets(painter, printer, title_, pages);
}

QString ReaderTools::DefaultPdfName() const {
  // Titles hold no path separators, but be safe with any that might.
  QString name = title_;
  name.replace(u'/', u'_');
  const QString folder =
      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QDir(folder.isEmpty() ? QDir::homePath() : folder)
      .filePath(name + QStringLiteral(".pdf"));
}

void ReaderTools::ExportPdf() {
  const QString path = QFileDialog::getSaveFileName(
      window_, QStringLiteral("导出为 PDF"), DefaultPdfName(),
      QStringLiteral("PDF 文件 (*.pdf)"));
  if (path.isEmpty()) return;
  if (const std::optional<QString> error = WriteTopicPdf(entry_, path)) {
    toolkit::ShowInformation(
        window_, QStringLiteral("无法写入“%1”：%2").arg(path, *error));
  }
}

}  // namespace tessaly::reader
