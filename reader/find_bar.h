// The find bar of the reader, laid over the bottom edge of the viewport: the
// words to find (FindText), how many places there are (FindCount), previous
// and next, and a close box. Enter goes to the next place, Shift+Enter to
// the previous one, Esc closes the bar.
#ifndef TESSALY_READER_FIND_BAR_H_
#define TESSALY_READER_FIND_BAR_H_

#include <QFrame>

class QLabel;
class QLineEdit;

namespace tessaly::reader {

class FindBar : public QFrame {
  Q_OBJECT

 public:
  explicit FindBar(QWidget* viewport);

  QLineEdit* Edit() const { return edit_; }
  // "第 3 / 12 处", "未找到", or nothing for an empty query.
  void ShowCount(int current, int total);
  // Over the bottom edge of the viewport's area inside its border.
  void PlaceOver(const QRect& area);

 Q_SIGNALS:
  void QueryChanged(const QString& query);
  void Next();
  void Previous();
  void Closed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* edit_;
  QLabel* count_;
};

}  // namespace tessaly::reader

#endif  // TESSALY_READER_FIND_BAR_H_
