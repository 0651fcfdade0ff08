#include "biorhythm/frm_cs2.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <cmath>
#include <vector>

#include "biorhythm/chart.h"
#include "biorhythm/chart_view.h"
#include "tests/support/find_control.h"
#include "tests/support/message_box_catcher.h"
#include "toolkit/date_picker.h"
#include "toolkit/forms.h"

namespace tessaly::biorhythm {
namespace {

using std::chrono::year_month_day;
using tessaly::testing::FindControl;
using tessaly::testing::MessageBoxCatcher;

constexpr year_month_day Ymd(int y, unsigned m, unsigned d) {
  return year_month_day{std::chrono::year{y}, std::chrono::month{m},
                        std::chrono::day{d}};
}

class FrmCs2Test : public ::testing::Test {
 protected:
  void SetUp() override {
    toolkit::Unload<FrmCs2>();
    form_ = toolkit::Load<FrmCs2>();
    toolkit::Show(form_);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_));
  }

  void TearDown() override {
    toolkit::Unload<FrmCs2>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void Pick(year_month_day birth, year_month_day test) {
    FindControl<toolkit::DatePicker>(form_, "DTPicker2")->SetValue(birth);
    FindControl<toolkit::DatePicker>(form_, "DTPicker1")->SetValue(test);
  }

  void ClickOk() {
    QTest::mouseClick(FindControl<QPushButton>(form_, "Command1"),
                      Qt::LeftButton);
  }

  ChartView* Picture() { return FindControl<ChartView>(form_, "Picture1"); }

  FrmCs2* form_ = nullptr;
};

TEST_F(FrmCs2Test, RefusedDatesDrawNothingAndKeepTheEarlierChart) {
  struct Case {
    year_month_day birth;
    year_month_day test;
    QString message;
  };
  const Case cases[] = {
      {Ymd(2004, 11, 16), Ymd(2004, 11, 5), "起止日期输入有误"},  // design
      {Ymd(2005, 1, 1), Ymd(2005, 1, 1), "起止日期输入有误"},
      {Ymd(2005, 1, 1), Ymd(2005, 1, 30), "日期间隔应大于一个月"},
  };
  EXPECT_EQ(form_->windowTitle(), "节律周期表");
  // A fresh window opens on the design dates, which the first row refuses.
  EXPECT_EQ(FindControl<toolkit::DatePicker>(form_, "DTPicker2")->Value(),
            cases[0].birth);
  EXPECT_EQ(FindControl<toolkit::DatePicker>(form_, "DTPicker1")->Value(),
            cases[0].test);
  for (const bool after_a_chart : {false, true}) {
    if (after_a_chart) {
      Pick(Ymd(2005, 1, 1), Ymd(2005, 3, 1));
      ClickOk();
      ASSERT_TRUE(Picture()->Chart().has_value());
    }
    for (const Case& c : cases) {
      SCOPED_TRACE(c.message.toStdString());
      Pick(c.birth, c.test);
      MessageBoxCatcher catcher;
      ClickOk();
      ASSERT_EQ(catcher.Messages().size(), 1u);
      EXPECT_EQ(catcher.Messages()[0].title, "提示");
      EXPECT_EQ(catcher.Messages()[0].text, c.message);
      EXPECT_EQ(catcher.Messages()[0].icon, QMessageBox::Information);
      if (after_a_chart) {
        EXPECT_EQ(Picture()->Chart()->curves[kPhysicalCurve].points[15].y,
                  -39.84);
      } else {
        EXPECT_FALSE(Picture()->Chart().has_value());
      }
    }
  }
}

TEST_F(FrmCs2Test, ThirtyDaysApartIsDrawnAroundTheTestDay) {
  Pick(Ymd(2005, 1, 1), Ymd(2005, 1, 31));
  MessageBoxCatcher catcher;
  ClickOk();
  EXPECT_TRUE(catcher.Messages().empty());
  ASSERT_TRUE(Picture()->Chart().has_value());
  // n = 30: the leftmost samples are day 15, the rightmost day 45.
  const ChartCurve& physical = Picture()->Chart()->curves[kPhysicalCurve];
  EXPECT_EQ(physical.points.front().y, -81.69);  // day 15
  EXPECT_EQ(physical.points[15].y, 94.22);       // day 30
  EXPECT_EQ(physical.points.back().y, -26.97);   // day 45

  // A second chart replaces the first entirely.
  Pick(Ymd(2005, 1, 1), Ymd(2005, 3, 1));
  ClickOk();
  EXPECT_EQ(Picture()->Chart()->curves[kPhysicalCurve].points[15].y, -39.84);
  EXPECT_EQ(Picture()->Chart()->curves[kEmotionalCurve].points[15].y, 62.34);
}

// The drawn picture: grid, the thick test-day line, the curves in their
// colours, and no stroke on the left edge before a curve's first sample.
TEST_F(FrmCs2Test, DrawnChartShowsGridAndCurves) {
  Pick(Ymd(2005, 1, 1), Ymd(2005, 3, 1));
  ClickOk();
  ChartView* view = Picture();
  const QImage image = view->grab().toImage();
  const auto pixel = [&](double x, double y, int dx = 0) {
    const QPointF p = view->ToWidget({x, y});
    return image.pixelColor(static_cast<int>(std::round(p.x())) + dx,
                            static_cast<int>(std::round(p.y())));
  };
  // A line may land a pixel off its exact point; look around it.
  const auto near = [&](double x, double y, const QColor& color) {
    for (int dy = -2; dy <= 2; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const QPointF p = view->ToWidget({x, y});
        const QPoint at(static_cast<int>(std::round(p.x())) + dx,
                        static_cast<int>(std::round(p.y())) + dy);
        if (image.pixelColor(at) == color) return true;
      }
    }
    return false;
  };
  const QColor black(0, 0, 0);
  const QColor white = pixel(-9.5, 105);
  EXPECT_NE(white, black);

