#include "emf/dib_encoder.h"

#include <QPainter>
#include <algorithm>
#include <cstdint>

namespace tessaly::emf {

namespace {

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetre = 3780;  // 96 dpi

void PutU16(QByteArray& out, std::uint16_t v) {
  out.append(static_cast<char>(v & 0xFF));
  out.append(static_cast<char>(v >> 8));
}

void PutU32(QByteArray& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) {
    out.append(static_cast<char>((v >> shift) & 0xFF));
  }
}

bool OpaqueTable(const QList<QRgb>& table) {
  return std::all_of(table.begin(), table.end(),
                     [](QRgb c) { return qAlpha(c) == 255; });
}

}  // namespace

EncodedDib EncodeDib(const QImage& source) {
  QImage image;
  int bpp = 32;
  switch (source.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
      if (OpaqueTable(source.colorTable()) && source.colorCount() == 2) {
        image = source.convertToFormat(QImage::Format_Mono);
        bpp = 1;
      }
      break;
    case QImage::Format_Indexed8:
      if (OpaqueTable(source.colorTable()) && source.colorCount() > 0) {
        image = source;
        bpp = 8;
      }
      break;
    case QImage::Format_RGB888:
    case QImage::Format_BGR888:
      image = source.convertToFormat(QImage::Format_BGR888);
      bpp = 24;
      break;
    default:
      break;
  }
  if (image.isNull()) {
    bpp = 32;
    if (source.hasAlphaChannel()) {
      image = QImage(source.size(), QImage::Format_RGB32);
      image.fill(Qt::white);
      QPainter painter(&image);
      painter.drawImage(0, 0, source);
    } else {
      image = source.convertToFormat(QImage::Format_RGB32);
    }
  }
  const QList<QRgb> colors = bpp <= 8 ? image.colorTable() : QList<QRgb>();

  // QImage rows are 32-bit aligned like a DIB's, so they go in unchanged.
  const int stride = ((image.width() * bpp + 31) / 32) * 4;
  EncodedDib dib;
  PutU32(dib.info, kInfoHeaderSize);
  PutU32(dib.info, static_cast<std::uint32_t>(image.width()));
  PutU32(dib.info, static_cast<std::uint32_t>(-image.height()));  // top-down
  PutU16(dib.info, 1);                                            // planes
  PutU16(dib.info, static_cast<std::uint16_t>(bpp));
  PutU32(dib.info, 0);  // BI_RGB
  PutU32(dib.info, static_cast<std::uint32_t>(stride * image.height()));
  PutU32(dib.info, kPixelsPerMetre);
  PutU32(dib.info, kPixelsPerMetre);
  PutU32(dib.info, static_cast<std::uint32_t>(colors.size()));
  PutU32(dib.info, 0);  // all colours important
  for (const QRgb c : colors) {
    dib.info.append(static_cast<char>(qBlue(c)));
    dib.info.append(static_cast<char>(qGreen(c)));
    dib.info.append(static_cast<char>(qRed(c)));
    dib.info.append('\0');
  }
  dib.bits.reserve(static_cast<qsizetype>(stride) * image.height());
  for (int y = 0; y < image.height(); ++y) {
    dib.bits.append(reinterpret_cast<const char*>(image.constScanLine(y)),
                    stride);
  }
  if (bpp == 32) {
    for (qsizetype i = 3; i < dib.bits.size(); i += 4) dib.bits[i] = 0;
  }
  return dib;
}

}  // namespace tessaly::emf
