#include "tools/content_compiler/topic_document.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include "tools/content_compiler/check_box_object.h"
#include "tools/content_compiler/page_style.h"

namespace tessaly::content_compiler {
namespace {

bool IsLatin(QChar c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
         (c >= u'0' && c <= u'9');
}

// ASCII blanks and punctuation inside a Latin run ("3.5", "New Roman")
// stay with it.
bool JoinsLatin(QChar c) {
  return c.unicode() >= 0x20 && c.unicode() < 0x7F && !IsLatin(c);
}

void InsertRun(QTextCursor& cursor, const QString& run, bool latin,
               const QTextCharFormat& format) {
  if (run.isEmpty()) return;
  QTextCharFormat run_format = format;
  run_format.setFontFamilies(
      {QString::fromUtf16(latin ? kLatinFamily : kSongFamily)});
  cursor.insertText(run, run_format);
}

void InsertScriptRuns(QTextCursor& cursor, const QString& text,
                      const QTextCharFormat& format) {
  QString run;
  bool run_latin = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    bool latin = IsLatin(c);
    if (!latin && run_latin && JoinsLatin(c)) {
      qsizetype j = i;
      while (j < text.size() && JoinsLatin(text[j])) ++j;
      latin = j < text.size() && IsLatin(text[j]);
    }
    if (latin != run_latin && !run.isEmpty()) {
      InsertRun(cursor, run, run_latin, format);
      run.clear();
    }
    run_latin = latin;
    run += c;
  }
  InsertRun(cursor, run, run_latin, format);
}

QTextCharFormat CharFormat(double point_size, bool bold) {
  QTextCharFormat format;
  format.setFontPointSize(point_size);
  format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
  format.setFontFamilies({QString::fromUtf16(kSongFamily)});
  format.setForeground(Qt::black);
  return format;
}

class DocumentBuilder {
 public:
  explicit DocumentBuilder(TopicDocument& topic)
      : topic_(topic), cursor_(topic.document.get()) {}

  void AddBlocks(const std::vector<MarkupBlock>& blocks) {
    for (const MarkupBlock& block : blocks) AddBlock(block);
  }

 private:
  // The cursor stands in an empty block after a frame or table, or at the
  // start; the next paragraph takes it instead of opening a new one.
  void StartBlock(const QTextBlockFormat& block_format,
                  const QTextCharFormat& char_format) {
    if (fresh_) {
      cursor_.setBlockFormat(block_format);
      cursor_.setBlockCharFormat(char_format);
      cursor_.setCharFormat(char_format);
    } else {
      cursor_.insertBlock(block_format, char_format);
    }
    fresh_ = false;
  }

  void AddParagraph(const QString& text, const QTextBlockFormat& block_format,
                    const QTextCharFormat& char_format) {
    StartBlock(block_format, char_format);
    InsertInlineText(cursor_, text, char_format);
  }

  void AddBlock(const MarkupBlock& block) {
    QTextBlockFormat format;
    format.setBottomMargin(kParagraphSpacingPx);
    switch (block.kind) {
      case BlockKind::kTitle:
        format.setAlignment(Qt::AlignHCenter);
        format.setBottomMargin(12);
        AddParagraph(block.text, format, CharFormat(kTitlePointSize, true));
        return;
      case BlockKind::kSection:
        format.setTopMargin(8);
        format.setBottomMargin(6);
        AddParagraph(block.text, format, CharFormat(kSectionPointSize, true));
        return;
      case BlockKind::kSubsection:
        format.setTopMargin(4);
        AddParagraph(block.text, format,
                     CharFormat(kSubsectionPointSize, true));
        return;
      case BlockKind::kParagraph:
        AddParagraph(block.text, format, CharFormat(kBodyPointSize, false));
        return;
      case BlockKind::kNumberedItem:
      case BlockKind::kBulletItem: {
        // A hanging indent: the marker sits in the margin, the text and its
        // continuation lines line up at the tab.
        format.setBottomMargin(2);
        format.setLeftMargin(kListIndentPx);
        format.setTextIndent(-kListIndentPx);
        format.setTabPositions(
            {QTextOption::Tab(kListIndentPx, QTextOption::LeftTab)});
        const QString marker = block.kind == BlockKind::kBulletItem
                                   ? QStringLiteral("•")
                                   : block.marker;
        AddParagraph(marker + u'\t' + block.text, format,
                     CharFormat(kBodyPointSize, false));
        return;
      }
      case BlockKind::kNote:
        AddNote(block);
        return;
      case BlockKind::kTable:
        AddTable(block);
        return;
      case BlockKind::kPageBreak:
        topic_.page_breaks.push_back(NextContentPosition());
        return;
    }
  }

  int NextContentPosition() const {
    return fresh_ ? cursor_.position() : cursor_.position() + 1;
  }

  void AddNote(const MarkupBlock& block) {
    QTextFrameFormat format;
    format.setBorder(kRuleWidthPx);
    format.setBorderBrush(Qt::black);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setPadding(kNotePaddingPx);
    format.setTopMargin(kNoteMarginPx);
    format.setBottomMargin(kNoteMarginPx + kParagraphSpacingPx);
    format.setBackground(QColor(0xF4, 0xF4, 0xF4));
    QTextFrame* frame = cursor_.insertFrame(format);
    fresh_ = true;
    AddBlocks(block.children);
    cursor_ = frame->lastCursorPosition();
    cursor_.movePosition(QTextCursor::NextBlock);
    fresh_ = true;
  }