  // Above the curves' range only the grid is drawn.
  EXPECT_EQ(pixel(-10, 105), black);
  EXPECT_EQ(pixel(-10, 105, -1), white);
  EXPECT_EQ(pixel(-10, 105, 1), white);
  for (int dx : {-1, 0, 1}) EXPECT_EQ(pixel(0, 105, dx), black) << dx;
  EXPECT_EQ(pixel(0, 105, -2), white);
  EXPECT_EQ(pixel(0, 105, 2), white);
  EXPECT_EQ(pixel(15, 105), black);  // the last day's line stays visible
  EXPECT_EQ(pixel(-15, 105), black);

  // On the test day the curves pass through that day's values.
  EXPECT_TRUE(near(0, -39.84, QColor(0, 0, 255)));    // physical
  EXPECT_TRUE(near(0, 62.34, QColor(255, 0, 0)));     // emotional
  EXPECT_TRUE(near(0, -97.18, QColor(192, 192, 0)));  // intellectual
  EXPECT_TRUE(near(0, -24.8933, QColor(0, 255, 0)));  // combined
  EXPECT_TRUE(near(-15, 86.6, QColor(192, 192, 0)));
  EXPECT_TRUE(near(15, 97.91, QColor(0, 0, 255)));
  EXPECT_FALSE(near(0, 62.34, QColor(0, 0, 255)));

  // The left edge between the axis and the first samples is still grid.
  EXPECT_EQ(pixel(-15, -20), black);
  EXPECT_EQ(pixel(-15, 40), black);
}

// The chart is repainted from its data, so on a screen with twice the pixel
// density it is drawn afresh with lines twice as wide, not scaled up.
TEST_F(FrmCs2Test, RepaintsSharplyAtTwiceThePixelDensity) {
  Pick(Ymd(2005, 1, 1), Ymd(2005, 3, 1));
  ClickOk();
  ChartView* view = Picture();
  QImage image(view->size() * 2, QImage::Format_RGB32);
  image.setDevicePixelRatio(2);
  view->render(&image);
  const int row = static_cast<int>(view->ToWidget({0, 105}).y() * 2);
  // Widths of the black runs along a row above the curves.
  std::vector<int> runs;
  int run = 0;
  for (int x = 0; x < image.width(); ++x) {
    const QColor c = image.pixelColor(x, row);
    if (c == QColor(0, 0, 0)) {
      ++run;
    } else {
      if (run > 0) runs.push_back(run);
      EXPECT_EQ(c, image.pixelColor(image.width() / 2 + 40, row)) << x;
      run = 0;
    }
  }
  if (run > 0) runs.push_back(run);
  // Border and grid lines coincide at both edges.
  ASSERT_EQ(runs.size(), 31u) << ::testing::PrintToString(runs);
  for (std::size_t i = 1; i + 1 < runs.size(); ++i) {
    EXPECT_EQ(runs[i], i == 15 ? 6 : 2) << i;
  }
}

TEST_F(FrmCs2Test, TabVisitsThePictureThird) {
  const QStringList expected = {"DTPicker1", "Command1", "Picture1",
                                "DTPicker2", "DTPicker1"};
  QStringList visited;
  for (int i = 0; i < expected.size(); ++i) {
    QWidget* focused = QApplication::focusWidget();
    // A date picker's focus lands in its inner line edit.
    while (focused != nullptr && focused->objectName().isEmpty()) {
      focused = focused->parentWidget();
    }
    visited << (focused != nullptr ? focused->objectName() : QString());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(visited, expected);
}

TEST_F(FrmCs2Test, EnterDrawsAndTheChartIsDescribedForScreenReaders) {
  QAccessibleInterface* chart =
      QAccessible::queryAccessibleInterface(Picture());
  ASSERT_NE(chart, nullptr);
  EXPECT_EQ(chart->role(), QAccessible::Chart);
  EXPECT_EQ(chart->text(QAccessible::Name), QStringLiteral("节律周期图"));
  const QString before = chart->text(QAccessible::Description);

  Pick(Ymd(2005, 1, 1), Ymd(2005, 3, 1));
  auto* picker = FindControl<toolkit::DatePicker>(form_, "DTPicker1");
  picker->setFocus(Qt::TabFocusReason);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  ASSERT_TRUE(Picture()->Chart().has_value());
  const QString after = chart->text(QAccessible::Description);
  EXPECT_NE(after, before);
  for (const char* value : {"-39.84", "62.34", "-97.18", "-24.89"}) {
    EXPECT_TRUE(after.contains(QLatin1String(value))) << value;
  }

  EXPECT_EQ(QAccessible::queryAccessibleInterface(
                FindControl<QWidget>(form_, "DTPicker2"))
                ->text(QAccessible::Name),
            QStringLiteral("出生日期"));
}

}  // namespace
}  // namespace tessaly::biorhythm
