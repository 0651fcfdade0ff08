// The masked date box and the date picker.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "toolkit/date_picker.h"
#include "toolkit/masked_date_box.h"

namespace tessaly::toolkit {
namespace {

TEST(MaskedDateBoxTest, TextIsAlwaysTenCharactersWithPrompts) {
  struct Case {
    const char* typed;
    const char* text;
  };
  const Case cases[] = {
      {"", "____-__-__"},
      {"199", "199_-__-__"},
      {"19900131", "1990-01-31"},
      {"1990013", "1990-01-3_"},
      {"199001311234", "1990-01-31"},
  };
  for (const Case& c : cases) {
    MaskedDateBox box(QStringLiteral("Box"), nullptr);
    QTest::keyClicks(&box, QString::fromLatin1(c.typed));
    EXPECT_EQ(box.Text(), QString::fromLatin1(c.text)) << c.typed;
    EXPECT_EQ(box.Text().size(), 10);
  }
}

TEST(MaskedDateBoxTest, LettersAreRefused) {
  MaskedDateBox box(QStringLiteral("Box"), nullptr);
  QTest::keyClicks(&box, QStringLiteral("19a9x0"));
  EXPECT_EQ(box.Text(), QStringLiteral("1990-__-__"));
}

TEST(MaskedDateBoxTest, LostFocusOnlyWhenTheUserMovesOnInItsWindow) {
  QWidget window;
  MaskedDateBox box(QStringLiteral("Box"), &window);
  QLineEdit next(&window);
  next.move(0, 40);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  box.setFocus();
  QSignalSpy lost(&box, &MaskedDateBox::LostFocus);

  QWidget other;
  other.show();
  other.activateWindow();
  QTest::qWait(20);
  QFocusEvent switched(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QCoreApplication::sendEvent(&box, &switched);
  EXPECT_EQ(lost.count(), 0);

  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  box.setFocus();
  QTest::keyClick(&box, Qt::Key_Tab);
  EXPECT_TRUE(next.hasFocus());
  EXPECT_EQ(lost.count(), 1);
}

TEST(MaskedDateBoxTest, ClickPutsTheCaretWhereTypingCanGoOn) {
  struct Case {
    const char* typed;  // before the click, from the start
    int clicked;        // the character position clicked
    int caret;
  };
  const Case cases[] = {
      {"", 0, 0},  // empty: always the start
      {"", 6, 0},         {"", 10, 0},
      {"19870", 2, 6},                        // partly filled: the next prompt
      {"19870", 8, 8},    {"19870", 10, 10},  // after the last character
      {"19870312", 3, 3},                     // full: where clicked
      {"19870312", 6, 6},
  };
  QWidget window;
  MaskedDateBox box(QStringLiteral("Box"), &window);
  box.resize(120, 25);
  const auto caret_place = [&box] {
    return box.inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
  };
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  for (const Case& c : cases) {
    box.clear();
    box.setCursorPosition(0);
    QTest::keyClicks(&box, QString::fromLatin1(c.typed));
    box.setCursorPosition(c.clicked);
    // Just right of the caret's place, so the click lands on that position.
    const QPoint at = caret_place() + QPoint(1, 0);
    box.setCursorPosition(0);
    QTest::mouseClick(&box, Qt::LeftButton, {}, at);
    EXPECT_EQ(box.cursorPosition(), c.caret)
        << "typed " << c.typed << ", clicked at " << c.clicked;
  }

  // The case users met: a click in the middle of an empty box, then a date.
  box.clear();
  box.setCursorPosition(5);
  const QPoint middle = caret_place();
  QTest::mouseClick(&box, Qt::LeftButton, {}, middle);
  QTest::keyClicks(&box, QStringLiteral("19870312"));
  EXPECT_EQ(box.Text(), QStringLiteral("1987-03-12"));
}

TEST(DatePickerTest, KeepsDatesWithinItsRange) {
  using std::chrono::day;
  using std::chrono::month;
  using std::chrono::year;
  DatePicker picker(QStringLiteral("Picker"), year{2004} / month{11} / day{16},
                    nullptr);
  EXPECT_EQ(picker.Value(), year{2004} / month{11} / day{16});
  picker.SetValue(year{1500} / month{1} / day{1});
  EXPECT_EQ(picker.Value(), year{1601} / month{1} / day{1});
  picker.SetValue(year{9999} / month{12} / day{31});
  EXPECT_EQ(picker.Value(), year{9999} / month{12} / day{31});
}

}  // namespace
}  // namespace tessaly::toolkit
