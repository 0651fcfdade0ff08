// The reader window: which pages it shows, where, and how they scroll.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "reader/current_topic.h"
#include "reader/frm_z.h"
#include "reader/page_image.h"
#include "reader/page_viewport.h"
#include "tests/support/find_control.h"
#include "toolkit/forms.h"

namespace tessaly::reader {
namespace {

using testing::FindControl;

class ReaderWindowTest : public ::testing::Test {
 protected:
  void TearDown() override {
    toolkit::Unload<FrmZ>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  FrmZ* Open(const char* title) {
    toolkit::Unload<FrmZ>();
    SetCurrentTopic(QString::fromUtf8(title));
    form_ = toolkit::Load<FrmZ>();
    toolkit::Show(form_);
    form_->SetCaption(CurrentTopic());
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form_));
    return form_;
  }
  QScrollBar* ScrollBar() const {
    return FindControl<QScrollBar>(form_, QStringLiteral("Vsl_01"));
  }
  std::vector<PageImage*> Pages() const {
    auto pages = form_->findChildren<PageImage*>();
    std::sort(pages.begin(), pages.end(), [](PageImage* a, PageImage* b) {
      return a->objectName() < b->objectName();
    });
    return {pages.begin(), pages.end()};
  }
  std::vector<int> Tops() const {
    std::vector<int> tops;
    for (const PageImage* page : Pages()) tops.push_back(page->y());
    return tops;
  }
  static std::vector<int> Shifted(std::vector<int> tops, int by) {
    for (int& top : tops) top -= by;
    return tops;
  }

  FrmZ* form_ = nullptr;
};

const std::vector<int> kAnxietyTops = {0, 915, 1851, 2787, 3702, 4633, 5257};

TEST_F(ReaderWindowTest, AFixedPageStaysWhereItIs) {
  for (const char* title : {"考生能力自我诊断系统", "经典错题评析"}) {
    Open(title);
    EXPECT_FALSE(ScrollBar()->isVisible()) << title;
    const auto pages = Pages();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0]->pos(), QPoint(8, 8));
    EXPECT_EQ(pages[0]->width(), 554);
    EXPECT_FALSE(form_->LastScrollValue().has_value());
  }
  EXPECT_EQ(Pages()[0]->objectName(), QStringLiteral("Img_02"));
  EXPECT_EQ(Pages()[0]->height(), 354);
  EXPECT_TRUE(
      FindControl<QWidget>(form_, QStringLiteral("Pic_02"))->hasFocus());
}

TEST_F(ReaderWindowTest, AnxietyTestScrollsByArrowTrackAndEnd) {
  Open("考生焦虑测评");
  QScrollBar* bar = ScrollBar();
  ASSERT_TRUE(bar->isVisible());
  EXPECT_TRUE(bar->hasFocus());
  EXPECT_EQ(bar->maximum(), 5001);
  EXPECT_EQ(bar->pageStep(), 1000);
  EXPECT_EQ(bar->singleStep(), 250);
  EXPECT_EQ(Pages().front()->objectName(), QStringLiteral("Img_03(0)"));
  EXPECT_EQ(Tops(), kAnxietyTops);
  for (const PageImage* page : Pages()) EXPECT_EQ(page->x(), 8);

  // The lower arrow, then the track below the thumb.
  QTest::mouseClick(bar, Qt::LeftButton, {},
                    QPoint(bar->width() / 2, bar->height() - 4));
  EXPECT_EQ(Tops(), Shifted(kAnxietyTops, 250));
  QTest::mouseClick(bar, Qt::LeftButton, {},
                    QPoint(bar->width() / 2, bar->height() - 40));
  EXPECT_EQ(Tops(), Shifted(kAnxietyTops, 1250));

  bar->setValue(5001);
  EXPECT_EQ(Pages().back()->y(), 256);
  EXPECT_EQ(Pages().back()->geometry().bottom() + 1, 441);
  EXPECT_EQ(form_->LastScrollValue(), 5001);

  // Back to a value and back to the top: the same tops as before.
  bar->setValue(1250);
  EXPECT_EQ(Tops(), Shifted(kAnxietyTops, 1250));
  bar->setValue(0);
  EXPECT_EQ(Tops(), kAnxietyTops);
}

TEST_F(ReaderWindowTest, ApplicationFormReachesItsEndInThirtySevenSteps) {
  Open("模拟志愿填报系统");
  QScrollBar* bar = ScrollBar();
  EXPECT_EQ(bar->maximum(), 37);
  EXPECT_EQ(bar->pageStep(), 7);
  EXPECT_EQ(bar->singleStep(), 1);
  for (int i = 0; i < 37; ++i) {
    QTest::keyClick(bar, Qt::Key_Down);
  }
  EXPECT_EQ(bar->value(), 37);
  EXPECT_EQ(Pages().front()->y(), -37);
}

TEST_F(ReaderWindowTest, FatigueTestStandsAtTheLeftEdge) {
  Open("考生疲劳测评");
  const auto pages = Pages();
  ASSERT_EQ(pages.size(), 4u);
  for (const PageImage* page : pages) EXPECT_EQ(page->x(), 0);
  EXPECT_EQ(Tops(), (std::vector<int>{0, 915, 1851, 2683}));
}

