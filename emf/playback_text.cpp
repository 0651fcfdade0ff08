// EXTTEXTOUTW/A: parsed and laid out (text_layout.h), then drawn upright
// per glyph position with the substitute fonts.
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

constexpr double kMaxEm = 2048;  // device px
constexpr double kMaxCachedEm = 256;

}  // namespace

void Playback::ExtTextOut(RecordType type, const ByteView& r) {
  const GdiFont& gdi = *dc_.font;
  auto parsed = ParseTextRecord(type, r, gdi.charset);
  if (const auto* error = std::get_if<EmfErrorCode>(&parsed)) {
    Fail(*error);
    return;
  }
  const TextRecord& record = std::get<TextRecord>(parsed);
  const std::size_t count = record.text.size();
  glyph_budget_ -= static_cast<std::int64_t>(count);
  if (glyph_budget_ < 0) {
    Fail(EmfErrorCode::kBudgetExceeded);
    return;
  }
  ApplyClip();
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  const bool rect_usable =
      record.rect && record.rect->width() > 0 && record.rect->height() > 0;
  const QRectF rect = record.rect.value_or(QRectF());
  if (rect_usable && Has(record.options, TextOption::kOpaque)) {
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
  // FIXME: glyph indexes of the recording font cannot be mapped to
  // characters without that font, so such text is left out.
  if (count == 0 || Has(record.options, TextOption::kGlyphIndex)) return;

  const TextSetting setting{Full(), dc_.text_align, dc_.current_position,
                            default_em_, kMaxEm * dpr_};
  const double em = TextEm(gdi, setting);
  if (em <= 0) return;
  const RealFont& real = fonts_.Get(gdi, em);

  // Glyphs of the substitute, and its advances where the record has none.
  const QVector<quint32> glyphs = GlyphsFor(real, record.text);
  std::vector<double> natural;
  if (record.dx.size() != count) {
    natural = NaturalAdvances(real, record.text, glyphs);
  }
  const TextLayout layout = LayOutText(record, gdi, setting, em, natural);
  if (layout.next_current_position) {
    dc_.current_position = *layout.next_current_position;
  }
  DrawGlyphs(record, layout, real, glyphs);
}

void Playback::DrawGlyphs(const TextRecord& record, const TextLayout& layout,
                          const RealFont& real,
                          const QVector<quint32>& glyphs) {
  const GdiFont& gdi = *dc_.font;
  const std::u16string& text = record.text;
  const std::size_t count = text.size();
  const double em = layout.em;
  const double stretch = layout.stretch;
  const double start = layout.start;
  const double baseline = layout.baseline;
  const double width = layout.width;
  const QRectF rect = record.rect.value_or(QRectF());
  const bool rect_usable = record.rect && rect.width() > 0 && rect.height() > 0;
  const bool clipped = rect_usable && Has(record.options, TextOption::kClipped);
  // Rotation only: Qt's glyph runs lose the translation of the painter's
  // transform once other drawing has happened, so positions stay absolute.
  const QTransform glyph_frame(layout.gx.x() * stretch, layout.gx.y() * stretch,
                               layout.gy.x(), layout.gy.y(), 0, 0);
  const QTransform to_frame = glyph_frame.inverted();
  std::vector<QPointF> origins(count);
  for (std::size_t i = 0; i < count; ++i) {
    origins[i] = to_frame.map(layout.origins[i]);
  }
  const std::vector<double>& advances = layout.advances;

  painter_.save();
  if (clipped) {
    QPainterPath clip;
    clip.addPolygon(Map(QPolygonF(rect)));
    painter_.setClipPath(clip, Qt::IntersectClip);
  }
  painter_.setRenderHint(QPainter::Antialiasing, true);
  if (dc_.bk_mode == BackgroundMode::kOpaque && width > 0) {
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(dc_.bk_color);
    painter_.drawPolygon(layout.Band(start, start + width,
                                     baseline - layout.ascent,
                                     baseline + layout.descent));
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
      const double cell = std::max(std::abs(advances[i]), em * 0.5);
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
      const quint32 glyph = g < std::uint32_t(glyphs.size()) ? glyphs[g] : 0;
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
      const double at = baseline + layout.descent * 0.4;
      painter_.drawPolygon(
          layout.Band(start, start + width, at, at + thickness));
    }
    if (gdi.strike_out) {
      const double at = baseline - layout.ascent * 0.32;
      painter_.drawPolygon(
          layout.Band(start, start + width, at, at + thickness));
    }
  }
  painter_.restore();
  // restore() brought back the clip from before the text's own.
  if (clipped) clip_dirty_ = true;
}

}  // namespace tessaly::emf
