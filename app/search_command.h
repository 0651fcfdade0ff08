// The handbook search of the main screen (Ctrl+F once an edition is chosen)
// and the opening of a topic at the words found.
#ifndef TESSALY_APP_SEARCH_COMMAND_H_
#define TESSALY_APP_SEARCH_COMMAND_H_

#include <QString>
#include <cstddef>
#include <vector>

namespace tessaly::app {

class FrmMain;

// Indexes into TopicTitles() of the topics that the edition's menus offer:
// every topic for 高考, all but the 志愿填报篇 for 中考, none without an
// edition.
std::vector<std::size_t> EditionTopics(const QString& edition_key);

// Opens FRM_SEARCH afresh over the edition's topics; nothing without one.
void RunSearchCommand(const QString& edition_key);

// Opens the topic through its topic command with the find bar filled in.
void OpenTopicAt(const QString& title, const QString& words);

// Ctrl+F on the main window, and the text of all topics built in the
// background once the main window shows.
void InstallHandbookSearch(FrmMain* main_window);

}  // namespace tessaly::app

#endif  // TESSALY_APP_SEARCH_COMMAND_H_
