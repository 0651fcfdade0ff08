// EXTTEXTOUTW: text runs placed by their dx arrays, drawn upright per glyph
// position with the substitute fonts.
#include <QGlyphRun>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "emf/font_faces.h"
#include "emf/playback.h"
#include "emf/record_types.h"

namespace tessaly::emf {

namespace {

constexpr std::uint32_t kMaxChars = 65536;
constexpr double kMaxEm = 2048;  // device px
constexpr double kMaxCachedEm = 256;

double Length(const QPointF& v) { return std::hypot(v.x(), v.y()); }

// Keeps runs with absurd advances inside what the rasteriser handles.
QPointF Clamped(const QPointF& p) {
  constexpr double kMax = 1e7;
  return {std::clamp(p.x(), -kMax, kMax), std::clamp(p.y(), -kMax, kMax)};
}

}  // namespace

const Playback::RealFont& Playback::Realise(const GdiFont& gdi, double em) {
  const double quantised = std::round(em * 16) / 16;
  const QString key = gdi.face + QChar(u'|') + QString::number(gdi.weight) +
                      QChar(gdi.italic ? u'i' : u'r') +
                      QString::number(gdi.charset) + QChar(u'|') +
                      QString::number(quantised);
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return *it;

  RealFont real;
  real.face = gdi.face_info;
  real.em = std::max(quantised, 1.0 / 16);
  real.font.setFamilies(real.face.families);
  // Point sizes keep fractions that pixel sizes would round away; the
  // painter draws text in device pixels at the device's logical DPI.
  const int dpi = painter_.device() ? painter_.device()->logicalDpiY() : 96;
  real.font.setPointSizeF(real.em * 72.0 / (dpi > 0 ? dpi : 96));
  real.font.setWeight(
      static_cast<QFont::Weight>(std::clamp(gdi.weight, 100, 900)));
  real.font.setItalic(gdi.italic);
  real.font.setHintingPreference(QFont::PreferNoHinting);
  real.raw = QRawFont::fromFont(real.font);
  if (real.raw.isValid()) real.raw.setPixelSize(real.em);
  return *fonts_.insert(key, real);
}

void Playback::ExtTextOut(const ByteView& r) {
  const std::uint32_t graphics_mode = r.U32(24);
  QPointF reference(r.I32(36), r.I32(40));
  const std::uint32_t count = r.U32(44);
  const std::uint32_t off_string = r.U32(48);
  const std::uint32_t options = r.U32(52);
  const bool has_rect = (options & kEtoNoRect) == 0;
  const QRectF rect(QPointF(r.I32(56), r.I32(60)),
                    QPointF(r.I32(64), r.I32(68)));
  const std::uint32_t off_dx = has_rect ? r.U32(72) : r.U32(56);
  const bool pdy = (options & kEtoPdy) != 0;

  if (count > kMaxChars || !r.Contains(off_string, std::uint64_t{count} * 2)) {
    Fail(EmfErrorCode::kFieldOutsideRecord);
    return;
  }
  glyph_budget_ -= count;
  if (glyph_budget_ < 0) {
    Fail(EmfErrorCode::kBudgetExceeded);
    return;
  }
  ApplyClip();
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  const bool rect_usable = has_rect && rect.width() > 0 && rect.height() > 0;

  if (rect_usable && (options & kEtoOpaque)) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    if (FullIsAxisAligned()) {
      painter_.fillRect(
          SnapRect(QRectF(Map(rect.topLeft()), Map(rect.bottomRight()))),
          dc_.bk_color);
    } else {
      painter_.setPen(Qt::NoPen);
      painter_.setBrush(dc_.bk_color);
      painter_.drawPolygon(Map(QPolygonF(rect)));
    }
  }
  if (count == 0 || (options & kEtoGlyphIndex))
    return;  // ids of a font we lack

  std::u16string text(count, u'\0');
  for (std::uint32_t i = 0; i < count; ++i) text[i] = r.U16(off_string + 2 * i);

  // Advances (and vertical moves with PDY) in logical units; without a
  // usable dx array the substitute font's own advances count.
  std::vector<double> dx(count, 0);
  std::vector<double> dy(count, 0);
  const std::uint64_t stride = pdy ? 8 : 4;
  const bool has_dx =
      off_dx != 0 && r.Contains(off_dx, std::uint64_t{count} * stride);
  if (has_dx) {
    for (std::uint32_t i = 0; i < count; ++i) {
      dx[i] = r.I32(off_dx + stride * i);
      if (pdy) dy[i] = r.I32(off_dx + stride * i + 4);
    }
  }

  const GdiFont& gdi = *dc_.font;
  const QTransform& t = Full();
  const QPointF ux(t.m11(), t.m12());  // image of the logical x unit
  const QPointF uy(t.m21(), t.m22());
  const double sx = Length(ux);
  const double sy = Length(uy);
  if (sx <= 0 || sy <= 0) return;