TEST_F(ReaderWindowTest, DraggingMovesNothingUntilTheThumbIsReleased) {
  Open("考生焦虑测评");
  QScrollBar* bar = ScrollBar();
  bar->setSliderDown(true);
  bar->setSliderPosition(3000);
  EXPECT_EQ(Tops(), kAnxietyTops);
  bar->setSliderDown(false);
  EXPECT_EQ(Tops(), Shifted(kAnxietyTops, 3000));
}

void Turn(QWidget* widget, QPoint angle, QPoint pixels = {}) {
  const QPointF at(widget->width() / 2, widget->height() / 2);
  QWheelEvent event(at, widget->mapToGlobal(at), pixels, angle, Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(widget, &event);
}

TEST_F(ReaderWindowTest, AWheelNotchMovesThreeLinesOnLongAndShortTopics) {
  ASSERT_EQ(QApplication::wheelScrollLines(), 3);
  const QPoint notch_down(0, -120);
  const struct {
    const char* title;
    const char* viewport;
  } topics[] = {
      {"考生焦虑测评", "Pic_03"},
      {"建档线、录取控制分数线、提档分数线和录取分数线有何区别", "Pic_08"}};
  for (const auto& [title, viewport_name] : topics) {
    Open(title);
    const auto tops = Tops();
    QWidget* viewport =
        FindControl<QWidget>(form_, QString::fromLatin1(viewport_name));
    Turn(viewport, notch_down);
    EXPECT_EQ(ScrollBar()->value(), 60) << title;
    EXPECT_EQ(Tops(), Shifted(tops, 60)) << title;
    Turn(ScrollBar(), notch_down);
    EXPECT_EQ(ScrollBar()->value(), 120) << title;
    EXPECT_EQ(form_->LastScrollValue(), 120) << title;
    Turn(ScrollBar(), {0, 120});
    EXPECT_EQ(Tops(), Shifted(tops, 60)) << title;
    // A touchpad moves by its own pixels; the end of the column stops it.
    Turn(viewport, {0, -40}, {0, -25});
    EXPECT_EQ(Tops(), Shifted(tops, 85)) << title;
    Turn(viewport, {0, -12000});
    EXPECT_EQ(ScrollBar()->value(), ScrollBar()->maximum()) << title;
  }
}

TEST_F(ReaderWindowTest, PageKeysOverTheViewportMoveAScreenLessALine) {
  Open("考生焦虑测评");
  QWidget* viewport = FindControl<QWidget>(form_, QStringLiteral("Pic_03"));
  viewport->setFocus();
  QTest::keyClick(viewport, Qt::Key_PageDown);
  EXPECT_EQ(Tops(), Shifted(kAnxietyTops, 419));
  QTest::keyClick(viewport, Qt::Key_PageDown);
  QTest::keyClick(viewport, Qt::Key_PageUp);
  EXPECT_EQ(ScrollBar()->value(), 419);
  // Other keys still reach the scroll bar, whose own keys keep its steps.
  QTest::keyClick(viewport, Qt::Key_End);
  EXPECT_EQ(Pages().back()->y(), 256);
  QTest::keyClick(ScrollBar(), Qt::Key_Home);
  QTest::keyClick(ScrollBar(), Qt::Key_PageDown);
  EXPECT_EQ(Tops(), Shifted(kAnxietyTops, 1000));
  QTest::keyClick(ScrollBar(), Qt::Key_Down);
  EXPECT_EQ(Tops(), Shifted(kAnxietyTops, 1250));
}

TEST_F(ReaderWindowTest, ScrollingNeverPlaysAPageAgain) {
  Open("考生焦虑测评");
  QScrollBar* bar = ScrollBar();
  for (int value : {0, 500, 1000, 2000, 0, 5001, 0}) {
    bar->setValue(value);
    form_->repaint();
  }
  for (const PageImage* page : Pages()) {
    EXPECT_LE(page->RenderCount(), 1) << page->objectName().toStdString();
  }
  EXPECT_EQ(Pages().front()->RenderCount(), 1);
}

TEST_F(ReaderWindowTest, AnUnknownTitleOpensAnEmptyWindow) {
  Open("考生焦虑测评 ");
  EXPECT_EQ(form_->size(), QSize(609, 460));
  EXPECT_FALSE(ScrollBar()->isVisible());
  EXPECT_TRUE(Pages().empty());
  EXPECT_TRUE(
      form_->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^Pic_")))
          .isEmpty());
  EXPECT_EQ(form_->windowTitle(), QStringLiteral("考生焦虑测评 "));
}

TEST_F(ReaderWindowTest, ScreenReadersNameThePagesByTheirTopic) {
  FrmZ* form = Open("考生疲劳测评");
  auto* viewport = form->findChild<PageViewport*>();
  ASSERT_NE(viewport, nullptr);
  EXPECT_EQ(
      QAccessible::queryAccessibleInterface(viewport)->text(QAccessible::Name),
      QStringLiteral("考生疲劳测评"));
}

}  // namespace
}  // namespace tessaly::reader
