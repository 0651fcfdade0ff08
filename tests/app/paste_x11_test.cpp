// Pastes into the program's editable text controls on X11 with nothing on
// the clipboard and nothing selected: on that platform nobody owning the
// clipboard gives data without a single format, which Qt's own multi-line
// text control cannot take. Run under tests/support/with_window_manager.sh.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>

#include "app/commands.h"
#include "app/frm_main.h"
#include "biorhythm/frm_cs1.h"
#include "predictions/frm_yt.h"
#include "tests/support/find_control.h"
#include "tests/support/message_box_catcher.h"
#include "toolkit/forms.h"

namespace tessaly::app {
namespace {

using testing::FindControl;

QString Text(QWidget* control) {
  if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
    return box->toPlainText();
  }
  return qobject_cast<QLineEdit*>(control)->text();
}

// Where a mouse click into the control lands.
QWidget* ClickTarget(QWidget* control) {
  if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) {
    return area->viewport();
  }
  return control;
}

void EmptyClipboardAndSelection() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear(QClipboard::Clipboard);
  clipboard->clear(QClipboard::Selection);
  QTest::qWait(50);
}

struct Case {
  const char* control;
  const char* pasted;  // what a paste that works puts in
  // Opens the control's window and returns it, active.
  std::function<QWidget*()> open;
};

QWidget* OpenGaokaoBoardPanel() {
  RunPredictionBoardCommand(QString::fromUtf16(kEditionGaokao));
  QWidget* board = toolkit::Instance<predictions::FrmYt>();
  QWidget* region = FindControl<QWidget>(board, QStringLiteral("Lbl_YT(0)"));
  QTest::mouseClick(region, Qt::LeftButton, {}, region->rect().center());
  return board;
}

QWidget* OpenStateTest1() {
  RunStateTest1Command();
  return toolkit::Instance<biorhythm::FrmCs1>();
}

const Case kCases[] = {
    {"Txt_YT", "甲乙", OpenGaokaoBoardPanel},
    {"MaskEdBox1", "19900131", OpenStateTest1},
    {"Text3", "甲乙", OpenStateTest1},
};

TEST(PasteOnX11Test, NothingToPasteLeavesTextAlone) {
  testing::MessageBoxCatcher boxes;
  for (const Case& c : kCases) {
    QWidget* window = c.open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << c.control;
    auto* control =
        FindControl<QWidget>(window, QString::fromLatin1(c.control));
    ASSERT_TRUE(control->isVisible()) << c.control;
    QWidget* target = ClickTarget(control);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
    const QString before = Text(control);
    EmptyClipboardAndSelection();
    for (const QClipboard::Mode mode :
         {QClipboard::Clipboard, QClipboard::Selection}) {
      const QMimeData* data = QGuiApplication::clipboard()->mimeData(mode);
      ASSERT_TRUE(data == nullptr || data->formats().isEmpty())
          << "something owns the clipboard; the test proves nothing";
    }

    QTest::keyClick(control, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(control, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::mouseClick(target, Qt::MiddleButton, {}, target->rect().center());
    EXPECT_EQ(Text(control), before) << c.control;

    // Something to paste still pastes.
    QGuiApplication::clipboard()->setText(QString::fromUtf8(c.pasted));
    QTest::keyClick(control, Qt::Key_Home);
    QTest::keyClick(control, Qt::Key_V, Qt::ControlModifier);
    EXPECT_NE(Text(control), before) << c.control;
  }
  toolkit::Unload<predictions::FrmYt>();
  toolkit::Unload<biorhythm::FrmCs1>();
}

}  // namespace
}  // namespace tessaly::app