  const FaceInfo& face = gdi.face_info;
  double em_logical = 0;
  if (gdi.height < 0 && gdi.height != INT32_MIN) {
    em_logical = -double(gdi.height);
  } else if (gdi.height > 0) {
    em_logical = gdi.height / (face.ascent + face.descent);
  }
  double em = em_logical * sy;
  if (gdi.height == 0) {
    // 12 points on the reference device.
    em = 12.0 / 72.0 * 25.4 * ref_px_per_mm_y_ *
         std::hypot(base_.m21(), base_.m22());
  }
  if (!(em > 0) || !std::isfinite(em)) return;
  em = std::min(em, kMaxEm * dpr_);
  const RealFont& real = Realise(gdi, em);

  // Glyph frame: upright on the device, turned by the escapement; in
  // advanced mode it also turns with the mapped x axis. Advances run along
  // `dir`, which in compatible mode follows a mirrored x axis while the
  // glyphs themselves stay unmirrored.
  const double escapement = gdi.escapement / 10.0 * std::numbers::pi / 180.0;
  double glyph_angle = escapement;  // counter-clockwise on the device
  if (graphics_mode == 2) glyph_angle += std::atan2(-ux.y(), ux.x());
  const QPointF gx(std::cos(glyph_angle), -std::sin(glyph_angle));
  const QPointF gy(-gx.y(), gx.x());  // the glyphs' down
  const QPointF dir = (graphics_mode != 2 && ux.x() < 0) ? -gx : gx;

  // Glyphs and their advances in device pixels.
  QString qtext = QString::fromStdU16String(text);
  QVector<quint32> glyphs(count, 0);
  int glyph_count = static_cast<int>(count);
  bool glyphs_ok = real.raw.isValid() && real.raw.glyphIndexesForChars(
                                             qtext.constData(), qtext.size(),
                                             glyphs.data(), &glyph_count);
  std::vector<double> adv(count, 0);
  if (!has_dx) {
    QVector<QPointF> advances(glyph_count);
    if (glyphs_ok) {
      real.raw.advancesForGlyphIndexes(glyphs.data(), advances.data(),
                                       glyph_count);
    }
    for (std::uint32_t i = 0, g = 0;
         i < count && g < std::uint32_t(glyph_count); ++i) {
      if (QChar::isLowSurrogate(text[i])) continue;
      dx[i] = advances[g++].x() / sx;
    }
  }
  double width_logical = 0;
  for (double d : dx) width_logical += d;
  const double width = width_logical * sx;
  const double ascent = face.ascent * em;
  const double descent = face.descent * em;

  // Current position, alignment.
  if (dc_.text_align & kTaUpdateCp) reference = dc_.current_position;
  const QPointF origin_device = Map(reference);
  const std::uint32_t halign = dc_.text_align & kTaCenter;
  const std::uint32_t valign = dc_.text_align & kTaBaseline;
  double start = 0;  // along the baseline, from the reference
  if (halign == kTaCenter) {
    start = -width / 2;
  } else if (halign == kTaRight) {
    start = -width;
  }
  double baseline = 0;  // downwards from the reference, in the run's frame
  if (valign == kTaBaseline) {
    baseline = 0;
  } else if (valign == kTaBottom) {
    baseline = -descent;
  } else {
    baseline = ascent;
  }
  if (dc_.text_align & kTaUpdateCp) {
    if (halign == 0) {
      dc_.current_position = reference + QPointF(width_logical, 0);
    } else if (halign == kTaRight) {
      dc_.current_position = reference - QPointF(width_logical, 0);
    }
  }

  // Glyph origins on the device, then in the glyph frame.
  const auto along = [&](double a, double b) {
    return origin_device + a * dir + b * gy;
  };
  // Rotation only: Qt's glyph runs lose the translation of the painter's
  // transform once other drawing has happened, so positions stay absolute.
  // A LOGFONT width narrows or widens the glyphs against the face's
  // average width; the dx array keeps the positions anyway.
  double stretch = 1;
  if (gdi.width > 0) {
    stretch =
        std::clamp(gdi.width * sx / (face.average_width * em), 0.05, 20.0);
  }
  const QTransform glyph_frame(gx.x() * stretch, gx.y() * stretch, gy.x(),
                               gy.y(), 0, 0);
  const QTransform to_frame = glyph_frame.inverted();
  std::vector<QPointF> origins(count);
  double x = start;
  double y = baseline;
  for (std::uint32_t i = 0; i < count; ++i) {
    origins[i] = to_frame.map(Clamped(along(x, y)));
    x += dx[i] * sx;
    y -= dy[i] * sy;
  }
  const auto band = [&](double from, double to, double top, double bottom) {
    return QPolygonF({along(from, top), along(to, top), along(to, bottom),
                      along(from, bottom)});
  };

