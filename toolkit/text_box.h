// A multi-line text box that takes only plain text from the clipboard, the
// selection and drops.
#ifndef TESSALY_TOOLKIT_TEXT_BOX_H_
#define TESSALY_TOOLKIT_TEXT_BOX_H_

#include <QPlainTextEdit>

namespace tessaly::toolkit {

class TextBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  TextBox(const QString& name, const QString& text, QWidget* parent);

 protected:
  // Every way in (Ctrl+V, Shift+Insert, the middle button, the context menu,
  // a drop) comes through these two. Qt's own insert reads the first format
  // of the data without looking whether there is one, and on X11 an
  // unowned clipboard or selection offers none: that paste would crash.
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace tessaly::toolkit

#endif  // TESSALY_TOOLKIT_TEXT_BOX_H_
