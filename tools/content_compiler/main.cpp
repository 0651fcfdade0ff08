// The content compiler: lays topic sources out into pages and writes them as
// EMF pictures, or reports how full each page is (--report).
//
//   content_compiler --report content/topics/Img_03.txt
//   content_compiler --output DIR [--index pages.json] [--qrc pages.qrc]
//                    TOPIC.txt...
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>
#include <cstdio>

#include "tools/content_compiler/page_report.h"
#include "tools/content_compiler/topic_compiler.h"
#include "tools/content_compiler/topic_layout.h"

namespace {

using tessaly::content_compiler::CompileOptions;

void PrintUsage() {
  std::fputs(
      "usage: content_compiler --report TOPIC.txt|DIR...\n"
      "       content_compiler --output DIR [--index FILE] [--qrc FILE] "
      "TOPIC.txt|DIR...\n",
      stderr);
}

QStringList ExpandInputs(const QStringList& inputs) {
  QStringList files;
  for (const QString& input : inputs) {
    const QFileInfo info(input);
    if (info.isDir()) {
      QDir dir(input);
      const QStringList names =
          dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
      for (const QString& name : names) files.append(dir.filePath(name));
    } else {
      files.append(input);
    }
  }
  return files;
}

}  // namespace

int main(int argc, char* argv[]) {
  // A build step has no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  tessaly::content_compiler::InstallFontSubstitutions();

  bool report = false;
  CompileOptions options;
  QStringList inputs;
  const QStringList args = app.arguments().mid(1);
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    const bool has_value = i + 1 < args.size();
    if (arg == u"--report") {
      report = true;
    } else if (arg == u"--output" && has_value) {
      options.output_dir = args[++i];
    } else if (arg == u"--index" && has_value) {
      options.index_file = args[++i];
    } else if (arg == u"--qrc" && has_value) {
      options.qrc_file = args[++i];
    } else if (arg.startsWith(u"--")) {
      PrintUsage();
      return 2;
    } else {
      inputs.append(arg);
    }
  }
  const QStringList files = ExpandInputs(inputs);
  if (files.isEmpty() || (!report && options.output_dir.isEmpty())) {
    PrintUsage();
    return 2;
  }

  QTextStream out(stdout);
  QTextStream err(stderr);
  if (report) {
    bool all_fit = true;
    for (const QString& file : files) {
      const auto loaded = tessaly::content_compiler::LoadTopic(file);
      if (!loaded.error.isEmpty()) {
        err << loaded.error << '\n';
        all_fit = false;
        continue;
      }
      const auto layout = tessaly::content_compiler::LayOutTopic(
          loaded.source, tessaly::content_compiler::LayoutDevice());
      out << file << ": " << FormatPageReport(layout) << '\n';
      all_fit = all_fit && DescribeFlowError(layout).isEmpty();
    }
    return all_fit ? 0 : 1;
  }

  const QStringList errors =
      tessaly::content_compiler::CompileTopics(files, options);
  for (const QString& error : errors) err << "error: " << error << '\n';
  return errors.isEmpty() ? 0 : 1;
}