  painter_.save();
  if (rect_usable && (options & kEtoClipped)) {
    QPainterPath clip;
    clip.addPolygon(Map(QPolygonF(rect)));
    painter_.setClipPath(clip, Qt::IntersectClip);
  }
  painter_.setRenderHint(QPainter::Antialiasing, true);
  if (dc_.bk_mode == kOpaque && width > 0) {
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(dc_.bk_color);
    painter_.drawPolygon(
        band(start, start + width, baseline - ascent, baseline + descent));
  }
  painter_.setTransform(glyph_frame * device_scale_);
  painter_.setPen(dc_.text_color);
  // The cell is ours to paint; Qt's opaque mode would misplace glyph runs.
  painter_.setBackgroundMode(Qt::TransparentMode);

  if (real.face.marlett) {
    QFont symbol = real.font;
    symbol.setFamilies({QStringLiteral("DejaVu Sans")});
    painter_.setFont(symbol);
    for (std::uint32_t i = 0; i < count; ++i) {
      const QString look = MarlettReplacement(text[i]);
      if (look.isEmpty()) continue;
      const double cell = std::max(std::abs(dx[i] * sx), em * 0.5);
      const QRectF box(origins[i].x(), origins[i].y() - em, cell, em);
      if (std::max(stretch, 1.0) * em > kMaxCachedEm) {
        QPainterPath outline;
        outline.addText(0, 0, symbol, look);
        const QRectF shape = outline.boundingRect();
        painter_.fillPath(outline.translated(box.center() - shape.center()),
                          dc_.text_color);
      } else {
        painter_.drawText(box, Qt::AlignCenter, look);
      }
    }
  } else {
    // One glyph run for every glyph the substitute has; the rest one by one
    // through QPainter so that Qt's font fallback finds them.
    QVector<quint32> run_glyphs;
    QVector<QPointF> run_positions;
    run_glyphs.reserve(count);
    run_positions.reserve(count);
    std::vector<std::uint32_t> missing;
    for (std::uint32_t i = 0, g = 0; i < count; ++i) {
      if (QChar::isLowSurrogate(text[i]) && i > 0 &&
          QChar::isHighSurrogate(text[i - 1])) {
        continue;
      }
      const quint32 glyph =
          glyphs_ok && g < std::uint32_t(glyph_count) ? glyphs[g] : 0;
      ++g;
      if (text[i] == u' ' || text[i] == u'\u3000') continue;
      if (glyph == 0) {
        missing.push_back(i);
        continue;
      }
      run_glyphs.push_back(glyph);
      run_positions.push_back(origins[i]);
    }
    if (!run_glyphs.isEmpty() && std::max(stretch, 1.0) * em > kMaxCachedEm) {
      // Qt caches glyph images per size; huge or stretched glyphs would
      // fill memory, so they are filled as outlines instead.
      painter_.setPen(Qt::NoPen);
      painter_.setBrush(dc_.text_color);
      for (qsizetype k = 0; k < run_glyphs.size(); ++k) {
        painter_.drawPath(
            real.raw.pathForGlyph(run_glyphs[k]).translated(run_positions[k]));
      }
      painter_.setPen(dc_.text_color);
    } else if (!run_glyphs.isEmpty()) {
      QGlyphRun run;
      run.setRawFont(real.raw);
      run.setGlyphIndexes(run_glyphs);
      run.setPositions(run_positions);
      painter_.drawGlyphRun(QPointF(0, 0), run);
    }
    if (!missing.empty()) {
      painter_.setFont(real.font);
      for (std::uint32_t i : missing) {
        const bool pair = i + 1 < count && QChar::isHighSurrogate(text[i]) &&
                          QChar::isLowSurrogate(text[i + 1]);
        const QString character = QString::fromUtf16(&text[i], pair ? 2 : 1);
        if (std::max(stretch, 1.0) * em > kMaxCachedEm) {
          QPainterPath outline;
          outline.addText(origins[i], real.font, character);
          painter_.fillPath(outline, dc_.text_color);
        } else {
          painter_.drawText(origins[i], character);
        }
      }
    }
  }
  if (gdi.underline || gdi.strike_out) {
    const double thickness = std::max(1.0, em / 18);
    painter_.setTransform(device_scale_);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(dc_.text_color);
    if (gdi.underline) {
      const double at = baseline + descent * 0.4;
      painter_.drawPolygon(band(start, start + width, at, at + thickness));
    }
    if (gdi.strike_out) {
      const double at = baseline - ascent * 0.32;
      painter_.drawPolygon(band(start, start + width, at, at + thickness));
    }
  }
  painter_.restore();
  // restore() brought back the clip from before the text's own.
  if (rect_usable && (options & kEtoClipped)) clip_dirty_ = true;
}

}  // namespace tessaly::emf
