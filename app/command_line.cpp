#include "app/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>

#include "app/menu_tree.h"
#include "reader/topic_catalogue.h"
#include "reader/topic_pdf.h"

namespace tessaly::app {
namespace {

constexpr auto kExportPdf = "export-pdf";
constexpr auto kListTopics = "list-topics";

void Print(std::FILE* stream, const QString& text) {
  std::fputs(text.toUtf8().constData(), stream);
  std::fputc('\n', stream);
}

void SetUp(QCommandLineParser& parser) {
  parser.setApplicationDescription(QStringLiteral(
      "Tessaly：2005 年高考、中考应试手册。不带选项时打开程序窗口。"));
  parser.addHelpOption();
  parser.addOption(QCommandLineOption(
      QString::fromLatin1(kExportPdf),
      QStringLiteral("把专题“标题”导出为 PDF 文件“输出.pdf”，不打开窗口。"),
      QStringLiteral("标题")));
  parser.addOption(QCommandLineOption(
      QString::fromLatin1(kListTopics),
      QStringLiteral("按菜单顺序列出全部专题的标题，每行一个。")));
  parser.addPositionalArgument(QStringLiteral("输出.pdf"),
                               QStringLiteral("--export-pdf 写入的文件。"),
                               QStringLiteral("[输出.pdf]"));
}

int Fail(int code, const QString& message) {
  Print(stderr, QStringLiteral("tessaly: %1").arg(message));
  return code;
}

int ExportPdf(const QString& title, const QStringList& positional) {
  if (positional.size() != 1) {
    return Fail(kExitBadUsage,
                QStringLiteral("--export-pdf 需要一个标题和一个输出文件名"));
  }
  const std::u16string_view wanted(
      reinterpret_cast<const char16_t*>(title.utf16()),
      static_cast<std::size_t>(title.size()));
  const std::vector<std::u16string_view> titles = TopicTitles();
  const reader::TopicEntry* entry =
      std::find(titles.begin(), titles.end(), wanted) != titles.end()
          ? reader::Lookup(title.toStdString())
          : nullptr;
  if (entry == nullptr) {
    return Fail(
        kExitBadUsage,
        QStringLiteral("没有名为“%1”的专题（--list-topics 列出全部专题）")
            .arg(title));
  }
  const QString path = positional.front();
  if (const std::optional<QString> error =
          reader::WriteTopicPdf(*entry, path)) {
    return Fail(kExitFailed,
                QStringLiteral("无法写入“%1”：%2").arg(path, *error));
  }
  return kExitOk;
}

}  // namespace

std::vector<std::u16string_view> TopicTitles() {
  std::vector<std::u16string_view> titles;
  for (const MenuItem& item : kMenuTree) {
    if (item.command == MenuCommand::kTopic && !item.hidden)
      titles.push_back(item.caption);
  }
  return titles;
}

bool WantsCommandLine(const QStringList& arguments) {
  for (const QString& argument : arguments.mid(1)) {
    if (argument == u"-h" || argument == u"-?" || argument == u"--help" ||
        argument == u"--help-all" || argument.startsWith(u"--export-pdf") ||
        argument == u"--list-topics") {
      return true;
    }
  }
  return false;
}

int RunCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  SetUp(parser);
  if (!parser.parse(arguments)) return Fail(kExitBadUsage, parser.errorText());
  if (parser.isSet(QStringLiteral("help"))) {
    std::fputs(parser.helpText().toUtf8().constData(), stdout);
    return kExitOk;
  }
  const bool list = parser.isSet(QString::fromLatin1(kListTopics));
  const bool export_pdf = parser.isSet(QString::fromLatin1(kExportPdf));
  if (list && export_pdf) {
    return Fail(kExitBadUsage,
                QStringLiteral("--export-pdf 与 --list-topics 只能选一个"));
  }
  if (list) {
    if (!parser.positionalArguments().isEmpty()) {
      return Fail(kExitBadUsage, QStringLiteral("--list-topics 不带参数"));
    }
    for (const std::u16string_view title : TopicTitles()) {
      Print(stdout, QString::fromUtf16(title.data(),
                                       static_cast<qsizetype>(title.size())));
    }
    return kExitOk;
  }
  return ExportPdf(parser.value(QString::fromLatin1(kExportPdf)),
                   parser.positionalArguments());
}

}  // namespace tessaly::app
