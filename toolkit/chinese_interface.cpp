#include "toolkit/chinese_interface.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tessaly::toolkit {

void UseChineseInterface() {
  QLocale::setDefault(QLocale(
      QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China));
  auto* app = QCoreApplication::instance();
  if (app == nullptr) return;
  static const QString kName = QStringLiteral("qtbase_zh_CN");
  if (app->findChild<QTranslator*>(kName) != nullptr) return;
  auto* translator = new QTranslator(app);
  translator->setObjectName(kName);
  if (translator->load(kName,
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

}  // namespace tessaly::toolkit
