#include "emf/device_context.h"

#include <algorithm>
#include <cmath>

#include "emf/dib_decoder.h"

namespace tessaly::emf {

namespace {

constexpr std::uint32_t kMaxPenEntries = 65536;

QTransform ReadTransform(const ByteView& r, std::uint64_t offset) {
  return QTransform(r.F32(offset), r.F32(offset + 4), r.F32(offset + 8),
                    r.F32(offset + 12), r.F32(offset + 16), r.F32(offset + 20));
}

// CREATEPEN (MS-EMF 2.3.7.7): a LOGPEN whose width is a POINT.
GdiPen ReadPen(const ByteView& r) {
  GdiPen pen;
  pen.style = r.U32(12) & kPenStyleMask;
  const std::int32_t width = r.I32(16);
  pen.color = ReadColorRef(r, 24);
  // A width above one is in logical units, which makes the pen geometric.
  if (width > 1) {
    pen.width = width;
    pen.style |= kPenGeometric;
  }
  return pen;
}

// EXTCREATEPEN (MS-EMF 2.3.7.9): a LOGPEN_EX with its style entries.
std::optional<GdiPen> ReadExtPen(const ByteView& r) {
  GdiPen pen;
  pen.style = r.U32(28);
  pen.color = ReadColorRef(r, 40);
  if (r.U32(36) == static_cast<std::uint32_t>(BrushStyle::kNull)) {
    pen.style = (pen.style & ~kPenStyleMask) |
                static_cast<std::uint32_t>(PenStyle::kNull);
  }
  if (pen.IsGeometric()) pen.width = r.U32(32);
  const std::uint32_t entries = r.U32(48);
  if (entries > kMaxPenEntries || !r.Contains(52, std::uint64_t{entries} * 4)) {
    return std::nullopt;
  }
  if (ToPenStyle(pen.style) == PenStyle::kUserStyle) {
    for (std::uint32_t i = 0; i < entries; ++i) {
      pen.user_dashes.push_back(r.U32(52 + 4 * i));
    }
  }
  return pen;
}

// CREATEBRUSHINDIRECT (MS-EMF 2.3.7.1): a LOGBRUSH32.
GdiBrush ReadBrush(const ByteView& r) {
  GdiBrush brush;
  brush.color = ReadColorRef(r, 16);
  const std::uint32_t style = r.U32(12);
  if (style == static_cast<std::uint32_t>(BrushStyle::kNull)) {
    brush.kind = GdiBrush::Kind::kNull;
  } else if (style == static_cast<std::uint32_t>(BrushStyle::kHatched)) {
    if (const auto hatch = ToHatchStyle(r.U32(20))) {
      brush.kind = GdiBrush::Kind::kHatched;
      brush.hatch = *hatch;
    }
  }
  return brush;
}

// CREATEMONOBRUSH (MS-EMF 2.3.7.5): a 1-bpp pattern.
std::optional<GdiBrush> ReadMonoBrush(const ByteView& r, EmfErrorCode& why) {
  const std::uint32_t off_bmi = r.U32(16);
  const std::uint32_t cb_bmi = r.U32(20);
  const std::uint32_t off_bits = r.U32(24);
  const std::uint32_t cb_bits = r.U32(28);
  if (!r.Contains(off_bmi, cb_bmi) || !r.Contains(off_bits, cb_bits)) {
    why = EmfErrorCode::kFieldOutsideRecord;
    return std::nullopt;
  }
  const DecodedDib dib =
      DecodeDib(r.Sub(off_bmi, cb_bmi), r.Sub(off_bits, cb_bits),
                static_cast<std::uint32_t>(ColorUsage::kRgbColors), true);
  if (dib.status == DibStatus::kMalformed) {
    why = EmfErrorCode::kBadBitmap;
    return std::nullopt;
  }
  GdiBrush brush;
  if (dib.status == DibStatus::kOk &&
      dib.image.format() == QImage::Format_Mono) {
    brush.kind = GdiBrush::Kind::kPattern;
    brush.pattern = std::make_shared<const QImage>(dib.image);
  } else {
    brush.kind = GdiBrush::Kind::kNull;
  }
  return brush;
}

// EXTCREATEFONTINDIRECTW (MS-EMF 2.3.7.8): only the LOGFONT part counts.
std::shared_ptr<const GdiFont> ReadFont(const ByteView& r) {
  auto font = std::make_shared<GdiFont>();
  font->height = r.I32(12);
  font->width = r.I32(16);
  font->escapement = r.I32(20);
  font->weight = r.I32(28);
  if (font->weight <= 0 || font->weight > 1000) font->weight = 400;
  font->italic = r.U8(32) != 0;
  font->underline = r.U8(33) != 0;
  font->strike_out = r.U8(34) != 0;
  font->charset = r.U8(35);
  std::u16string face;
  for (int i = 0; i < 32; ++i) {
    const char16_t c = r.U16(40 + 2 * i);
    if (c == 0) break;
    face.push_back(c);
  }
  font->face = QString::fromStdU16String(face);
  font->face_info = LookupFace(font->face, font->charset);
  return font;
}

}  // namespace

QColor ReadColorRef(const ByteView& r, std::uint64_t offset) {
  const std::uint32_t value = r.U32(offset);
  if ((value >> 24) == 1) {
    return QColor::fromRgb(DefaultPaletteColor(value & 0xFFFF));
  }
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

DeviceContext::DeviceContext(const EmfHeader& header, Objects objects)
    : objects_kind_(objects), objects_(header.handles) {
  state_.mapping = DeviceMapping(header.device_px, header.device_mm);
}

DeviceContext::Change DeviceContext::Apply(RecordType type, const ByteView& r,
                                           std::optional<EmfErrorCode>& error) {
  const bool all_objects = objects_kind_ == Objects::kAll;
  DeviceMapping& mapping = state_.mapping;
  switch (type) {
    case RecordType::kSetMapMode:
      if (const auto mode = ToMapMode(r.U32(8))) mapping.SetMapMode(*mode);
      return Change::kMapping;
    case RecordType::kSetWindowExtEx:
      mapping.SetWindowExtent(r.I32(8), r.I32(12));
      return Change::kMapping;
    case RecordType::kSetViewportExtEx:
      mapping.SetViewportExtent(r.I32(8), r.I32(12));
      return Change::kMapping;
    case RecordType::kSetWindowOrgEx:
      mapping.SetWindowOrigin(QPointF(r.I32(8), r.I32(12)));
      return Change::kMapping;
    case RecordType::kSetViewportOrgEx:
      mapping.SetViewportOrigin(QPointF(r.I32(8), r.I32(12)));
      return Change::kMapping;
    case RecordType::kSetWorldTransform:
      mapping.SetWorld(ReadTransform(r, 8));
      return Change::kMapping;
    case RecordType::kModifyWorldTransform:
      if (const auto mode = ToWorldTransformMode(r.U32(32))) {
        mapping.ModifyWorld(ReadTransform(r, 8), *mode);
      }
      return Change::kMapping;
    case RecordType::kSaveDc:
      SaveDc();
      return Change::kState;
    case RecordType::kRestoreDc:
      return RestoreDc(r.I32(8)) ? Change::kRestored : Change::kState;
    case RecordType::kSelectObject:
      SelectObject(r.U32(8));
      return Change::kState;
    case RecordType::kDeleteObject:
      // The selected value was copied into the state, so drawing is
      // unchanged; stock objects are never deleted.
      if ((r.U32(8) & kStockObjectFlag) == 0) objects_.Delete(r.U32(8));
      return Change::kState;
    case RecordType::kCreatePen:
      objects_.Store(r.U32(8), all_objects ? ReadPen(r) : GdiPen{});
      return Change::kState;
    case RecordType::kExtCreatePen:
      if (!all_objects) {
        objects_.Store(r.U32(8), GdiPen{});
      } else if (auto pen = ReadExtPen(r)) {
        objects_.Store(r.U32(8), std::move(*pen));
      } else {
        error = EmfErrorCode::kBadCount;
      }
      return Change::kState;
    case RecordType::kCreateBrushIndirect:
      objects_.Store(r.U32(8), all_objects ? ReadBrush(r) : GdiBrush{});
      return Change::kState;
    case RecordType::kCreateMonoBrush: {
      EmfErrorCode why = EmfErrorCode::kBadBitmap;
      if (!all_objects) {
        objects_.Store(r.U32(8), GdiBrush{});
      } else if (auto brush = ReadMonoBrush(r, why)) {
        objects_.Store(r.U32(8), std::move(*brush));
      } else {
        error = why;
      }
      return Change::kState;
    }
    case RecordType::kExtCreateFontIndirectW:
      objects_.Store(r.U32(8), ReadFont(r));
      return Change::kState;
    case RecordType::kSetBkMode:
      if (const auto mode = ToBackgroundMode(r.U32(8))) state_.bk_mode = *mode;
      return Change::kState;
    case RecordType::kSetBkColor:
      state_.bk_color = ReadColorRef(r, 8);
      return Change::kState;
    case RecordType::kSetTextColor:
      state_.text_color = ReadColorRef(r, 8);
      return Change::kState;
    case RecordType::kSetTextAlign:
      state_.text_align = r.U32(8);
      return Change::kState;
    case RecordType::kSetPolyFillMode:
      if (const auto mode = ToPolygonFillMode(r.U32(8))) {
        state_.fill_mode = *mode;
      }
      return Change::kState;
    case RecordType::kSetRop2:
      if (const auto rop2 = ToRop2(r.U32(8))) state_.rop2 = *rop2;
      return Change::kState;
    case RecordType::kSetMiterLimit: {
      // Windows writes a float where the published layout has an integer.
      const float as_float = r.F32(8);
      state_.miter_limit =
          (std::isfinite(as_float) && as_float >= 1 && as_float <= 1000)
              ? as_float
              : std::clamp<double>(r.U32(8), 1, 1000);
      return Change::kState;
    }
    default:
      return Change::kNone;
  }
}

void DeviceContext::SaveDc() {
  if (saved_.size() < kMaxSaveDepth) saved_.push_back(state_);
}

bool DeviceContext::RestoreDc(std::int32_t which) {
  // Negative: that many levels up, dropping them; positive: save number n.
  const auto depth = static_cast<std::int64_t>(saved_.size());
  const std::int64_t index =
      which < 0 ? depth + which : std::int64_t{which} - 1;
  if (which == 0 || index < 0 || index >= depth) return false;
  state_ = saved_[static_cast<std::size_t>(index)];
  saved_.resize(static_cast<std::size_t>(index));
  return true;
}

void DeviceContext::SelectObject(std::uint32_t index) {
  if (index & kStockObjectFlag) {
    if (const auto stock = ToStockObject(index)) SelectStockObject(*stock);
    return;
  }
  const GdiObject* object = objects_.Find(index);
  if (!object) return;
  if (const auto* pen = std::get_if<GdiPen>(object)) {
    state_.pen = *pen;
  } else if (const auto* brush = std::get_if<GdiBrush>(object)) {
    state_.brush = *brush;
  } else if (const auto* font =
                 std::get_if<std::shared_ptr<const GdiFont>>(object)) {
    state_.font = *font;
  }
}

void DeviceContext::SelectStockObject(StockObject object) {
  const auto solid = [](QColor color) {
    return GdiBrush{GdiBrush::Kind::kSolid, color, HatchStyle::kHorizontal, {}};
  };
  const auto pen = [](PenStyle style, QColor color) {
    return GdiPen{static_cast<std::uint32_t>(style), 0, color, {}};
  };
  switch (object) {
    case StockObject::kWhiteBrush:
    case StockObject::kDcBrush:
      state_.brush = solid(Qt::white);
      return;
    case StockObject::kLtGrayBrush:
      state_.brush = solid(QColor(0xC0, 0xC0, 0xC0));
      return;
    case StockObject::kGrayBrush:
      state_.brush = solid(QColor(0x80, 0x80, 0x80));
      return;
    case StockObject::kDkGrayBrush:
      state_.brush = solid(QColor(0x40, 0x40, 0x40));
      return;
    case StockObject::kBlackBrush:
      state_.brush = solid(Qt::black);
      return;
    case StockObject::kNullBrush:
      state_.brush = GdiBrush{
          GdiBrush::Kind::kNull, Qt::white, HatchStyle::kHorizontal, {}};
      return;
    case StockObject::kWhitePen:
      state_.pen = pen(PenStyle::kSolid, Qt::white);
      return;
    case StockObject::kBlackPen:
    case StockObject::kDcPen:
      state_.pen = pen(PenStyle::kSolid, Qt::black);
      return;
    case StockObject::kNullPen:
      state_.pen = pen(PenStyle::kNull, Qt::black);
      return;
    case StockObject::kOemFixedFont:
    case StockObject::kAnsiFixedFont:
    case StockObject::kAnsiVarFont:
    case StockObject::kSystemFont:
    case StockObject::kDeviceDefaultFont:
    case StockObject::kSystemFixedFont:
    case StockObject::kDefaultGuiFont:
      state_.font = std::make_shared<const GdiFont>();
      return;
    case StockObject::kDefaultPalette:
      return;  // palettes change nothing we draw
  }
}

}  // namespace tessaly::emf
