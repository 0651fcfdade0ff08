#include "toolkit/message_box.h"

#include <QMessageBox>

namespace tessaly::toolkit {

void ShowInformation(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Information, QStringLiteral("提示"), text,
                  QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("MessageBox"));
  box.exec();
}

}  // namespace tessaly::toolkit
