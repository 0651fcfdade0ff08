#include "tools/content_compiler/page_flow.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

#include "emf/record_types.h"
#include "tools/content_compiler/page_style.h"

namespace tessaly::content_compiler {
namespace {

struct RawUnit {
  FlowUnit unit;
  int position = 0;
  const QTextFrame* frame = nullptr;  // innermost frame other than the root
  const QTextTable* table = nullptr;
  int row = -1;
};

QPointF FramePosition(const QTextDocument& document, const QTextFrame* frame) {
  QPointF position;
  for (; frame && frame != document.rootFrame(); frame = frame->parentFrame()) {
    position += document.documentLayout()
                    ->frameBoundingRect(const_cast<QTextFrame*>(frame))
                    .topLeft();
  }
  return position;
}

}  // namespace

std::vector<FlowUnit> CollectFlowUnits(const QTextDocument& document,
                                       const std::vector<int>& page_breaks) {
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  std::vector<RawUnit> raw;
  for (QTextBlock block = document.begin(); block.isValid();
       block = block.next()) {
    // Empty blocks only separate frames.
    if (block.length() <= 1) continue;
    const QTextLayout* text_layout = block.layout();
    if (text_layout->lineCount() == 0) continue;
    const double y0 = layout->blockBoundingRect(block).top() -
                      text_layout->boundingRect().top();
    const QTextCursor cursor(block);
    const QTextTable* table = cursor.currentTable();
    const QTextFrame* frame = cursor.currentFrame();
    if (table) {
      const int row = table->cellAt(block.position()).row();
      const QTextLine first = text_layout->lineAt(0);
      const QTextLine last = text_layout->lineAt(text_layout->lineCount() - 1);
      const double inset = kCellPaddingPx + kRuleWidthPx;
      const double top = y0 + first.y() - inset;
      const double bottom = y0 + last.y() + last.height() + inset;
      if (!raw.empty() && raw.back().table == table && raw.back().row == row) {
        raw.back().unit.top = std::min(raw.back().unit.top, top);
        raw.back().unit.bottom = std::max(raw.back().unit.bottom, bottom);
      } else {
        const bool header = row < table->format().headerRowCount();
        raw.push_back({{top, bottom, false, header},
                       block.position(),
                       table,
                       table,
                       row});
      }
      continue;
    }
    for (int i = 0; i < text_layout->lineCount(); ++i) {
      const QTextLine line = text_layout->lineAt(i);
      raw.push_back({{y0 + line.y(), y0 + line.y() + line.height(), false},
                     block.position(),
                     frame == document.rootFrame() ? nullptr : frame,
                     nullptr,
                     -1});
    }
  }

  // Boxes and tables: their first unit takes the top border, their last the
  // bottom one.
  std::map<const QTextFrame*, std::pair<std::size_t, std::size_t>> spans;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    for (const QTextFrame* f = raw[i].frame; f && f != document.rootFrame();
         f = f->parentFrame()) {
      auto [it, inserted] = spans.try_emplace(f, i, i);
      if (!inserted) it->second.second = i;
    }
  }
  for (const auto& [frame, span] : spans) {
    // The bounding rectangle includes the frame's outer margins; the units
    // end at its border, so that no page starts or ends with that white.
    const QTextFrameFormat format = frame->frameFormat();
    const QRectF rect =
        QRectF(FramePosition(document, frame),
               layout->frameBoundingRect(const_cast<QTextFrame*>(frame)).size())
            .adjusted(0, format.topMargin(), 0, -format.bottomMargin());
    raw[span.first].unit.top = std::min(raw[span.first].unit.top, rect.top());
    raw[span.second].unit.bottom =
        std::max(raw[span.second].unit.bottom, rect.bottom());
    // A boxed note reads as one piece; tables may break between rows.
    if (qobject_cast<const QTextTable*>(frame) == nullptr) {
      for (std::size_t i = span.first; i < span.second; ++i) {
        raw[i].unit.keep_with_next = true;
      }
    }
  }

  std::vector<FlowUnit> units;
  units.reserve(raw.size());
  std::size_t next_break = 0;
  std::vector<int> breaks = page_breaks;
  std::sort(breaks.begin(), breaks.end());
  for (const RawUnit& r : raw) {
    FlowUnit unit = r.unit;
    while (next_break < breaks.size() && breaks[next_break] <= r.position) {
      unit.break_before = true;
      ++next_break;
    }
    units.push_back(unit);
  }
  return units;
}

int FrameForHeight(int height_px) {
  return static_cast<int>(std::lround(height_px * 2540.0 / 96.0));
}

