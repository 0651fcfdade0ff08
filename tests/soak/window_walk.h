// Drives every window of the program through its own controls, the way a
// user would: the main screen, every topic, both boards region by region and
// both state tests with a run each. Shared by the soak test and the tour.
#ifndef TESSALY_TESTS_SOAK_WINDOW_WALK_H_
#define TESSALY_TESTS_SOAK_WINDOW_WALK_H_

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace tessaly::soak {

// Called at the moments worth a picture: a window and a short name for what
// it shows ("main_title", "topic_03", "board_gaokao_region_5", ...).
using Snapshot = std::function<void(QWidget* window, const QString& name)>;

// What a walk looks at besides the windows.
struct WalkOptions {
  // Scroll every scrolling topic from top to bottom, one small step at a time.
  bool scroll_topics = true;
  // Picture only the first region of each board, not every one.
  bool one_region_snapshot = false;
  Snapshot snapshot;
};

class WindowWalk {
 public:
  explicit WindowWalk(WalkOptions options) : options_(std::move(options)) {}

  // Starts the program, enters the main screen and picks the gaokao edition.
  // False if the main window never showed.
  bool OpenMainScreen();
  // Opens the reader on every topic of the catalogue in turn, closing it
  // after each.
  void ReadEveryTopic();
  // Opens the board of each edition, clicks every region (and the return
  // button after each) and closes the board.
  void WalkBoards();
  // Opens each state test, runs it once on fixed dates and closes it.
  void RunStateTests();
  // Closes the main window through its unload path.
  void CloseMainWindow();

  // The problems noticed on the way (a missing control, a window that did
  // not show); empty after a clean walk.
  const QStringList& Problems() const { return problems_; }

 private:
  void Snap(QWidget* window, const QString& name);
  void ClickOn(QWidget* root, const QString& control);
  template <class F>
  void WalkBoard(const QString& edition_key, const QString& label);

  WalkOptions options_;
  QStringList problems_;
};

// Deletes every widget whose deletion is pending, as the event loop would.
void FlushDeferredDeletes();

}  // namespace tessaly::soak

#endif  // TESSALY_TESTS_SOAK_WINDOW_WALK_H_
