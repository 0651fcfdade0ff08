// Compiles topic sources into EMF page files, an index of the pages and the
// resource list that embeds them.
#ifndef TESSALY_TOOLS_CONTENT_COMPILER_TOPIC_COMPILER_H_
#define TESSALY_TOOLS_CONTENT_COMPILER_TOPIC_COMPILER_H_

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "tools/content_compiler/topic_layout.h"
#include "tools/content_compiler/topic_source.h"

namespace tessaly::content_compiler {

struct CompileOptions {
  QString output_dir;
  QString index_file;  // JSON: title, control and page heights per topic
  QString qrc_file;    // resource list with the pages under /pages
  // C++ source with the questionnaires read from the topics' keys.
  QString questionnaire_file;
  // Topics that do not fit are built anyway (cut off, or with empty pages)
  // and reported as warnings: for drafts only.
  bool draft = false;
};

struct CompileResult {
  QStringList errors;  // one per failed topic; nothing is written for it
  QStringList warnings;
};

// Reads and parses one topic file; errors name the file.
TopicSourceResult LoadTopic(const QString& path);

// Renders every page of a laid-out topic into a complete EMF stream.
std::vector<QByteArray> RenderPages(const TopicLayout& layout);

// Compiles all files; the index and resource list are rewritten every time
// so that the build step's outputs are always newer than its inputs.
CompileResult CompileTopics(const QStringList& files,
                            const CompileOptions& options);

}  // namespace tessaly::content_compiler

#endif  // TESSALY_TOOLS_CONTENT_COMPILER_TOPIC_COMPILER_H_
