#include "tools/content_compiler/questionnaire_markup.h"

#include <QRegularExpression>
#include <optional>

#include "questionnaires/key_check.h"

namespace tessaly::content_compiler {
namespace {

namespace q = questionnaires;

const QRegularExpression& TokenPattern() {
  static const QRegularExpression kToken(
      QStringLiteral("\\{(\\w+)\\s+([^{}]*)\\}"));
  return kToken;
}

struct Entry {
  QString key;
  QString value;
};

// "a=1 b=2" into its entries; nothing if one has no '='.
std::optional<std::vector<Entry>> SplitEntries(const QString& text) {
  std::vector<Entry> entries;
  for (const QString& word : text.split(
           QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
    const qsizetype equals = word.indexOf(u'=');
    if (equals <= 0 || equals == word.size() - 1) return std::nullopt;
    entries.push_back({word.left(equals), word.mid(equals + 1)});
  }
  if (entries.empty()) return std::nullopt;
  return entries;
}

// "10～40" or "4".
std::optional<std::pair<int, int>> ParseRange(const QString& text) {
  static const QRegularExpression kRange(
      QStringLiteral("^(\\d+)(?:～(\\d+))?$"));
  const auto match = kRange.match(text.trimmed());
  if (!match.hasMatch()) return std::nullopt;
  const int low = match.captured(1).toInt();
  const int high =
      match.captured(2).isEmpty() ? low : match.captured(2).toInt();
  return std::pair(low, high);
}

// "1～10", "1、7、13、19", or both mixed.
std::optional<std::vector<int>> ParseItemList(const QString& text) {
  std::vector<int> items;
  for (const QString& piece : text.split(u'、')) {
    const auto range = ParseRange(piece);
    if (!range || range->first > range->second) return std::nullopt;
    for (int i = range->first; i <= range->second; ++i) items.push_back(i);
  }
  return items;
}

QString RenderToken(const QString& kind, const std::vector<Entry>& entries) {
  QStringList parts;
  for (const Entry& entry : entries) {
    if (kind == u"points") {
      parts.append(entry.key + QStringLiteral("记") + entry.value +
                   QStringLiteral("分"));
    } else if (kind == u"parts") {
      parts.append(entry.key + QStringLiteral("（第") + entry.value +
                   QStringLiteral("题）"));
    } else {
      parts.append(entry.key + QStringLiteral("分为") + entry.value);
    }
  }
  return parts.join(kind == u"parts" ? u'、' : u'，');
}

QString RenderTokens(const QString& text) {
  QString out;
  qsizetype last = 0;
  auto it = TokenPattern().globalMatch(text);
  while (it.hasNext()) {
    const auto match = it.next();
    out += text.mid(last, match.capturedStart() - last);
    const auto entries = SplitEntries(match.captured(2));
    out +=
        entries ? RenderToken(match.captured(1), *entries) : match.captured(0);
    last = match.capturedEnd();
  }
  out += text.mid(last);
  return out;
}

std::string Std(const QString& text) { return text.toStdString(); }

// Plain text of a band's blocks: no emphasis marks, bullets as "•".
QString PlainText(const MarkupBlock& block) {
  QString text = block.text;
  text.remove(QStringLiteral("**"));
  switch (block.kind) {
    case BlockKind::kBulletItem:
      return QStringLiteral("• ") + text;
    case BlockKind::kNumberedItem:
      return block.marker + u' ' + text;
    case BlockKind::kNote: {
      QStringList lines;
      for (const MarkupBlock& child : block.children) {
        lines.append(PlainText(child));
      }
      return lines.join(u'\n');
    }
    default:
      return text;
  }
}

bool IsHeading(BlockKind kind) {
  return kind == BlockKind::kTitle || kind == BlockKind::kSection ||
         kind == BlockKind::kSubsection;
}

class KeyReader {
 public:
  explicit KeyReader(QuestionnaireMarkup& out) : out_(out) {}

  void Read(const std::vector<MarkupBlock>& blocks) {
    ReadTokens(blocks);
    if (!out_.present) return;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
      const MarkupBlock& block = blocks[i];
      if (block.kind == BlockKind::kNumberedItem &&
          block.text.contains(QStringLiteral("[ ]"))) {
        ReadItem(block);
      } else if (block.kind == BlockKind::kSubsection) {
        ReadTotalBand(blocks, i);
      } else if (block.kind == BlockKind::kBulletItem) {
        ReadScaleBand(block);
      } else if (block.kind == BlockKind::kTable) {
        ReadScaleTable(block);
      }
    }
    if (!has_scale_table_) Fail(QStringLiteral("no table with a 题号 column"));
    q::Questionnaire& key = out_.questionnaire;
    key.kind = key.total_bands.empty() ? q::ResultKind::kRankedTypes
                                       : q::ResultKind::kTotal;
    CheckOptionLabels();
    CheckTableRanges();
    for (const std::string& fault : q::CheckQuestionnaire(key)) {
      Fail(QString::fromStdString(fault));
    }
  }

 private:
  void Fail(const QString& message) { out_.errors.append(message); }

  void ReadTokens(const std::vector<MarkupBlock>& blocks) {
    for (const MarkupBlock& block : blocks) {
      ReadTokensIn(block.text);
      for (const QStringList& row : block.rows) {
        for (const QString& cell : row) ReadTokensIn(cell);
      }
      ReadTokens(block.children);
    }
  }

  void ReadTokensIn(const QString& text) {
    auto it = TokenPattern().globalMatch(text);
    while (it.hasNext()) {
      const auto match = it.next();
      const QString kind = match.captured(1);
      const auto entries = SplitEntries(match.captured(2));
      if (!entries) {
        Fail(QStringLiteral("\"%1\": expected name=value entries")
                 .arg(match.captured(0)));
        continue;
      }
      if (kind == u"points") {
        ReadPoints(*entries);
      } else if (kind == u"parts") {
        ReadParts(*entries);
      } else if (kind == u"levels") {
        ReadLevels(*entries);
      } else {
        Fail(QStringLiteral("unknown token {%1 ...}").arg(kind));
      }
    }
  }

  void ReadPoints(const std::vector<Entry>& entries) {
    if (out_.present) Fail(QStringLiteral("more than one {points ...} key"));
    out_.present = true;
    option_labels_.clear();
    out_.questionnaire.points.clear();
    for (const Entry& entry : entries) {
      bool ok = false;
      const int points = entry.value.toInt(&ok);
      if (!ok)
        Fail(QStringLiteral("points \"%1\" is no number").arg(entry.value));
      out_.questionnaire.points.push_back(points);
      option_labels_.push_back(entry.key.split(u'、'));
    }
  }

  void ReadParts(const std::vector<Entry>& entries) {
    for (const Entry& entry : entries) {
      const auto items = ParseItemList(entry.value);
      if (!items) {
        Fail(QStringLiteral("part \"%1\": bad item list \"%2\"")
                 .arg(entry.key, entry.value));
        continue;
      }
      out_.questionnaire.parts.push_back({Std(entry.key), *items});
    }
  }

  void ReadLevels(const std::vector<Entry>& entries) {
    for (const Entry& entry : entries) {
      const auto range = ParseRange(entry.key);
      if (!range) {
        Fail(QStringLiteral("level \"%1\": bad range").arg(entry.key));
        continue;
      }
      out_.questionnaire.part_bands.push_back(
          {range->first, range->second, Std(entry.value), Std(entry.value)});
    }
  }

  void ReadItem(const MarkupBlock& block) {
    QStringList pieces = block.text.split(QStringLiteral("[ ]"));
    q::Item item;
    item.text = Std(pieces.takeFirst().trimmed());
    for (const QString& option : pieces) {
      item.options.push_back(Std(option.trimmed()));
    }
    const int expected = static_cast<int>(out_.questionnaire.items.size()) + 1;
    QString number = block.marker;
    number.chop(1);
    if (number.toInt() != expected) {
      Fail(QStringLiteral("item numbered %1 where %2 was expected")
               .arg(number)
               .arg(expected));
    }
    out_.questionnaire.items.push_back(std::move(item));
  }

  void ReadTotalBand(const std::vector<MarkupBlock>& blocks, std::size_t at) {
    static const QRegularExpression kHeading(
        QStringLiteral("^总分(\\d+(?:～\\d+)?)分：(.*)$"));
    const auto match = kHeading.match(blocks[at].text);
    if (!match.hasMatch()) return;
    QStringList text;
    for (std::size_t i = at + 1;
         i < blocks.size() && !IsHeading(blocks[i].kind); ++i) {
      if (blocks[i].kind != BlockKind::kPageBreak) {
        text.append(PlainText(blocks[i]));
      }
    }
    const auto range = ParseRange(match.captured(1));
    out_.questionnaire.total_bands.push_back({range->first, range->second,
                                              Std(match.captured(2).trimmed()),
                                              Std(text.join(u'\n'))});
  }

  void ReadScaleBand(const MarkupBlock& block) {
    static const QRegularExpression kBand(
        QStringLiteral("^\\*\\*(\\d+(?:～\\d+)?)分：\\*\\*(.*)$"));
    const auto match = kBand.match(block.text);
    if (!match.hasMatch()) return;
    const auto range = ParseRange(match.captured(1));
    QString text = match.captured(2).trimmed();
    text.remove(QStringLiteral("**"));
    out_.questionnaire.scale_bands.push_back(
        {range->first, range->second, {}, Std(text)});
  }

  void ReadScaleTable(const MarkupBlock& table) {
    if (!table.header_row || table.rows.empty()) return;
    const QStringList& header = table.rows.front();
    const qsizetype items_column = header.indexOf(QStringLiteral("题号"));
    if (items_column <= 0) return;
    if (has_scale_table_) {
      Fail(QStringLiteral("more than one table with a 题号 column"));
      return;
    }
    has_scale_table_ = true;
    const qsizetype range_column = header.indexOf(QStringLiteral("得分范围"));
    const qsizetype maximum_column = header.indexOf(QStringLiteral("满分"));
    for (std::size_t r = 1; r < table.rows.size(); ++r) {
      const QStringList& row = table.rows[r];
      const QString name = row.value(0);
      const auto items = ParseItemList(row.value(items_column));
      if (!items) {
        Fail(QStringLiteral("scale \"%1\": bad item list \"%2\"")
                 .arg(name, row.value(items_column)));
        continue;
      }
      TableRow checked{name, *items, std::nullopt};
      if (range_column > 0) {
        checked.stated = ParseRange(row.value(range_column));
        if (!checked.stated) {
          Fail(QStringLiteral("scale \"%1\": bad 得分范围 \"%2\"")
                   .arg(name, row.value(range_column)));
        }
      } else if (maximum_column > 0) {
        const auto maximum = ParseRange(row.value(maximum_column));
        if (!maximum) {
          Fail(QStringLiteral("scale \"%1\": bad 满分 \"%2\"")
                   .arg(name, row.value(maximum_column)));
        } else {
          checked.stated_maximum_only = true;
          checked.stated = maximum;
        }
      }
      table_rows_.push_back(checked);
      if (name != u"总分") {
        out_.questionnaire.scales.push_back({Std(name), *items});
      }
    }
  }

  // Every item's options must be the ones the key gives points for, so the
  // form offers exactly what the page prints.
  void CheckOptionLabels() {
    const auto& items = out_.questionnaire.items;
    for (std::size_t i = 0; i < items.size(); ++i) {
      for (std::size_t o = 0;
           o < items[i].options.size() && o < option_labels_.size(); ++o) {
        const QString option = QString::fromStdString(items[i].options[o]);
        if (!option_labels_[o].contains(option)) {
          Fail(QStringLiteral("item %1: option \"%2\" is not in the key's "
                              "\"%3\"")
                   .arg(i + 1)
                   .arg(option, option_labels_[o].join(u'、')));
        }
      }
    }
  }

  void CheckTableRanges() {
    const q::Questionnaire& key = out_.questionnaire;
    if (key.points.empty()) return;
    for (const TableRow& row : table_rows_) {
      if (row.name == u"总分") {
        if (row.items.size() != key.items.size()) {
          Fail(QStringLiteral("the 总分 row lists %1 items, not all %2")
                   .arg(row.items.size())
                   .arg(key.items.size()));
        }
      }
      if (!row.stated) continue;
      const q::ScoreRange range = q::ItemsRange(key, row.items);
      const bool agrees = row.stated_maximum_only
                              ? row.stated->second == range.high
                              : row.stated->first == range.low &&
                                    row.stated->second == range.high;
      if (!agrees) {
        Fail(QStringLiteral("scale \"%1\": the table says %2～%3, but its "
                            "items score %4～%5")
                 .arg(row.name)
                 .arg(row.stated_maximum_only ? 0 : row.stated->first)
                 .arg(row.stated->second)
                 .arg(range.low)
                 .arg(range.high));
      }
    }
  }

  struct TableRow {
    QString name;
    std::vector<int> items;
    std::optional<std::pair<int, int>> stated;
    bool stated_maximum_only = false;
  };

  QuestionnaireMarkup& out_;
  std::vector<QStringList> option_labels_;
  std::vector<TableRow> table_rows_;
  bool has_scale_table_ = false;
};

QByteArray Literal(const std::string& text) {
  QByteArray out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out + '"';
}

QByteArray Numbers(const std::vector<int>& numbers) {
  QByteArray out = "{";
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (i > 0) out += ", ";
    out += QByteArray::number(numbers[i]);
  }
  return out + "}";
}

QByteArray Bands(const std::vector<q::Band>& bands) {
  QByteArray out = "{\n";
  for (const q::Band& band : bands) {
    out += "      {" + QByteArray::number(band.low) + ", " +
           QByteArray::number(band.high) + ", " + Literal(band.heading) + ", " +
           Literal(band.text) + "},\n";
  }
  return out + "  }";
}

QByteArray Scales(const std::vector<q::Scale>& scales) {
  QByteArray out = "{\n";
  for (const q::Scale& scale : scales) {
    out +=
        "      {" + Literal(scale.name) + ", " + Numbers(scale.items) + "},\n";
  }
  return out + "  }";
}

QByteArray Definition(const q::Questionnaire& key) {
  QByteArray out = "  Questionnaire q;\n";
  out += "  q.title = " + Literal(key.title) + ";\n";
  out += "  q.control = " + Literal(key.control) + ";\n";
  out += key.kind == q::ResultKind::kTotal
             ? "  q.kind = ResultKind::kTotal;\n"
             : "  q.kind = ResultKind::kRankedTypes;\n";
  out += "  q.items = {\n";
  for (const q::Item& item : key.items) {
    out += "      {" + Literal(item.text) + ", {";
    for (std::size_t o = 0; o < item.options.size(); ++o) {
      if (o > 0) out += ", ";
      out += Literal(item.options[o]);
    }
    out += "}},\n";
  }
  out += "  };\n";
  out += "  q.points = " + Numbers(key.points) + ";\n";
  out += "  q.scales = " + Scales(key.scales) + ";\n";
  out += "  q.total_bands = " + Bands(key.total_bands) + ";\n";
  out += "  q.scale_bands = " + Bands(key.scale_bands) + ";\n";
  out += "  q.parts = " + Scales(key.parts) + ";\n";
  out += "  q.part_bands = " + Bands(key.part_bands) + ";\n";
  out += "  return q;\n";
  return out;
}

}  // namespace

