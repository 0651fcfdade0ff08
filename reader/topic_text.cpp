#include "reader/topic_text.h"

#include <vector>

#include "emf/text_layer.h"

namespace tessaly::reader {

text::FlatText TopicText(std::span<const emf::EmfDocument> pages) {
  std::vector<text::PageText> texts;
  texts.reserve(pages.size());
  for (const emf::EmfDocument& page : pages) {
    texts.push_back(emf::ExtractText(page).page);
  }
  return text::Flatten(texts);
}

}  // namespace tessaly::reader
