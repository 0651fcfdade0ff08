// Questionnaires read from topic markup: what the form gets, what the page
// prints, and the keys the build refuses.
#include "tools/content_compiler/questionnaire_markup.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

#include "questionnaires/scoring.h"
#include "tools/content_compiler/topic_compiler.h"

namespace tessaly::content_compiler {
namespace {

QString Fixture(const char* name) {
  QFile file(QStringLiteral(TESSALY_CONTENT_FIXTURES "/") +
             QString::fromUtf8(name));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
  return QString::fromUtf8(file.readAll());
}

QuestionnaireMarkup Read(const QString& text) {
  const TopicSourceResult parsed = ParseTopicSource(text);
  EXPECT_TRUE(parsed.error.isEmpty()) << parsed.error.toStdString();
  return ReadQuestionnaire(parsed.source);
}

TEST(QuestionnaireMarkup, ReadsItemsPointsScalesAndBandsFromThePageSource) {
  const QuestionnaireMarkup key = Read(Fixture("questionnaire_sample.txt"));
  ASSERT_TRUE(key.present);
  ASSERT_TRUE(key.errors.isEmpty()) << key.errors.join(u'\n').toStdString();
  const questionnaires::Questionnaire& q = key.questionnaire;
  EXPECT_EQ(q.title, "问卷示例");
  ASSERT_EQ(q.items.size(), 4u);
  EXPECT_EQ(q.items[1].text, "我考试时手发抖。");
  EXPECT_EQ(q.items[1].options,
            (std::vector<std::string>{"从不", "有时", "经常", "总是"}));
  EXPECT_EQ(q.points, (std::vector<int>{1, 2, 3, 4}));
  ASSERT_EQ(q.scales.size(), 2u);  // the 总分 row is no scale
  EXPECT_EQ(q.scales[0].name, "考试前后");
  EXPECT_EQ(q.scales[0].items, (std::vector<int>{1, 3}));
  EXPECT_EQ(q.kind, questionnaires::ResultKind::kTotal);
  ASSERT_EQ(q.total_bands.size(), 3u);
  EXPECT_EQ(q.total_bands[1].low, 9);
  EXPECT_EQ(q.total_bands[1].high, 12);
  EXPECT_EQ(q.total_bands[1].heading, "中等");
  EXPECT_EQ(q.total_bands[1].text, "• 找出得分高的部分。");
}

TEST(QuestionnaireMarkup, PagePrintsTheKeyItScoresWith) {
  std::vector<MarkupBlock> blocks = ParseBodyMarkup(QStringLiteral(
      "每题{points 从不=1 有时=2}。\n\n"
      "| 项目 | 题号 |\n|---|---|\n| {parts 兴趣=1～12 能力=13、14} | 1 |\n\n"
      "> {levels 3～4=高 0～2=低}"));
  RenderDataTokens(blocks);
  EXPECT_EQ(blocks[0].text, QStringLiteral("每题从不记1分，有时记2分。"));
  EXPECT_EQ(blocks[1].rows[1][0],
            QStringLiteral("兴趣（第1～12题）、能力（第13、14题）"));
  EXPECT_EQ(blocks[2].children[0].text,
            QStringLiteral("3～4分为高，0～2分为低"));
}

TEST(QuestionnaireMarkup, TopicWithoutAKeyIsNoQuestionnaire) {
  const QuestionnaireMarkup key =
      Read(QStringLiteral("title: 清单\ncontrol: Img_96\n\n"
                          "1. 准考证 [ ]已带\n"));
  EXPECT_FALSE(key.present);
  EXPECT_TRUE(key.errors.isEmpty());
}

// Each fault is one edit of the good sample; the message must name what to
// fix (the band, the item or the scale).
TEST(QuestionnaireMarkup, RefusesFaultyKeysNamingTheFault) {
  struct Case {
    const char* name;
    const char* from;
    const char* to;
    const char* message;
  };
  const Case cases[] = {
      {"gap", "总分9～12分：中等", "总分10～12分：中等",
       "no band covers 9分, between bands \"4～8分：较轻\" and "
       "\"10～12分：中等\""},
      {"overlap", "总分9～12分：中等", "总分8～12分：中等",
       "band \"8～12分：中等\" overlaps band \"4～8分：较轻\" at 8分"},
      {"short of the top", "总分13～16分：较重", "总分13～15分：较重",
       "no band covers 16分, above band \"13～15分：较重\""},
      {"missing band text", "请找老师谈一谈。", "",
       "band \"13～16分：较重\" has no text"},
      {"item in no scale", "| 身体 | 2、4 |", "| 身体 | 2 |",
       "item 4 belongs to no scale"},
      {"table range from another convention", "| 考试前后 | 1、3 | 2～8 |",
       "| 考试前后 | 1、3 | 0～6 |",
       "scale \"考试前后\": the table says 0～6, but its items score 2～8"},
      {"option not in the key", "2. 我考试时手发抖。 [ ]从不 [ ]有时",
       "2. 我考试时手发抖。 [ ]从未 [ ]有时",
       "item 2: option \"从未\" is not in the key's \"从不\""},
      {"item missing an option", "我常常头痛。 [ ]从不 [ ]有时 [ ]经常 [ ]总是",
       "我常常头痛。 [ ]从不 [ ]有时 [ ]经常",
       "item 4 has 3 options but the key has 4"},
      {"items out of order", "3. 我考后", "5. 我考后",
       "item numbered 5 where 3 was expected"},
      {"no scale table", "| 部分 | 题号 | 得分范围 |",
       "| 部分 | 题目 | 得分范围 |", "no table with a 题号 column"},
  };
  const QString good = Fixture("questionnaire_sample.txt");
  for (const Case& c : cases) {
    QString text = good;
    ASSERT_TRUE(text.contains(QString::fromUtf8(c.from))) << c.name;
    text.replace(QString::fromUtf8(c.from), QString::fromUtf8(c.to));
    const QuestionnaireMarkup key = Read(text);
    const QString message = QString::fromUtf8(c.message);
    EXPECT_TRUE(std::ranges::any_of(
        key.errors, [&](const QString& e) { return e.contains(message); }))
        << c.name << ": " << key.errors.join(u'\n').toStdString();
  }
}

TEST(QuestionnaireMarkup, BuildFailsNamingTopicAndBandAndWritesTheSource) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  CompileOptions options;
  options.output_dir = dir.filePath(QStringLiteral("pages"));
  options.questionnaire_file = dir.filePath(QStringLiteral("q.cpp"));
  const QString fixtures = QStringLiteral(TESSALY_CONTENT_FIXTURES);

  const CompileResult bad = CompileTopics(
      {fixtures + QStringLiteral("/questionnaire_overlap.txt")}, options);
  ASSERT_EQ(bad.errors.size(), 1);
  EXPECT_TRUE(bad.errors[0].contains(QStringLiteral(
      "重叠示例 (Img_95): scale band \"1分\" overlaps band \"0～1分\" at 1分")))
      << bad.errors[0].toStdString();

  const CompileResult good = CompileTopics(
      {fixtures + QStringLiteral("/questionnaire_sample.txt")}, options);
  ASSERT_TRUE(good.errors.isEmpty()) << good.errors.join(u'\n').toStdString();
  QFile source(options.questionnaire_file);
  ASSERT_TRUE(source.open(QIODevice::ReadOnly));
  const QString code = QString::fromUtf8(source.readAll());
  EXPECT_TRUE(code.contains(QStringLiteral(
      "{\"我考试时手发抖。\", {\"从不\", \"有时\", \"经常\", \"总是\"}}")));
  EXPECT_TRUE(code.contains(QStringLiteral("{9, 12, \"中等\", ")));
}

}  // namespace
}  // namespace tessaly::content_compiler
