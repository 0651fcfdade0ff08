// The commands of the section menus: a topic opens the reader, the tools open
// the state tests and the prediction board. Each command first closes its own
// window, so every opening starts from the window's design state.
#ifndef TESSALY_APP_COMMANDS_H_
#define TESSALY_APP_COMMANDS_H_

#include <QString>

namespace tessaly::app {

void RunTopicCommand(const QString& title);
void RunStateTest1Command();
void RunStateTest2Command();
// Opens the board of the edition named by the key; nothing for any other key.
void RunPredictionBoardCommand(const QString& edition_key);

}  // namespace tessaly::app

#endif  // TESSALY_APP_COMMANDS_H_
