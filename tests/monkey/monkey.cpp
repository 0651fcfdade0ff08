#include "tests/monkey/monkey.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include "app/frm_main.h"
#include "app/program.h"
#include "tests/monkey/user_input.h"
#include "toolkit/forms.h"

namespace tessaly::monkey {
namespace {

constexpr int kReaderCheckEvery = 25;
// A pop-up or modal window the monkey cannot leave after this many steps of
// trying is a trap for a user too.
constexpr int kTidyStepLimit = 400;
constexpr int kWindowlessStepLimit = 200;
constexpr qint64 kStuckMs = 30000;

QString Name(const QObject* object) {
  if (object == nullptr) return QStringLiteral("(none)");
  const QString name = object->objectName();
  return name.isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                        : name;
}

QString Describe(QPoint at) {
  return QStringLiteral("(%1,%2)").arg(at.x()).arg(at.y());
}

app::FrmMain* MainWindow() { return toolkit::Instance<app::FrmMain>(); }

// Deletes what the event loop would delete on its way back to the top.
void FlushDeferredDeletes() {
  for (int round = 0; round < 4; ++round) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

struct NamedKey {
  Qt::Key key;
  const char* name;
};

constexpr std::array kKeys = {
    NamedKey{Qt::Key_Tab, "Tab"},
    NamedKey{Qt::Key_Backtab, "Backtab"},
    NamedKey{Qt::Key_Return, "Return"},
    NamedKey{Qt::Key_Enter, "Enter"},
    NamedKey{Qt::Key_Escape, "Escape"},
    NamedKey{Qt::Key_Space, "Space"},
    NamedKey{Qt::Key_Up, "Up"},
    NamedKey{Qt::Key_Down, "Down"},
    NamedKey{Qt::Key_Left, "Left"},
    NamedKey{Qt::Key_Right, "Right"},
    NamedKey{Qt::Key_PageUp, "PgUp"},
    NamedKey{Qt::Key_PageDown, "PgDn"},
    NamedKey{Qt::Key_Home, "Home"},
    NamedKey{Qt::Key_End, "End"},
    NamedKey{Qt::Key_Backspace, "BkSp"},
    NamedKey{Qt::Key_Delete, "Del"},
    NamedKey{Qt::Key_Insert, "Ins"},
    NamedKey{Qt::Key_F1, "F1"},
    NamedKey{Qt::Key_F10, "F10"},
    NamedKey{Qt::Key_Menu, "Menu"},
    NamedKey{Qt::Key_0, "0"},
    NamedKey{Qt::Key_1, "1"},
    NamedKey{Qt::Key_5, "5"},
    NamedKey{Qt::Key_9, "9"},
    NamedKey{Qt::Key_A, "A"},
    NamedKey{Qt::Key_Z, "Z"},
};

struct Shortcut {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  const char* name;
};

const std::array kShortcuts = {
    Shortcut{Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},
    Shortcut{Qt::Key_V, Qt::ControlModifier, "Ctrl+V"},
    Shortcut{Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
    Shortcut{Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
    Shortcut{Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
    Shortcut{Qt::Key_Insert, Qt::ShiftModifier, "Shift+Insert"},
    Shortcut{Qt::Key_Insert, Qt::ControlModifier, "Ctrl+Insert"},
    Shortcut{Qt::Key_Delete, Qt::ShiftModifier, "Shift+Del"},
    Shortcut{Qt::Key_Tab, Qt::ControlModifier, "Ctrl+Tab"},
};

// Sizes a user drags windows to, the silly ones included. At 8000 x 8000
// the X server alone kept a sanitizer build busy for over ten seconds on a
// loaded machine, which the watchdog cannot tell from a hang.
constexpr std::array<QSize, 7> kOddSizes = {
    QSize(1, 1),   QSize(4000, 3000), QSize(37, 999),   QSize(999, 37),
    QSize(200, 1), QSize(1, 600),     QSize(3000, 2000)};

const QString kTypedTexts[] = {
    QStringLiteral("北京考区"),
    QStringLiteral("高考 2005"),
    QStringLiteral("1987-03-12"),
    QStringLiteral("　全角　"),
    QStringLiteral("\t\r\n"),
    QStringLiteral("😀𠀀"),
    QStringLiteral("%1$s %n <b>x</b> &amp;"),
};

}  // namespace

Monkey::Monkey(std::uint64_t seed, std::chrono::seconds duration,
               ActionLog& log, Watchdog& watchdog)
    : duration_(duration), log_(log), watchdog_(watchdog), random_(seed) {
  connect(&heartbeat_, &QTimer::timeout, this, [this] {
    watchdog_.Beat();
    // The event loop runs but no step comes: the monkey lost its way (a
    // nested loop that it does not know, say).
    if (running_ && progress_clock_.elapsed() > kStuckMs) {
      Fail(QStringLiteral("no action for %1 s").arg(kStuckMs / 1000));
    }
  });
}

int Monkey::Uniform(int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(random_);
}

bool Monkey::Chance(double probability) {
  return std::bernoulli_distribution(probability)(random_);
}

void Monkey::Log(const QString& action) {
  QString line = QStringLiteral("[%1] ").arg(depth_) + action;
  // One line per action, whatever was typed.
  line.replace(QLatin1Char('\n'), QLatin1String("\\n"))
      .replace(QLatin1Char('\r'), QLatin1String("\\r"))
      .replace(QLatin1Char('\t'), QLatin1String("\\t"));
  log_.Add(line.toStdString());
  figures_.actions = log_.Count();
  progress_clock_.start();
}

bool Monkey::Run() {
  clock_.start();
  progress_clock_.start();
  heartbeat_.start(200);
  next_check_ = static_cast<std::uint64_t>(Uniform(200, 400));
  while (!failed_ && !finishing_) {
    Log(QStringLiteral("start the program"));
    app::StartProgram();
    back_at_main_.Forget();
    running_ = true;
    ScheduleStep(0);
    QApplication::exec();
    running_ = false;
    watchdog_.Beat();
    FlushDeferredDeletes();
    if (!failed_ && !finishing_) ++figures_.restarts;
  }
  heartbeat_.stop();
  figures_.minutes = static_cast<double>(clock_.elapsed()) / 60000.0;
  return !failed_;
}

void Monkey::ScheduleStep(int delay_ms) {
  QTimer::singleShot(delay_ms, this, &Monkey::Step);
}

// Each step schedules the next one before it acts: when its action opens a
// menu or a modal window, the next steps run inside that window's event
// loop and deal with it, as a user would.
void Monkey::Step() {
  if (!running_) return;
  // The test events process events themselves; a step that comes up there
  // waits for the action before it to finish. One that comes up in an
  // event loop of the program's own (a menu, a modal window) goes ahead.
  const int loop_level = QThread::currentThread()->loopLevel();
  if (!step_loop_levels_.empty() && step_loop_levels_.back() >= loop_level) {
    ScheduleStep(1);
    return;
  }
  // The next step is due before this one acts: an action that opens a menu
  // or a modal window returns only when it closes, and until then the next
  // steps run inside it.
  int delay_ms = Uniform(0, 3);
  if (Chance(0.02)) {
    delay_ms = Uniform(20, 400);
    Log(QStringLiteral("wait %1 ms").arg(delay_ms));
  }
  ScheduleStep(delay_ms);
  struct Nesting {
    Nesting(std::vector<int>& levels, int level, int& depth)
        : levels_(levels), depth_(depth) {
      levels_.push_back(level);
      depth_ = static_cast<int>(levels_.size());
    }
    ~Nesting() {
      levels_.pop_back();
      depth_ = static_cast<int>(levels_.size());
    }
    std::vector<int>& levels_;
    int& depth_;
  } nesting(step_loop_levels_, loop_level, depth_);

  if (std::chrono::milliseconds(clock_.elapsed()) >= duration_ && !finishing_) {
    finishing_ = true;
    want_check_ = true;
  }
  if (figures_.actions >= next_check_) want_check_ = true;

  const bool at_top = depth_ == 1 &&
                      QApplication::activePopupWidget() == nullptr &&
                      QApplication::activeModalWidget() == nullptr;
  if (at_top) {
    FlushDeferredDeletes();
    const std::vector<QWidget*> windows = Windows();
    if (windows.empty()) {
      // The program ends when its last window closes; until the quit
      // arrives there is nothing to do.
      if (++windowless_steps_ > kWindowlessStepLimit) {
        // Not one of the failures (no crash, hang or broken check), but a
        // process that outlives its windows: counted, reported with the
        // figures, and ended as the session would end it.
        QString left;
        for (const QWindow* window : QGuiApplication::topLevelWindows()) {
          left += QStringLiteral(" %1%2").arg(
              Name(window),
              window->isVisible() ? QStringLiteral("(visible)") : QString());
        }
        ++figures_.lingering;
        Log(QStringLiteral("the program kept running with no window open "
                           "(native windows:%1); end it")
                .arg(left));
        std::fprintf(stderr,
                     "monkey: after action %llu the program kept running with "
                     "no window open (native windows:%s)\n",
                     static_cast<unsigned long long>(figures_.actions),
                     left.toLocal8Bit().constData());
        windowless_steps_ = 0;
        toolkit::EndProgram();
        return;
      }
    } else {
      windowless_steps_ = 0;
    }
    app::FrmMain* main_window = MainWindow();
    if (main_window != nullptr && windows.size() == 1 &&
        windows.front() == main_window) {
      back_at_main_.Remember();
    }
    if (++steps_ % kReaderCheckEvery == 0 &&
        QGuiApplication::mouseButtons() == Qt::NoButton) {
      const QString problems = CheckReaderPages();
      if (!problems.isEmpty()) {
        Fail(QStringLiteral("reader pages out of place: ") + problems);
        return;
      }
    }
  }

  if (want_check_ || finishing_) {
    Tidy();
  } else {
    Act();
  }
}

void Monkey::Act() {
  if (QWidget* popup = QApplication::activePopupWidget()) {
    ActOnPopup(popup);
    return;
  }
  if (depth_ > 1 && QApplication::activeModalWidget() == nullptr) {
    // A loop of the program's own without a menu or modal window: a drag,
    // or a menu's loop on its way out after the menu closed. Nothing of a
    // user's reaches the program there but the mouse button's release.
    if (QWidget* active = QApplication::activeWindow()) {
      ReleaseButtons(active->windowHandle());
    }
    return;
  }
  if (QApplication::activeModalWidget() != nullptr) {
    // A user reads the box and answers it sooner or later.
    if (++modal_steps_ > 40) {
      modal_steps_ = 0;
      Log(QStringLiteral("answer ") + Name(QApplication::activeModalWidget()) +
          QStringLiteral(" with Return"));
      Key(QApplication::activeModalWidget()->windowHandle(), Qt::Key_Return);
      return;
    }
  } else {
    modal_steps_ = 0;
  }

  struct Move {
    int weight;
    void (Monkey::*act)();
  };
  static constexpr std::array kMoves = {
      Move{20, nullptr},  // left click
      Move{4, &Monkey::DoubleClickSomewhere},
      Move{6, &Monkey::DragSomewhere},
      Move{6, &Monkey::TurnWheel},
      Move{18, &Monkey::PressKey},
      Move{7, &Monkey::PressShortcut},
      Move{6, &Monkey::TypeText},
      Move{10, &Monkey::ClickMainButton},
      Move{2, &Monkey::ResizeWindow},
      Move{1, &Monkey::MoveWindow},
      Move{3, &Monkey::ChangeClipboard},
      Move{2, &Monkey::ActivateWindow},
  };
  int total = 4 + 2 + 3 + 2;  // right, middle clicks, close boxes, Alt+F4
  for (const Move& move : kMoves) total += move.weight;
  int roll = Uniform(1, total);
  for (const Move& move : kMoves) {
    if ((roll -= move.weight) <= 0) {
      if (move.act == nullptr) {
        ClickSomewhere(Qt::LeftButton);
      } else {
        (this->*move.act)();
      }
      return;
    }
  }
  if ((roll -= 4) <= 0) return ClickSomewhere(Qt::RightButton);
  if ((roll -= 2) <= 0) return ClickSomewhere(Qt::MiddleButton);
  if ((roll -= 3) <= 0) return CloseWindow(false);
  CloseWindow(true);
}

void Monkey::ActOnPopup(QWidget* popup) {
  auto* menu = qobject_cast<QMenu*>(popup);
  const int roll = Uniform(1, 100);
  if (menu != nullptr && roll <= 65) {
    std::vector<QAction*> items;
    for (QAction* action : menu->actions()) {
      if (action->isVisible() && !action->isSeparator() &&
          !menu->actionGeometry(action).isEmpty()) {
        items.push_back(action);
      }
    }
    if (!items.empty()) {
      QAction* item = Pick(items);
      const QPoint at = menu->actionGeometry(item).center();
      const bool hover = roll > 55;
      Log(QStringLiteral("%1 menu item \"%2\" (%3) in %4")
              .arg(hover ? QStringLiteral("hover") : QStringLiteral("click"))
              .arg(item->text(), Name(item), Name(menu)));
      if (hover) {
        QTest::mouseMove(menu->windowHandle(), at);
      } else {
        Click(ToWindow(menu, at), Qt::LeftButton);
      }
      return;
    }
  }
  if (roll <= 85) {
    static constexpr std::array kMenuKeys = {
        NamedKey{Qt::Key_Up, "Up"},         NamedKey{Qt::Key_Down, "Down"},
        NamedKey{Qt::Key_Left, "Left"},     NamedKey{Qt::Key_Right, "Right"},
        NamedKey{Qt::Key_Return, "Return"}, NamedKey{Qt::Key_Escape, "Escape"},
        NamedKey{Qt::Key_Space, "Space"},   NamedKey{Qt::Key_Tab, "Tab"},
        NamedKey{Qt::Key_Home, "Home"},     NamedKey{Qt::Key_PageDown, "PgDn"},
    };
    const NamedKey& key = kMenuKeys[static_cast<std::size_t>(
        Uniform(0, static_cast<int>(kMenuKeys.size()) - 1))];
    Log(QStringLiteral("key %1 in pop-up %2")
            .arg(QLatin1String(key.name), Name(popup)));
    Key(popup->windowHandle(), key.key);
    return;
  }
  // Anywhere else: inside the pop-up, or outside it, which closes it.
  ClickSomewhere(Chance(0.8) ? Qt::LeftButton : Qt::RightButton);
}

std::vector<QWidget*> Monkey::Windows() const {
  std::vector<QWidget*> windows;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    const Qt::WindowType type = widget->windowType();
    if (!widget->isVisible() || type == Qt::ToolTip || type == Qt::Popup ||
        widget->windowHandle() == nullptr) {
      continue;
    }
    windows.push_back(widget);
  }
  return windows;
}

// The windows that take input now: a modal window blocks all others.
std::vector<QWidget*> Monkey::ReachableWindows() const {
  if (QWidget* popup = QApplication::activePopupWidget()) return {popup};
  if (QWidget* modal = QApplication::activeModalWidget()) return {modal};
  return Windows();
}

QWidget* Monkey::PickWindow() {
  const std::vector<QWidget*> windows = ReachableWindows();
  if (windows.empty()) return nullptr;
  QWidget* active = QApplication::activeWindow();
  if (active != nullptr && Chance(0.5) &&
      std::find(windows.begin(), windows.end(), active) != windows.end()) {
    return active;
  }
  return Pick(windows);
}

QWidget* Monkey::KeyboardWindow() {
  if (QWidget* popup = QApplication::activePopupWidget()) return popup;
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (QWidget* active = QApplication::activeWindow()) return active;
  return PickWindow();
}

QWidget* Monkey::PickControl(QWidget* window) {
  std::vector<QWidget*> controls;
  for (QWidget* child : window->findChildren<QWidget*>()) {
    if (child->isVisible() && child->window() == window &&
        !child->visibleRegion().isEmpty()) {
      controls.push_back(child);
    }
  }
  return controls.empty() ? window : Pick(controls);
}

QPoint Monkey::PickPoint(QWidget* window, QString* description) {
  QPoint at = PickPointOnce(window, description);
  // The exit button ends the run; most clicks that would land on it go
  // elsewhere, so that a run gets somewhere first.
  const auto* exit_button =
      window->findChild<const QWidget*>(QStringLiteral("Lbl_end"));
  if (exit_button != nullptr && exit_button->isVisible() &&
      QRect(exit_button->mapTo(window, QPoint(0, 0)), exit_button->size())
          .contains(at) &&
      Chance(0.9)) {
    at = PickPointOnce(window, description);
  }
  return at;
}

QPoint Monkey::PickPointOnce(QWidget* window, QString* description) {
  QWidget* target = Chance(0.7) ? PickControl(window) : window;
  const QRect area = target->rect();
  const QPoint local =
      Chance(0.5) || area.isEmpty()
          ? area.center()
          : QPoint(Uniform(area.left(), std::max(area.left(), area.right())),
                   Uniform(area.top(), std::max(area.top(), area.bottom())));
  const QPoint at = target->mapTo(window, local);
  *description = QStringLiteral("%1 at %2 on %3")
                     .arg(Name(window), Describe(at), Name(target));
  return at;
}

void Monkey::ClickSomewhere(Qt::MouseButton button) {
  QWidget* window = PickWindow();
  if (window == nullptr) return;
  QString where;
  const QPoint at = PickPoint(window, &where);
  Qt::KeyboardModifiers modifiers;
  if (Chance(0.1))
    modifiers = Chance(0.5) ? Qt::ShiftModifier : Qt::ControlModifier;
  static const char* const kButtons[] = {"", "left", "right", "", "middle"};
  Log(QStringLiteral("%1 click %2%3")
          .arg(QLatin1String(kButtons[static_cast<int>(button)]), where,
               modifiers ? QStringLiteral(" with a modifier") : QString()));
  if (!window->isActiveWindow() && window->windowType() != Qt::Popup) {
    // Clicking a window brings it to the front, as the window manager does.
    window->raise();
    window->activateWindow();
  }
  Click({window->windowHandle(), at}, button, modifiers);
}

void Monkey::DoubleClickSomewhere() {
  QWidget* window = PickWindow();
  if (window == nullptr) return;
  QString where;
  const QPoint at = PickPoint(window, &where);
  Log(QStringLiteral("double click ") + where);
  DoubleClick({window->windowHandle(), at});
}

void Monkey::DragSomewhere() {
  QWidget* window = PickWindow();
  if (window == nullptr) return;
  QString where;
  std::vector<QPoint> path = {PickPoint(window, &where)};
  const int steps = Uniform(1, 8);
  for (int i = 0; i < steps; ++i) {
    path.push_back(QPoint(Uniform(0, std::max(0, window->width() - 1)),
                          Uniform(0, std::max(0, window->height() - 1))));
  }
  const Qt::MouseButton button = Chance(0.9) ? Qt::LeftButton : Qt::RightButton;
  Log(QStringLiteral("drag from %1 through %2 points to %3")
          .arg(where, QString::number(steps), Describe(path.back())));
  Drag(window->windowHandle(), path, button);
}

void Monkey::TurnWheel() {
  QWidget* window = PickWindow();
  if (window == nullptr) return;
  QString where;
  const QPoint at = PickPoint(window, &where);
  const int notches = Uniform(-6, 6);
  const QPoint delta = Chance(0.85) ? QPoint(0, notches * 120)
                                    : QPoint(notches * Uniform(1, 120), 0);
  Qt::KeyboardModifiers modifiers;
  if (Chance(0.1)) modifiers = Qt::ControlModifier;
  if (Chance(0.1)) modifiers |= Qt::ShiftModifier;
  Log(QStringLiteral("wheel %1 over %2").arg(Describe(delta), where));
  Wheel(window, at, delta, modifiers);
}

void Monkey::PressKey() {
  QWidget* window = KeyboardWindow();
  if (window == nullptr) return;
  const NamedKey& key = kKeys[static_cast<std::size_t>(
      Uniform(0, static_cast<int>(kKeys.size()) - 1))];
  Qt::KeyboardModifiers modifiers;
  const int roll = Uniform(1, 20);
  if (roll == 1) modifiers = Qt::AltModifier;
  if (roll == 2) modifiers = Qt::ControlModifier;
  if (roll >= 3 && roll <= 4) modifiers = Qt::ShiftModifier;
  Log(QStringLiteral("key %1%2 in %3 (focus %4)")
          .arg(modifiers == Qt::AltModifier       ? QStringLiteral("Alt+")
               : modifiers == Qt::ControlModifier ? QStringLiteral("Ctrl+")
               : modifiers == Qt::ShiftModifier   ? QStringLiteral("Shift+")
                                                  : QString(),
               QLatin1String(key.name), Name(window),
               Name(QApplication::focusWidget())));
  Key(window->windowHandle(), key.key, modifiers);
}

void Monkey::PressShortcut() {
  QWidget* window = KeyboardWindow();
  if (window == nullptr) return;
  const Shortcut& shortcut = kShortcuts[static_cast<std::size_t>(
      Uniform(0, static_cast<int>(kShortcuts.size()) - 1))];
  Log(QStringLiteral("%1 in %2 (focus %3)")
          .arg(QLatin1String(shortcut.name), Name(window),
               Name(QApplication::focusWidget())));
  Key(window->windowHandle(), shortcut.key, shortcut.modifiers);
}

void Monkey::TypeText() {
  QWidget* window = KeyboardWindow();
  if (window == nullptr) return;
  if (Chance(0.5)) {
    QString text = kTypedTexts[Uniform(0, std::size(kTypedTexts) - 1)];
    if (Chance(0.05)) text = text.repeated(2000);
    // One pass over the pattern: the text itself may hold "%1".
    Log(QStringLiteral("commit \"%1\" (%2 characters) to %3")
            .arg(text.left(20), QString::number(text.size()),
                 Name(QApplication::focusWidget())));
    Commit(text);
    return;
  }
  static constexpr char kCharacters[] = "0123456789-abcxyz ABC.,;/";
  QByteArray typed;
  const int length = Uniform(1, 12);
  for (int i = 0; i < length; ++i) {
    typed += kCharacters[Uniform(0, sizeof kCharacters - 2)];
  }
  Log(QStringLiteral("type \"%1\" in %2 (focus %3)")
          .arg(QString::fromLatin1(typed), Name(window),
               Name(QApplication::focusWidget())));
  for (const char character : typed) {
    if (window->windowHandle() == nullptr) return;
    QTest::keyClick(window->windowHandle(), character);
    // A key can close the window or open a modal one over it.
    if (KeyboardWindow() != window) return;
  }
}

void Monkey::ClickMainButton() {
  app::FrmMain* main_window = MainWindow();
  if (main_window == nullptr || !main_window->isVisible()) {
    ClickSomewhere(Qt::LeftButton);
    return;
  }
  // The exit button ends the run, so it is pressed now and then only.
  static const char* const kButtons[] = {
      "Lbl_03", "IMG_BG", "Lbl_CMD_GK", "Lbl_CMD_ZK", "lblBK",
      "lblYS",  "lblJZ",  "lblZY",      "lblYS",      "lblBK"};
  const char* name =
      Chance(0.01) ? "Lbl_end" : kButtons[Uniform(0, std::size(kButtons) - 1)];
  auto* button = main_window->findChild<QWidget*>(QLatin1String(name));
  if (button == nullptr || !button->isVisible()) return;
  Log(QStringLiteral("click %1 on FRM_main").arg(QLatin1String(name)));
  if (!main_window->isActiveWindow()) {
    main_window->raise();
    main_window->activateWindow();
  }
  Click(ToWindow(button, button->rect().center()), Qt::LeftButton);
}

void Monkey::ResizeWindow() {
  const std::vector<QWidget*> windows = Windows();
  if (windows.empty()) return;
  QWidget* window = Pick(windows);
  const QSize size = Chance(0.5) ? kOddSizes[static_cast<std::size_t>(
                                       Uniform(0, kOddSizes.size() - 1))]
                                 : QSize(Uniform(1, 1600), Uniform(1, 1200));
  Log(QStringLiteral("resize %1 to %2 x %3")
          .arg(Name(window))
          .arg(size.width())
          .arg(size.height()));
  window->resize(size);
}

void Monkey::MoveWindow() {
  const std::vector<QWidget*> windows = Windows();
  if (windows.empty()) return;
  QWidget* window = Pick(windows);
  const QPoint to(Uniform(-400, 1400), Uniform(-300, 1100));
  Log(QStringLiteral("move %1 to %2").arg(Name(window), Describe(to)));
  window->move(to);
}

// The close box and Alt+F4 both reach the program as the window manager's
// request to close: blocked while a modal window is up, like a real one.
void Monkey::CloseWindow(bool active_one) {
  if (QWidget* popup = QApplication::activePopupWidget()) {
    // The pop-up holds the keyboard: Alt+F4 reaches it, not the manager.
    Log(QStringLiteral("Alt+F4 in pop-up ") + Name(popup));
    Key(popup->windowHandle(), Qt::Key_F4, Qt::AltModifier);
    return;
  }
  const std::vector<QWidget*> windows = Windows();
  if (windows.empty()) return;
  QWidget* modal = QApplication::activeModalWidget();
  // The manager keeps a modal window active; Alt+F4 goes to it.
  QWidget* window =
      active_one ? (modal != nullptr ? modal : QApplication::activeWindow())
                 : Pick(windows);
  if (window == nullptr) return;
  // The program never sees a close request for a window that a modal one
  // blocks. (Closing it from here would get through: Qt trusts its own
  // callers.)
  const bool blocked = modal != nullptr && window != modal;
  if (window == MainWindow() && !blocked && Chance(0.8)) {
    // Closing the main window ends most runs; a user does it less often.
    return;
  }
  Log(QStringLiteral("%1 %2%3").arg(
      active_one ? QStringLiteral("Alt+F4 on") : QStringLiteral("close box of"),
      Name(window),
      blocked
          ? QStringLiteral(" (blocked by ") + Name(modal) + QStringLiteral(")")
          : QString()));
  if (!blocked) window->windowHandle()->close();
}

void Monkey::ChangeClipboard() {
  const QClipboard::Mode mode =
      Chance(0.5) ? QClipboard::Clipboard : QClipboard::Selection;
  QClipboard* clipboard = QGuiApplication::clipboard();
  auto data = std::make_unique<QMimeData>();
  QString what;
  switch (Uniform(0, 5)) {
    case 0:
      // Nobody owns it: X11 offers data without formats.
      clipboard->clear(mode);
      Log(QStringLiteral("clipboard %1: cleared").arg(static_cast<int>(mode)));
      return;
    case 1:
      what = QStringLiteral("no formats");
      break;
    case 2:
      data->setText(QStringLiteral("粘贴 paste 19870312"));
      what = QStringLiteral("text");
      break;
    case 3:
      data->setText(QStringLiteral("行\n").repeated(5000));
      what = QStringLiteral("5000 lines");
      break;
    case 4:
      data->setHtml(
          QStringLiteral("<b>粗</b><table><tr><td>x</td></tr></table>"));
      what = QStringLiteral("html only");
      break;
    default:
      data->setImageData(QImage(16, 16, QImage::Format_ARGB32));
      what = QStringLiteral("a picture");
      break;
  }
  Log(QStringLiteral("clipboard %1: %2").arg(static_cast<int>(mode)).arg(what));
  clipboard->setMimeData(data.release(), mode);
}

void Monkey::ActivateWindow() {
  const std::vector<QWidget*> windows = Windows();
  if (windows.empty()) return;
  QWidget* window = Pick(windows);
  Log(QStringLiteral("bring %1 to the front").arg(Name(window)));
  window->raise();
  window->activateWindow();
}

void Monkey::Tidy() {
  if (++tidy_steps_ > kTidyStepLimit) {
    Fail(QStringLiteral("cannot get back to the main window: %1 pop-up, %2 "
                        "modal, event loop depth %3")
             .arg(Name(QApplication::activePopupWidget()),
                  Name(QApplication::activeModalWidget()))
             .arg(depth_));
    return;
  }
  if (QWidget* popup = QApplication::activePopupWidget()) {
    Log(QStringLiteral("tidy: Escape in pop-up ") + Name(popup));
    Key(popup->windowHandle(), Qt::Key_Escape);
    if (tidy_steps_ % 20 == 0) popup->close();
    return;
  }
  if (QWidget* modal = QApplication::activeModalWidget()) {
    Log(QStringLiteral("tidy: Escape in ") + Name(modal));
    Key(modal->windowHandle(), Qt::Key_Escape);
    if (tidy_steps_ % 20 == 0) modal->close();
    return;
  }
  if (depth_ > 1) {
    // An outer step still waits in a loop of its own (a drag, a closing
    // menu): let go of the mouse and let it return.
    if (QWidget* active = QApplication::activeWindow()) {
      ReleaseButtons(active->windowHandle());
    }
    return;
  }
  if (finishing_ && !want_check_) {
    Log(QStringLiteral("time is up: end the program"));
    running_ = false;
    toolkit::EndProgram();
    return;
  }
  app::FrmMain* main_window = MainWindow();
  bool closed_any = false;
  for (QWidget* window : Windows()) {
    if (window == main_window) continue;
    if (const QString problems = CheckReaderPages(); !problems.isEmpty()) {
      Fail(QStringLiteral("reader pages out of place: ") + problems);
      return;
    }
    Log(QStringLiteral("tidy: close box of ") + Name(window));
    window->windowHandle()->close();
    closed_any = true;
  }
  // Let the closes settle before looking.
  if (closed_any) return;
  if (main_window != nullptr) CheckBackAtMain();
  want_check_ = false;
  tidy_steps_ = 0;
  next_check_ =
      figures_.actions + static_cast<std::uint64_t>(Uniform(200, 400));
}

void Monkey::CheckBackAtMain() {
  ++figures_.checks;
  FlushDeferredDeletes();
  QString problems = CheckReaderPages();
  if (back_at_main_.HasRemembered()) problems += back_at_main_.Check();
  Log(QStringLiteral("check %1: %2")
          .arg(figures_.checks)
          .arg(problems.isEmpty() ? QStringLiteral("ok") : problems));
  if (!problems.isEmpty()) {
    Fail(QStringLiteral("back at the main window: ") + problems);
  }
}

void Monkey::Fail(const QString& what) {
  failed_ = true;
  running_ = false;
  log_.Report(what.toLocal8Bit().constData());
  toolkit::EndProgram();
}

}  // namespace tessaly::monkey
