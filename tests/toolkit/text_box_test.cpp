// The text box: what a paste or a drop may put into it.
#include "toolkit/text_box.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QTest>
#include <QTextCursor>
#include <functional>
#include <memory>

namespace tessaly::toolkit {
namespace {

struct Case {
  const char* what;
  std::function<void(QMimeData*)> fill;
  QString after;  // the box's text after the paste into "Text1"
};

// Data with no formats at all is what X11 hands out for a clipboard nobody
// owns; Qt's own text control crashes on it.
const Case kCases[] = {
    {"no formats", [](QMimeData*) {}, QStringLiteral("Text1")},
    {"a picture only",
     [](QMimeData* data) {
       data->setImageData(QImage(4, 4, QImage::Format_RGB32));
     },
     QStringLiteral("Text1")},
    {"text", [](QMimeData* data) { data->setText(QStringLiteral("甲乙")); },
     QStringLiteral("Text1甲乙")},
    {"formatted text",
     [](QMimeData* data) {
       data->setHtml(QStringLiteral("<b>粗</b><img src=\"x.png\">"));
       data->setText(QStringLiteral("粗"));
     },
     QStringLiteral("Text1粗")},
};

std::unique_ptr<QMimeData> Data(const Case& c) {
  auto data = std::make_unique<QMimeData>();
  c.fill(data.get());
  return data;
}

void ExpectPlainText(const TextBox& box, const Case& c) {
  EXPECT_EQ(box.toPlainText(), c.after) << c.what;
  QTextCursor end(box.document());
  end.movePosition(QTextCursor::End);
  EXPECT_FALSE(end.charFormat().font().bold()) << c.what;
  EXPECT_FALSE(end.charFormat().isImageFormat()) << c.what;
}

TEST(TextBoxTest, PastesOnlyPlainTextAndRefusesDataWithoutText) {
  for (const Case& c : kCases) {
    for (const QKeyCombination keys : {Qt::ControlModifier | Qt::Key_V,
                                       Qt::ShiftModifier | Qt::Key_Insert}) {
      TextBox box(QStringLiteral("Txt"), QStringLiteral("Text1"), nullptr);
      box.moveCursor(QTextCursor::End);
      QGuiApplication::clipboard()->setMimeData(Data(c).release());
      QTest::keyClick(&box, keys.key(), keys.keyboardModifiers());
      ExpectPlainText(box, c);
    }
  }
}

}  // namespace
}  // namespace tessaly::toolkit
