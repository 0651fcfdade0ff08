// Turns parsed topic markup into a QTextDocument in our page style.
#ifndef TESSALY_TOOLS_CONTENT_COMPILER_TOPIC_DOCUMENT_H_
#define TESSALY_TOOLS_CONTENT_COMPILER_TOPIC_DOCUMENT_H_

#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>
#include <vector>

#include "tools/content_compiler/body_markup.h"

class QPaintDevice;

namespace tessaly::content_compiler {

struct TopicDocument {
  std::unique_ptr<QTextDocument> document;
  // Document positions where the author asked for a new page ("<<<").
  std::vector<int> page_breaks;
};

// Lays the blocks out at the page width, measured on `layout_device` (whose
// resolution must be the pages' 96 dpi).
TopicDocument BuildTopicDocument(const std::vector<MarkupBlock>& blocks,
                                 QPaintDevice* layout_device);

// Inserts text with inline markup (**bold**, [ ]) at the cursor. Latin
// letters and digits go in Times New Roman, everything else in 宋体, so
// every run carries exactly one font family.
void InsertInlineText(QTextCursor& cursor, const QString& text,
                      const QTextCharFormat& base);

}  // namespace tessaly::content_compiler

#endif  // TESSALY_TOOLS_CONTENT_COMPILER_TOPIC_DOCUMENT_H_
