// FRM_Z: the reader window. Its load handling looks CurrentTopic up in the
// topic catalogue, shows the entry's viewport with its pages and, for a
// scrolling entry, sets up the scroll bar Vsl_01; every change of the scroll
// bar's value moves the page column by the difference.
#ifndef TESSALY_READER_FRM_Z_H_
#define TESSALY_READER_FRM_Z_H_

#include <optional>
#include <vector>

#include "toolkit/form.h"

class QFrame;
class QScrollBar;

namespace tessaly::reader {

struct TopicEntry;
class PageImage;
class PageViewport;
class ReaderTools;

class FrmZ : public toolkit::Form {
  Q_OBJECT

 public:
  FrmZ();
  ~FrmZ() override;

  // Find, select and copy, printing, export and the context menu; nullptr
  // for a topic that the catalogue does not know.
  ReaderTools* Tools() const { return tools_; }

  // The scroll value that the page positions reflect; empty until a
  // scrolling topic has loaded.
  std::optional<int> LastScrollValue() const { return last_scroll_value_; }

 protected:
  void Form_Load() override;
  void showEvent(QShowEvent* event) override;

 private:
  void Vsl_01_Change();
  void ShowFixedPage(const TopicEntry& entry);
  void ShowColumn(const TopicEntry& entry);

  QScrollBar* vsl_01_ = nullptr;
  PageViewport* viewport_ = nullptr;
  ReaderTools* tools_ = nullptr;
  std::vector<PageImage*> pages_;
  std::vector<double> page_tops_;
  std::optional<int> last_scroll_value_;
};

}  // namespace tessaly::reader

#endif  // TESSALY_READER_FRM_Z_H_
