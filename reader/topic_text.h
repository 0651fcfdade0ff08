// The text of a topic, read from its pages' text records and put in reading
// order: what find, selection, copying and the handbook search work on.
#ifndef TESSALY_READER_TOPIC_TEXT_H_
#define TESSALY_READER_TOPIC_TEXT_H_

#include <span>

#include "emf/emf_document.h"
#include "text/flat_text.h"

namespace tessaly::reader {

text::FlatText TopicText(std::span<const emf::EmfDocument> pages);

}  // namespace tessaly::reader

#endif  // TESSALY_READER_TOPIC_TEXT_H_
