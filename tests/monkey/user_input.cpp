#include "tests/monkey/user_input.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QPointer>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

namespace tessaly::monkey {
namespace {

Qt::MouseButtons held_buttons;

}  // namespace

WindowPoint ToWindow(QWidget* widget, QPoint at) {
  QWidget* top = widget->window();
  return {top->windowHandle(), widget->mapTo(top, at)};
}

void Click(WindowPoint point, Qt::MouseButton button,
           Qt::KeyboardModifiers modifiers) {
  if (point.window == nullptr) return;
  QTest::mouseClick(point.window, button, modifiers, point.at);
}

void DoubleClick(WindowPoint point) {
  if (point.window == nullptr) return;
  QTest::mouseDClick(point.window, Qt::LeftButton, {}, point.at);
}

void Drag(QWindow* window, std::span<const QPoint> path,
          Qt::MouseButton button) {
  if (window == nullptr || path.empty()) return;
  // The window may go away under the drag: a press can close it.
  const QPointer<QWindow> target(window);
  QTest::mousePress(window, button, {}, path.front());
  held_buttons |= button;
  for (const QPoint& at : path.subspan(1)) {
    if (target.isNull()) return;
    QTest::mouseMove(target, at);
  }
  if (target.isNull()) return;
  QTest::mouseRelease(target, button, {}, path.back());
  held_buttons &= ~button;
}

void ReleaseButtons(QWindow* window) {
  if (window == nullptr) return;
  for (const Qt::MouseButton button :
       {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
    if (held_buttons & button) {
      QTest::mouseRelease(window, button, {}, QPoint(1, 1));
      held_buttons &= ~button;
    }
  }
}

void Wheel(QWidget* window, QPoint at, QPoint angle_delta,
           Qt::KeyboardModifiers modifiers) {
  QWidget* receiver = window->childAt(at);
  if (receiver == nullptr) receiver = window;
  const QPointF local = receiver->mapFrom(window, at);
  QWheelEvent wheel(local, receiver->mapToGlobal(local), QPoint(), angle_delta,
                    QGuiApplication::mouseButtons(), modifiers,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(receiver, &wheel);
}

void Key(QWindow* window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  if (window == nullptr) return;
  QTest::keyClick(window, key, modifiers);
}

void Commit(const QString& text) {
  QObject* focus = QGuiApplication::focusObject();
  auto* widget = qobject_cast<QWidget*>(focus);
  if (widget == nullptr || !widget->testAttribute(Qt::WA_InputMethodEnabled)) {
    return;
  }
  QInputMethodEvent event;
  event.setCommitString(text);
  QApplication::sendEvent(widget, &event);
}

}  // namespace tessaly::monkey
