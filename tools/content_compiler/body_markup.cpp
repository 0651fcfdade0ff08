#include "tools/content_compiler/body_markup.h"

#include <QRegularExpression>

namespace tessaly::content_compiler {
namespace {

// Trims ASCII blanks only: a leading ideographic space (U+3000) is the
// author's indent and stays.
QString TrimAscii(const QString& text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && (text[begin] == u' ' || text[begin] == u'\t')) ++begin;
  while (end > begin && (text[end - 1] == u' ' || text[end - 1] == u'\t')) {
    --end;
  }
  return text.mid(begin, end - begin);
}

QStringList SplitTableRow(const QString& line) {
  QString inner = TrimAscii(line);
  if (inner.startsWith(u'|')) inner.remove(0, 1);
  if (inner.endsWith(u'|')) inner.chop(1);
  QStringList cells = inner.split(u'|');
  for (QString& cell : cells) cell = TrimAscii(cell);
  return cells;
}

bool IsSeparatorRow(const QStringList& cells) {
  static const QRegularExpression kDashes(QStringLiteral("^:?-+:?$"));
  for (const QString& cell : cells) {
    if (!kDashes.match(cell).hasMatch()) return false;
  }
  return !cells.isEmpty();
}

MarkupBlock MakeBlock(BlockKind kind, const QString& text = {},
                      const QString& marker = {}) {
  MarkupBlock block;
  block.kind = kind;
  block.text = text;
  block.marker = marker;
  return block;
}

}  // namespace

std::vector<MarkupBlock> ParseBodyMarkup(const QString& body) {
  static const QRegularExpression kNumbered(
      QStringLiteral("^(\\d+[.．])\\s+(.*)$"));
  std::vector<MarkupBlock> blocks;
  const QStringList lines = body.split(u'\n');
  // A paragraph or list item stays open for continuation lines until a blank
  // line or another block starts.
  bool open = false;

  qsizetype i = 0;
  while (i < lines.size()) {
    const QString& line = lines[i];
    const QString trimmed = TrimAscii(line);
    if (trimmed.isEmpty()) {
      open = false;
      ++i;
      continue;
    }
    if (trimmed == u"<<<") {
      blocks.push_back(MakeBlock(BlockKind::kPageBreak));
      open = false;
      ++i;
      continue;
    }
    if (trimmed.startsWith(u'>')) {
      QStringList inner;
      while (i < lines.size() && TrimAscii(lines[i]).startsWith(u'>')) {
        QString content = TrimAscii(lines[i]).mid(1);
        if (content.startsWith(u' ')) content.remove(0, 1);
        inner.append(content);
        ++i;
      }
      MarkupBlock note = MakeBlock(BlockKind::kNote);
      note.children = ParseBodyMarkup(inner.join(u'\n'));
      blocks.push_back(std::move(note));
      open = false;
      continue;
    }
    if (trimmed.startsWith(u'|')) {
      MarkupBlock table = MakeBlock(BlockKind::kTable);
      while (i < lines.size() && TrimAscii(lines[i]).startsWith(u'|')) {
        const QStringList cells = SplitTableRow(lines[i]);
        if (IsSeparatorRow(cells)) {
          if (table.rows.size() == 1) table.header_row = true;
        } else {
          table.rows.push_back(cells);
        }
        ++i;
      }
      if (!table.rows.empty()) blocks.push_back(std::move(table));
      open = false;
      continue;
    }
    ++i;
    if (trimmed.startsWith(QStringLiteral("### "))) {
      blocks.push_back(
          MakeBlock(BlockKind::kSubsection, TrimAscii(trimmed.mid(4))));
      open = false;
    } else if (trimmed.startsWith(QStringLiteral("## "))) {
      blocks.push_back(
          MakeBlock(BlockKind::kSection, TrimAscii(trimmed.mid(3))));
      open = false;
    } else if (trimmed.startsWith(QStringLiteral("# "))) {
      blocks.push_back(MakeBlock(BlockKind::kTitle, TrimAscii(trimmed.mid(2))));
      open = false;
    } else if (trimmed.startsWith(QStringLiteral("- "))) {
      blocks.push_back(
          MakeBlock(BlockKind::kBulletItem, TrimAscii(trimmed.mid(2))));
      open = true;
    } else if (const auto match = kNumbered.match(trimmed); match.hasMatch()) {
      blocks.push_back(MakeBlock(BlockKind::kNumberedItem, match.captured(2),
                                 match.captured(1)));
      open = true;
    } else if (open) {
      blocks.back().text += trimmed;
    } else {
      blocks.push_back(MakeBlock(BlockKind::kParagraph, trimmed));
      open = true;
    }
  }
  return blocks;
}

}  // namespace tessaly::content_compiler
