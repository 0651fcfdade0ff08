// A restless user: drives the real program with random mouse and keyboard
// input, restarts it whenever it ends, and checks what must hold of it
// every few hundred actions.
#ifndef TESSALY_TESTS_MONKEY_MONKEY_H_
#define TESSALY_TESTS_MONKEY_MONKEY_H_

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <random>
#include <vector>

#include "tests/monkey/action_log.h"
#include "tests/monkey/program_checks.h"
#include "tests/monkey/watchdog.h"

class QWidget;
class QWindow;

namespace tessaly::monkey {

struct Figures {
  std::uint64_t actions = 0;
  int restarts = 0;
  int checks = 0;
  // Times the program stayed running after its last window closed.
  int lingering = 0;
  double minutes = 0;
};

class Monkey : public QObject {
  Q_OBJECT

 public:
  Monkey(std::uint64_t seed, std::chrono::seconds duration, ActionLog& log,
         Watchdog& watchdog);

  // Runs the program until the time is up or something fails; true when
  // nothing failed.
  bool Run();
  const Figures& RunFigures() const { return figures_; }

 private:
  void ScheduleStep(int delay_ms);
  void Step();
  void Act();
  void ActOnPopup(QWidget* popup);
  // Brings the program back to the main window alone, one step at a time,
  // then checks it.
  void Tidy();
  void CheckBackAtMain();
  void Fail(const QString& what);
  void Log(const QString& action);

  // The user's moves.
  void ClickSomewhere(Qt::MouseButton button);
  void DoubleClickSomewhere();
  void DragSomewhere();
  void TurnWheel();
  void PressKey();
  void PressShortcut();
  void TypeText();
  void ClickMainButton();
  void ResizeWindow();
  void MoveWindow();
  void CloseWindow(bool active_one);
  void ChangeClipboard();
  void ActivateWindow();

  // Where the moves go.
  std::vector<QWidget*> Windows() const;
  std::vector<QWidget*> ReachableWindows() const;
  QWidget* PickWindow();
  QWidget* KeyboardWindow();
  QWidget* PickControl(QWidget* window);
  QPoint PickPoint(QWidget* window, QString* description);
  QPoint PickPointOnce(QWidget* window, QString* description);

  int Uniform(int low, int high);
  bool Chance(double probability);
  template <class T>
  const T& Pick(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(
        Uniform(0, static_cast<int>(items.size()) - 1))];
  }

  std::chrono::seconds duration_;
  ActionLog& log_;
  Watchdog& watchdog_;
  std::mt19937_64 random_;
  QElapsedTimer clock_;
  QElapsedTimer progress_clock_;  // since the last action
  QTimer heartbeat_;
  Figures figures_;
  BackAtMainCheck back_at_main_;

  bool running_ = false;
  bool failed_ = false;
  bool finishing_ = false;
  bool want_check_ = false;
  // The event loop level of every step under way, outermost first.
  std::vector<int> step_loop_levels_;
  int depth_ = 0;
  std::uint64_t steps_ = 0;
  std::uint64_t next_check_ = 0;
  int tidy_steps_ = 0;
  int modal_steps_ = 0;
  int windowless_steps_ = 0;
};

}  // namespace tessaly::monkey

#endif  // TESSALY_TESTS_MONKEY_MONKEY_H_
