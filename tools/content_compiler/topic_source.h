// A topic source file: its header (title, page control, frames) and its body.
#ifndef TESSALY_TOOLS_CONTENT_COMPILER_TOPIC_SOURCE_H_
#define TESSALY_TOOLS_CONTENT_COMPILER_TOPIC_SOURCE_H_

#include <QString>
#include <vector>

namespace tessaly::content_compiler {

struct TopicSource {
  QString title;
  QString control;  // the page control, e.g. "Img_03"
  // Page heights as EMF frame heights (0.01 mm); empty when the pages take
  // the height of their content.
  std::vector<int> frames;
  QString body;
};

struct TopicSourceResult {
  TopicSource source;
  QString error;  // empty on success
};

// Reads "key: value" lines up to the first blank line, then the body.
TopicSourceResult ParseTopicSource(const QString& text);

}  // namespace tessaly::content_compiler

#endif  // TESSALY_TOOLS_CONTENT_COMPILER_TOPIC_SOURCE_H_
