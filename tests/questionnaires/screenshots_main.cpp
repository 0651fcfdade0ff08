// Not a test: run under a display with a window manager to picture the
// questionnaire bar in the reader and a filled 考生焦虑测评 with its result,
// saved as questionnaire_bar.png and questionnaire_anxiety.png in the folder
// given.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <cstdio>

#include "questionnaires/frm_test.h"
#include "questionnaires/item_widget.h"
#include "reader/current_topic.h"
#include "reader/frm_z.h"
#include "toolkit/fonts.h"
#include "toolkit/forms.h"

namespace {

namespace toolkit = tessaly::toolkit;

bool SaveScreenOf(QWidget* form, const QString& path) {
  QTest::qWait(400);  // let the display catch up
  const QRect area = form->frameGeometry();
  return form->screen()
      ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
      .save(path);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  toolkit::InstallFontSubstitutions();

  tessaly::reader::SetCurrentTopic(QStringLiteral("考生焦虑测评"));
  auto* reader = toolkit::Load<tessaly::reader::FrmZ>();
  toolkit::Show(reader);
  reader->SetCaption(tessaly::reader::CurrentTopic());
  reader->move(40, 40);
  if (!QTest::qWaitForWindowExposed(reader)) return 1;
  const bool bar_saved = SaveScreenOf(
      reader, out.filePath(QStringLiteral("questionnaire_bar.png")));

  reader->findChild<QAbstractButton*>(QStringLiteral("StartQuestionnaire"))
      ->click();
  auto* form = toolkit::Instance<tessaly::questionnaires::FrmTest>();
  form->move(60, 60);
  if (!QTest::qWaitForWindowExposed(form)) return 1;
  // A candidate who is tense before and during the exam, calmer otherwise.
  constexpr char kAnswers[] =
      "2322332232"
      "3433343323"
      "4343432433"
      "3344334243"
      "2222321232"
      "2122213221";
  auto* first = form->findChild<QWidget*>(QStringLiteral("Item(1)"));
  first->setFocus();
  for (const char answer : kAnswers) {
    if (answer == '\0') break;
    QTest::keyClick(QApplication::focusWidget(), answer);
  }
  const bool form_saved = SaveScreenOf(
      form, out.filePath(QStringLiteral("questionnaire_anxiety.png")));
  return bar_saved && form_saved ? 0 : 1;
}
