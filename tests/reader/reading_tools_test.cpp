// The reader's printing and export: the context menu, Ctrl+P and the PDF
// export through its save dialog, with the error shown when writing fails.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QPrintDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "reader/current_topic.h"
#include "reader/frm_z.h"
#include "reader/reader_tools.h"
#include "tests/support/find_control.h"
#include "tests/support/message_box_catcher.h"
#include "toolkit/forms.h"

namespace tessaly::reader {
namespace {

// Calls `answer` with the first top-level dialog of type D once it shows.
template <class D>
void AnswerDialog(std::function<void(D*)> answer) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* dialog = qobject_cast<D*>(widget);
          dialog && dialog->isVisible()) {
        timer->stop();
        timer->deleteLater();
        answer(dialog);
        return;
      }
    }
  });
  timer->start(20);
}

class ReadingToolsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCurrentTopic(QStringLiteral("考生焦虑测评"));
    form_ = toolkit::Load<FrmZ>();
    toolkit::Show(form_);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_));
  }
  void TearDown() override {
    toolkit::Unload<FrmZ>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  FrmZ* form_ = nullptr;
};

TEST_F(ReadingToolsTest, ContextMenuOffersPrintAndExport) {
  QStringList texts;
  for (const QAction* action : form_->Tools()->ContextMenu()->actions()) {
    if (!action->isSeparator()) texts << action->text();
  }
  EXPECT_EQ(texts, (QStringList{QStringLiteral("打印…"),
                                QStringLiteral("导出为 PDF…")}));
}

TEST_F(ReadingToolsTest, CtrlPOpensThePrintDialog) {
  bool shown = false;
  AnswerDialog<QPrintDialog>([&shown](QPrintDialog* dialog) {
    shown = true;
    dialog->reject();
  });
  QTest::keyClick(form_, Qt::Key_P, Qt::ControlModifier);
  EXPECT_TRUE(shown);
}

TEST_F(ReadingToolsTest, ExportWritesThePdfWhereTheUserSaysAndReportsFailure) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("讲义.pdf"));
  QString proposed;
  AnswerDialog<QFileDialog>([&](QFileDialog* dialog) {
    proposed = dialog->selectedFiles().value(0);
    dialog->selectFile(path);
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
  });
  form_->Tools()->ExportPdf();
  EXPECT_TRUE(proposed.endsWith(QStringLiteral("/考生焦虑测评.pdf")))
      << proposed.toStdString();
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(5) == "%PDF-");

  const QString blocked = dir.filePath(QStringLiteral("missing/讲义.pdf"));
  testing::MessageBoxCatcher catcher;
  AnswerDialog<QFileDialog>([&](QFileDialog* dialog) {
    dialog->selectFile(blocked);
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
  });
  form_->Tools()->ExportPdf();
  ASSERT_EQ(catcher.Messages().size(), 1u);
  EXPECT_EQ(catcher.Messages()[0].title, QStringLiteral("提示"));
  EXPECT_TRUE(catcher.Messages()[0].text.contains(blocked));
}

}  // namespace
}  // namespace tessaly::reader
