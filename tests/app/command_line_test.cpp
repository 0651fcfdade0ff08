// The program's command line, run as a user runs it: topics listed in menu
// order, a topic exported, and the errors reported with their exit codes
// and without a partial file.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace tessaly::app {
namespace {

struct Outcome {
  int exit_code = -1;
  QString out;
  QString err;
};

Outcome Tessaly(const QStringList& arguments) {
  QProcess process;
  process.start(QStringLiteral(TESSALY_PROGRAM), arguments);
  Outcome run;
  if (!process.waitForFinished(60000)) return run;
  run.exit_code =
      process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  run.err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

TEST(CommandLineTest, ListsTheTopicsInMenuOrder) {
  const Outcome run = Tessaly({QStringLiteral("--list-topics")});
  ASSERT_EQ(run.exit_code, kExitOk);
  QStringList expected;
  for (const std::u16string_view title : TopicTitles()) {
    expected << QString::fromUtf16(title.data(),
                                   static_cast<qsizetype>(title.size()));
  }
  ASSERT_EQ(expected.size(), 56);
  EXPECT_EQ(run.out.split(u'\n', Qt::SkipEmptyParts), expected);
}

TEST(CommandLineTest, HelpNamesTheOptions) {
  const Outcome run = Tessaly({QStringLiteral("--help")});
  EXPECT_EQ(run.exit_code, kExitOk);
  EXPECT_TRUE(run.out.contains(QStringLiteral("--export-pdf")));
  EXPECT_TRUE(run.out.contains(QStringLiteral("--list-topics")));
}

TEST(CommandLineTest, ExportsATopicAsPdf) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("焦虑.pdf"));
  const Outcome run = Tessaly(
      {QStringLiteral("--export-pdf"), QStringLiteral("考生焦虑测评"), path});
  EXPECT_EQ(run.exit_code, kExitOk) << run.err.toStdString();
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(5) == "%PDF-");
}

TEST(CommandLineTest, ReportsErrorsWithTheirExitCodes) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
  // A directory in the way of the output file: the write fails at the end.
  const QString blocked = dir.filePath(QStringLiteral("blocked.pdf"));
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("blocked.pdf")));
  struct Case {
    QStringList arguments;
    int exit_code;
    QString named;  // what the message must name
  };
  const Case cases[] = {
      {{QStringLiteral("--export-pdf"), QStringLiteral("考生焦虑测评 "), pdf},
       kExitBadUsage,
       QStringLiteral("考生焦虑测评 ")},
      {{QStringLiteral("--export-pdf"), QStringLiteral("家长应避开的常见误区"),
        pdf},
       kExitBadUsage,
       QStringLiteral("家长应避开的常见误区")},
      {{QStringLiteral("--export-pdf"), QStringLiteral("考生焦虑测评")},
       kExitBadUsage,
       QStringLiteral("--export-pdf")},
      {{QStringLiteral("--export-pdf"), QStringLiteral("考生焦虑测评"),
        dir.filePath(QStringLiteral("missing/out.pdf"))},
       kExitFailed,
       QStringLiteral("missing/out.pdf")},
      {{QStringLiteral("--export-pdf"), QStringLiteral("考生焦虑测评"),
        blocked},
       kExitFailed,
       QStringLiteral("blocked.pdf")},
      {{QStringLiteral("--list-topics"), QStringLiteral("--no-such-option")},
       kExitBadUsage,
       QStringLiteral("no-such-option")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.join(u' ').toStdString());
    const Outcome run = Tessaly(c.arguments);
    EXPECT_EQ(run.exit_code, c.exit_code);
    EXPECT_TRUE(run.err.contains(c.named)) << run.err.toStdString();
  }
  // Nothing was left behind: no output, no temporary file.
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
            QStringList());
}

}  // namespace
}  // namespace tessaly::app
