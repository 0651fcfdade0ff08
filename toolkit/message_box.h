// The program's information message: titled "提示", one OK button.
#ifndef TESSALY_TOOLKIT_MESSAGE_BOX_H_
#define TESSALY_TOOLKIT_MESSAGE_BOX_H_

#include <QString>

class QWidget;

namespace tessaly::toolkit {

// Shows `text` and waits until the user closes the box.
void ShowInformation(QWidget* parent, const QString& text);

}  // namespace tessaly::toolkit

#endif  // TESSALY_TOOLKIT_MESSAGE_BOX_H_
