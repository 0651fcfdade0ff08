#include "emf/dib_decoder.h"

#include <QVector>
#include <array>
#include <bit>
#include <cstring>
#include <limits>

namespace tessaly::emf {

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiJpeg = 4;
constexpr std::uint32_t kBiPng = 5;

// clang-format off
constexpr std::array<QRgb, 20> kDefaultPalette = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080,
    0xFF800080, 0xFF008080, 0xFFC0C0C0, 0xFFC0DCC0, 0xFFA6CAF0,
    0xFFFFFBF0, 0xFFA0A0A4, 0xFF808080, 0xFFFF0000, 0xFF00FF00,
    0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
};
// clang-format on

DecodedDib Malformed() { return {DibStatus::kMalformed, {}}; }

// Extracts a channel under `mask` scaled to 0..255.
int MaskedChannel(std::uint32_t pixel, std::uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const std::uint32_t max = mask >> shift;
  return static_cast<int>(((pixel & mask) >> shift) * 255 / max);
}

}  // namespace

QRgb DefaultPaletteColor(std::uint32_t index) {
  return index < kDefaultPalette.size() ? kDefaultPalette[index] : 0xFF000000;
}

DecodedDib DecodeDib(const ByteView& info, const ByteView& bits,
                     std::uint32_t usage, bool raw_mono) {
  const std::uint32_t header_size = info.U32(0);
  if (!info.ok()) return Malformed();

  std::int64_t width = 0;
  std::int64_t height = 0;
  std::uint32_t planes = 0;
  std::uint32_t bpp = 0;
  std::uint32_t compression = kBiRgb;
  std::uint32_t colors_used = 0;
  std::uint32_t color_entry_size = 4;
  std::uint64_t table_offset = header_size;
  switch (header_size) {
    case 12:
      width = info.U16(4);
      height = info.I16(6);
      planes = info.U16(8);
      bpp = info.U16(10);
      color_entry_size = 3;
      break;
    case 40:
    case 52:
    case 56:
    case 108:
    case 124:
      width = info.I32(4);
      height = info.I32(8);
      planes = info.U16(12);
      bpp = info.U16(14);
      compression = info.U32(16);
      colors_used = info.U32(32);
      break;
    default:
      return Malformed();
  }
  if (!info.ok() || planes != 1 || width <= 0 || height == 0 ||
      height == std::numeric_limits<std::int32_t>::min()) {
    return Malformed();
  }
  const bool bottom_up = height > 0;
  const std::int64_t rows = bottom_up ? height : -height;
  if (width * rows > kMaxDibPixels) return Malformed();

  if (compression == kBiJpeg || compression == kBiPng) {
    QImage image =
        QImage::fromData(reinterpret_cast<const uchar*>(bits.bytes().data()),
                         static_cast<int>(bits.size()));
    if (image.isNull()) return Malformed();
    return {DibStatus::kOk, image.convertToFormat(QImage::Format_RGB32)};
  }
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) {
    return Malformed();
  }
  // FIXME: run-length encoded bitmaps (BI_RLE8, BI_RLE4) are not decoded;
  // they draw nothing.
  if (compression == kBiRle8 || compression == kBiRle4) {
    return {DibStatus::kUnsupported, {}};
  }
  if (compression != kBiRgb && compression != kBiBitfields) return Malformed();
  if (compression == kBiBitfields && bpp != 16 && bpp != 32) return Malformed();

  // Channel masks: the header's defaults, or three u32 after a 40-byte header.
  std::uint32_t red_mask = 0x00FF0000, green_mask = 0x0000FF00,
                blue_mask = 0x000000FF;
  if (bpp == 16) red_mask = 0x7C00, green_mask = 0x03E0, blue_mask = 0x001F;
  if (compression == kBiBitfields) {
    if (header_size == 12) return Malformed();
    red_mask = info.U32(40);
    green_mask = info.U32(44);
    blue_mask = info.U32(48);
    if (!info.ok()) return Malformed();
    if (header_size == 40) table_offset += 12;
  }

  // Colour table.
  QVector<QRgb> colors;
  if (bpp <= 8) {
    const std::uint32_t max_colors = 1u << bpp;
    const std::uint32_t count = colors_used == 0 ? max_colors : colors_used;
    if (count > max_colors) return Malformed();
    if (raw_mono && bpp == 1) {
      colors = {0xFF000000, 0xFFFFFFFF};
    } else {
      const std::uint64_t entry = usage == 1 ? 2 : color_entry_size;
      if (!info.Contains(table_offset, entry * count)) return Malformed();
      for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint64_t at = table_offset + entry * i;
        if (usage == 1) {
          colors.push_back(DefaultPaletteColor(info.U16(at)));
        } else {
          colors.push_back(qRgb(info.U8(at + 2), info.U8(at + 1), info.U8(at)));
        }
      }
    }
    // Indexes beyond the table draw black.
    while (colors.size() < static_cast<qsizetype>(max_colors)) {
      colors.push_back(0xFF000000);
    }
  }

  const std::int64_t stride = ((width * bpp + 31) / 32) * 4;
  if (!bits.Contains(0, static_cast<std::uint64_t>(stride * rows))) {
    return Malformed();
  }
  const auto* src = reinterpret_cast<const uchar*>(bits.bytes().data());
  const int w = static_cast<int>(width);
  const int h = static_cast<int>(rows);

  QImage image;
  const auto copy_rows = [&](QImage::Format format) {
    image = QImage(w, h, format);
    if (image.isNull()) return false;
    const auto n = std::min<std::int64_t>(stride, image.bytesPerLine());
    for (int y = 0; y < h; ++y) {
      std::memcpy(image.scanLine(y), src + stride * y, n);
    }
    return true;
  };

  bool decoded = true;
  if (bpp == 1) {
    decoded = copy_rows(QImage::Format_Mono);
    if (decoded) image.setColorTable(colors);
  } else if (bpp == 8) {
    decoded = copy_rows(QImage::Format_Indexed8);
    if (decoded) image.setColorTable(colors);
  } else if (bpp == 4) {
    image = QImage(w, h, QImage::Format_Indexed8);
    decoded = !image.isNull();
    for (int y = 0; decoded && y < h; ++y) {
      const uchar* row = src + stride * y;
      uchar* out = image.scanLine(y);
      for (int x = 0; x < w; ++x) {
        const uchar pair = row[x / 2];
        out[x] = (x % 2 == 0) ? (pair >> 4) : (pair & 0x0F);
      }
    }
    if (decoded) image.setColorTable(colors);
  } else if (bpp == 24) {
    decoded = copy_rows(QImage::Format_BGR888);
  } else if (bpp == 16 && red_mask == 0x7C00 && green_mask == 0x03E0 &&
             blue_mask == 0x001F) {
    decoded = copy_rows(QImage::Format_RGB555);
  } else if (bpp == 16 && red_mask == 0xF800 && green_mask == 0x07E0 &&
             blue_mask == 0x001F) {
    decoded = copy_rows(QImage::Format_RGB16);
  } else if (bpp == 32 && red_mask == 0x00FF0000 && green_mask == 0x0000FF00 &&
             blue_mask == 0x000000FF) {
    decoded = copy_rows(QImage::Format_RGB32);
    // The fourth byte is reserved, not alpha.
    for (int y = 0; decoded && y < h; ++y) {
      auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < w; ++x) line[x] |= 0xFF000000;
    }
  } else {
    image = QImage(w, h, QImage::Format_RGB32);
    decoded = !image.isNull();
    const int bytes_per_pixel = static_cast<int>(bpp / 8);
    for (int y = 0; decoded && y < h; ++y) {
      const uchar* row = src + stride * y;
      auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < w; ++x) {
        std::uint32_t pixel = 0;
        std::memcpy(&pixel, row + x * bytes_per_pixel, bytes_per_pixel);
        line[x] = qRgb(MaskedChannel(pixel, red_mask),
                       MaskedChannel(pixel, green_mask),
                       MaskedChannel(pixel, blue_mask));
      }
    }
  }
  if (!decoded) return Malformed();
  if (bottom_up) image = image.mirrored(false, true);
  if (!(raw_mono && bpp == 1))
    image = image.convertToFormat(QImage::Format_RGB32);
  return {DibStatus::kOk, image};
}

}  // namespace tessaly::emf
