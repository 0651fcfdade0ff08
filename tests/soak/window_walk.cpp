#include "tests/soak/window_walk.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <QTest>
#include <chrono>
#include <utility>
#include <vector>

#include "app/commands.h"
#include "app/frm_main.h"
#include "app/program.h"
#include "biorhythm/frm_cs1.h"
#include "biorhythm/frm_cs2.h"
#include "predictions/frm_yt.h"
#include "predictions/frm_yt1.h"
#include "reader/frm_z.h"
#include "reader/topic_catalogue.h"
#include "toolkit/date_picker.h"
#include "toolkit/forms.h"
#include "toolkit/label_button.h"
#include "toolkit/masked_date_box.h"

namespace tessaly::soak {
namespace {

void Click(QWidget* widget) {
  QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// The region buttons of a board in index order: Lbl_YT(0), Lbl_YT(1), ...
std::vector<toolkit::LabelButton*> RegionButtons(QWidget* board) {
  std::vector<toolkit::LabelButton*> regions;
  for (int index = 0;; ++index) {
    auto* region = board->findChild<toolkit::LabelButton*>(
        QStringLiteral("Lbl_YT(%1)").arg(index));
    if (region == nullptr) break;
    regions.push_back(region);
  }
  return regions;
}

}  // namespace

void FlushDeferredDeletes() {
  // A deletion can post another (a window that deletes its pop-ups later),
  // so run until nothing is left.
  for (int round = 0; round < 4; ++round) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
}

void WindowWalk::Snap(QWidget* window, const QString& name) {
  if (options_.snapshot) options_.snapshot(window, name);
}

void WindowWalk::ClickOn(QWidget* root, const QString& control) {
  auto* widget = root->findChild<QWidget*>(control);
  if (widget == nullptr) {
    problems_.append(root->objectName() + QStringLiteral(": no ") + control);
    return;
  }
  Click(widget);
}

bool WindowWalk::OpenMainScreen() {
  app::FrmMain* main_window = app::StartProgram();
  if (!QTest::qWaitForWindowExposed(main_window)) {
    problems_.append(QStringLiteral("FRM_main never showed"));
    return false;
  }
  Snap(main_window, QStringLiteral("main_title"));
  ClickOn(main_window, QStringLiteral("Lbl_03"));
  Snap(main_window, QStringLiteral("main_screen"));
  ClickOn(main_window, QStringLiteral("Lbl_CMD_GK"));
  Snap(main_window, QStringLiteral("main_gaokao"));
  return true;
}

void WindowWalk::ReadEveryTopic() {
  for (const reader::TopicEntry& entry : reader::kTopicCatalogue) {
    app::RunTopicCommand(QString::fromUtf8(
        entry.title.data(), static_cast<int>(entry.title.size())));
    auto* form = toolkit::Instance<reader::FrmZ>();
    if (form == nullptr || !QTest::qWaitForWindowExposed(form)) {
      problems_.append(QStringLiteral("FRM_Z never showed for ") +
                       QString::fromUtf8(entry.title.data(),
                                         static_cast<int>(entry.title.size())));
      continue;
    }
    const QString key = QString::fromLatin1(entry.viewport.data(),
                                            entry.viewport.size())
                            .mid(4);  // "Pic_03" → "03"
    Snap(form, QStringLiteral("topic_%1").arg(key));
    auto* scroll_bar = form->findChild<QScrollBar*>(QStringLiteral("Vsl_01"));
    if (options_.scroll_topics && scroll_bar != nullptr &&
        scroll_bar->isVisible()) {
      while (scroll_bar->value() < scroll_bar->maximum()) {
        scroll_bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCoreApplication::processEvents();
      }
      Snap(form, QStringLiteral("topic_%1_end").arg(key));
    }
    toolkit::Unload<reader::FrmZ>();
  }
}

template <class F>
void WindowWalk::WalkBoard(const QString& edition_key, const QString& label) {
  app::RunPredictionBoardCommand(edition_key);
  F* board = toolkit::Instance<F>();
  if (board == nullptr || !QTest::qWaitForWindowExposed(board)) {
    problems_.append(QStringLiteral("the %1 board never showed").arg(label));
    return;
  }
  Snap(board, QStringLiteral("board_%1").arg(label));
  const std::vector<toolkit::LabelButton*> regions = RegionButtons(board);
  if (regions.empty()) {
    problems_.append(QStringLiteral("the %1 board has no regions").arg(label));
  }
  for (std::size_t index = 0; index < regions.size(); ++index) {
    Click(regions[index]);
    if (index == 0 || !options_.one_region_snapshot) {
      Snap(board, QStringLiteral("board_%1_region_%2").arg(label).arg(index));
    }
    ClickOn(board, QStringLiteral("Lbl_YTB"));
  }
  toolkit::Unload<F>();
}

void WindowWalk::WalkBoards() {
  WalkBoard<predictions::FrmYt>(QString::fromUtf16(app::kEditionGaokao),
                                QStringLiteral("gaokao"));
  WalkBoard<predictions::FrmYt1>(QString::fromUtf16(app::kEditionZhongkao),
                                 QStringLiteral("zhongkao"));
}

void WindowWalk::RunStateTests() {
  app::RunStateTest1Command();
  if (auto* cs1 = toolkit::Instance<biorhythm::FrmCs1>();
      cs1 != nullptr && QTest::qWaitForWindowExposed(cs1)) {
    for (const auto& [name, digits] :
         {std::pair{"MaskEdBox1", "19870312"}, {"MaskEdBox2", "20050607"}}) {
      auto* box =
          cs1->findChild<toolkit::MaskedDateBox*>(QString::fromLatin1(name));
      if (box == nullptr) {
        problems_.append(QStringLiteral("FRM_CS1: no ") + name);
        continue;
      }
      box->setFocus(Qt::MouseFocusReason);
      QTest::keyClick(box, Qt::Key_Home);
      QTest::keyClicks(box, QString::fromLatin1(digits));
    }
    ClickOn(cs1, QStringLiteral("Command1"));
    Snap(cs1, QStringLiteral("state_test_1"));
    toolkit::Unload<biorhythm::FrmCs1>();
  } else {
    problems_.append(QStringLiteral("FRM_CS1 never showed"));
  }

  app::RunStateTest2Command();
  if (auto* cs2 = toolkit::Instance<biorhythm::FrmCs2>();
      cs2 != nullptr && QTest::qWaitForWindowExposed(cs2)) {
    for (const auto& [name, date] :
         {std::pair{"DTPicker2",
                    std::chrono::year_month_day{std::chrono::year{1987},
                                                std::chrono::March,
                                                std::chrono::day{12}}},
          {"DTPicker1", std::chrono::year_month_day{std::chrono::year{2005},
                                                    std::chrono::June,
                                                    std::chrono::day{7}}}}) {
      auto* picker =
          cs2->findChild<toolkit::DatePicker*>(QString::fromLatin1(name));
      if (picker == nullptr) {
        problems_.append(QStringLiteral("FRM_CS2: no ") + name);
        continue;
      }
      picker->SetValue(date);
    }
    ClickOn(cs2, QStringLiteral("Command1"));
    Snap(cs2, QStringLiteral("state_test_2"));
    toolkit::Unload<biorhythm::FrmCs2>();
  } else {
    problems_.append(QStringLiteral("FRM_CS2 never showed"));
  }
}

void WindowWalk::CloseMainWindow() { toolkit::Unload<app::FrmMain>(); }

}  // namespace tessaly::soak
