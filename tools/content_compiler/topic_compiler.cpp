#include "tools/content_compiler/topic_compiler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QSaveFile>
#include <set>

#include "emf/writer/emf_writer.h"
#include "tools/content_compiler/page_style.h"
#include "tools/content_compiler/questionnaire_markup.h"

namespace tessaly::content_compiler {
namespace {

bool WriteFileIfChanged(const QString& path, const QByteArray& bytes) {
  QFile existing(path);
  if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes) {
    return true;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(bytes);
  return file.commit();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(bytes);
  return file.commit();
}

}  // namespace

TopicSourceResult LoadTopic(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    TopicSourceResult result;
    result.error = QStringLiteral("%1: cannot read the file").arg(path);
    return result;
  }
  TopicSourceResult result =
      ParseTopicSource(QString::fromUtf8(file.readAll()));
  if (!result.error.isEmpty()) {
    result.error = QStringLiteral("%1: %2").arg(path, result.error);
  }
  return result;
}

std::vector<QByteArray> RenderPages(const TopicLayout& layout) {
  std::vector<QByteArray> pages;
  QTextDocument& document = *layout.document.document;
  for (const PageSlice& slice : layout.flow.pages) {
    emf::EmfWriter writer(kPageFrameWidth, slice.frame_height);
    {
      QPainter painter(&writer);
      painter.translate(0, slice.margin_top_px - slice.content_top);
      document.drawContents(&painter,
                            QRectF(0, slice.clip_top, kPageWidthPx,
                                   slice.clip_bottom - slice.clip_top));
    }
    pages.push_back(writer.Finish());
  }
  return pages;
}

CompileResult CompileTopics(const QStringList& files,
                            const CompileOptions& options) {
  CompileResult result;
  QStringList& errors = result.errors;
  QDir().mkpath(options.output_dir);
  const QDir output(options.output_dir);
  QJsonArray index;
  QStringList resources;
  std::set<QString> controls;
  std::vector<questionnaires::Questionnaire> questionnaires;
  for (const QString& file : files) {
    const TopicSourceResult loaded = LoadTopic(file);
    if (!loaded.error.isEmpty()) {
      errors.append(loaded.error);
      continue;
    }
    if (!controls.insert(loaded.source.control).second) {
      errors.append(QStringLiteral("%1: the control %2 is used twice")
                        .arg(file, loaded.source.control));
      continue;
    }
    const QuestionnaireMarkup key = ReadQuestionnaire(loaded.source);
    if (!key.errors.isEmpty()) {
      for (const QString& fault : key.errors) {
        errors.append(
            QStringLiteral("%1: %2 (%3): %4")
                .arg(file, loaded.source.title, loaded.source.control, fault));
      }
      continue;
    }
    if (key.present) questionnaires.push_back(key.questionnaire);
    const TopicLayout layout = LayOutTopic(loaded.source, LayoutDevice());
    if (const QString error = DescribeFlowError(layout); !error.isEmpty()) {
      const QString message = QStringLiteral("%1: %2").arg(file, error);
      if (!options.draft || layout.units.empty()) {
        errors.append(message);
        continue;
      }
      result.warnings.append(message);
    }
    const std::vector<QByteArray> pages = RenderPages(layout);
    QJsonArray frames;
    QJsonArray heights;
    for (std::size_t i = 0; i < pages.size(); ++i) {
      const QString name =
          PageFileName(loaded.source.control, static_cast<int>(i));
      if (!WriteFileIfChanged(output.filePath(name), pages[i])) {
        errors.append(QStringLiteral("%1: cannot write %2")
                          .arg(file, output.filePath(name)));
      }
      resources.append(name);
      frames.append(layout.flow.pages[i].frame_height);
      heights.append(layout.flow.pages[i].height_px);
    }
    index.append(QJsonObject{{QStringLiteral("title"), loaded.source.title},
                             {QStringLiteral("control"), loaded.source.control},
                             {QStringLiteral("frames"), frames},
                             {QStringLiteral("heights"), heights}});
  }

  if (!options.index_file.isEmpty() &&
      !WriteFile(options.index_file,
                 QJsonDocument(index).toJson(QJsonDocument::Indented))) {
    errors.append(QStringLiteral("cannot write %1").arg(options.index_file));
  }
  if (!options.questionnaire_file.isEmpty() &&
      !WriteFile(options.questionnaire_file,
                 QuestionnaireSourceFile(questionnaires))) {
    errors.append(
        QStringLiteral("cannot write %1").arg(options.questionnaire_file));
  }
  if (!options.qrc_file.isEmpty()) {
    const QDir qrc_dir = QFileInfo(options.qrc_file).absoluteDir();
    QByteArray qrc = "<RCC>\n  <qresource prefix=\"/pages\">\n";
    const auto add = [&](const QString& alias, const QString& path) {
      qrc += "    <file alias=\"" + alias.toUtf8() + "\">" +
             qrc_dir.relativeFilePath(path).toUtf8() + "</file>\n";
    };
    for (const QString& name : resources) add(name, output.filePath(name));
    if (!options.index_file.isEmpty()) {
      add(QStringLiteral("pages.json"), options.index_file);
    }
    qrc += "  </qresource>\n</RCC>\n";
    if (!WriteFile(options.qrc_file, qrc)) {
      errors.append(QStringLiteral("cannot write %1").arg(options.qrc_file));
    }
  }
  return result;
}

}  // namespace tessaly::content_compiler
