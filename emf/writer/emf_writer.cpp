#include "emf/writer/emf_writer.h"

#include <cmath>
#include <limits>

#include "emf/record_types.h"
#include "emf/writer/emf_paint_engine.h"

namespace tessaly::emf {

EmfWriter::EmfWriter(int frame_width, int frame_height)
    : frame_(frame_width, frame_height),
      pixel_size_(FrameToPixels(frame_width), FrameToPixels(frame_height)),
      engine_(std::make_unique<EmfPaintEngine>(frame_, pixel_size_)) {}

EmfWriter::~EmfWriter() = default;

QPaintEngine* EmfWriter::paintEngine() const { return engine_.get(); }

QByteArray EmfWriter::Finish() const { return engine_->Finish(); }

int EmfWriter::metric(PaintDeviceMetric metric) const {
  constexpr int kDpi = 96;
  switch (metric) {
    case PdmWidth:
      return pixel_size_.width();
    case PdmHeight:
      return pixel_size_.height();
    case PdmWidthMM:
      return static_cast<int>(std::lround(pixel_size_.width() * 25.4 / kDpi));
    case PdmHeightMM:
      return static_cast<int>(std::lround(pixel_size_.height() * 25.4 / kDpi));
    case PdmNumColors:
      return std::numeric_limits<int>::max();
    case PdmDepth:
      return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
      return kDpi;
    case PdmDevicePixelRatio:
      return 1;
    case PdmDevicePixelRatioScaled:
      return static_cast<int>(devicePixelRatioFScale());
  }
  return 0;
}

}  // namespace tessaly::emf
