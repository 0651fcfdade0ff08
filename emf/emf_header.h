// The fields of an EMF header record that drawing and layout need.
#ifndef TESSALY_EMF_EMF_HEADER_H_
#define TESSALY_EMF_EMF_HEADER_H_

#include <cstdint>

namespace tessaly::emf {

struct EmfRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

struct EmfSize {
  std::int32_t cx = 0;
  std::int32_t cy = 0;
};

struct EmfHeader {
  EmfRect bounds;  // inclusive ink box in reference-device pixels
  EmfRect frame;   // picture frame in 0.01 mm: size and placement
  std::uint32_t version = 0;
  std::uint32_t bytes = 0;    // as declared; the document clamps to its data
  std::uint32_t records = 0;  // as declared
  std::uint16_t handles = 0;  // object table size including slot 0
  EmfSize device_px;          // reference device in pixels
  EmfSize device_mm;          // reference device in millimetres
};

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_EMF_HEADER_H_
