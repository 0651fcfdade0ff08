#include "reader/page_store.h"

#include <QFile>
#include <QString>

namespace tessaly::reader {

QByteArray PageBytes(std::string_view control, int index) {
  QFile file(QStringLiteral(":/pages/%1_%2.emf")
                 .arg(QString::fromUtf8(control.data(),
                                        static_cast<qsizetype>(control.size())))
                 .arg(index));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace tessaly::reader
