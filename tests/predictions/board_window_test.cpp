// Drives the two prediction boards through their controls: the region grids,
// the listing panel, and the menu colour they borrow while loaded.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <vector>

#include "predictions/frm_yt.h"
#include "predictions/frm_yt1.h"
#include "predictions/listing_catalogue.h"
#include "tests/support/find_control.h"
#include "toolkit/forms.h"
#include "toolkit/label_button.h"
#include "toolkit/shape_rect.h"
#include "toolkit/sys_colors.h"
#include "toolkit/units.h"

namespace tessaly::predictions {
namespace {

using testing::FindControl;
using toolkit::ColorRef;
using toolkit::LabelButton;
using toolkit::Rgb;

constexpr ColorRef kDesktopMenuColor = Rgb(10, 20, 30);
constexpr ColorRef kBoardColor = Rgb(246, 179, 87);

void SetMenuColor(ColorRef color) {
  const int index = toolkit::kColorMenu;
  toolkit::SetSysColors(1, &index, &color);
}

ColorRef MenuColor() { return toolkit::GetSysColor(toolkit::kColorMenu); }

void FlushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Opens a board the way the main window's command does.
template <class F>
F* OpenBoard() {
  toolkit::Unload<F>();
  F* board = toolkit::Load<F>();
  toolkit::Show(board);
  return board;
}

void Click(QWidget* control) {
  QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

LabelButton* Region(QWidget* board, int index) {
  return FindControl<LabelButton>(board,
                                  QStringLiteral("Lbl_YT(%1)").arg(index));
}

QPlainTextEdit* ListingBox(QWidget* board) {
  return FindControl<QPlainTextEdit>(board, QStringLiteral("Txt_YT"));
}

QString Heading(QWidget* board) {
  return FindControl<LabelButton>(board, QStringLiteral("Lbl_YTC"))->Caption();
}

// What the text box shows for a region: one paragraph per listing line.
QString ShownListing(Edition edition, std::int16_t index) {
  return QString::fromStdString(ComposeListing(edition, index).value())
      .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

const char* const kPanelNames[] = {"Lbl_YTC", "Shp_YTC", "Lbl_YTB", "Shp_YTB",
                                   "Txt_YT"};

std::vector<bool> PanelVisibility(QWidget* board) {
  std::vector<bool> visible;
  for (const char* name : kPanelNames) {
    visible.push_back(
        FindControl<QWidget>(board, QLatin1String(name))->isVisible());
  }
  return visible;
}

const std::vector<bool> kPanelShown(5, true);
const std::vector<bool> kPanelHidden(5, false);

class BoardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    original_ = MenuColor();
    SetMenuColor(kDesktopMenuColor);
  }
  void TearDown() override {
    toolkit::Unload<FrmYt>();
    toolkit::Unload<FrmYt1>();
    FlushDeletes();
    SetMenuColor(original_);
  }

 private:
  ColorRef original_ = 0;
};

struct GridCase {
  const char* name;
  std::function<toolkit::Form*()> open;
  Edition edition;
  const char* caption;
  const char* title;
  int left;      // column 0
  int top;       // row 0
  int row_step;  // columns are 2040 apart on both boards
  std::vector<std::vector<int>> rows;
};

const GridCase kGrids[] = {
    {"Gaokao",
     [] { return OpenBoard<FrmYt>(); },
     Edition::Gaokao,
     "高考压题信息",
     "高考前三天 来自重点中学的内部押题",
     840,
     2400,
     960,
     {{0, 1, 2, 3}, {4, 5, 6, 7}, {8, 9, 10, 11}, {12, 13, 14}}},
    {"Zhongkao",
     [] { return OpenBoard<FrmYt1>(); },
     Edition::Zhongkao,
     "中考压题信息",
     "中考前三天 来自重点中学的内部押题",
     960,
     1920,
     720,
     {{0, 1, 2, 3},
      {4, 5, 6, 7},
      {8, 9, 10, 11},
      {12, 13, 14, 15},
      {22, 21, 20, 19},
      {18, 17, 16, 23}}},
};

TEST_F(BoardTest, GridsPlaceEveryRegionInsideItsFrame) {
  for (const GridCase& grid : kGrids) {
    SCOPED_TRACE(grid.name);
    toolkit::Form* board = grid.open();
    EXPECT_EQ(board->Caption(), QString::fromUtf8(grid.caption));
    EXPECT_EQ(FindControl<LabelButton>(board, "Lbl_YT_c1(0)")->Caption(),
              QString::fromUtf8(grid.title));
    EXPECT_EQ(FindControl<LabelButton>(board, "Lbl_YT_c1(1)")->Caption(),
              QStringLiteral("一份意外的惊喜"));
    EXPECT_EQ(board->size(), QSize(609, 460));  // 9135 × 6900 twips

    int buttons = 0;
    for (int row = 0; row < static_cast<int>(grid.rows.size()); ++row) {
      for (int column = 0; column < static_cast<int>(grid.rows[row].size());
           ++column) {
        const int index = grid.rows[row][column];
        SCOPED_TRACE(::testing::Message() << "region " << index);
        const int left = grid.left + 2040 * column;
        const int top = grid.top + grid.row_step * row;
        LabelButton* button = Region(board, index);
        EXPECT_EQ(button->geometry(), toolkit::TwipsRect(left, top, 1215, 255));
        EXPECT_EQ(button->Caption().toStdString(),
                  RegionCaption(grid.edition, index));
        EXPECT_TRUE(button->isVisible());
        auto* frame = FindControl<toolkit::ShapeRect>(
            board, QStringLiteral("Shp_YT(%1)").arg(index));
        EXPECT_EQ(frame->geometry(),
                  toolkit::TwipsRect(left - 120, top - 120, 1455, 495));
        ++buttons;
      }
    }
    EXPECT_EQ(buttons, RegionCount(grid.edition));
    EXPECT_EQ(PanelVisibility(board), kPanelHidden);
  }
  // The captions where the grids are easiest to get wrong.
  EXPECT_EQ(Region(OpenBoard<FrmYt>(), 14)->Caption(),
            QStringLiteral("全国统考区"));
  auto* zhongkao = OpenBoard<FrmYt1>();
  EXPECT_EQ(Region(zhongkao, 22)->Caption(), QStringLiteral("河南省"));
  EXPECT_EQ(Region(zhongkao, 23)->Caption(), QStringLiteral("江西省"));
}

TEST_F(BoardTest, ListingBoxStartsHiddenWithItsDesignText) {
  QPlainTextEdit* box = ListingBox(OpenBoard<FrmYt>());
  EXPECT_EQ(box->toPlainText(), QStringLiteral("Text1"));
  EXPECT_FALSE(box->isVisible());
  EXPECT_FALSE(box->isReadOnly());
  EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(box->font().family(), QStringLiteral("宋体"));
  EXPECT_EQ(box->font().pointSizeF(), 12.0);
  EXPECT_EQ(box->geometry(), toolkit::TwipsRect(600, 2040, 7815, 3855));
  EXPECT_TRUE(Heading(box->window()).isEmpty());
}

TEST_F(BoardTest, RegionClickShowsThePanelOverTheGrid) {
  FrmYt* board = OpenBoard<FrmYt>();
  Click(Region(board, 14));
  EXPECT_EQ(PanelVisibility(board), kPanelShown);
  EXPECT_EQ(Heading(board), QStringLiteral("全国统考区"));
  EXPECT_EQ(ListingBox(board)->toPlainText(),
            ShownListing(Edition::Gaokao, 14));

  // The text box covers every region button, so none can be clicked.
  for (int index = 0; index < RegionCount(Edition::Gaokao); ++index) {
    QWidget* button = Region(board, index);
    QWidget* on_top = board->childAt(button->geometry().center());
    ASSERT_NE(on_top, nullptr);
    EXPECT_TRUE(ListingBox(board)->isAncestorOf(on_top)) << index;
  }
}

TEST_F(BoardTest, ReturnHidesThePanelAndKeepsItsText) {
  FrmYt* board = OpenBoard<FrmYt>();
  Click(Region(board, 13));
  const QString anhui = ShownListing(Edition::Gaokao, 13);
  ASSERT_EQ(ListingBox(board)->toPlainText(), anhui);

  Click(FindControl<LabelButton>(board, "Lbl_YTB"));
  EXPECT_EQ(PanelVisibility(board), kPanelHidden);
  EXPECT_EQ(Heading(board), QStringLiteral("安徽考区"));
  EXPECT_EQ(ListingBox(board)->toPlainText(), anhui);
  EXPECT_EQ(FindControl<LabelButton>(board, "Lbl_YTB")->Caption(),
            QStringLiteral("返\u3000回"));

  Click(Region(board, 13));
  EXPECT_EQ(PanelVisibility(board), kPanelShown);
  EXPECT_EQ(ListingBox(board)->toPlainText(), anhui);
}

TEST_F(BoardTest, NextRegionClickReplacesTypedText) {
  FrmYt1* board = OpenBoard<FrmYt1>();
  Click(Region(board, 20));
  QPlainTextEdit* box = ListingBox(board);
  box->moveCursor(QTextCursor::End);
  QTest::keyClicks(box, "typed");
  ASSERT_TRUE(box->toPlainText().endsWith("typed"));

  Click(FindControl<LabelButton>(board, "Lbl_YTB"));
  EXPECT_TRUE(box->toPlainText().endsWith("typed")) << "return keeps the text";

  // Row 4 of this board runs against the index order: 22, 21, 20, 19.
  Click(Region(board, 21));
  EXPECT_EQ(Heading(board), QStringLiteral("河北省"));
  EXPECT_EQ(box->toPlainText(), ShownListing(Edition::Zhongkao, 21));
}

TEST_F(BoardTest, LongListingsScroll) {
  FrmYt1* board = OpenBoard<FrmYt1>();
  QPlainTextEdit* box = ListingBox(board);
  EXPECT_EQ(box->geometry(), toolkit::TwipsRect(720, 1680, 7815, 4335));

  Click(Region(board, 14));  // 四川省: more lines than the box holds
  QCoreApplication::processEvents();
  EXPECT_EQ(box->document()->blockCount(), 22);
  EXPECT_GT(box->verticalScrollBar()->maximum(), 0);

  Click(FindControl<LabelButton>(board, "Lbl_YTB"));
  Click(Region(board, 7));  // 内蒙古: lines wider than the box
  QCoreApplication::processEvents();
  EXPECT_GT(box->horizontalScrollBar()->maximum(), 0);
}

TEST_F(BoardTest, ButtonsAndFramesFollowTheMenuColour) {
  FrmYt* board = OpenBoard<FrmYt>();
  LabelButton* button = Region(board, 3);
  EXPECT_EQ(button->palette().color(QPalette::Window),
            toolkit::ResolveColor(kBoardColor));
  const ColorRef later = Rgb(1, 2, 3);
  SetMenuColor(later);
  EXPECT_EQ(button->palette().color(QPalette::Window),
            toolkit::ResolveColor(later));
  for (const char* frame : {"Shp_YT(3)", "Shp_YTC", "Shp_YTB"}) {
    EXPECT_EQ(FindControl<toolkit::ShapeRect>(board, frame)->BorderColor(),
              toolkit::SysColorRef(toolkit::kColorMenu))
        << frame;
  }
}

// Every value the menu colour takes while `action` runs.
std::vector<ColorRef> MenuColorWrites(const std::function<void()>& action) {
  std::vector<ColorRef> writes;
  QObject context;
  QObject::connect(&toolkit::SysColors::Instance(),
                   &toolkit::SysColors::Changed, &context, [&](int index) {
                     if (index == toolkit::kColorMenu) {
                       writes.push_back(MenuColor());
                     }
                   });
  action();
  return writes;
}

TEST_F(BoardTest, CloseBoxGivesBackTheColourFoundAtLoad) {
  FrmYt* board = nullptr;
  EXPECT_EQ(MenuColorWrites([&] { board = OpenBoard<FrmYt>(); }),
            std::vector<ColorRef>{kBoardColor});
  EXPECT_EQ(MenuColorWrites([&] { board->close(); }),
            (std::vector<ColorRef>{kDesktopMenuColor, kDesktopMenuColor}));
  FlushDeletes();
  EXPECT_EQ(toolkit::Instance<FrmYt>(), nullptr);
}

TEST_F(BoardTest, ReopeningStartsAfreshFromTheRestoredColour) {
  FrmYt* board = OpenBoard<FrmYt>();
  Click(Region(board, 5));
  EXPECT_EQ(MenuColorWrites([] { OpenBoard<FrmYt>(); }),
            (std::vector<ColorRef>{kDesktopMenuColor, kDesktopMenuColor,
                                   kBoardColor}));
  FlushDeletes();
  board = toolkit::Instance<FrmYt>();
  ASSERT_NE(board, nullptr);
  EXPECT_EQ(PanelVisibility(board), kPanelHidden);
  EXPECT_TRUE(Heading(board).isEmpty());
  EXPECT_EQ(ListingBox(board)->toPlainText(), QStringLiteral("Text1"));
  board->close();
  EXPECT_EQ(MenuColor(), kDesktopMenuColor);
}

// The second board finds the first board's colour at its load, so the board
// closed last decides what the desktop keeps.
TEST_F(BoardTest, TwoBoardsOpenAtOnceEachGiveBackWhatTheyFound) {
  const struct {
    const char* name;
    bool gaokao_first;
    ColorRef left;
  } orders[] = {{"gaokao closed first", true, kBoardColor},
                {"zhongkao closed first", false, kDesktopMenuColor}};
  for (const auto& order : orders) {
    SCOPED_TRACE(order.name);
    SetMenuColor(kDesktopMenuColor);
    toolkit::Form* gaokao = OpenBoard<FrmYt>();
    toolkit::Form* zhongkao = OpenBoard<FrmYt1>();
    EXPECT_EQ(MenuColor(), kBoardColor);
    toolkit::Form* first = order.gaokao_first ? gaokao : zhongkao;
    toolkit::Form* second = order.gaokao_first ? zhongkao : gaokao;
    first->close();
    EXPECT_EQ(MenuColor(),
              order.gaokao_first ? kDesktopMenuColor : kBoardColor);
    second->close();
    EXPECT_EQ(MenuColor(), order.left);
    FlushDeletes();
  }
}

TEST_F(BoardTest, KeyboardWalksTheGridInVisualOrderAndThePanel) {
  FrmYt1* board = OpenBoard<FrmYt1>();
  board->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(board));
  QTest::qWait(20);
  auto focused = [] {
    QWidget* widget = QApplication::focusWidget();
    return widget != nullptr ? widget->objectName() : QString();
  };
  auto tab = [&] {
    QTest::keyClick(QApplication::focusWidget() != nullptr
                        ? QApplication::focusWidget()
                        : static_cast<QWidget*>(board),
                    Qt::Key_Tab);
    return focused();
  };
  // Row by row as they stand, not by index: rows 4 and 5 run backwards.
  QStringList visited;
  for (int i = 0; i < 25; ++i) visited << tab();
  QStringList expected;
  for (int index : {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                    13, 14, 15, 22, 21, 20, 19, 18, 17, 16, 23, 0}) {
    expected << QStringLiteral("Lbl_YT(%1)").arg(index);
  }
  EXPECT_EQ(visited, expected);

