#include "tests/wm/x_tools.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace tessaly::testing {
namespace {

std::optional<QString> Run(const QString& program, const QStringList& args) {
  QProcess process;
  process.start(program, args);
  if (!process.waitForFinished(10000) ||
      process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    return std::nullopt;
  }
  return QString::fromLocal8Bit(process.readAllStandardOutput());
}

std::optional<int> Field(const QString& text, const QString& label) {
  const QRegularExpression pattern(QRegularExpression::escape(label) +
                                   QStringLiteral(":\\s*(-?\\d+)"));
  const QRegularExpressionMatch match = pattern.match(text);
  if (!match.hasMatch()) return std::nullopt;
  return match.captured(1).toInt();
}

}  // namespace

std::optional<QPoint> ClientOriginOnScreen(const QWidget* window) {
  // xwininfo translates the window's own origin to the root window, which is
  // the client area's place whatever frames the window manager put around it.
  const auto info =
      Run(QStringLiteral("xwininfo"),
          {QStringLiteral("-id"), QString::number(window->winId())});
  if (!info) return std::nullopt;
  const auto x = Field(*info, QStringLiteral("Absolute upper-left X"));
  const auto y = Field(*info, QStringLiteral("Absolute upper-left Y"));
  if (!x || !y) return std::nullopt;
  return QPoint(*x, *y);
}

bool ClickOnScreen(QPoint at, int button) {
  const bool done = Run(QStringLiteral("xdotool"),
                        {QStringLiteral("mousemove"), QString::number(at.x()),
                         QString::number(at.y()), QStringLiteral("sleep"),
                         QStringLiteral("0.1"), QStringLiteral("click"),
                         QString::number(button)})
                        .has_value();
  QTest::qWait(300);
  return done;
}

bool WaitUntilFramed(QWidget* window) {
  if (!QTest::qWaitForWindowExposed(window)) return false;
  // The frame extents arrive after the first exposure.
  return QTest::qWaitFor(
      [window] { return window->frameGeometry() != window->geometry(); }, 5000);
}

}  // namespace tessaly::testing
