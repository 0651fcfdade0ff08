// GDI's vocabulary as the EMF format (MS-EMF) and the older WMF format
// (MS-WMF) define it: the modes, operations, styles and flags that records
// carry. Values read from a stream go through the To* checks below before
// they become one of these enums, so every switch over them can list all
// cases and go without `default:`.
#ifndef TESSALY_EMF_GDI_CONSTANTS_H_
#define TESSALY_EMF_GDI_CONSTANTS_H_

#include <cstdint>
#include <optional>

namespace tessaly::emf {

// MS-EMF 2.1.21 MapMode.
enum class MapMode : std::uint32_t {
  kText = 1,
  kLoMetric = 2,
  kHiMetric = 3,
  kLoEnglish = 4,
  kHiEnglish = 5,
  kTwips = 6,
  kIsotropic = 7,
  kAnisotropic = 8,
};

// MS-EMF 2.1.24 ModifyWorldTransformMode.
enum class WorldTransformMode : std::uint32_t {
  kIdentity = 1,
  kLeftMultiply = 2,
  kRightMultiply = 3,
  kSet = 4,
};

// MS-EMF 2.1.29 RegionMode.
enum class RegionMode : std::uint32_t {
  kAnd = 1,
  kOr = 2,
  kXor = 3,
  kDiff = 4,
  kCopy = 5,
};

// MS-EMF 2.1.16 GraphicsMode.
enum class GraphicsMode : std::uint32_t {
  kCompatible = 1,
  kAdvanced = 2,
};

// MS-EMF 2.1.4 BackgroundMode.
enum class BackgroundMode : std::uint32_t {
  kTransparent = 1,
  kOpaque = 2,
};

// MS-EMF 2.1.27 PolygonFillMode.
enum class PolygonFillMode : std::uint32_t {
  kAlternate = 1,
  kWinding = 2,
};

// MS-WMF 2.1.1.2 BinaryRasterOperation (ROP2): how a pen or brush combines
// with the destination.
enum class Rop2 : std::uint32_t {
  kBlack = 1,
  kNotMergePen = 2,
  kMaskNotPen = 3,
  kNotCopyPen = 4,
  kMaskPenNot = 5,
  kNot = 6,
  kXorPen = 7,
  kNotMaskPen = 8,
  kMaskPen = 9,
  kNotXorPen = 10,
  kNop = 11,
  kMergeNotPen = 12,
  kCopyPen = 13,
  kMergePenNot = 14,
  kMergePen = 15,
  kWhite = 16,
};

// MS-WMF 2.1.1.31 TernaryRasterOperation: the operations the player knows
// by name; others are evaluated from their truth table (bits 16-23).
enum class Rop3 : std::uint32_t {
  kBlackness = 0x00000042,
  kNotSrcErase = 0x001100A6,
  kNotSrcCopy = 0x00330008,
  kSrcErase = 0x00440328,
  kDstInvert = 0x00550009,
  kPatInvert = 0x005A0049,
  kSrcInvert = 0x00660046,
  kSrcAnd = 0x008800C6,
  kNoOp = 0x00AA0029,
  kMergePaint = 0x00BB0226,
  kMergeCopy = 0x00C000CA,
  kSrcCopy = 0x00CC0020,
  kSrcPaint = 0x00EE0086,
  kPatCopy = 0x00F00021,
  kWhiteness = 0x00FF0062,
};

// MS-EMF 2.1.31 StockObject, without the flag that marks an index as one.
inline constexpr std::uint32_t kStockObjectFlag = 0x80000000;
enum class StockObject : std::uint32_t {
  kWhiteBrush = 0,
  kLtGrayBrush = 1,
  kGrayBrush = 2,
  kDkGrayBrush = 3,
  kBlackBrush = 4,
  kNullBrush = 5,
  kWhitePen = 6,
  kBlackPen = 7,
  kNullPen = 8,
  kOemFixedFont = 10,
  kAnsiFixedFont = 11,
  kAnsiVarFont = 12,
  kSystemFont = 13,
  kDeviceDefaultFont = 14,
  kDefaultPalette = 15,
  kSystemFixedFont = 16,
  kDefaultGuiFont = 17,
  kDcBrush = 18,
  kDcPen = 19,
};

// MS-EMF 2.1.25 PenStyle: the low nibble is the line style; cap, join and
// type are fields of their own (masks below).
enum class PenStyle : std::uint32_t {
  kSolid = 0,
  kDash = 1,
  kDot = 2,
  kDashDot = 3,
  kDashDotDot = 4,
  kNull = 5,
  kInsideFrame = 6,
  kUserStyle = 7,
  kAlternate = 8,
};
inline constexpr std::uint32_t kPenStyleMask = 0x0000000F;
inline constexpr std::uint32_t kPenEndCapMask = 0x00000F00;
inline constexpr std::uint32_t kPenJoinMask = 0x0000F000;
inline constexpr std::uint32_t kPenGeometric = 0x00010000;
enum class PenEndCap : std::uint32_t {
  kRound = 0x0000,
  kSquare = 0x0100,
  kFlat = 0x0200,
};
enum class PenJoin : std::uint32_t {
  kRound = 0x0000,
  kBevel = 0x1000,
  kMiter = 0x2000,
};

// MS-WMF 2.1.1.4 BrushStyle (the kinds EMF brushes use) and 2.1.1.12
// HatchStyle.
enum class BrushStyle : std::uint32_t {
  kSolid = 0,
  kNull = 1,
  kHatched = 2,
  kPattern = 3,
};
enum class HatchStyle : std::uint32_t {
  kHorizontal = 0,
  kVertical = 1,
  kFDiagonal = 2,  // "\"
  kBDiagonal = 3,  // "/"
  kCross = 4,
  kDiagCross = 5,
};

// MS-WMF 2.1.1.5 CharacterSet: the ones that change how we read a font.
enum class Charset : std::uint8_t {
  kAnsi = 0,
  kDefault = 1,
  kSymbol = 2,
  kGb2312 = 134,
};

// MS-EMF 2.1.11 ExtTextOutOptions (flags).
enum class TextOption : std::uint32_t {
  kOpaque = 0x00000002,
  kClipped = 0x00000004,
  kGlyphIndex = 0x00000010,
  kNoRect = 0x00000100,
  kPdy = 0x00002000,
};

// MS-WMF 2.1.2.3 TextAlignmentMode (flags; centre contains right and
// baseline contains bottom, so test the wider ones first).
enum class TextAlign : std::uint32_t {
  kUpdateCp = 0x0001,
  kRight = 0x0002,
  kCenter = 0x0006,
  kBottom = 0x0008,
  kBaseline = 0x0018,
};
inline constexpr std::uint32_t kTextAlignHorizontalMask = 0x0006;
inline constexpr std::uint32_t kTextAlignVerticalMask = 0x0018;

// MS-WMF 2.1.1.3 ColorUsage of DIBs.
enum class ColorUsage : std::uint32_t {
  kRgbColors = 0,
  kPalColors = 1,
};

template <typename Flag>
constexpr bool Has(std::uint32_t flags, Flag flag) {
  const auto bits = static_cast<std::uint32_t>(flag);
  return (flags & bits) == bits;
}

// Checked conversions of values read from a stream: nothing for values the
// format does not define.
template <typename Enum, std::uint32_t kFirst, std::uint32_t kLast>
constexpr std::optional<Enum> InRange(std::uint32_t value) {
  if (value < kFirst || value > kLast) return std::nullopt;
  return static_cast<Enum>(value);
}
constexpr std::optional<MapMode> ToMapMode(std::uint32_t v) {
  return InRange<MapMode, 1, 8>(v);
}
constexpr std::optional<WorldTransformMode> ToWorldTransformMode(
    std::uint32_t v) {
  return InRange<WorldTransformMode, 1, 4>(v);
}
constexpr std::optional<RegionMode> ToRegionMode(std::uint32_t v) {
  return InRange<RegionMode, 1, 5>(v);
}
constexpr std::optional<BackgroundMode> ToBackgroundMode(std::uint32_t v) {
  return InRange<BackgroundMode, 1, 2>(v);
}
constexpr std::optional<PolygonFillMode> ToPolygonFillMode(std::uint32_t v) {
  return InRange<PolygonFillMode, 1, 2>(v);
}
constexpr std::optional<Rop2> ToRop2(std::uint32_t v) {
  return InRange<Rop2, 1, 16>(v);
}
constexpr std::optional<PenStyle> ToPenStyle(std::uint32_t style_bits) {
  return InRange<PenStyle, 0, 8>(style_bits & kPenStyleMask);
}
constexpr std::optional<HatchStyle> ToHatchStyle(std::uint32_t v) {
  return InRange<HatchStyle, 0, 5>(v);
}
constexpr std::optional<StockObject> ToStockObject(std::uint32_t index) {
  if ((index & kStockObjectFlag) == 0) return std::nullopt;
  const std::uint32_t n = index & ~kStockObjectFlag;
  if (n == 9 || n > 19) return std::nullopt;
  return static_cast<StockObject>(n);
}
constexpr std::optional<Rop3> ToRop3(std::uint32_t v) {
  constexpr Rop3 kKnown[] = {
      Rop3::kBlackness, Rop3::kNotSrcErase, Rop3::kNotSrcCopy, Rop3::kSrcErase,
      Rop3::kDstInvert, Rop3::kPatInvert,   Rop3::kSrcInvert,  Rop3::kSrcAnd,
      Rop3::kNoOp,      Rop3::kMergePaint,  Rop3::kMergeCopy,  Rop3::kSrcCopy,
      Rop3::kSrcPaint,  Rop3::kPatCopy,     Rop3::kWhiteness};
  for (Rop3 known : kKnown) {
    if (static_cast<std::uint32_t>(known) == v) return known;
  }
  return std::nullopt;
}
constexpr std::uint32_t StockIndex(StockObject object) {
  return kStockObjectFlag | static_cast<std::uint32_t>(object);
}

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_GDI_CONSTANTS_H_
