// The reading tools of FRM_Z beyond showing the pages: find, select and
// copy, printing, export to PDF and the viewport's context menu. They sit
// over the window's own controls; when they move the pages, they do it by
// setting Vsl_01's value, so the window's scroll rule still holds.
#ifndef TESSALY_READER_READER_TOOLS_H_
#define TESSALY_READER_READER_TOOLS_H_

#include <QObject>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "reader/text_find.h"
#include "text/flat_text.h"

class QAction;
class QMenu;
class QPoint;
class QScrollBar;
class QWidget;

namespace tessaly::reader {

struct TopicEntry;
class FindBar;
class PageImage;
class PageMarks;
class PageViewport;

class ReaderTools : public QObject {
  Q_OBJECT

 public:
  ReaderTools(QWidget* window, PageViewport* viewport, QScrollBar* scroll_bar,
              std::vector<PageImage*> pages, const TopicEntry& entry);

  // Opens the find bar; a non-empty `query` fills it and goes to its first
  // place.
  void OpenFind(const QString& query = {});
  void CloseFind();
  void FindNext();
  void FindPrevious();

  void SelectAll();
  void Copy();
  QString SelectedText() const;

  // The platform's print dialog, then the topic's sheets on the printer.
  void Print();
  // A save dialog, then the topic as a PDF file.
  void ExportPdf();
  // Writes the topic to `path`; a failure is reported in a message box.
  void ExportPdfTo(const QString& path);
  QString DefaultPdfName() const;

  QMenu* ContextMenu() const { return context_menu_; }
  FindBar* Bar() const { return find_bar_; }
  // The places found, and the current one (-1 for none).
  const std::vector<TextSpan>& Matches() const { return matches_; }
  int CurrentMatch() const { return current_; }
  // The topic's text, built on first use.
  const text::FlatText& Text();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateActions();
  void ShowContextMenu(const QPoint& position);
  void UpdateMatches(const QString& query);
  void Step(int by);
  void BringIntoView(const TextSpan& span);
  void RefreshMarks();
  void UpdateCount();
  // The page under `position` (client coordinates of the viewport), and
  // the point on it; the nearest page when between pages.
  std::pair<int, QPointF> PagePointAt(const QPoint& position) const;

  QWidget* window_;
  PageViewport* viewport_;
  QScrollBar* scroll_bar_;
  std::vector<PageImage*> pages_;
  std::vector<PageMarks*> marks_;
  const TopicEntry& entry_;
  QString title_;

  std::optional<text::FlatText> text_;
  std::u32string folded_;
  FindBar* find_bar_ = nullptr;
  std::vector<TextSpan> matches_;
  int current_ = -1;
  std::size_t anchor_ = 0;
  std::size_t caret_ = 0;
  bool selecting_ = false;

  QAction* copy_ = nullptr;
  QMenu* context_menu_ = nullptr;
};

}  // namespace tessaly::reader

#endif  // TESSALY_READER_READER_TOOLS_H_
