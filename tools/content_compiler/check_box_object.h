// Draws the questionnaires' check boxes ("[ ]") as empty squares inside the
// text flow.
#ifndef TESSALY_TOOLS_CONTENT_COMPILER_CHECK_BOX_OBJECT_H_
#define TESSALY_TOOLS_CONTENT_COMPILER_CHECK_BOX_OBJECT_H_

#include <QObject>
#include <QTextObjectInterface>

namespace tessaly::content_compiler {

class CheckBoxObject : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)

 public:
  // The object type under which the document layout finds this handler.
  static constexpr int kObjectType = QTextFormat::UserObject + 1;

  using QObject::QObject;

  QSizeF intrinsicSize(QTextDocument* doc, int pos_in_document,
                       const QTextFormat& format) override;
  void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* doc,
                  int pos_in_document, const QTextFormat& format) override;
};

}  // namespace tessaly::content_compiler

#endif  // TESSALY_TOOLS_CONTENT_COMPILER_CHECK_BOX_OBJECT_H_
