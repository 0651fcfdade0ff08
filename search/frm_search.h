// FRM_SEARCH, "全文搜索": searches the text of every topic that the chosen
// edition offers as the reader types (SearchText) and lists one row per
// topic that holds the words (SearchResults): the title, how many places,
// and a snippet with the words emphasised, best first. Enter or a
// double-click opens the topic at its first place.
#ifndef TESSALY_SEARCH_FRM_SEARCH_H_
#define TESSALY_SEARCH_FRM_SEARCH_H_

#include <QStringList>
#include <functional>
#include <vector>

#include "toolkit/form.h"

class QLabel;
class QLineEdit;
class QListView;
class QModelIndex;
class QStandardItemModel;

namespace tessaly::search {

struct SearchHit;

class FrmSearch : public toolkit::Form {
  Q_OBJECT

 public:
  // Opens a topic with the words to find in it.
  using OpenTopic =
      std::function<void(const QString& title, const QString& words)>;

  FrmSearch();

  // `titles` are every topic in menu order; `allowed` the indexes of those
  // that the edition's menus offer.
  void SetUp(QStringList titles, std::vector<std::size_t> allowed,
             OpenTopic open_topic);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void RunSearch();
  void OpenRow(const QModelIndex& index);

  QLineEdit* search_text_;
  QListView* search_results_;
  QStandardItemModel* model_;
  QLabel* status_;
  QStringList titles_;
  std::vector<std::size_t> allowed_;
  OpenTopic open_topic_;
};

}  // namespace tessaly::search

#endif  // TESSALY_SEARCH_FRM_SEARCH_H_
