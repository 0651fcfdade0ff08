// What a user's hands do, delivered as the window system would deliver it:
// through the windows, so that modal windows block, pop-ups grab, and
// shortcuts and focus work as they do for real input.
#ifndef TESSALY_TESTS_MONKEY_USER_INPUT_H_
#define TESSALY_TESTS_MONKEY_USER_INPUT_H_

#include <QPoint>
#include <QString>
#include <Qt>
#include <span>

class QWidget;
class QWindow;

namespace tessaly::monkey {

// A point in `widget` in the coordinates of its top-level window, whose
// native window receives the input.
struct WindowPoint {
  QWindow* window;
  QPoint at;
};
WindowPoint ToWindow(QWidget* widget, QPoint at);

void Click(WindowPoint point, Qt::MouseButton button,
           Qt::KeyboardModifiers modifiers = {});
void DoubleClick(WindowPoint point);
// Press at the first point, move through the others, release at the last.
void Drag(QWindow* window, std::span<const QPoint> path,
          Qt::MouseButton button);
// Releases any button the monkey still holds, over `window`.
void ReleaseButtons(QWindow* window);
// A wheel turn over the widget at `at` (in `window` coordinates).
void Wheel(QWidget* window, QPoint at, QPoint angle_delta,
           Qt::KeyboardModifiers modifiers);
void Key(QWindow* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {});
// Typing as an input method commits it: whole strings, Chinese included.
void Commit(const QString& text);

}  // namespace tessaly::monkey

#endif  // TESSALY_TESTS_MONKEY_USER_INPUT_H_
