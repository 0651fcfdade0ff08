// Decodes a device-independent bitmap (header, colours, bits) into a QImage.
#ifndef TESSALY_EMF_DIB_DECODER_H_
#define TESSALY_EMF_DIB_DECODER_H_

#include <QImage>
#include <cstdint>

#include "emf/byte_view.h"

namespace tessaly::emf {

enum class DibStatus {
  kOk,
  kUnsupported,  // well-formed but of a kind we do not draw (RLE)
  kMalformed,    // sizes, counts or offsets that do not fit
};

struct DecodedDib {
  DibStatus status = DibStatus::kMalformed;
  QImage image;  // top row first; RGB32 unless `raw_mono` was asked for
};

// Largest bitmap we decode, in pixels; anything larger is malformed here.
inline constexpr std::int64_t kMaxDibPixels = 32 << 20;

// `usage` 1 means the colour table holds 16-bit indexes into the default
// palette. With `raw_mono`, a 1-bpp bitmap comes back as Format_Mono with the
// table {black, white} whatever it says, for brushes that colour it later.
DecodedDib DecodeDib(const ByteView& info, const ByteView& bits,
                     std::uint32_t usage, bool raw_mono = false);

// One of the 20 colours of the default system palette, black beyond them.
QRgb DefaultPaletteColor(std::uint32_t index);

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_DIB_DECODER_H_
