// The topic pages built into the program: EMF streams reached by page
// control name and index, and the index of titles, controls and heights.
#ifndef TESSALY_CONTENT_TOPIC_PAGES_H_
#define TESSALY_CONTENT_TOPIC_PAGES_H_

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace tessaly::content {

// Page `index` of `control` ("Img_03", 2); a single page is index 0.
std::optional<QByteArray> LoadPage(QStringView control, int index = 0);

// Number of pages of `control`; 0 if the program has no such control.
int PageCount(QStringView control);

struct TopicPages {
  QString title;
  QString control;
  std::vector<int> frames;   // frame heights, 0.01 mm
  std::vector<int> heights;  // natural heights, pixels
};

// Every built topic, in the order of their source files.
const std::vector<TopicPages>& BuiltTopics();

}  // namespace tessaly::content

#endif  // TESSALY_CONTENT_TOPIC_PAGES_H_
