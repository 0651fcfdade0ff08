#include "reader/reader_tools.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QStandardPaths>
#include <algorithm>

#include "reader/find_bar.h"
#include "reader/page_image.h"
#include "reader/page_marks.h"
#include "reader/page_viewport.h"
#include "reader/text_selection.h"
#include "reader/topic_catalogue.h"
#include "reader/topic_pdf.h"
#include "reader/topic_sheets.h"
#include "reader/topic_text.h"
#include "toolkit/message_box.h"

namespace tessaly::reader {
namespace {

// How far below the viewport's top a place that is scrolled to stands, so
// that some text before it shows too.
constexpr double kContextAbove = 0.3;

std::u32string ToU32(const QString& text) {
  const QList<uint> units = text.toUcs4();
  return {units.begin(), units.end()};
}

QString FromU32(std::u32string_view text) {
  return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

QAction* MakeAction(QWidget* window, const char* name, const QString& text,
                    const QList<QKeySequence>& keys = {}) {
  auto* action = new QAction(text, window);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcuts(keys);
  action->setShortcutContext(Qt::WindowShortcut);
  window->addAction(action);
  return action;
}

}  // namespace

ReaderTools::ReaderTools(QWidget* window, PageViewport* viewport,
                         QScrollBar* scroll_bar, std::vector<PageImage*> pages,
                         const TopicEntry& entry)
    : QObject(window),
      window_(window),
      viewport_(viewport),
      scroll_bar_(scroll_bar),
      pages_(std::move(pages)),
      entry_(entry),
      title_(QString::fromUtf8(entry.title.data(),
                               static_cast<qsizetype>(entry.title.size()))) {
  for (PageImage* page : pages_) {
    marks_.push_back(new PageMarks(page));
    page->installEventFilter(this);
    page->setCursor(Qt::IBeamCursor);
  }
  find_bar_ = new FindBar(viewport_);
  connect(find_bar_, &FindBar::QueryChanged, this, &ReaderTools::UpdateMatches);
  connect(find_bar_, &FindBar::Next, this, &ReaderTools::FindNext);
  connect(find_bar_, &FindBar::Previous, this, &ReaderTools::FindPrevious);
  connect(find_bar_, &FindBar::Closed, this, &ReaderTools::CloseFind);
  CreateActions();
}

void ReaderTools::CreateActions() {
  copy_ = MakeAction(window_, "ActionCopy", QStringLiteral("复制"),
                     {QKeySequence::Copy});
  connect(copy_, &QAction::triggered, this, &ReaderTools::Copy);
  QAction* select_all =
      MakeAction(window_, "ActionSelectAll", QStringLiteral("全选"),
                 {QKeySequence::SelectAll});
  connect(select_all, &QAction::triggered, this, &ReaderTools::SelectAll);
  QAction* find = MakeAction(window_, "ActionFind", QStringLiteral("查找…"),
                             {QKeySequence::Find});
  connect(find, &QAction::triggered, this, [this] { OpenFind(); });
  QAction* find_next =
      MakeAction(window_, "ActionFindNext", QStringLiteral("下一处"),
                 {QKeySequence(Qt::Key_F3)});
  connect(find_next, &QAction::triggered, this, [this] {
    if (find_bar_->isVisible()) {
      FindNext();
    } else {
      OpenFind();
    }
  });
  QAction* find_previous =
      MakeAction(window_, "ActionFindPrevious", QStringLiteral("上一处"),
                 {QKeySequence(Qt::SHIFT | Qt::Key_F3)});
  connect(find_previous, &QAction::triggered, this, [this] {
    if (find_bar_->isVisible()) {
      FindPrevious();
    } else {
      OpenFind();
    }
  });
  QAction* print = MakeAction(window_, "ActionPrint", QStringLiteral("打印…"),
                              {QKeySequence::Print});
  connect(print, &QAction::triggered, this, &ReaderTools::Print);
  QAction* export_pdf =
      MakeAction(window_, "ActionExportPdf", QStringLiteral("导出为 PDF…"));
  connect(export_pdf, &QAction::triggered, this, &ReaderTools::ExportPdf);

  context_menu_ = new QMenu(window_);
  context_menu_->setObjectName(QStringLiteral("ReaderContextMenu"));
  context_menu_->addActions({copy_, select_all});
  context_menu_->addSeparator();
  context_menu_->addAction(find);
  context_menu_->addSeparator();
  context_menu_->addActions({print, export_pdf});
  viewport_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(viewport_, &QWidget::customContextMenuRequested, this,
          &ReaderTools::ShowContextMenu);
}

const text::FlatText& ReaderTools::Text() {
  if (!text_) {
    text_ = TopicText(LoadTopicPages(entry_));
    folded_ = FoldedForFind(text_->text);
  }
  return *text_;
}

void ReaderTools::ShowContextMenu(const QPoint& position) {
  copy_->setEnabled(anchor_ != caret_);
  context_menu_->popup(viewport_->mapToGlobal(position));
}

// --- Find --------------------------------------------------------------------

void ReaderTools::OpenFind(const QString& query) {
  find_bar_->PlaceOver(viewport_->contentsRect());
  find_bar_->show();
  QLineEdit* edit = find_bar_->Edit();
  if (!query.isEmpty()) {
    edit->setText(query);
    if (!matches_.empty()) {
      current_ = 0;
      BringIntoView(matches_.front());
      RefreshMarks();
      UpdateCount();
    }
  }
  edit->setFocus(Qt::ShortcutFocusReason);
  edit->selectAll();
}

void ReaderTools::CloseFind() {
  find_bar_->hide();
  matches_.clear();
  current_ = -1;
  RefreshMarks();
  if (scroll_bar_->isVisible()) {
    scroll_bar_->setFocus();
  } else {
    viewport_->setFocus();
  }
}

void ReaderTools::UpdateMatches(const QString& query) {
  Text();
  matches_ = FindAll(folded_, ToU32(query));
  current_ = -1;
  if (!matches_.empty()) {
    // Typing keeps the reader where they are: the first place from the
    // top of the view on, else the first of all.
    current_ = 0;
    for (std::size_t i = 0; i < matches_.size(); ++i) {
      const text::CharSource& source = text_->sources[matches_[i].start];
      const PageImage* page = pages_[static_cast<std::size_t>(source.page)];
      if (page->y() + source.box.top >= 0) {
        current_ = static_cast<int>(i);
        break;
      }
    }
    BringIntoView(matches_[static_cast<std::size_t>(current_)]);
  }
  RefreshMarks();
  UpdateCount();
}

void ReaderTools::FindNext() { Step(1); }

void ReaderTools::FindPrevious() { Step(-1); }

void ReaderTools::Step(int by) {
  if (!find_bar_->isVisible()) OpenFind();
  if (matches_.empty()) return;
  const int count = static_cast<int>(matches_.size());
  current_ =
      ((current_ < 0 ? (by > 0 ? -1 : 0) : current_) + by + count) % count;
  BringIntoView(matches_[static_cast<std::size_t>(current_)]);
  RefreshMarks();
  UpdateCount();
}

void ReaderTools::UpdateCount() {
  find_bar_->ShowCount(current_ + 1, static_cast<int>(matches_.size()));
}

void ReaderTools::BringIntoView(const TextSpan& span) {
  if (!scroll_bar_->isVisible()) return;
  const std::vector<PageRect> boxes =
      RangeBoxes(*text_, span.start, span.length);
  if (boxes.empty()) return;
  const PageImage* page = pages_[static_cast<std::size_t>(boxes.front().page)];
  const int value = scroll_bar_->value();
  // Where the place stands in the column (its top at scroll value 0).
  const double top = page->y() + value + boxes.front().box.top;
  const double bottom = page->y() + value + boxes.front().box.bottom;
  const int visible = viewport_->contentsRect().height() -
                      (find_bar_->isVisible() ? find_bar_->height() : 0);
  if (top >= value && bottom <= value + visible) return;
  const int wanted = static_cast<int>(top - visible * kContextAbove);
  scroll_bar_->setValue(
      std::clamp(wanted, scroll_bar_->minimum(), scroll_bar_->maximum()));
}

void ReaderTools::RefreshMarks() {
  std::vector<std::vector<PageMarks::Mark>> marks(pages_.size());
  auto add = [&](std::size_t start, std::size_t length, PageMarks::Kind kind) {
    for (const PageRect& rect : RangeBoxes(*text_, start, length)) {
      if (rect.page < 0 || static_cast<std::size_t>(rect.page) >= marks.size())
        continue;
      marks[static_cast<std::size_t>(rect.page)].push_back(
          {QRectF(rect.box.left, rect.box.top, rect.box.width(),
                  rect.box.height()),
           kind});
    }
  };
  if (text_) {
    for (std::size_t i = 0; i < matches_.size(); ++i) {
      add(matches_[i].start, matches_[i].length,
          static_cast<int>(i) == current_ ? PageMarks::Kind::kCurrent
                                          : PageMarks::Kind::kFound);
    }
    const std::size_t from = std::min(anchor_, caret_);
    const std::size_t to = std::max(anchor_, caret_);
    if (to > from) add(from, to - from, PageMarks::Kind::kSelected);
  }
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    marks_[i]->SetMarks(std::move(marks[i]));
  }
}

// --- Select and copy -------------------------------------------------------

void ReaderTools::SelectAll() {
  anchor_ = 0;
  caret_ = Text().text.size();
  RefreshMarks();
}

QString ReaderTools::SelectedText() const {
  if (!text_) return {};
  const std::size_t from = std::min(anchor_, caret_);
  const std::size_t to =
      std::min(std::max(anchor_, caret_), text_->text.size());
  return FromU32(std::u32string_view(text_->text).substr(from, to - from));
}

void ReaderTools::Copy() {
  const QString selected = SelectedText();
  if (!selected.isEmpty()) QGuiApplication::clipboard()->setText(selected);
}

std::pair<int, QPointF> ReaderTools::PagePointAt(const QPoint& position) const {
  int nearest = 0;
  int nearest_distance = std::numeric_limits<int>::max();
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    const QRect box = pages_[i]->geometry();
    const int distance = position.y() < box.top() ? box.top() - position.y()
                         : position.y() > box.bottom()
                             ? position.y() - box.bottom()
                             : 0;
    if (distance < nearest_distance) {
      nearest = static_cast<int>(i);
      nearest_distance = distance;
    }
  }
  const QPoint origin = pages_[static_cast<std::size_t>(nearest)]->pos();
  return {nearest, QPointF(position - origin)};
}

