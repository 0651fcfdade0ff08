// Encodes a QImage as a device-independent bitmap (header, colours, bits):
// the writer's counterpart of dib_decoder.h.
#ifndef TESSALY_EMF_DIB_ENCODER_H_
#define TESSALY_EMF_DIB_ENCODER_H_

#include <QByteArray>
#include <QImage>

namespace tessaly::emf {

struct EncodedDib {
  QByteArray info;  // BITMAPINFOHEADER and colour table
  QByteArray bits;  // rows, top row first (the height is negative)
};

// Two-colour and 8-bit indexed images keep their palette (1 and 8 bpp),
// RGB888 images become 24 bpp, everything else 32 bpp with any alpha
// composited over white (the reserved byte stays 0; it is not alpha).
EncodedDib EncodeDib(const QImage& image);

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_DIB_ENCODER_H_
