#include "toolkit/text_box.h"

#include <QMimeData>

namespace tessaly::toolkit {
namespace {

// Data that a paste or a drop may insert: data that offers text.
bool IsPastable(const QMimeData* source) {
  return source != nullptr && !source->formats().isEmpty() && source->hasText();
}

}  // namespace

TextBox::TextBox(const QString& name, const QString& text, QWidget* parent)
    : QPlainTextEdit(text, parent) {
  setObjectName(name);
}

bool TextBox::canInsertFromMimeData(const QMimeData* source) const {
  return !isReadOnly() && IsPastable(source);
}

void TextBox::insertFromMimeData(const QMimeData* source) {
  if (!canInsertFromMimeData(source)) return;
  // Plain text only: formatting, pictures and links from other programs
  // have no place in the box.
  insertPlainText(source->text());
}

}  // namespace tessaly::toolkit
