#include "reader/frm_z.h"

#include <QScrollBar>
#include <cmath>

#include "content/topic_pages.h"
#include "questionnaires/questionnaire_bar.h"
#include "reader/current_topic.h"
#include "reader/page_image.h"
#include "reader/page_viewport.h"
#include "reader/reader_tools.h"
#include "reader/topic_catalogue.h"
#include "toolkit/units.h"

namespace tessaly::reader {
namespace {

// Design values in twips.
constexpr int kClientWidth = 9135;
constexpr int kClientHeight = 6900;
constexpr QRect kViewportRect = toolkit::TwipsRect(120, 120, 8535, 6615);
constexpr QRect kScrollBarRect = toolkit::TwipsRect(8760, 120, 255, 6615);

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString PageName(const TopicEntry& entry, int index) {
  const QString control = ToQString(entry.page_control);
  if (entry.page_count == 1) return control;
  return QStringLiteral("%1(%2)").arg(control).arg(index);
}

}  // namespace

FrmZ::FrmZ() : Form(QStringLiteral("FRM_Z")) {
  SetCaption(QStringLiteral("Form1"));
  SetClientSizeTwips(kClientWidth, kClientHeight);
  vsl_01_ = new QScrollBar(Qt::Vertical, this);
  vsl_01_->setObjectName(QStringLiteral("Vsl_01"));
  vsl_01_->setGeometry(kScrollBarRect);
  vsl_01_->setFocusPolicy(Qt::StrongFocus);
  // The pages follow a dragged thumb only when it is released.
  vsl_01_->setTracking(false);
  vsl_01_->setVisible(false);
  connect(vsl_01_, &QScrollBar::valueChanged, this, &FrmZ::Vsl_01_Change);
}

FrmZ::~FrmZ() = default;

void FrmZ::Form_Load() {
  const TopicEntry* entry = Lookup(CurrentTopic().toStdString());
  if (entry == nullptr) return;

  viewport_ = new PageViewport(ToQString(entry->viewport), this);
  viewport_->setGeometry(kViewportRect);
  // Screen readers name the pages by the topic they belong to.
  viewport_->setAccessibleName(CurrentTopic());
  viewport_->ForwardScrollingTo(vsl_01_);
  for (int i = 0; i < entry->page_count; ++i) {
    const QByteArray page = content::LoadPage(ToQString(entry->page_control), i)
                                .value_or(QByteArray());
    pages_.push_back(
        new PageImage(PageName(*entry, i), page, viewport_->Client()));
  }
  if (entry->scrolling) {
    ShowColumn(*entry);
  } else {
    ShowFixedPage(*entry);
  }
  tools_ = new ReaderTools(this, viewport_, vsl_01_, pages_, *entry);
  questionnaires::ShowQuestionnaireBarIfAny(std::string(entry->title),
                                            viewport_->geometry(), this);
}

void FrmZ::ShowFixedPage(const TopicEntry& entry) {
  viewport_->setVisible(true);
  vsl_01_->setVisible(false);
  for (PageImage* page : pages_) {
    page->move(entry.column_left, kFixedPageTop);
  }
}

void FrmZ::ShowColumn(const TopicEntry& entry) {
  viewport_->setVisible(true);
  std::vector<double> heights;
  for (const PageImage* page : pages_)
    heights.push_back(page->NaturalSize().height());
  const ColumnLayout column = LayOutColumn(entry, heights);
  page_tops_ = column.tops;
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    pages_[i]->move(column.left, static_cast<int>(std::lround(page_tops_[i])));
  }
  // A column that fits into the viewport has nothing to scroll.
  const std::optional<ScrollSetup> setup = SetUpScrolling(heights);
  if (setup) {
    vsl_01_->setVisible(true);
    vsl_01_->setMinimum(0);
    vsl_01_->setMaximum(setup->max);
    vsl_01_->setPageStep(setup->large_change);
    vsl_01_->setSingleStep(setup->small_change);
  }
  last_scroll_value_ = 0;
}

void FrmZ::showEvent(QShowEvent* event) {
  Form::showEvent(event);
  if (vsl_01_->isVisible()) {
    vsl_01_->setFocus();
  } else if (viewport_ != nullptr) {
    viewport_->setFocus();
  }
}

void FrmZ::Vsl_01_Change() {
  if (viewport_ == nullptr || !last_scroll_value_) return;
  const int value = vsl_01_->value();
  const int delta = value - *last_scroll_value_;
  for (double& top : page_tops_) {
    // Single precision, as the page controls keep their positions.
    top = static_cast<float>(top - delta);
  }
  // Shifting the viewport's pixels moves every page by the same whole
  // number of pixels and leaves only the strip that scrolls in to be drawn.
  viewport_->Client()->scroll(0, -delta);
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    const int top = static_cast<int>(std::lround(page_tops_[i]));
    if (pages_[i]->y() != top) pages_[i]->move(pages_[i]->x(), top);
  }
  last_scroll_value_ = value;
}

}  // namespace tessaly::reader