  // Enter on a region opens the panel; the keyboard goes on at the return
  // button, and Tab stays in the panel, as the listing covers the grid.
  while (focused() != QStringLiteral("Lbl_YT(14)")) tab();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(PanelVisibility(board), kPanelShown);
  EXPECT_EQ(Heading(board), QStringLiteral("四川省"));
  EXPECT_EQ(focused(), QStringLiteral("Lbl_YTB"));
  EXPECT_EQ(tab(), QStringLiteral("Txt_YT"));
  EXPECT_EQ(tab(), QStringLiteral("Lbl_YTB"));

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  EXPECT_EQ(PanelVisibility(board), kPanelHidden);
  EXPECT_EQ(focused(), QStringLiteral("Lbl_YT(14)"));
}

TEST_F(BoardTest, ScreenReadersSeeRegionButtonsAndTheListingByRegion) {
  FrmYt* board = OpenBoard<FrmYt>();
  QAccessibleInterface* region =
      QAccessible::queryAccessibleInterface(Region(board, 0));
  ASSERT_NE(region, nullptr);
  EXPECT_EQ(region->role(), QAccessible::Button);
  EXPECT_EQ(region->text(QAccessible::Name), QStringLiteral("北京考区"));
  QAccessibleInterface* back = QAccessible::queryAccessibleInterface(
      FindControl<QWidget>(board, QStringLiteral("Lbl_YTB")));
  EXPECT_EQ(back->role(), QAccessible::Button);
  EXPECT_EQ(back->text(QAccessible::Name), QStringLiteral("返回"));
  // The heading only names the region: no button.
  EXPECT_NE(QAccessible::queryAccessibleInterface(
                FindControl<QWidget>(board, QStringLiteral("Lbl_YTC")))
                ->role(),
            QAccessible::Button);

  Click(Region(board, 14));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(ListingBox(board))
                ->text(QAccessible::Name),
            QStringLiteral("全国统考区"));
}

}  // namespace
}  // namespace tessaly::predictions
