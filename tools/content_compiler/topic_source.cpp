#include "tools/content_compiler/topic_source.h"

#include <QRegularExpression>
#include <QStringList>

namespace tessaly::content_compiler {

TopicSourceResult ParseTopicSource(const QString& text) {
  TopicSourceResult result;
  QString normalised = text;
  normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (normalised.startsWith(QChar(0xFEFF))) normalised.remove(0, 1);
  const QStringList lines = normalised.split(u'\n');

  qsizetype i = 0;
  bool has_frames = false;
  for (; i < lines.size(); ++i) {
    const QString& line = lines[i];
    if (line.trimmed().isEmpty()) break;
    const qsizetype colon = line.indexOf(u':');
    if (colon <= 0) {
      result.error = QStringLiteral(
                         "line %1: expected \"key: value\" in the "
                         "header")
                         .arg(i + 1);
      return result;
    }
    const QString key = line.left(colon).trimmed();
    const QString value = line.mid(colon + 1).trimmed();
    if (key == u"title") {
      result.source.title = value;
    } else if (key == u"control") {
      result.source.control = value;
    } else if (key == u"frames") {
      has_frames = true;
      for (const QString& item :
           value.split(QRegularExpression(QStringLiteral("\\s+")),
                       Qt::SkipEmptyParts)) {
        bool ok = false;
        const int frame = item.toInt(&ok);
        if (!ok || frame <= 0 || frame > 100000) {
          result.error = QStringLiteral("line %1: bad frame height \"%2\"")
                             .arg(i + 1)
                             .arg(item);
          return result;
        }
        result.source.frames.push_back(frame);
      }
    } else {
      result.error = QStringLiteral("line %1: unknown header key \"%2\"")
                         .arg(i + 1)
                         .arg(key);
      return result;
    }
  }
  if (result.source.title.isEmpty()) {
    result.error = QStringLiteral("the header has no title");
  } else if (!QRegularExpression(QStringLiteral("^[A-Za-z][A-Za-z0-9_]*$"))
                  .match(result.source.control)
                  .hasMatch()) {
    result.error = QStringLiteral("the header has no valid control name");
  } else if (has_frames && result.source.frames.empty()) {
    result.error = QStringLiteral("frames: lists no page");
  }
  if (!result.error.isEmpty()) return result;
  result.source.body = lines.mid(i + 1).join(u'\n');
  return result;
}

}  // namespace tessaly::content_compiler