  void AddTable(const MarkupBlock& block) {
    int columns = 0;
    for (const QStringList& row : block.rows) {
      columns = std::max(columns, static_cast<int>(row.size()));
    }
    QTextTableFormat format;
    format.setBorder(kRuleWidthPx);
    format.setBorderBrush(Qt::black);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(kCellPaddingPx);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setTopMargin(2);
    format.setBottomMargin(kParagraphSpacingPx + 4);
    // Marks the row that the page flow keeps with the first body row.
    format.setHeaderRowCount(block.header_row ? 1 : 0);
    QTextTable* table = cursor_.insertTable(static_cast<int>(block.rows.size()),
                                            columns, format);
    for (int r = 0; r < static_cast<int>(block.rows.size()); ++r) {
      const bool header = block.header_row && r == 0;
      for (int c = 0; c < static_cast<int>(block.rows[r].size()); ++c) {
        QTextTableCell cell = table->cellAt(r, c);
        QTextCursor cell_cursor = cell.firstCursorPosition();
        QTextBlockFormat block_format;
        if (header) block_format.setAlignment(Qt::AlignHCenter);
        const QTextCharFormat char_format = CharFormat(kBodyPointSize, header);
        cell_cursor.setBlockFormat(block_format);
        cell_cursor.setBlockCharFormat(char_format);
        InsertInlineText(cell_cursor, block.rows[r][c], char_format);
        // The cell's format lives in its first block's character format, so
        // it is set after that one.
        if (header) {
          QTextTableCellFormat cell_format = cell.format().toTableCellFormat();
          cell_format.setBackground(QColor(0xE4, 0xE4, 0xE4));
          cell.setFormat(cell_format);
        }
      }
    }
    cursor_ = table->lastCursorPosition();
    cursor_.movePosition(QTextCursor::NextBlock);
    fresh_ = true;
  }

  TopicDocument& topic_;
  QTextCursor cursor_;
  bool fresh_ = true;
};

// Blocks left empty between frames must not add a line of default height.
void FlattenEmptyBlocks(QTextDocument& document) {
  for (QTextBlock block = document.begin(); block.isValid();
       block = block.next()) {
    if (block.length() > 1) continue;
    QTextCursor cursor(block);
    QTextBlockFormat format = block.blockFormat();
    format.setTopMargin(0);
    format.setBottomMargin(0);
    format.setLineHeight(1, QTextBlockFormat::FixedHeight);
    cursor.setBlockFormat(format);
    QTextCharFormat char_format = cursor.blockCharFormat();
    char_format.setFontPointSize(1);
    cursor.setBlockCharFormat(char_format);
  }
}

// A line may end right after an inline object whatever the characters
// around it say, which can leave a check box at the end of one line and its
// label on the next. Such a box starts the next line instead.
void KeepCheckBoxesWithLabels(QTextDocument& document) {
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  for (QTextBlock block = document.begin(); block.isValid();
       block = block.next()) {
    for (int i = 0; i + 1 < block.length() - 1; ++i) {
      const QString text = block.text();
      if (text[i] != QChar::ObjectReplacementCharacter ||
          text[i + 1].isSpace()) {
        continue;
      }
      layout->blockBoundingRect(block);  // lays the block out if it changed
      const QTextLayout* lines = block.layout();
      if (lines->lineForTextPosition(i).lineNumber() ==
          lines->lineForTextPosition(i + 1).lineNumber()) {
        continue;
      }
      QTextCursor cursor(block);
      cursor.setPosition(block.position() + i);
      cursor.insertText(QString(QChar::LineSeparator));
      ++i;
    }
  }
}

}  // namespace

void InsertInlineText(QTextCursor& cursor, const QString& text,
                      const QTextCharFormat& base) {
  QTextCharFormat format = base;
  bool emphasis = false;
  QString pending;
  const auto flush = [&] {
    InsertScriptRuns(cursor, pending, format);
    pending.clear();
  };
  for (qsizetype i = 0; i < text.size();) {
    if (text.mid(i, 2) == u"**") {
      flush();
      emphasis = !emphasis;
      format.setFontWeight(emphasis || base.fontWeight() >= QFont::Bold
                               ? QFont::Bold
                               : QFont::Normal);
      i += 2;
    } else if (text.mid(i, 3) == u"[ ]") {
      flush();
      QTextCharFormat box = format;
      box.setObjectType(CheckBoxObject::kObjectType);
      cursor.insertText(QString(QChar::ObjectReplacementCharacter), box);
      i += 3;
    } else {
      pending += text[i];
      ++i;
    }
  }
  flush();
}

TopicDocument BuildTopicDocument(const std::vector<MarkupBlock>& blocks,
                                 QPaintDevice* layout_device) {
  TopicDocument topic;
  topic.document = std::make_unique<QTextDocument>();
  QTextDocument& document = *topic.document;
  document.documentLayout()->setPaintDevice(layout_device);
  document.documentLayout()->registerHandler(CheckBoxObject::kObjectType,
                                             new CheckBoxObject(&document));
  document.setDocumentMargin(0);
  document.setUndoRedoEnabled(false);
  QTextFrameFormat root = document.rootFrame()->frameFormat();
  root.setLeftMargin(kMarginLeftPx);
  root.setRightMargin(kMarginRightPx);
  document.rootFrame()->setFrameFormat(root);
  document.setTextWidth(kPageWidthPx);

  DocumentBuilder builder(topic);
  builder.AddBlocks(blocks);
  FlattenEmptyBlocks(document);
  KeepCheckBoxesWithLabels(document);
  return topic;
}

}  // namespace tessaly::content_compiler