bool ReaderTools::eventFilter(QObject* watched, QEvent* event) {
  const auto page = std::find(pages_.begin(), pages_.end(), watched);
  if (page == pages_.end()) return QObject::eventFilter(watched, event);
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
      type != QEvent::MouseButtonRelease &&
      type != QEvent::MouseButtonDblClick) {
    return QObject::eventFilter(watched, event);
  }
  const auto* mouse = static_cast<QMouseEvent*>(event);
  const QPoint in_client = (*page)->mapToParent(mouse->position().toPoint());
  const auto [index, point] = PagePointAt(in_client);
  const std::size_t caret = CaretAt(Text(), index, {point.x(), point.y()});
  if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
    anchor_ = caret_ = caret;
    selecting_ = true;
    viewport_->setFocus(Qt::MouseFocusReason);
  } else if (type == QEvent::MouseMove && selecting_) {
    caret_ = caret;
  } else if (type == QEvent::MouseButtonRelease &&
             mouse->button() == Qt::LeftButton) {
    selecting_ = false;
  } else if (type == QEvent::MouseButtonDblClick &&
             mouse->button() == Qt::LeftButton) {
    const TextSpan sentence =
        SentenceAround(text_->text, std::min(caret, text_->text.size() - 1));
    anchor_ = sentence.start;
    caret_ = sentence.end();
    selecting_ = false;
  } else {
    return false;
  }
  RefreshMarks();
  return true;
}

// --- Print and export --------------------------------------------------------

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
  ExportPdfTo(path);
}

void ReaderTools::ExportPdfTo(const QString& path) {
  if (const std::optional<QString> error = WriteTopicPdf(entry_, path)) {
    toolkit::ShowInformation(
        window_, QStringLiteral("无法写入“%1”：%2").arg(path, *error));
  }
}

}  // namespace tessaly::reader
