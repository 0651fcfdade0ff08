// The reader's reading tools as a user drives them: find as one types,
// across a line wrap and with full-width letters, the highlights and the
// scroll value after Enter; selecting and copying; the context menu,
// printing and the PDF export through its save dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "reader/current_topic.h"
#include "reader/find_bar.h"
#include "reader/frm_z.h"
#include "reader/page_image.h"
#include "reader/page_marks.h"
#include "reader/reader_tools.h"
#include "reader/text_selection.h"
#include "tests/support/find_control.h"
#include "tests/support/message_box_catcher.h"
#include "toolkit/forms.h"

namespace tessaly::reader {
namespace {

using testing::FindControl;

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

QString FromU32(std::u32string_view text) {
  return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

const std::vector<int> kAnxietyTops = {0, 915, 1851, 2787, 3702, 4633, 5257};

class ReadingToolsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCurrentTopic(QStringLiteral("考生焦虑测评"));
    form_ = toolkit::Load<FrmZ>();
    toolkit::Show(form_);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_));
    tools_ = form_->Tools();
    ASSERT_NE(tools_, nullptr);
  }
  void TearDown() override {
    toolkit::Unload<FrmZ>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  QLineEdit* FindText() const {
    return FindControl<QLineEdit>(form_, QStringLiteral("FindText"));
  }
  QString FindCount() const {
    return FindControl<QLabel>(form_, QStringLiteral("FindCount"))->text();
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
  int CountOf(const QString& words) {
    return static_cast<int>(FromU32(tools_->Text().text).count(words));
  }
  // Where on its page a character of the flat text stands.
  QPoint OnPage(std::size_t index, double across = 0.5) {
    const text::PageBox& box = tools_->Text().sources[index].box;
    return QPointF(box.left + box.width() * across, (box.top + box.bottom) / 2)
        .toPoint();
  }

  FrmZ* form_ = nullptr;
  ReaderTools* tools_ = nullptr;
};

TEST_F(ReadingToolsTest, FindsAsOneTypesAndStepsWithEnterAndShiftEnter) {
  QTest::keyClick(form_, Qt::Key_F, Qt::ControlModifier);
  ASSERT_TRUE(tools_->Bar()->isVisible());
  EXPECT_TRUE(FindText()->hasFocus());
  // Typed one character at a time (as an input method commits them).
  FindText()->insert(QStringLiteral("焦"));
  FindText()->insert(QStringLiteral("虑"));
  const int total = CountOf(QStringLiteral("焦虑"));
  ASSERT_GT(total, 3);
  EXPECT_EQ(FindCount(), QStringLiteral("第 1 / %1 处").arg(total));
  QTest::keyClick(FindText(), Qt::Key_Return);
  EXPECT_EQ(FindCount(), QStringLiteral("第 2 / %1 处").arg(total));
  QTest::keyClick(FindText(), Qt::Key_Return, Qt::ShiftModifier);
  QTest::keyClick(FindText(), Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(FindCount(), QStringLiteral("第 %1 / %1 处").arg(total));
  QTest::keyClick(form_, Qt::Key_F3);
  EXPECT_EQ(FindCount(), QStringLiteral("第 1 / %1 处").arg(total));

  FindText()->setText(QStringLiteral("没有这样的词"));
  EXPECT_EQ(FindCount(), QStringLiteral("未找到"));
  QTest::keyClick(FindText(), Qt::Key_Escape);
  EXPECT_FALSE(tools_->Bar()->isVisible());
  EXPECT_TRUE(tools_->Matches().empty());
}

TEST_F(ReadingToolsTest, EnterScrollsThePlaceIntoViewThroughTheScrollBar) {
  // A word of the last pages only: going there must scroll.
  tools_->OpenFind();
  FindText()->setText(QStringLiteral("结果解释"));
  ASSERT_FALSE(tools_->Matches().empty());
  const int value = ScrollBar()->value();
  EXPECT_GT(value, 0);
  // Every page still stands at its column top minus the value.
  std::vector<int> tops;
  for (const PageImage* page : Pages()) tops.push_back(page->y() + value);
  EXPECT_EQ(tops, kAnxietyTops);
  // The current place is highlighted more strongly, and it is in view.
  const TextSpan current =
      tools_->Matches()[static_cast<std::size_t>(tools_->CurrentMatch())];
  const std::vector<PageRect> boxes =
      RangeBoxes(tools_->Text(), current.start, current.length);
  ASSERT_FALSE(boxes.empty());
  PageImage* page = Pages()[static_cast<std::size_t>(boxes[0].page)];
  const double top = page->y() + boxes[0].box.top;
  EXPECT_GE(top, 0);
  EXPECT_LE(top + boxes[0].box.height(), 441 - tools_->Bar()->height());
  const auto* marks = page->findChild<PageMarks*>();
  ASSERT_NE(marks, nullptr);
  EXPECT_TRUE(std::any_of(marks->Marks().begin(), marks->Marks().end(),
                          [](const PageMarks::Mark& m) {
                            return m.kind == PageMarks::Kind::kCurrent;
                          }));
}

TEST_F(ReadingToolsTest, FindsAcrossALineWrapAndFoldsFullWidthDigits) {
  const text::FlatText& flat = tools_->Text();
  // The first place where a paragraph of Chinese text wraps to a new line.
  std::size_t wrap = 0;
  for (std::size_t i = 2; i + 2 < flat.text.size(); ++i) {
    const text::CharSource& a = flat.sources[i - 1];
    const text::CharSource& b = flat.sources[i];
    if (!a.inserted() && !b.inserted() && a.page == b.page &&
        b.box.top > a.box.bottom && text::IsCjk(flat.text[i - 1]) &&
        text::IsCjk(flat.text[i])) {
      wrap = i;
      break;
    }
  }
  ASSERT_GT(wrap, 0u);
  const QString phrase =
      FromU32(std::u32string_view(flat.text).substr(wrap - 2, 4));
  tools_->OpenFind(phrase);
  EXPECT_GE(tools_->Matches().size(), 1u) << phrase.toStdString();

  FindText()->setText(QStringLiteral("60"));
  const std::size_t half_width = tools_->Matches().size();
  ASSERT_GT(half_width, 0u);
  FindText()->setText(QStringLiteral("６０"));
  EXPECT_EQ(tools_->Matches().size(), half_width);
}

TEST_F(ReadingToolsTest, SelectsByDragDoubleClickAndCtrlAAndCopies) {
  const text::FlatText& flat = tools_->Text();
  // Drag over the first five characters of the first body paragraph.
  const std::size_t start = flat.paragraph_starts.at(2);
  PageImage* page = Pages()[0];
  QTest::mousePress(page, Qt::LeftButton, {}, OnPage(start, 0.2));
  QTest::mouseMove(page, OnPage(start + 4, 0.8));
  QTest::mouseRelease(page, Qt::LeftButton, {}, OnPage(start + 4, 0.8));
  EXPECT_EQ(tools_->SelectedText(),
            FromU32(std::u32string_view(flat.text).substr(start, 5)));

  // A double-click selects the sentence under the pointer.
  QTest::mouseDClick(page, Qt::LeftButton, {}, OnPage(start + 2));
  const QString sentence = tools_->SelectedText();
  EXPECT_TRUE(sentence.endsWith(u'。')) << sentence.toStdString();
  EXPECT_FALSE(sentence.contains(u'\n'));

  QTest::keyClick(form_, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(form_, Qt::Key_C, Qt::ControlModifier);
  const QString copied = QGuiApplication::clipboard()->text();
  EXPECT_EQ(copied, FromU32(flat.text));
  EXPECT_TRUE(copied.startsWith(QStringLiteral("考生焦虑测评\n")));
}

TEST_F(ReadingToolsTest, ContextMenuOffersTheReadingTools) {
  QStringList texts;
  for (const QAction* action : tools_->ContextMenu()->actions()) {
    if (!action->isSeparator()) texts << action->text();
  }
  EXPECT_EQ(texts,
            (QStringList{QStringLiteral("复制"), QStringLiteral("全选"),
                         QStringLiteral("查找…"), QStringLiteral("打印…"),
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
  tools_->ExportPdf();
  EXPECT_TRUE(proposed.endsWith(QStringLiteral("/考生焦虑测评.pdf")))
      << proposed.toStdString();
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(5) == "%PDF-");

  const QString blocked = dir.filePath(QStringLiteral("missing/讲义.pdf"));
  testing::MessageBoxCatcher catcher;
  // The file dialog itself will not enter a folder that does not exist, so
  // the failing write is asked for directly.
  tools_->ExportPdfTo(blocked);
  ASSERT_EQ(catcher.Messages().size(), 1u);
  EXPECT_EQ(catcher.Messages()[0].title, QStringLiteral("提示"));
  EXPECT_TRUE(catcher.Messages()[0].text.contains(blocked));
}

}  // namespace
}  // namespace tessaly::reader
