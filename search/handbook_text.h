// The text of every topic, built once in the background and kept for the
// program's life, so that searching runs on every keystroke.
#ifndef TESSALY_SEARCH_HANDBOOK_TEXT_H_
#define TESSALY_SEARCH_HANDBOOK_TEXT_H_

#include <QObject>
#include <QStringList>
#include <memory>

#include "search/handbook_index.h"

namespace tessaly::search {

class HandbookText : public QObject {
  Q_OBJECT

 public:
  static HandbookText& Instance();

  // Starts building the text of `titles` (in this order) on a worker thread,
  // unless that has begun already.
  void StartBuilding(const QStringList& titles);
  // Nullptr until the build is done.
  const HandbookIndex* Index() const { return index_.get(); }
  // Builds on this thread at once if nothing has started it (for tools that
  // need the index without waiting for events).
  const HandbookIndex& BuildNow(const QStringList& titles);

 Q_SIGNALS:
  void Ready();

 private:
  HandbookText() = default;

  bool started_ = false;
  std::shared_ptr<const HandbookIndex> index_;
};

// The index over `titles`: each topic's pages read in reading order.
std::shared_ptr<const HandbookIndex> BuildHandbookIndex(
    const QStringList& titles);

}  // namespace tessaly::search

#endif  // TESSALY_SEARCH_HANDBOOK_TEXT_H_