void RenderDataTokens(std::vector<MarkupBlock>& blocks) {
  for (MarkupBlock& block : blocks) {
    block.text = RenderTokens(block.text);
    for (QStringList& row : block.rows) {
      for (QString& cell : row) cell = RenderTokens(cell);
    }
    RenderDataTokens(block.children);
  }
}

QuestionnaireMarkup ReadQuestionnaire(const TopicSource& source) {
  QuestionnaireMarkup out;
  out.questionnaire.title = Std(source.title);
  out.questionnaire.control = Std(source.control);
  KeyReader(out).Read(ParseBodyMarkup(source.body));
  return out;
}

QByteArray QuestionnaireSourceFile(const std::vector<q::Questionnaire>& all) {
  QByteArray out =
      "// Written by the content compiler from the topic sources.\n"
      "#include \"questionnaires/questionnaire_catalogue.h\"\n\n"
      "namespace tessaly::questionnaires {\n"
      "namespace {\n";
  for (std::size_t i = 0; i < all.size(); ++i) {
    out += "\nQuestionnaire Make" + QByteArray::number(i) + "() {\n" +
           Definition(all[i]) + "}\n";
  }
  out +=
      "\n}  // namespace\n\n"
      "const std::vector<Questionnaire>& CompiledQuestionnaires() {\n"
      "  static const std::vector<Questionnaire> kAll{";
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (i > 0) out += ", ";
    out += "Make" + QByteArray::number(i) + "()";
  }
  out += "};\n  return kAll;\n}\n\n}  // namespace tessaly::questionnaires\n";
  return out;
}

}  // namespace tessaly::content_compiler