namespace {

// Where the page that starts at `first` and could hold units up to `end`
// should end instead, so that it does not end inside a run of units held
// together; `end` itself when the run is taller than `room` (a whole next
// page), because moving it would only leave white behind.
std::size_t EndBeforeKeptRun(const std::vector<FlowUnit>& units,
                             std::size_t first, std::size_t end, double room) {
  if (end >= units.size() || end == first || units[end].break_before ||
      !units[end - 1].keep_with_next) {
    return end;
  }
  std::size_t start = end;
  while (start > first && units[start - 1].keep_with_next) --start;
  if (start == first) return end;
  std::size_t last = end;
  while (last + 1 < units.size() && units[last].keep_with_next &&
         !units[last + 1].break_before) {
    ++last;
  }
  return units[last].bottom - units[start].top <= room ? start : end;
}

}  // namespace

FlowResult FlowPages(const std::vector<FlowUnit>& units,
                     const std::vector<int>& frames) {
  FlowResult result;
  const bool fixed = !frames.empty();
  std::size_t i = 0;
  for (std::size_t page = 0; fixed ? page < frames.size() : i < units.size();
       ++page) {
    PageSlice slice;
    slice.margin_top_px =
        fixed || page == 0 ? kMarginTopPx : static_cast<double>(kJoinMarginPx);
    slice.height_px =
        fixed ? emf::FrameToPixels(frames[page]) : kMaxPageHeightPx;
    // Until the text runs out a page may turn out to be the last one, so it
    // keeps room for the full bottom margin.
    slice.available_px =
        slice.height_px - slice.margin_top_px - kMarginBottomPx;
    slice.first_unit = i;
    slice.content_top = i < units.size() ? units[i].top : 0;
    while (i < units.size() &&
           (i == slice.first_unit || !units[i].break_before) &&
           units[i].bottom - slice.content_top <= slice.available_px) {
      ++i;
    }
    const double next_room =
        fixed
            ? (page + 1 < frames.size() ? emf::FrameToPixels(frames[page + 1]) -
                                              kMarginTopPx - kMarginBottomPx
                                        : 0)
            : kMaxPageHeightPx - kJoinMarginPx - kMarginBottomPx;
    i = EndBeforeKeptRun(units, slice.first_unit, i, next_room);
    slice.end_unit = i;
    if (i > slice.first_unit) {
      slice.used_px = units[i - 1].bottom - slice.content_top;
    }
    if (i < units.size() && !units[i].break_before) {
      // With the gap above it: the room the page lacked.
      std::size_t last = i;
      while (last + 1 < units.size() && units[last].keep_with_next &&
             !units[last + 1].break_before) {
        ++last;
      }
      slice.next_unit_px =
          units[last].bottom -
          (i > slice.first_unit ? units[i - 1].bottom : units[i].top);
    }
    const bool empty = slice.end_unit == slice.first_unit;
    if (!fixed) {
      const double margin_bottom =
          i >= units.size() ? kMarginBottomPx : kJoinMarginPx;
      if (!empty) {
        slice.height_px = static_cast<int>(
            std::ceil(slice.margin_top_px + slice.used_px + margin_bottom));
      }
      slice.frame_height = FrameForHeight(slice.height_px);
      slice.height_px = emf::FrameToPixels(slice.frame_height);
    } else {
      slice.frame_height = frames[page];
    }
    const double page_top = slice.content_top - slice.margin_top_px;
    slice.clip_top =
        slice.first_unit == 0 || empty
            ? page_top
            : std::max(page_top, (units[slice.first_unit - 1].bottom +
                                  units[slice.first_unit].top) /
                                     2);
    slice.clip_bottom = slice.end_unit >= units.size() || empty
                            ? page_top + slice.height_px
                            : std::min(page_top + slice.height_px,
                                       (units[slice.end_unit - 1].bottom +
                                        units[slice.end_unit].top) /
                                           2);
    result.pages.push_back(slice);
    if (empty && result.error == FlowError::kNone) {
      if (fixed && i >= units.size()) {
        result.error = FlowError::kEmptyPage;
      } else {
        // A unit taller than the whole page: it can never be placed.
        result.error = FlowError::kTextDoesNotFit;
      }
      result.error_page = static_cast<int>(page);
      if (!fixed) break;
    }
  }
  if (i < units.size()) {
    result.leftover_units = units.size() - i;
    result.leftover_px = units.back().bottom - units[i].top;
    if (result.error == FlowError::kNone) {
      result.error = FlowError::kTextDoesNotFit;
      result.error_page = static_cast<int>(result.pages.size()) - 1;
    }
  }
  return result;
}

}  // namespace tessaly::content_compiler
