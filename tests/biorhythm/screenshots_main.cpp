// Shows both test windows after a test on a real display and saves what the
// screen shows of them: cs1.png and cs2.png in the folder given.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <chrono>
#include <cstdio>

#include "biorhythm/frm_cs1.h"
#include "biorhythm/frm_cs2.h"
#include "toolkit/date_picker.h"
#include "toolkit/fonts.h"
#include "toolkit/forms.h"
#include "toolkit/masked_date_box.h"

namespace {

using tessaly::biorhythm::FrmCs1;
using tessaly::biorhythm::FrmCs2;
namespace toolkit = tessaly::toolkit;

template <class T>
T* Find(QWidget* form, const char* name) {
  return form->findChild<T*>(QString::fromLatin1(name));
}

bool SaveScreenOf(QWidget* form, const QString& path) {
  QTest::qWait(300);  // let the display catch up
  const QRect area = form->frameGeometry();
  const QPixmap shot = form->screen()->grabWindow(0, area.x(), area.y(),
                                                  area.width(), area.height());
  return shot.save(path);
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

  FrmCs1* cs1 = toolkit::Load<FrmCs1>();
  toolkit::Show(cs1);
  if (!QTest::qWaitForWindowExposed(cs1)) return 1;
  for (const auto& [name, digits] :
       {std::pair{"MaskEdBox1", "19870312"}, {"MaskEdBox2", "20050607"}}) {
    auto* box = Find<toolkit::MaskedDateBox>(cs1, name);
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClicks(box, QString::fromLatin1(digits));
  }
  QTest::mouseClick(Find<QPushButton>(cs1, "Command1"), Qt::LeftButton);
  const bool cs1_saved = SaveScreenOf(cs1, out.filePath("cs1.png"));
  toolkit::Unload<FrmCs1>();

  FrmCs2* cs2 = toolkit::Load<FrmCs2>();
  toolkit::Show(cs2);
  if (!QTest::qWaitForWindowExposed(cs2)) return 1;
  using std::chrono::day;
  using std::chrono::month;
  using std::chrono::year;
  Find<toolkit::DatePicker>(cs2, "DTPicker2")
      ->SetValue({year{2005}, month{1}, day{1}});
  Find<toolkit::DatePicker>(cs2, "DTPicker1")
      ->SetValue({year{2005}, month{3}, day{1}});
  QTest::mouseClick(Find<QPushButton>(cs2, "Command1"), Qt::LeftButton);
  const bool cs2_saved = SaveScreenOf(cs2, out.filePath("cs2.png"));
  toolkit::Unload<FrmCs2>();

  return cs1_saved && cs2_saved ? 0 : 1;
}
