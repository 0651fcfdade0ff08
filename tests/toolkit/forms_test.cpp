// Form lifecycle: load, unload handling order, one instance per form, end.
#include "toolkit/forms.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QTimer>
#include <string>
#include <vector>

namespace tessaly::toolkit {
namespace {

std::vector<std::string>& Journal() {
  static std::vector<std::string> journal;
  return journal;
}

class ProbeForm : public Form {
 public:
  ProbeForm() : Form(QStringLiteral("ProbeForm")) {}

 protected:
  void Form_Load() override { Journal().push_back("load"); }
  void Form_QueryUnload() override { Journal().push_back("query-unload"); }
  void Form_Unload() override { Journal().push_back("unload"); }
};

class OtherForm : public Form {
 public:
  OtherForm() : Form(QStringLiteral("OtherForm")) {}

 protected:
  void Form_Unload() override { Journal().push_back("other-unload"); }
};

void FlushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class FormsTest : public ::testing::Test {
 protected:
  void SetUp() override { Journal().clear(); }
  void TearDown() override {
    Unload<ProbeForm>();
    Unload<OtherForm>();
    FlushDeletes();
  }
};

TEST_F(FormsTest, LoadRunsLoadHandlingOnceAndKeepsOneInstance) {
  ProbeForm* first = Load<ProbeForm>();
  ProbeForm* again = Load<ProbeForm>();
  EXPECT_EQ(first, again);
  EXPECT_EQ(Journal(), std::vector<std::string>{"load"});
  EXPECT_FALSE(first->isVisible());
  Show(first);
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(first->parentWidget(), nullptr);
  EXPECT_FALSE(first->isModal());
}

TEST_F(FormsTest, UnloadRunsQueryUnloadThenUnloadAndDestroys) {
  QPointer<ProbeForm> form = Load<ProbeForm>();
  Show(form);
  Unload<ProbeForm>();
  EXPECT_EQ(Instance<ProbeForm>(), nullptr);
  FlushDeletes();
  EXPECT_TRUE(form.isNull());
  EXPECT_EQ(Journal(),
            (std::vector<std::string>{"load", "query-unload", "unload"}));
}

TEST_F(FormsTest, UnloadOfAFormNotLoadedDoesNothing) {
  Unload<ProbeForm>();
  EXPECT_TRUE(Journal().empty());
}

TEST_F(FormsTest, ReloadAfterUnloadGivesAFreshInstance) {
  ProbeForm* first = Load<ProbeForm>();
  first->setWindowTitle(QStringLiteral("changed"));
  Unload<ProbeForm>();
  ProbeForm* second = Load<ProbeForm>();
  EXPECT_NE(second->windowTitle(), QStringLiteral("changed"));
  EXPECT_EQ(Instance<ProbeForm>(), second);
}

TEST_F(FormsTest, CloseBoxRunsTheSameUnloadPathOnlyForThatForm) {
  Show(Load<ProbeForm>());
  Show(Load<OtherForm>());
  Instance<ProbeForm>()->close();
  EXPECT_EQ(Instance<ProbeForm>(), nullptr);
  ASSERT_NE(Instance<OtherForm>(), nullptr);
  EXPECT_TRUE(Instance<OtherForm>()->isVisible());
  EXPECT_EQ(Journal(),
            (std::vector<std::string>{"load", "query-unload", "unload"}));
}

TEST_F(FormsTest, EndProgramRunsNoUnloadHandlingAndLeavesTheLoop) {
  QPointer<ProbeForm> probe = Load<ProbeForm>();
  QPointer<OtherForm> other = Load<OtherForm>();
  Show(probe);
  Show(other);
  Journal().clear();
  QTimer::singleShot(0, probe, [] { EndProgram(); });
  const bool quit_on_last = QApplication::quitOnLastWindowClosed();
  EXPECT_EQ(QApplication::exec(), 0);
  QApplication::setQuitOnLastWindowClosed(quit_on_last);
  FlushDeletes();
  EXPECT_TRUE(probe.isNull());
  EXPECT_TRUE(other.isNull());
  EXPECT_TRUE(Journal().empty());
}

}  // namespace
}  // namespace tessaly::toolkit
