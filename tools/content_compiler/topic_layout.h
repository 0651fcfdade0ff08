// One topic laid out: its source, its document and the pages it flows into.
#ifndef TESSALY_TOOLS_CONTENT_COMPILER_TOPIC_LAYOUT_H_
#define TESSALY_TOOLS_CONTENT_COMPILER_TOPIC_LAYOUT_H_

#include <QString>
#include <vector>

#include "tools/content_compiler/page_flow.h"
#include "tools/content_compiler/topic_document.h"
#include "tools/content_compiler/topic_source.h"

class QPaintDevice;

namespace tessaly::content_compiler {

struct TopicLayout {
  TopicSource source;
  TopicDocument document;
  std::vector<FlowUnit> units;
  FlowResult flow;
};

TopicLayout LayOutTopic(const TopicSource& source, QPaintDevice* layout_device);

// Empty when the topic fits; otherwise one line naming the topic and page.
QString DescribeFlowError(const TopicLayout& layout);

// Resource name of a page: "Img_03_2.emf"; single pages are "Img_07_0.emf".
QString PageFileName(const QString& control, int index);

// A device of the pages' resolution (96 dpi) to lay documents out on.
QPaintDevice* LayoutDevice();

}  // namespace tessaly::content_compiler

#endif  // TESSALY_TOOLS_CONTENT_COMPILER_TOPIC_LAYOUT_H_
