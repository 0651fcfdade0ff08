// Every scroll bar of the program shows a thumb that stands out from its
// track, in every window that has one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include "app/frm_main.h"
#include "app/program.h"
#include "biorhythm/frm_cs1.h"
#include "biorhythm/frm_cs2.h"
#include "predictions/frm_yt.h"
#include "predictions/frm_yt1.h"
#include "reader/current_topic.h"
#include "reader/frm_z.h"
#include "toolkit/contrast.h"
#include "toolkit/forms.h"
#include "toolkit/scroll_bar_style.h"

namespace tessaly::app {
namespace {

QStyleOptionSlider Options(const QScrollBar& bar) {
  QStyleOptionSlider option;
  option.initFrom(&bar);
  option.subControls = QStyle::SC_All;
  option.orientation = bar.orientation();
  option.minimum = bar.minimum();
  option.maximum = bar.maximum();
  option.sliderPosition = bar.sliderPosition();
  option.sliderValue = bar.value();
  option.singleStep = bar.singleStep();
  option.pageStep = bar.pageStep();
  if (bar.orientation() == Qt::Horizontal)
    option.state |= QStyle::State_Horizontal;
  return option;
}

std::uint32_t Rgb(const QImage& image, QPoint at) {
  return image.pixel(at) & 0xFFFFFFu;
}

TEST(ScrollBarsTest, ThumbColoursStandOutFromTheTrack) {
  EXPECT_NEAR(toolkit::ContrastRatio(0x000000, 0xFFFFFF), 21.0, 1e-9);
  EXPECT_NEAR(toolkit::ContrastRatio(0x777777, 0x777777), 1.0, 1e-9);
  // The stock thumb on its track, which readers could not find.
  EXPECT_LT(toolkit::ContrastRatio(0xF7F7F7, 0xE6E6E6), 1.2);
  for (std::uint32_t thumb : {toolkit::kScrollThumb, toolkit::kScrollThumbHover,
                              toolkit::kScrollThumbPressed}) {
    EXPECT_GE(toolkit::ContrastRatio(thumb, toolkit::kScrollTrack), 3.0)
        << std::hex << thumb;
  }
}

TEST(ScrollBarsTest, EveryWindowDrawsItsThumbsInThoseColours) {
  FrmMain* main_window = StartProgram();
  reader::SetCurrentTopic(QStringLiteral("考生焦虑测评"));
  toolkit::Show(toolkit::Load<reader::FrmZ>());
  for (toolkit::Form* board :
       {static_cast<toolkit::Form*>(toolkit::Load<predictions::FrmYt>()),
        static_cast<toolkit::Form*>(toolkit::Load<predictions::FrmYt1>())}) {
    toolkit::Show(board);
    // A region's listing, which has both scroll bars.
    QWidget* region = board->findChild<QWidget*>(QStringLiteral("Lbl_YT(0)"));
    ASSERT_NE(region, nullptr);
    QTest::mouseClick(region, Qt::LeftButton, {}, region->rect().center());
  }
  toolkit::Show(toolkit::Load<biorhythm::FrmCs1>());
  toolkit::Show(toolkit::Load<biorhythm::FrmCs2>());

  int checked = 0;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible()) continue;
    for (QScrollBar* bar : window->findChildren<QScrollBar*>()) {
      if (!bar->isVisible()) continue;
      // A bar with nothing to scroll yet still has to look right once its
      // window fills up.
      if (bar->maximum() == bar->minimum()) bar->setRange(0, 100);
      bar->setValue(bar->minimum());
      const QStyleOptionSlider option = Options(*bar);
      const QRect thumb = bar->style()->subControlRect(
          QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
      const QRect track = bar->style()->subControlRect(
          QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, bar);
      ASSERT_LT(
          bar->orientation() == Qt::Vertical ? thumb.bottom() : thumb.right(),
          bar->orientation() == Qt::Vertical ? track.bottom() - 2
                                             : track.right() - 2);
      const QImage image = bar->grab().toImage();
      const QPoint track_point =
          bar->orientation() == Qt::Vertical
              ? QPoint(track.center().x(), track.bottom() - 1)
              : QPoint(track.right() - 1, track.center().y());
      QWidget* owner = bar->parentWidget();
      while (owner->objectName().startsWith(u"qt_"))
        owner = owner->parentWidget();
      const std::string where =
          (window->objectName() + u'/' + owner->objectName()).toStdString();
      EXPECT_GE(toolkit::ContrastRatio(Rgb(image, thumb.center()),
                                       Rgb(image, track_point)),
                3.0)
          << where;
      ++checked;
    }
  }
  // The reader's bar and both boards' listings at least.
  EXPECT_GE(checked, 5);

  toolkit::Unload<reader::FrmZ>();
  toolkit::Unload<predictions::FrmYt>();
  toolkit::Unload<predictions::FrmYt1>();
  toolkit::Unload<biorhythm::FrmCs1>();
  toolkit::Unload<biorhythm::FrmCs2>();
  toolkit::Unload<FrmMain>();
  Q_UNUSED(main_window);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace tessaly::app
