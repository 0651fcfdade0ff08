#include "emf/text_layer.h"

#include <QChar>
#include <algorithm>
#include <variant>

#include "emf/device_context.h"
#include "emf/page_placement.h"
#include "emf/real_fonts.h"
#include "emf/text_layout.h"

namespace tessaly::emf {

namespace {

// As much text as the player draws on one page.
constexpr std::int64_t kGlyphBudget = 4'000'000;
constexpr double kMaxEm = 2048;

text::PagePoint ToPage(const QPointF& p) { return {p.x(), p.y()}; }

text::CharBox ToCharBox(const QPolygonF& cell) {
  text::CharBox box;
  for (int i = 0; i < 4 && i < cell.size(); ++i) {
    box.corners[static_cast<std::size_t>(i)] = ToPage(cell[i]);
  }
  const QRectF bounds = cell.boundingRect();
  box.bounds = {bounds.left(), bounds.top(), bounds.right(), bounds.bottom()};
  return box;
}

// The characters of a laid-out record as a run: one entry per code point,
// control characters left out; MARLETT's letters become the shapes they
// show.
text::TextRun MakeRun(const TextRecord& record, const TextLayout& layout,
                      const FaceInfo& face, int record_index) {
  text::TextRun run;
  run.record_index = record_index;
  run.direction = ToPage(layout.dir);
  run.em = layout.em;
  run.ascent = layout.ascent;
  run.descent = layout.descent;
  if (!layout.origins.empty()) run.origin = ToPage(layout.origins.front());
  const std::u16string& units = record.text;
  for (std::size_t i = 0; i < units.size();) {
    std::size_t length = 1;
    char32_t c = units[i];
    if (QChar::isHighSurrogate(units[i]) && i + 1 < units.size() &&
        QChar::isLowSurrogate(units[i + 1])) {
      c = QChar::surrogateToUcs4(units[i], units[i + 1]);
      length = 2;
    }
    if (face.marlett) {
      const QString look = MarlettReplacement(units[i]);
      c = look.isEmpty() ? U' ' : char32_t{look.at(0).unicode()};
    }
    if (c >= 0x20 && c != 0x7F) {
      run.text.push_back(c);
      run.boxes.push_back(ToCharBox(layout.Cell(i, length)));
    }
    i += length;
  }
  return run;
}

// The current position after a poly-record that draws from it.
std::optional<QPointF> LastPoint(RecordType type, const ByteView& r) {
  const bool wide =
      type == RecordType::kPolylineTo || type == RecordType::kPolyBezierTo;
  const bool bezier =
      type == RecordType::kPolyBezierTo || type == RecordType::kPolyBezierTo16;
  const std::uint64_t point_size = wide ? 8 : 4;
  std::uint64_t count = r.U32(24);
  if (count > (r.size() - 28) / point_size) return std::nullopt;
  if (bezier) count -= count % 3;  // whole curves only, as drawn
  if (count == 0) return std::nullopt;
  const std::uint64_t at = 28 + point_size * (count - 1);
  return wide ? QPointF(r.I32(at), r.I32(at + 4))
              : QPointF(r.I16(at), r.I16(at + 2));
}

}  // namespace

ExtractResult ExtractText(const EmfDocument& document) {
  ExtractResult result;
  const QSize natural = document.NaturalSize();
  result.page.width = natural.width();
  result.page.height = natural.height();
  if (!document.valid()) {
    result.error = document.error();
    result.page.complete = false;
    return result;
  }
  const PagePlacement placement =
      PlacePage(document.header(), QRectF(QPointF(0, 0), QSizeF(natural)));
  DeviceContext context(document.header(), DeviceContext::Objects::kFontsOnly);
  DcState& dc = context.state();
  std::optional<RealFonts> fonts;  // only for records without dx arrays
  std::int64_t budget = kGlyphBudget;
  std::optional<EmfErrorCode> error;
  int index = 0;
  const bool visible = IsUsableTransform(placement.base);

  for (const EmfRecord& record : document.records()) {
    const auto type = static_cast<RecordType>(record.type);
    const ByteView& r = record.bytes;
    if (r.size() < MinimumRecordSize(type)) {
      error = EmfErrorCode::kRecordTooShort;
    } else if (context.Apply(type, r, error) == DeviceContext::Change::kNone) {
      switch (type) {
        case RecordType::kMoveToEx:
        case RecordType::kLineTo:
          dc.current_position = QPointF(r.I32(8), r.I32(12));
          break;
        case RecordType::kPolylineTo:
        case RecordType::kPolylineTo16:
        case RecordType::kPolyBezierTo:
        case RecordType::kPolyBezierTo16:
          if (const auto last = LastPoint(type, r)) {
            dc.current_position = *last;
          }
          break;
        case RecordType::kExtTextOutA:
        case RecordType::kExtTextOutW: {
          const GdiFont& font = *dc.font;
          auto parsed = ParseTextRecord(type, r, font.charset);
          if (const auto* why = std::get_if<EmfErrorCode>(&parsed)) {
            error = *why;
            break;
          }
          const TextRecord& text = std::get<TextRecord>(parsed);
          budget -= static_cast<std::int64_t>(text.text.size());
          if (budget < 0) {
            error = EmfErrorCode::kBudgetExceeded;
            break;
          }
          if (!visible || text.text.empty() ||
              Has(text.options, TextOption::kGlyphIndex)) {
            break;
          }
          const TextSetting setting{dc.mapping.ToReference() * placement.base,
                                    dc.text_align, dc.current_position,
                                    placement.DefaultEm(), kMaxEm};
          const double em = TextEm(font, setting);
          if (em <= 0) break;
          std::vector<double> natural;
          if (text.dx.size() != text.text.size()) {
            if (!fonts) fonts.emplace();
            const RealFont& real = fonts->Get(font, em);
            natural =
                NaturalAdvances(real, text.text, GlyphsFor(real, text.text));
          }
          const TextLayout layout =
              LayOutText(text, font, setting, em, natural);
          if (layout.next_current_position) {
            dc.current_position = *layout.next_current_position;
          }
          text::TextRun run = MakeRun(text, layout, font.face_info, index);
          if (!run.text.empty()) result.page.runs.push_back(std::move(run));
          break;
        }
        default:
          break;
      }
    }
    if (error) {
      result.error = EmfError{*error, index};
      break;
    }
    ++index;
  }
  if (!result.error) result.error = document.error();
  result.page.complete = !result.error;
  return result;
}

}  // namespace tessaly::emf
