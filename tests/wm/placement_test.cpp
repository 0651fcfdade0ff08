// The test windows open with their client area, not their frame, at the
// design point on the screen.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <functional>

#include "biorhythm/frm_cs1.h"
#include "biorhythm/frm_cs2.h"
#include "tests/wm/x_tools.h"
#include "toolkit/forms.h"

namespace tessaly::biorhythm {
namespace {

struct Case {
  const char* form;
  std::function<toolkit::Form*()> open;
  std::function<void()> close;
  QPoint design_point;  // pixels: the design twips over 15
};

TEST(DesignPlacementTest, PutsTheClientAreaAtTheDesignPoint) {
  const Case cases[] = {
      {"FRM_CS1", [] { return toolkit::Load<FrmCs1>(); },
       [] { toolkit::Unload<FrmCs1>(); }, QPoint(3630 / 15, 2730 / 15)},
      {"FRM_CS2", [] { return toolkit::Load<FrmCs2>(); },
       [] { toolkit::Unload<FrmCs2>(); }, QPoint(285 / 15, 570 / 15)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.form);
    toolkit::Form* form = c.open();
    toolkit::Show(form);
    ASSERT_TRUE(testing::WaitUntilFramed(form));
    // A real frame was drawn around the client area, or the test shows
    // nothing.
    const QRect frame = form->frameGeometry();
    ASSERT_GT(form->geometry().top() - frame.top(), 0);

    const std::optional<QPoint> origin = testing::ClientOriginOnScreen(form);
    ASSERT_TRUE(origin.has_value());
    EXPECT_EQ(origin->x(), c.design_point.x()) << "left edge";
    EXPECT_EQ(origin->y(), c.design_point.y()) << "top edge";
    c.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

}  // namespace
}  // namespace tessaly::biorhythm
