// The program under measurement, started the way main() starts it.
//   tessaly_probe startup   reports the main window's first paint and exits
//   tessaly_probe memory    opens every window side by side, reports peak
//                           memory and the pixels the reader keeps cached
//   tessaly_probe scroll    opens the longest topic and scrolls it, against
//                           a widget that draws the same column from a pixmap
#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

#include "app/commands.h"
#include "app/frm_main.h"
#include "app/program.h"
#include "bench/program/probe_output.h"
#include "biorhythm/frm_cs2.h"
#include "reader/frm_z.h"
#include "reader/page_image.h"
#include "toolkit/date_picker.h"
#include "toolkit/forms.h"

namespace {

namespace toolkit = tessaly::toolkit;
using tessaly::bench::MonotonicNs;
using tessaly::bench::Report;
using tessaly::reader::FrmZ;
using tessaly::reader::PageImage;

// The topic with the most pages.
const QString kLongestTopic = QStringLiteral("考生焦虑测评");

void Click(QWidget* root, const char* name) {
  if (auto* widget = root->findChild<QWidget*>(QString::fromLatin1(name))) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
  }
}

// Spins the event loop until the window is on screen, without the sleeps of
// QTest's waiting functions, which would swamp what is measured.
void WaitExposed(QWidget* window) {
  while (window->windowHandle() == nullptr ||
         !window->windowHandle()->isExposed()) {
    QCoreApplication::processEvents();
  }
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

double MsSince(std::int64_t start_ns) {
  return static_cast<double>(MonotonicNs() - start_ns) / 1e6;
}

// The floor of a scroll step: the column drawn from one pixmap at an offset.
class BlitView : public QWidget {
 public:
  explicit BlitView(QPixmap column) : column_(std::move(column)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }
  void ScrollTo(int offset) { offset_ = offset; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawPixmap(0, -offset_, column_);
  }

 private:
  QPixmap column_;
  int offset_ = 0;
};

// Scrolls from top to bottom one small change at a time, timing each step
// from the scroll bar's action to the repainted viewport.
std::vector<double> ScrollPass(QScrollBar* scroll_bar, QWidget* viewport) {
  std::vector<double> steps;
  scroll_bar->setValue(0);
  viewport->repaint();
  while (scroll_bar->value() < scroll_bar->maximum()) {
    const std::int64_t start = MonotonicNs();
    scroll_bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    viewport->repaint();
    steps.push_back(MsSince(start));
  }
  return steps;
}

int MeasureScroll() {
  std::vector<double> opens;
  for (int run = 0; run < 11; ++run) {
    const std::int64_t start = MonotonicNs();
    tessaly::app::RunTopicCommand(kLongestTopic);
    FrmZ* form = toolkit::Instance<FrmZ>();
    WaitExposed(form);
    form->repaint();
    opens.push_back(MsSince(start));
  }
  FrmZ* form = toolkit::Instance<FrmZ>();
  auto* scroll_bar = form->findChild<QScrollBar*>(QStringLiteral("Vsl_01"));
  auto* viewport = form->findChild<QWidget*>(QStringLiteral("Pic_03"));
  if (scroll_bar == nullptr || viewport == nullptr) return 1;

  // The first pass plays every page that scrolls into view; the second only
  // moves pages that are already cached.
  const std::vector<double> cold = ScrollPass(scroll_bar, viewport);
  const std::vector<double> warm = ScrollPass(scroll_bar, viewport);

  // Where a step's time goes: the scroll bar repainting its new thumb, and
  // the pages moved and repainted without the scroll bar.
  std::vector<double> bar_paints;
  for (int value = 0; value < scroll_bar->maximum();
       value += scroll_bar->singleStep()) {
    scroll_bar->blockSignals(true);
    const std::int64_t start = MonotonicNs();
    scroll_bar->setValue(value);
    scroll_bar->repaint();
    bar_paints.push_back(MsSince(start));
    scroll_bar->blockSignals(false);
  }

  scroll_bar->setValue(0);
  QWidget* client = viewport->findChild<PageImage*>()->parentWidget();
  int column_height = 0;
  for (const PageImage* page : client->findChildren<PageImage*>()) {
    column_height = std::max(column_height, page->y() + page->height());
  }
  QPixmap column(client->width(), column_height);
  column.fill(Qt::white);
  {
    QPainter painter(&column);
    for (PageImage* page : client->findChildren<PageImage*>()) {
      page->render(&painter, page->pos());
    }
  }
  // What the step would cost if the client shifted its pixels and painted
  // only the strip that scrolls in, as QWidget::scroll does.
  std::vector<double> shifts;
  for (int moved = 0; moved + scroll_bar->singleStep() <= scroll_bar->maximum();
       moved += scroll_bar->singleStep()) {
    const std::int64_t start = MonotonicNs();
    client->scroll(0, -scroll_bar->singleStep());
    viewport->repaint();
    shifts.push_back(MsSince(start));
  }

  BlitView blit(column);
  blit.resize(client->size());
  blit.show();
  WaitExposed(&blit);
  std::vector<double> blits;
  for (int offset = 0; offset + client->height() < column_height;
       offset += scroll_bar->singleStep()) {
    const std::int64_t start = MonotonicNs();
    blit.ScrollTo(offset);
    blit.repaint();
    blits.push_back(MsSince(start));
  }
  Report("open_ms", Median(opens));
  Report("step_first_pass_ms", Median(cold));
  Report("step_first_pass_worst_ms",
         *std::max_element(cold.begin(), cold.end()));
  Report("step_ms", Median(warm));
  Report("blit_ms", Median(blits));
  Report("scroll_bar_paint_ms", Median(bar_paints));
  Report("step_by_shifting_ms", Median(shifts));
  Report("steps", static_cast<double>(warm.size()));
  return 0;
}

int MeasureMemory(tessaly::app::FrmMain* main_window) {
  WaitExposed(main_window);
  Click(main_window, "Lbl_03");
  Click(main_window, "Lbl_CMD_GK");

  tessaly::app::RunTopicCommand(kLongestTopic);
  FrmZ* reader = toolkit::Instance<FrmZ>();
  WaitExposed(reader);
  // Every page scrolls into view once, so every page keeps its pixels.
  auto* scroll_bar = reader->findChild<QScrollBar*>(QStringLiteral("Vsl_01"));
  while (scroll_bar->value() < scroll_bar->maximum()) {
    scroll_bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    reader->repaint();
  }
  double cache_kib = 0;
  for (const PageImage* page : reader->findChildren<PageImage*>()) {
    const qreal ratio = page->devicePixelRatioF();
    cache_kib += page->width() * ratio * page->height() * ratio * 4 / 1024;
  }

  for (const char16_t* key :
       {tessaly::app::kEditionGaokao, tessaly::app::kEditionZhongkao}) {
    tessaly::app::RunPredictionBoardCommand(QString::fromUtf16(key));
  }
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName().startsWith(QLatin1String("FRM_YT"))) {
      WaitExposed(window);
      Click(window, "Lbl_YT(0)");
    }
  }
  tessaly::app::RunStateTest1Command();
  tessaly::app::RunStateTest2Command();
  auto* cs2 = toolkit::Instance<tessaly::biorhythm::FrmCs2>();
  WaitExposed(cs2);
  // The pickers' design dates are refused with a message box, which would
  // wait for a click; a birth date well before the test date draws.
  using namespace std::chrono;
  cs2->findChild<toolkit::DatePicker*>(QStringLiteral("DTPicker2"))
      ->SetValue(year_month_day{year{1987}, March, day{12}});
  cs2->findChild<toolkit::DatePicker*>(QStringLiteral("DTPicker1"))
      ->SetValue(year_month_day{year{2005}, June, day{7}});
  Click(cs2, "Command1");
  QTest::qWait(50);
  tessaly::bench::ReportMemory();
  Report("page_cache_kib", cache_kib);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  Report("app_ready_ns", static_cast<double>(MonotonicNs()));
  QApplication::setQuitOnLastWindowClosed(false);
  const char* mode = argc == 2 ? argv[1] : "startup";
  tessaly::app::FrmMain* main_window = tessaly::app::StartProgram();
  if (std::strcmp(mode, "startup") == 0) {
    Report("loaded_ns", static_cast<double>(MonotonicNs()));
    // Nothing has painted yet: painting waits for the event loop.
    new tessaly::bench::FirstPaintProbe(main_window);
    return QApplication::exec();
  }
  if (std::strcmp(mode, "memory") == 0) return MeasureMemory(main_window);
  if (std::strcmp(mode, "scroll") == 0) return MeasureScroll();
  return 2;
}
