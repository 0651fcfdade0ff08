// Test entry point: fonts need a QGuiApplication and the program's font
// substitutions.
#include <gtest/gtest.h>

#include <QFont>
#include <QGuiApplication>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QFont::insertSubstitution(QStringLiteral("宋体"),
                            QStringLiteral("Noto Serif CJK SC"));
  QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                            QStringLiteral("Liberation Serif"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
