// Translucent marks over one page: the places found, the current one more
// strongly, and the selection. A child of the page, so it moves with it, and
// transparent for the mouse.
#ifndef TESSALY_READER_PAGE_MARKS_H_
#define TESSALY_READER_PAGE_MARKS_H_

#include <QRectF>
#include <QWidget>
#include <vector>

namespace tessaly::reader {

class PageMarks : public QWidget {
  Q_OBJECT

 public:
  enum class Kind { kFound, kCurrent, kSelected };
  struct Mark {
    QRectF box;  // page pixels
    Kind kind;
  };

  explicit PageMarks(QWidget* page);

  void SetMarks(std::vector<Mark> marks);
  const std::vector<Mark>& Marks() const { return marks_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<Mark> marks_;
};

}  // namespace tessaly::reader

#endif  // TESSALY_READER_PAGE_MARKS_H_
