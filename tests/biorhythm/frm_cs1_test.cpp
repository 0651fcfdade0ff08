#include "biorhythm/frm_cs1.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <array>

#include "tests/support/find_control.h"
#include "tests/support/message_box_catcher.h"
#include "toolkit/forms.h"
#include "toolkit/masked_date_box.h"

namespace tessaly::biorhythm {
namespace {

using tessaly::testing::CaughtMessage;
using tessaly::testing::FindControl;
using tessaly::testing::MessageBoxCatcher;

const QString kInvalid = QStringLiteral("非法日期请重新输入");

class FrmCs1Test : public ::testing::Test {
 protected:
  void SetUp() override {
    toolkit::Unload<FrmCs1>();
    form_ = toolkit::Load<FrmCs1>();
    toolkit::Show(form_);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_));
  }

  void TearDown() override {
    toolkit::Unload<FrmCs1>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  toolkit::MaskedDateBox* Box(const char* name) {
    return FindControl<toolkit::MaskedDateBox>(form_,
                                               QString::fromLatin1(name));
  }

  // Types the digits of a date into a box as a user would.
  void Type(const char* box_name, const char* digits) {
    toolkit::MaskedDateBox* box = Box(box_name);
    box->setFocus(Qt::MouseFocusReason);
    // A desktop hands activation back to the window when a message box
    // closes; the offscreen platform leaves that to us.
    if (!form_->isActiveWindow()) {
      form_->activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(form_));
    }
    ASSERT_EQ(QApplication::focusWidget(), box);
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClicks(box, QString::fromLatin1(digits));
  }

  void ClickTest() {
    QTest::mouseClick(FindControl<QPushButton>(form_, "Command1"),
                      Qt::LeftButton);
  }

  // Values and phases, physical to intellectual.
  std::array<QString, 6> Results() {
    std::array<QString, 6> texts;
    const char* names[] = {"Text3", "Text6", "Text4",
                           "Text7", "Text5", "Text8"};
    for (int i = 0; i < 6; ++i) {
      texts[i] =
          FindControl<QLineEdit>(form_, QString::fromLatin1(names[i]))->text();
    }
    return texts;
  }

  FrmCs1* form_ = nullptr;
};

TEST_F(FrmCs1Test, OpensWithTheDesignContents) {
  EXPECT_EQ(form_->objectName(), "FRM_CS1");
  EXPECT_EQ(form_->windowTitle(), "考生状态测试1");
  EXPECT_EQ(Box("MaskEdBox1")->Text(), "____-__-__");
  EXPECT_EQ(Box("MaskEdBox2")->Text(), "____-__-__");
  EXPECT_EQ(Results(), (std::array<QString, 6>{"0", "", "0", "", "0", ""}));
  EXPECT_EQ(FindControl<QWidget>(form_, "Label4")->property("text"), "体   力");
  EXPECT_EQ(form_->size(), QSize(342, 229));
}

TEST_F(FrmCs1Test, LeavingABoxChecksItsDate) {
  struct Case {
    const char* digits;
    const char* shown;
    bool refused;
  };
  const Case cases[] = {
      {"19900131", "1990-01-31", false},
      {"19900230", "1990-02-30", false},  // month lengths are not checked here
      {"19900015", "1990-00-15", true},
      {"19901301", "1990-13-01", true},
      {"19900100", "1990-01-00", true},
      {"19900132", "1990-01-32", true},
      {"09900101", "0990-01-01", true},
      {"1990013", "1990-01-3_", true},
      {"", "____-__-__", true},
  };
  // Leaving the other, untouched box on the way raises its own warning, so
  // only what the Tab key raises counts.
  MessageBoxCatcher catcher;
  for (const char* box_name : {"MaskEdBox1", "MaskEdBox2"}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(box_name) + " " + c.shown);
      Box(box_name)->clear();
      Type(box_name, c.digits);
      catcher.Clear();
      QTest::keyClick(Box(box_name), Qt::Key_Tab);
      ASSERT_EQ(catcher.Messages().size(), c.refused ? 1u : 0u);
      if (c.refused) {
        const CaughtMessage& m = catcher.Messages()[0];
        EXPECT_EQ(m.title, "提示");
        EXPECT_EQ(m.text, kInvalid);
        EXPECT_EQ(m.icon, QMessageBox::Information);
        EXPECT_EQ(m.button_count, 1);
      }
      // The check only warns: the text stays and the focus moved on.
      EXPECT_EQ(Box(box_name)->Text(), c.shown);
      EXPECT_NE(QApplication::focusWidget(), Box(box_name));
    }
  }
}

