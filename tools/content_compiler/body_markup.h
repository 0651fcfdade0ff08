// The body markup of a topic source parsed into blocks (headings,
// paragraphs, list items, boxed notes, tables, page breaks).
#ifndef TESSALY_TOOLS_CONTENT_COMPILER_BODY_MARKUP_H_
#define TESSALY_TOOLS_CONTENT_COMPILER_BODY_MARKUP_H_

#include <QString>
#include <QStringList>
#include <vector>

namespace tessaly::content_compiler {

enum class BlockKind {
  kTitle,       // "# "
  kSection,     // "## "
  kSubsection,  // "### "
  kParagraph,
  kNumberedItem,  // "1. ", the author's number kept in `marker`
  kBulletItem,    // "- "
  kNote,          // "> " lines; `children` holds their blocks
  kTable,         // "| a | b |" rows
  kPageBreak,     // "<<<"
};

struct MarkupBlock {
  BlockKind kind = BlockKind::kParagraph;
  QString text;    // inline markup (**bold**, [ ]) still in it
  QString marker;  // "3." for numbered items
  std::vector<MarkupBlock> children;
  std::vector<QStringList> rows;
  bool header_row = false;  // the first row was followed by |---|
};

std::vector<MarkupBlock> ParseBodyMarkup(const QString& body);

}  // namespace tessaly::content_compiler

#endif  // TESSALY_TOOLS_CONTENT_COMPILER_BODY_MARKUP_H_
