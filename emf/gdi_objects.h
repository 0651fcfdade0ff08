// The values of the drawing objects a stream creates: pens, brushes, fonts.
#ifndef TESSALY_EMF_GDI_OBJECTS_H_
#define TESSALY_EMF_GDI_OBJECTS_H_

#include <QColor>
#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>
#include <variant>
#include <vector>

#include "emf/font_faces.h"
#include "emf/gdi_constants.h"

namespace tessaly::emf {

struct GdiPen {
  std::uint32_t style = 0;  // PS_* flags: style, end cap, join, geometric
  double width = 0;         // logical units; 0 = one device pixel
  QColor color = Qt::black;
  std::vector<double> user_dashes;  // PS_USERSTYLE entries, logical units

  bool IsNull() const {
    return (style & kPenStyleMask) ==
           static_cast<std::uint32_t>(PenStyle::kNull);
  }
  bool IsGeometric() const { return (style & kPenGeometric) != 0; }
};

struct GdiBrush {
  enum class Kind { kSolid, kNull, kHatched, kPattern };
  Kind kind = Kind::kSolid;
  QColor color = Qt::white;
  HatchStyle hatch = HatchStyle::kHorizontal;
  // 1-bpp pattern of a mono brush: its 0 bits take the text colour and its
  // 1 bits the background colour at the time of use.
  std::shared_ptr<const QImage> pattern;
};

struct GdiFont {
  std::int32_t height = 0;
  std::int32_t width = 0;
  std::int32_t escapement = 0;  // tenths of a degree, counter-clockwise
  std::int32_t weight = 400;
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  std::uint8_t charset = 0;
  QString face;
  // The substitute and the original metrics, looked up once per font.
  FaceInfo face_info = LookupFace(QString(), 0);
};

using GdiObject =
    std::variant<GdiPen, GdiBrush, std::shared_ptr<const GdiFont>>;

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_GDI_OBJECTS_H_
