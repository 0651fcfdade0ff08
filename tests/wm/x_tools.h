// Asking the X server and driving its real pointer, for the window-manager
// tests.
#ifndef TESSALY_TESTS_WM_X_TOOLS_H_
#define TESSALY_TESTS_WM_X_TOOLS_H_

#include <QPoint>
#include <QWidget>
#include <optional>

namespace tessaly::testing {

// Where the X server has put the top-left corner of `window`'s client area,
// in root window coordinates; empty if it cannot be asked.
std::optional<QPoint> ClientOriginOnScreen(const QWidget* window);

// Moves the real pointer to `at` (screen coordinates) and clicks X button
// `button` (1 left, 2 middle, 3 right), letting Qt handle what follows.
bool ClickOnScreen(QPoint at, int button);

// Waits until the window manager has framed and mapped `window`.
bool WaitUntilFramed(QWidget* window);

}  // namespace tessaly::testing

#endif  // TESSALY_TESTS_WM_X_TOOLS_H_
