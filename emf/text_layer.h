// The text layer of an EMF page: every text record as a run of characters
// with their boxes in page pixels, placed by the same lay-out step the
// player draws with, so boxes and pixels cannot disagree.
#ifndef TESSALY_EMF_TEXT_LAYER_H_
#define TESSALY_EMF_TEXT_LAYER_H_

#include <optional>

#include "emf/emf_document.h"
#include "emf/emf_error.h"
#include "text/text_run.h"

namespace tessaly::emf {

struct ExtractResult {
  text::PageText page;
  // The first problem met in the stream's framing or in a record the walk
  // reads (state and text records); the runs are those of the records
  // before it, and page.complete is false then.
  std::optional<EmfError> error;
};

// Walks the records (mapping modes, world transforms, saved states, fonts,
// alignment, current position and text records) without drawing. Page
// pixels are those of RenderPage at ratio 1. Records with glyph indexes
// instead of characters give no run. Needs a QGuiApplication only for text
// records without a dx array (the substitute font's advances then count);
// safe to call from any thread otherwise.
ExtractResult ExtractText(const EmfDocument& document);

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_TEXT_LAYER_H_
