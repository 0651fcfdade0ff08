// The EMF record types and the constants that the reader, the player and the
// writer share. Names follow the published format without their EMR_ prefix.
#ifndef TESSALY_EMF_RECORD_TYPES_H_
#define TESSALY_EMF_RECORD_TYPES_H_

#include <cstdint>

#include "emf/gdi_constants.h"

namespace tessaly::emf {

enum class RecordType : std::uint32_t {
  kHeader = 1,
  kPolyBezier = 2,
  kPolygon = 3,
  kPolyline = 4,
  kPolyBezierTo = 5,
  kPolylineTo = 6,
  kEof = 14,
  kSetWindowExtEx = 9,
  kSetWindowOrgEx = 10,
  kSetViewportExtEx = 11,
  kSetViewportOrgEx = 12,
  kSetMapMode = 17,
  kSetBkMode = 18,
  kSetPolyFillMode = 19,
  kSetRop2 = 20,
  kSetTextAlign = 22,
  kSetTextColor = 24,
  kSetBkColor = 25,
  kMoveToEx = 27,
  kIntersectClipRect = 30,
  kSaveDc = 33,
  kRestoreDc = 34,
  kSetWorldTransform = 35,
  kModifyWorldTransform = 36,
  kSelectObject = 37,
  kCreatePen = 38,
  kCreateBrushIndirect = 39,
  kDeleteObject = 40,
  kRectangle = 43,
  kSelectPalette = 48,
  kLineTo = 54,
  kSetMiterLimit = 58,
  kBeginPath = 59,
  kEndPath = 60,
  kCloseFigure = 61,
  kFillPath = 62,
  kStrokeAndFillPath = 63,
  kStrokePath = 64,
  kSelectClipPath = 67,
  kAbortPath = 68,
  kGdiComment = 70,
  kExtSelectClipRgn = 75,
  kBitBlt = 76,
  kStretchDiBits = 81,
  kExtCreateFontIndirectW = 82,
  kExtTextOutA = 83,
  kExtTextOutW = 84,
  kPolygon16 = 86,
  kPolyBezier16 = 85,
  kPolyline16 = 87,
  kPolyBezierTo16 = 88,
  kPolylineTo16 = 89,
  kPolyPolyline16 = 90,
  kPolyPolygon16 = 91,
  kCreateMonoBrush = 93,
  kExtCreatePen = 95,
  kSetIcmMode = 98,
};

// The size of each type's fixed part (MS-EMF 2.3), the 8-byte type and size
// included: shorter records are damaged. The writer's records are checked
// against it too. Types not listed have no known minimum beyond the prefix.
constexpr std::uint32_t MinimumRecordSize(RecordType type) {
  switch (type) {
    case RecordType::kHeader:
    case RecordType::kEof:
    case RecordType::kSaveDc:
    case RecordType::kBeginPath:
    case RecordType::kEndPath:
    case RecordType::kCloseFigure:
    case RecordType::kAbortPath:
      return 8;
    case RecordType::kSetMapMode:
    case RecordType::kSetBkMode:
    case RecordType::kSetPolyFillMode:
    case RecordType::kSetRop2:
    case RecordType::kSetTextAlign:
    case RecordType::kSetTextColor:
    case RecordType::kSetBkColor:
    case RecordType::kRestoreDc:
    case RecordType::kSelectObject:
    case RecordType::kDeleteObject:
    case RecordType::kSetMiterLimit:
    case RecordType::kGdiComment:
    case RecordType::kSelectPalette:
    case RecordType::kSetIcmMode:
    case RecordType::kSelectClipPath:
      return 12;
    case RecordType::kSetWindowExtEx:
    case RecordType::kSetWindowOrgEx:
    case RecordType::kSetViewportExtEx:
    case RecordType::kSetViewportOrgEx:
    case RecordType::kMoveToEx:
    case RecordType::kLineTo:
    case RecordType::kExtSelectClipRgn:
      return 16;
    case RecordType::kIntersectClipRect:
    case RecordType::kRectangle:
    case RecordType::kCreateBrushIndirect:
    case RecordType::kFillPath:
    case RecordType::kStrokeAndFillPath:
    case RecordType::kStrokePath:
      return 24;
    case RecordType::kCreatePen:
    case RecordType::kPolygon:
    case RecordType::kPolyline:
    case RecordType::kPolygon16:
    case RecordType::kPolyline16:
    case RecordType::kPolyBezier:
    case RecordType::kPolyBezierTo:
    case RecordType::kPolylineTo:
    case RecordType::kPolyBezier16:
    case RecordType::kPolyBezierTo16:
    case RecordType::kPolylineTo16:
      return 28;
    case RecordType::kSetWorldTransform:
    case RecordType::kPolyPolyline16:
    case RecordType::kPolyPolygon16:
    case RecordType::kCreateMonoBrush:
      return 32;
    case RecordType::kModifyWorldTransform:
      return 36;
    case RecordType::kExtCreatePen:
      return 52;
    case RecordType::kExtTextOutA:
    case RecordType::kExtTextOutW:
      return 76;
    case RecordType::kStretchDiBits:
      return 80;
    case RecordType::kBitBlt:
      return 100;
    case RecordType::kExtCreateFontIndirectW:
      return 104;
  }
  return 8;
}

inline constexpr std::uint32_t kEmfSignature = 0x464D4520;  // " EMF"

// Reference device of our pages: 4756 x 6810 pixels on 201 x 288 mm.
inline constexpr std::int32_t kReferenceDeviceWidthPx = 4756;
inline constexpr std::int32_t kReferenceDeviceHeightPx = 6810;
inline constexpr std::int32_t kReferenceDeviceWidthMm = 201;
inline constexpr std::int32_t kReferenceDeviceHeightMm = 288;

// Natural size: a frame extent in 0.01 mm at 96 pixels per inch, rounded.
constexpr int FrameToPixels(std::int64_t hundredths_of_mm) {
  const std::int64_t scaled = hundredths_of_mm * 96;
  return static_cast<int>(scaled >= 0 ? (scaled + 1270) / 2540
                                      : -((-scaled + 1270) / 2540));
}
static_assert(FrameToPixels(14650) == 554);
static_assert(FrameToPixels(24213) == 915);
static_assert(FrameToPixels(4896) == 185);

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_RECORD_TYPES_H_
