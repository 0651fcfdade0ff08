// The command line: exporting a topic to PDF and listing the topics, without
// a window, for teachers who print handouts and for scripts.
#ifndef TESSALY_APP_COMMAND_LINE_H_
#define TESSALY_APP_COMMAND_LINE_H_

#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace tessaly::app {

// Exit codes of the command line.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;    // the output could not be written
inline constexpr int kExitBadUsage = 2;  // unknown option or topic

// The 56 topic titles in menu order.
std::vector<std::u16string_view> TopicTitles();

// True when the arguments ask for command-line work rather than the windows.
bool WantsCommandLine(const QStringList& arguments);

// Does the command-line work and returns the exit code. Needs a
// QGuiApplication (any platform; no window is shown).
int RunCommandLine(const QStringList& arguments);

}  // namespace tessaly::app

#endif  // TESSALY_APP_COMMAND_LINE_H_
