// The handbook search as a user drives it from the main screen: the topics
// of the chosen edition only, rows that begin with the topic title, and
// Enter opening the topic with the find bar at the first place.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTest>

#include "app/command_line.h"
#include "app/frm_main.h"
#include "app/search_command.h"
#include "reader/frm_z.h"
#include "reader/reader_tools.h"
#include "search/frm_search.h"
#include "search/handbook_text.h"
#include "tests/support/find_control.h"
#include "toolkit/forms.h"

namespace tessaly::app {
namespace {

using testing::FindControl;

QStringList AllTitles() {
  QStringList titles;
  for (const std::u16string_view title : TopicTitles()) {
    titles << QString::fromUtf16(title.data(),
                                 static_cast<qsizetype>(title.size()));
  }
  return titles;
}

class SearchWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    search::HandbookText::Instance().BuildNow(AllTitles());
  }
  void TearDown() override {
    toolkit::Unload<search::FrmSearch>();
    toolkit::Unload<reader::FrmZ>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  search::FrmSearch* Open(const char16_t* edition) {
    RunSearchCommand(QString::fromUtf16(edition));
    auto* form = toolkit::Instance<search::FrmSearch>();
    EXPECT_NE(form, nullptr);
    return form;
  }
  static QStringList Rows(search::FrmSearch* form) {
    auto* view = FindControl<QListView>(form, QStringLiteral("SearchResults"));
    QStringList rows;
    for (int i = 0; i < view->model()->rowCount(); ++i) {
      rows << view->model()->index(i, 0).data().toString();
    }
    return rows;
  }
};

TEST_F(SearchWindowTest, EditionsOfferTheirOwnTopics) {
  const QStringList titles = AllTitles();
  EXPECT_EQ(EditionTopics(QString::fromUtf16(kEditionGaokao)).size(), 56u);
  EXPECT_TRUE(EditionTopics(QString::fromUtf16(kEditionNone)).empty());
  const std::vector<std::size_t> zhongkao =
      EditionTopics(QString::fromUtf16(kEditionZhongkao));
  EXPECT_EQ(zhongkao.size(), 27u);
  for (const std::size_t topic : zhongkao) {
    EXPECT_NE(titles[static_cast<qsizetype>(topic)],
              QStringLiteral("模拟志愿填报系统"));
  }
}

TEST_F(SearchWindowTest, ListsMatchingTopicsOfTheEditionTitleFirst) {
  search::FrmSearch* gaokao = Open(kEditionGaokao);
  EXPECT_EQ(gaokao->windowTitle(), QStringLiteral("全文搜索"));
  auto* words = FindControl<QLineEdit>(gaokao, QStringLiteral("SearchText"));
  words->insert(QStringLiteral("志愿"));
  const QStringList gaokao_rows = Rows(gaokao);
  ASSERT_FALSE(gaokao_rows.isEmpty());
  const QStringList titles = AllTitles();
  for (const QString& row : gaokao_rows) {
    EXPECT_TRUE(
        std::any_of(titles.begin(), titles.end(),
                    [&row](const QString& t) { return row.startsWith(t); }))
        << row.toStdString();
  }

  search::FrmSearch* zhongkao = Open(kEditionZhongkao);
  FindControl<QLineEdit>(zhongkao, QStringLiteral("SearchText"))
      ->insert(QStringLiteral("志愿"));
  const QStringList zhongkao_rows = Rows(zhongkao);
  EXPECT_LT(zhongkao_rows.size(), gaokao_rows.size());
  for (const QString& row : zhongkao_rows) {
    EXPECT_FALSE(row.startsWith(QStringLiteral("填报志愿前应该了解那些知识")));
    EXPECT_FALSE(row.startsWith(QStringLiteral("模拟志愿填报系统")));
  }
}

TEST_F(SearchWindowTest, EnterOpensTheTopicAtTheFirstPlace) {
  search::FrmSearch* form = Open(kEditionGaokao);
  auto* words = FindControl<QLineEdit>(form, QStringLiteral("SearchText"));
  words->insert(QStringLiteral("焦虑"));
  const QStringList rows = Rows(form);
  ASSERT_FALSE(rows.isEmpty());
  QTest::keyClick(words, Qt::Key_Return);
  auto* reader = toolkit::Instance<reader::FrmZ>();
  ASSERT_NE(reader, nullptr);
  EXPECT_TRUE(rows.front().startsWith(reader->windowTitle()));
  EXPECT_EQ(FindControl<QLineEdit>(reader, QStringLiteral("FindText"))->text(),
            QStringLiteral("焦虑"));
  EXPECT_TRUE(FindControl<QLabel>(reader, QStringLiteral("FindCount"))
                  ->text()
                  .startsWith(QStringLiteral("第 1 / ")));
}

}  // namespace
}  // namespace tessaly::app