TEST_F(FrmCs1Test, TestButtonShowsEachCycle) {
  struct Case {
    const char* birth;
    const char* test;
    std::array<QString, 6> results;
  };
  const Case cases[] = {
      {"19870312",
       "20050607",
       {"-81.69", "低潮期", "-43.38", "低潮期", "-69", "低潮期"}},
      {"19900101", "19900101", {"0", "高潮期", "0", "高潮期", "0", "高潮期"}},
      {"20000101",
       "19991231",
       {"-26.97", "低潮期", "-22.25", "低潮期", "-18.92", "低潮期"}},
      {"20000101",
       "20000115",
       {"-63.1", "低潮期", "0", "低潮期", "45.82", "高潮期"}},
      {"20000101",
       "20000202",
       {"63.1", "高潮期", "78.18", "高潮期", "-18.92", "低潮期"}},
  };
  MessageBoxCatcher catcher;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.birth) + " " + c.test);
    Type("MaskEdBox1", c.birth);
    Type("MaskEdBox2", c.test);
    ClickTest();
    EXPECT_EQ(Results(), c.results);
  }
  EXPECT_TRUE(catcher.Messages().empty());
}

TEST_F(FrmCs1Test, UnreadableDateIsRefusedAndLeavesTheResults) {
  struct Case {
    const char* birth;
    const char* test;
  };
  const Case cases[] = {
      {"____-__-__", "____-__-__"},  // untouched
      {"1990-0_-__", "2005-06-07"},  // prompts left
      {"1990-02-30", "2005-06-07"},  // passes the check on leaving the box
      {"1987-03-12", "2005-13-07"},
  };
  for (const bool after_a_result : {false, true}) {
    if (after_a_result) {
      Box("MaskEdBox1")->setText("1987-03-12");
      Box("MaskEdBox2")->setText("2005-06-07");
      ClickTest();
    }
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.birth) + " " + c.test);
      const std::array<QString, 6> before = Results();
      Box("MaskEdBox1")->setText(QString::fromLatin1(c.birth));
      Box("MaskEdBox2")->setText(QString::fromLatin1(c.test));
      MessageBoxCatcher catcher;
      ClickTest();
      ASSERT_EQ(catcher.Messages().size(), 1u);
      EXPECT_EQ(catcher.Messages()[0].title, "提示");
      EXPECT_EQ(catcher.Messages()[0].text, kInvalid);
      EXPECT_EQ(Results(), before);
    }
    EXPECT_EQ(Results()[0], after_a_result ? "-81.69" : "0");
  }
}

TEST_F(FrmCs1Test, EnterPressesTheTestButtonAndTheDateCheckStays) {
  Type("MaskEdBox1", "19870312");
  Type("MaskEdBox2", "20050607");
  MessageBoxCatcher catcher;
  QTest::keyClick(Box("MaskEdBox2"), Qt::Key_Return);
  EXPECT_EQ(Results(), (std::array<QString, 6>{"-81.69", "低潮期", "-43.38",
                                               "低潮期", "-69", "低潮期"}));
  // The focus stayed in the box; leaving it with a bad date still warns.
  EXPECT_EQ(QApplication::focusWidget(), Box("MaskEdBox2"));
  EXPECT_TRUE(catcher.Messages().empty());
  Box("MaskEdBox2")->clear();
  Type("MaskEdBox2", "1990013");
  QTest::keyClick(Box("MaskEdBox2"), Qt::Key_Tab);
  ASSERT_EQ(catcher.Messages().size(), 1u);
  EXPECT_EQ(catcher.Messages()[0].text, kInvalid);

  // The keypad's Enter, and Enter on a result box, press it too.
  Box("MaskEdBox2")->clear();
  Type("MaskEdBox2", "20000115");
  Type("MaskEdBox1", "20000101");
  QTest::keyClick(Box("MaskEdBox1"), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(Results()[0], "-63.1");
  auto* value_box = FindControl<QLineEdit>(form_, "Text3");
  value_box->setText(QString());
  QTest::keyClick(value_box, Qt::Key_Return);
  EXPECT_EQ(Results()[0], "-63.1");
}

TEST_F(FrmCs1Test, ScreenReadersReadTheBoxesByTheirRowLabels) {
  struct Case {
    const char* control;
    QString name;
  };
  const Case cases[] = {
      {"MaskEdBox1", "出生日期"}, {"MaskEdBox2", "测试日期"},
      {"Text3", "体力"},          {"Text6", "体力阶段"},
      {"Text4", "情绪"},          {"Text8", "智力阶段"},
      {"Command1", "测试"},
  };
  for (const Case& c : cases) {
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(
        FindControl<QWidget>(form_, QString::fromLatin1(c.control)));
    ASSERT_NE(control, nullptr) << c.control;
    EXPECT_EQ(control->text(QAccessible::Name), c.name) << c.control;
  }
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Box("MaskEdBox1"))->role(),
            QAccessible::EditableText);
}

}  // namespace
}  // namespace tessaly::biorhythm
