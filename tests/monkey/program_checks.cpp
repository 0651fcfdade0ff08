#include "tests/monkey/program_checks.h"

#include <QApplication>
#include <QScrollBar>
#include <cmath>
#include <string_view>
#include <vector>

#include "reader/current_topic.h"
#include "reader/frm_z.h"
#include "reader/topic_catalogue.h"
#include "toolkit/forms.h"

namespace tessaly::monkey {
namespace {

std::map<QString, int> LiveWidgets() {
  std::map<QString, int> widgets;
  for (const QWidget* widget : QApplication::allWidgets()) {
    ++widgets[QString::fromLatin1(widget->metaObject()->className())];
  }
  return widgets;
}

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString PageName(const reader::TopicEntry& entry, int index) {
  const QString control = FromUtf8(entry.page_control);
  if (entry.page_count == 1) return control;
  return QStringLiteral("%1(%2)").arg(control).arg(index);
}

}  // namespace

void BackAtMainCheck::Remember() {
  remembered_ = true;
  menu_color_ = toolkit::GetSysColor(toolkit::kColorMenu);
  widgets_ = LiveWidgets();
}

QString BackAtMainCheck::Check() const {
  if (!remembered_) return {};
  QString problems;
  const toolkit::ColorRef color = toolkit::GetSysColor(toolkit::kColorMenu);
  if (color != menu_color_) {
    problems += QStringLiteral("menu colour 0x%1 instead of 0x%2; ")
                    .arg(color, 8, 16, QLatin1Char('0'))
                    .arg(menu_color_, 8, 16, QLatin1Char('0'));
  }
  std::map<QString, int> now = LiveWidgets();
  for (const auto& [name, count] : widgets_) now[name] -= count;
  for (const auto& [name, difference] : now) {
    if (difference != 0) {
      problems += QStringLiteral("%1%2 %3; ")
                      .arg(difference > 0 ? QStringLiteral("+") : QString())
                      .arg(difference)
                      .arg(name);
    }
  }
  return problems;
}

QString CheckReaderPages() {
  const auto* form = toolkit::Instance<reader::FrmZ>();
  if (form == nullptr) return {};
  const reader::TopicEntry* entry =
      reader::Lookup(reader::CurrentTopic().toStdString());
  if (entry == nullptr) return {};

  std::vector<const QWidget*> pages;
  std::vector<double> heights;
  for (int i = 0; i < entry->page_count; ++i) {
    const auto* page = form->findChild<const QWidget*>(PageName(*entry, i));
    if (page == nullptr)
      return QStringLiteral("no page ") + PageName(*entry, i);
    pages.push_back(page);
    heights.push_back(page->height());
  }
  const auto* scroll_bar =
      form->findChild<const QScrollBar*>(QStringLiteral("Vsl_01"));
  const int value = scroll_bar != nullptr ? scroll_bar->value() : 0;
  const reader::ColumnLayout column = reader::LayOutColumn(*entry, heights);

  QString problems;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const QPoint expected =
        entry->scrolling
            ? QPoint(column.left,
                     static_cast<int>(std::lround(column.tops[i] - value)))
            : QPoint(entry->column_left, reader::kFixedPageTop);
    if (pages[i]->pos() != expected) {
      problems += QStringLiteral(
                      "%1 at (%2, %3) instead of (%4, %5) with "
                      "Vsl_01 at %6; ")
                      .arg(pages[i]->objectName())
                      .arg(pages[i]->x())
                      .arg(pages[i]->y())
                      .arg(expected.x())
                      .arg(expected.y())
                      .arg(value);
    }
  }
  return problems;
}

}  // namespace tessaly::monkey
