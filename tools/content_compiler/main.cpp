// The content compiler: lays topic sources out into pages and writes them as
// EMF pictures, or reports how full each page is (--report).
//
//   content_compiler --report content/topics/Img_03.txt
//   content_compiler --preview DIR TOPIC.txt...   (PNGs of the played pages)
//   content_compiler --output DIR [--index pages.json] [--qrc pages.qrc]
//                    [--questionnaires FILE.cpp] [--draft] TOPIC.txt...
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <span>

#include "emf/emf_document.h"
#include "emf/emf_player.h"
#include "toolkit/fonts.h"
#include "tools/content_compiler/page_report.h"
#include "tools/content_compiler/questionnaire_markup.h"
#include "tools/content_compiler/topic_compiler.h"
#include "tools/content_compiler/topic_layout.h"

namespace {

using tessaly::content_compiler::CompileOptions;

void PrintUsage() {
  std::fputs(
      "usage: content_compiler --report TOPIC.txt|DIR...\n"
      "       content_compiler --preview PNG_DIR TOPIC.txt|DIR...\n"
      "       content_compiler --output DIR [--index FILE] [--qrc FILE] "
      "[--questionnaires FILE.cpp] [--draft] TOPIC.txt|DIR...\n",
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
  // A build step has no display, and often no runtime directory; Qt would
  // warn about the latter on every run.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir runtime_dir;
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime_dir.isValid()) {
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_dir.path()));
  }
  QGuiApplication app(argc, argv);
  tessaly::toolkit::InstallFontSubstitutions();

  bool report = false;
  QString preview_dir;
  CompileOptions options;
  QStringList inputs;
  const QStringList args = app.arguments().mid(1);
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    const bool has_value = i + 1 < args.size();
    if (arg == u"--report") {
      report = true;
    } else if (arg == u"--preview" && has_value) {
      preview_dir = args[++i];
    } else if (arg == u"--draft") {
      options.draft = true;
    } else if (arg == u"--output" && has_value) {
      options.output_dir = args[++i];
    } else if (arg == u"--index" && has_value) {
      options.index_file = args[++i];
    } else if (arg == u"--qrc" && has_value) {
      options.qrc_file = args[++i];
    } else if (arg == u"--questionnaires" && has_value) {
      options.questionnaire_file = args[++i];
    } else if (arg.startsWith(u"--")) {
      PrintUsage();
      return 2;
    } else {
      inputs.append(arg);
    }
  }
  const QStringList files = ExpandInputs(inputs);
  if (files.isEmpty() ||
      (!report && preview_dir.isEmpty() && options.output_dir.isEmpty())) {
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
      for (const QString& fault :
           tessaly::content_compiler::ReadQuestionnaire(loaded.source).errors) {
        out << "  KEY FAULT: " << fault << '\n';
        all_fit = false;
      }
    }
    return all_fit ? 0 : 1;
  }

  if (!preview_dir.isEmpty()) {
    QDir().mkpath(preview_dir);
    for (const QString& file : files) {
      const auto loaded = tessaly::content_compiler::LoadTopic(file);
      if (!loaded.error.isEmpty()) {
        err << loaded.error << '\n';
        continue;
      }
      const auto layout = tessaly::content_compiler::LayOutTopic(
          loaded.source, tessaly::content_compiler::LayoutDevice());
      const auto pages = tessaly::content_compiler::RenderPages(layout);
      for (std::size_t i = 0; i < pages.size(); ++i) {
        const QByteArray& page = pages[i];
        const auto document =
            tessaly::emf::EmfDocument::Parse(std::as_bytes(std::span(
                page.constData(), static_cast<std::size_t>(page.size()))));
        const QString name =
            tessaly::content_compiler::PageFileName(loaded.source.control,
                                                    static_cast<int>(i))
                .replace(QStringLiteral(".emf"), QStringLiteral(".png"));
        tessaly::emf::RenderPage(document, 1)
            .save(QDir(preview_dir).filePath(name));
        out << QDir(preview_dir).filePath(name) << '\n';
      }
    }
    if (options.output_dir.isEmpty()) return 0;
  }

  const auto result = tessaly::content_compiler::CompileTopics(files, options);
  for (const QString& warning : result.warnings) {
    err << "warning: " << warning << '\n';
  }
  for (const QString& error : result.errors) err << "error: " << error << '\n';
  if (!result.errors.isEmpty()) {
    err << "(--report shows how full each page is; a draft build takes "
           "--draft, or -DTESSALY_CONTENT_DRAFT=ON)\n";
  }
  return result.errors.isEmpty() ? 0 : 1;
}
