#include "search/frm_search.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QVBoxLayout>

#include "search/handbook_index.h"
#include "search/handbook_text.h"

namespace tessaly::search {
namespace {

constexpr int kRichTextRole = Qt::UserRole + 1;
constexpr int kTitleRole = Qt::UserRole + 2;

QString FromU32(std::u32string_view text) {
  return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

std::u32string ToU32(const QString& text) {
  const QList<uint> units = text.toUcs4();
  return {units.begin(), units.end()};
}

// Rows as two lines of rich text: the title with its count, then the
// snippet with the words in bold.
class HitDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    item.text.clear();
    item.widget->style()->drawControl(QStyle::CE_ItemViewItem, &item, painter,
                                      item.widget);
    QTextDocument document;
    document.setDefaultFont(option.font);
    document.setHtml(index.data(kRichTextRole).toString());
    document.setTextWidth(option.rect.width() - 8);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(
        QPalette::Text, option.state & QStyle::State_Selected
                            ? option.palette.color(QPalette::HighlightedText)
                            : option.palette.color(QPalette::Text));
    painter->save();
    painter->translate(option.rect.topLeft() + QPoint(4, 2));
    document.documentLayout()->draw(painter, context);
    painter->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override {
    QTextDocument document;
    document.setDefaultFont(option.font);
    document.setHtml(index.data(kRichTextRole).toString());
    document.setTextWidth(option.rect.width() > 0 ? option.rect.width() - 8
                                                  : 400);
    return {static_cast<int>(document.idealWidth()) + 8,
            static_cast<int>(document.size().height()) + 4};
  }
};

}  // namespace

FrmSearch::FrmSearch()
    : Form(QStringLiteral("FRM_SEARCH")),
      search_text_(new QLineEdit(this)),
      search_results_(new QListView(this)),
      model_(new QStandardItemModel(this)),
      status_(new QLabel(this)) {
  SetCaption(QStringLiteral("全文搜索"));
  resize(520, 420);
  search_text_->setObjectName(QStringLiteral("SearchText"));
  search_text_->setPlaceholderText(
      QStringLiteral("输入要在全部专题中查找的文字"));
  search_text_->setAccessibleName(QStringLiteral("搜索内容"));
  search_text_->setClearButtonEnabled(true);
  search_results_->setObjectName(QStringLiteral("SearchResults"));
  search_results_->setAccessibleName(QStringLiteral("搜索结果"));
  search_results_->setModel(model_);
  search_results_->setItemDelegate(new HitDelegate(search_results_));
  search_results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  search_results_->setUniformItemSizes(false);
  search_results_->setWordWrap(true);
  status_->setObjectName(QStringLiteral("SearchStatus"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(search_text_);
  layout->addWidget(status_);
  layout->addWidget(search_results_, 1);

  connect(search_text_, &QLineEdit::textChanged, this, &FrmSearch::RunSearch);
  connect(search_text_, &QLineEdit::returnPressed, this, [this] {
    const QModelIndex current = search_results_->currentIndex();
    OpenRow(current.isValid() ? current : model_->index(0, 0));
  });
  connect(search_results_, &QListView::activated, this, &FrmSearch::OpenRow);
  connect(&HandbookText::Instance(), &HandbookText::Ready, this,
          &FrmSearch::RunSearch);
}

void FrmSearch::SetUp(QStringList titles, std::vector<std::size_t> allowed,
                      OpenTopic open_topic) {
  titles_ = std::move(titles);
  allowed_ = std::move(allowed);
  open_topic_ = std::move(open_topic);
  HandbookText::Instance().StartBuilding(titles_);
  RunSearch();
}

void FrmSearch::RunSearch() {
  model_->clear();
  const QString words = search_text_->text();
  if (words.isEmpty()) {
    status_->clear();
    return;
  }
  const HandbookIndex* index = HandbookText::Instance().Index();
  if (index == nullptr) {
    status_->setText(QStringLiteral("正在准备全文索引…"));
    return;
  }
  const std::vector<SearchHit> hits = index->Search(ToU32(words), allowed_);
  status_->setText(hits.empty() ? QStringLiteral("没有专题包含“%1”").arg(words)
                                : QStringLiteral("%1 个专题").arg(hits.size()));
  for (const SearchHit& hit : hits) {
    const QString title = titles_.value(static_cast<qsizetype>(hit.topic));
    const QString before =
        FromU32(std::u32string_view(hit.snippet).substr(0, hit.snippet_match));
    const QString match =
        FromU32(std::u32string_view(hit.snippet)
                    .substr(hit.snippet_match, hit.match_length));
    const QString after =
        FromU32(std::u32string_view(hit.snippet)
                    .substr(hit.snippet_match + hit.match_length));
    auto* item = new QStandardItem(QStringLiteral("%1（%2 处）：%3")
                                       .arg(title)
                                       .arg(hit.count)
                                       .arg(before + match + after));
    item->setData(QStringLiteral("<b>%1</b>（%2 处）<br>%3<b>%4</b>%5")
                      .arg(title.toHtmlEscaped())
                      .arg(hit.count)
                      .arg(before.toHtmlEscaped(), match.toHtmlEscaped(),
                           after.toHtmlEscaped()),
                  kRichTextRole);
    item->setData(title, kTitleRole);
    model_->appendRow(item);
  }
  if (model_->rowCount() > 0)
    search_results_->setCurrentIndex(model_->index(0, 0));
}

void FrmSearch::OpenRow(const QModelIndex& index) {
  if (!index.isValid() || !open_topic_) return;
  open_topic_(index.data(kTitleRole).toString(), search_text_->text());
}

void FrmSearch::keyPressEvent(QKeyEvent* event) {
  // Up and down in the words move through the results.
  if (event->key() == Qt::Key_Down || event->key() == Qt::Key_Up) {
    QCoreApplication::sendEvent(search_results_, event);
    return;
  }
  Form::keyPressEvent(event);
}

}  // namespace tessaly::search
