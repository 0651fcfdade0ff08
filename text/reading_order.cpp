#include "text/reading_order.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include "text/flat_text.h"

namespace tessaly::text {

namespace {

// Lines of one size stand this much further apart than usual at a
// paragraph break or between table rows. The usual pitch is the page's
// smallest for that size: on pages that are mostly lists or tables, most
// pitches are breaks.
constexpr double kParagraphPitchRatio = 1.12;
// Runs of one line further apart than this (in em) are separate cells.
constexpr double kCellGapEm = 0.45;
// A run belongs to a line when its baseline is this close (in em): cells
// of a table row set in different fonts sit a little apart.
constexpr double kSameBaselineEm = 0.4;

PageBox RunBounds(const TextRun& run) {
  PageBox box = run.boxes.front().bounds;
  for (const CharBox& c : run.boxes) box = box.United(c.bounds);
  return box;
}

bool SameSize(double a, double b) {
  return std::abs(a - b) <= 0.1 * std::max(a, b);
}

bool IsSpace(char32_t c) {
  return c == U' ' || c == U'\t' || c == U'\u3000' || c == U'\u00A0';
}

bool IsOpening(char32_t c) {
  return c == U'(' || c == U'[' || c == U'{' || c == U'\u2018' ||
         c == U'\u201C' || c == U'\u3008' || c == U'\u300A' || c == U'\u300C' ||
         c == U'\u300E' || c == U'\u3010' || c == U'\u3014' || c == U'\uFF08' ||
         c == U'\uFF3B' || c == U'\uFF5B';
}

bool IsPunctuation(char32_t c) {
  return (c >= 0x21 && c <= 0x2F) || (c >= 0x3A && c <= 0x40) ||
         (c >= 0x5B && c <= 0x60) || (c >= 0x7B && c <= 0x7E) ||
         (c >= 0x2010 && c <= 0x206F) || (c >= 0x3001 && c <= 0x303F) ||
         (c >= 0xFF01 && c <= 0xFF0F) || (c >= 0xFF1A && c <= 0xFF20) ||
         (c >= 0xFF3B && c <= 0xFF40) || (c >= 0xFF5B && c <= 0xFF65);
}

// Width of what a line breaker may keep together at the start of a line: a
// Latin word up to a space, or one Chinese character; either with the
// punctuation that follows it (quotes included: some breakers keep them on
// both sides), and the character after an opening quote or bracket.
double FirstWordWidth(const TextLine& line, std::span<const TextRun> runs) {
  double left = line.bounds.right;
  double right = line.bounds.left;
  double previous_right = line.bounds.left;
  bool word_done = false;   // a Chinese character ended the word
  bool needs_next = false;  // an opening mark waits for its character
  for (std::size_t r : line.runs) {
    const TextRun& run = runs[r];
    for (std::size_t i = 0; i < run.text.size(); ++i) {
      const char32_t c = run.text[i];
      const PageBox& box = run.boxes[i].bounds;
      const bool after_gap =
          right > left && box.left - previous_right >= 0.5 * line.em;
      if (IsSpace(c) || after_gap) return right > left ? right - left : 0;
      if (word_done && !needs_next && !IsPunctuation(c)) return right - left;
      previous_right = box.right;
      left = std::min(left, box.left);
      right = std::max(right, box.right);
      needs_next = IsOpening(c);
      if (IsCjk(c) && !IsPunctuation(c)) word_done = true;
    }
  }
  return right > left ? right - left : 0;
}

bool IsBullet(char32_t c) {
  return c == U'\u2022' || c == U'\u00B7' || c == U'\u25CF' || c == U'\u25CB' ||
         c == U'\u25A0' || c == U'\u25A1' || c == U'\u25C6' || c == U'\u25C7' ||
         c == U'\u25AA' || c == U'\u2013' || c == U'-' || c == U'*';
}

// "1." "12、" "3)" "（4）" "a." or a bullet: what stands in front of a list
// item.
bool IsMarker(std::u32string_view m) {
  if (m.size() == 1) return IsBullet(m[0]);
  std::size_t i = 0;
  const bool bracketed = m[0] == U'(' || m[0] == U'\uFF08';
  if (bracketed) ++i;
  const std::size_t digits_from = i;
  while (i < m.size() && ((m[i] >= U'0' && m[i] <= U'9') ||
                          (m[i] >= U'a' && m[i] <= U'z' && i == digits_from))) {
    ++i;
  }
  if (i == digits_from || i + 1 != m.size()) return false;
  const char32_t end = m[i];
  return bracketed ? (end == U')' || end == U'\uFF09')
                   : (end == U'.' || end == U'\u3001' || end == U')' ||
                      end == U'\uFF09' || end == U'\uFF0E');
}

// Where the text of a list item's first line starts: after a marker and a
// gap. Its wrapped lines line up there, and a line that starts with a
// marker again is the next item. Nothing for other lines.
std::optional<double> HangingIndent(const TextLine& line,
                                    std::span<const TextRun> runs) {
  constexpr std::size_t kMaxMarker = 6;
  std::u32string marker;
  double previous_right = line.bounds.left;
  bool gap = false;
  for (std::size_t r : line.runs) {
    const TextRun& run = runs[r];
    for (std::size_t i = 0; i < run.text.size(); ++i) {
      const PageBox& box = run.boxes[i].bounds;
      if (IsSpace(run.text[i])) {
        gap = gap || !marker.empty();
        continue;
      }
      if (!marker.empty() &&
          (gap || box.left - previous_right >= 0.5 * line.em)) {
        return IsMarker(marker) ? std::optional<double>(box.left)
                                : std::nullopt;
      }
      if (marker.size() == kMaxMarker) return std::nullopt;
      marker.push_back(run.text[i]);
      previous_right = box.right;
    }
  }
  return std::nullopt;
}

struct PitchOfSize {
  double em;
  std::vector<double> pitches;
  double usual = 0;
};

double UsualPitch(std::span<const PitchOfSize> sizes, double em) {
  for (const PitchOfSize& size : sizes) {
    if (SameSize(size.em, em)) return size.usual;
  }
  return 0;
}

// The runs of a line cut where they stand far apart: cells of a table row
// are read one after the other, each with the lines below it. A list
// item's marker stays with its text.
std::vector<TextLine> SplitIntoSegments(const TextLine& line,
                                        std::span<const TextRun> runs) {
  std::vector<TextLine> segments;
  for (std::size_t r : line.runs) {
    const TextRun& run = runs[r];
    const PageBox bounds = RunBounds(run);
    if (!segments.empty()) {
      TextLine& last = segments.back();
      std::u32string so_far;
      for (std::size_t k : last.runs) {
        for (char32_t c : runs[k].text) {
          if (!IsSpace(c)) so_far.push_back(c);
        }
      }
      const double gap = bounds.left - last.bounds.right;
      if (gap <= kCellGapEm * std::max(last.em, run.em) || IsMarker(so_far)) {
        last.runs.push_back(r);
        last.bounds = last.bounds.United(bounds);
        last.em = std::max(last.em, run.em);
        continue;
      }
    }
    segments.push_back({{r}, bounds, run.origin.y, run.em});
  }
  return segments;
}

bool ContinuesParagraph(const TextParagraph& p, const TextLine& line,
                        std::span<const TextRun> runs,
                        std::span<const PitchOfSize> sizes) {
  const TextLine& last = p.lines.back();
  const double pitch = line.baseline - last.baseline;
  const double usual = UsualPitch(sizes, line.em);
  const double right_edge = std::max(p.bounds.right, line.bounds.right);
  if (!WrapsInto(last, runs, line, runs, right_edge) || pitch <= 0 ||
      (usual > 0 && pitch > usual * kParagraphPitchRatio + 0.5)) {
    return false;
  }
  // A list item starts a paragraph; lines after the first share their left
  // edge, which a marker in front of the first line fixes.
  if (HangingIndent(line, runs)) return false;
  const std::optional<double> hanging = HangingIndent(p.lines.front(), runs);
  if (hanging && std::abs(line.bounds.left - *hanging) > 0.5 * line.em) {
    return false;
  }
  return p.lines.size() < 2 ||
         std::abs(line.bounds.left - p.lines[1].bounds.left) <= 0.5 * line.em;
}

}  // namespace

bool WrapsInto(const TextLine& last, std::span<const TextRun> last_runs,
               const TextLine& next, std::span<const TextRun> next_runs,
               double right_edge) {
  if (!SameSize(last.em, next.em)) return false;
  if (last.runs.empty() || next.runs.empty()) return false;
  if (!last_runs[last.runs.front()].IsHorizontal() ||
      !next_runs[next.runs.front()].IsHorizontal()) {
    return false;
  }
  const double room = right_edge - last.bounds.right;
  return room <= FirstWordWidth(next, next_runs) + 0.3 * next.em;
}

std::vector<TextParagraph> ReadingOrder(std::span<const TextRun> runs) {
  // Lines: horizontal runs by baseline, each rotated run on its own.
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (!runs[i].text.empty() && runs[i].boxes.size() == runs[i].text.size()) {
      order.push_back(i);
    }
  }
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) {
                     return runs[a].origin.y < runs[b].origin.y;
                   });
  std::vector<TextLine> lines;
  for (std::size_t r : order) {
    const TextRun& run = runs[r];
    const PageBox bounds = RunBounds(run);
    TextLine* line = nullptr;
    if (run.IsHorizontal() && !lines.empty()) {
      TextLine& last = lines.back();
      if (runs[last.runs.front()].IsHorizontal() &&
          std::abs(run.origin.y - last.baseline) <=
              kSameBaselineEm * std::max(run.em, last.em)) {
        line = &last;
      }
    }
    if (!line) {
      lines.push_back({{}, bounds, run.origin.y, run.em});
      line = &lines.back();
    }
    line->runs.push_back(r);
    line->bounds = line->bounds.United(bounds);
    line->em = std::max(line->em, run.em);
  }
  for (TextLine& line : lines) {
    std::stable_sort(line.runs.begin(), line.runs.end(),
                     [&](std::size_t a, std::size_t b) {
                       return runs[a].origin.x < runs[b].origin.x;
                     });
  }
  // The usual pitch of each size on this page.
  std::vector<PitchOfSize> sizes;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const TextLine& a = lines[i - 1];
    const TextLine& b = lines[i];
    if (!SameSize(a.em, b.em)) continue;
    const double pitch = b.baseline - a.baseline;
    if (pitch < 0.8 * b.em) continue;
    auto it = std::find_if(sizes.begin(), sizes.end(),
                           [&](const auto& s) { return SameSize(s.em, b.em); });
    if (it == sizes.end()) {
      sizes.push_back({b.em, {}, 0});
      it = sizes.end() - 1;
    }
    it->pitches.push_back(pitch);
  }
  for (PitchOfSize& size : sizes) {
    size.usual = *std::min_element(size.pitches.begin(), size.pitches.end());
  }

  // Paragraphs: each segment goes on with the paragraph right above it in
  // its column, or starts one.
  std::vector<TextParagraph> paragraphs;
  std::vector<std::size_t> started_on;  // line index of each paragraph
  for (std::size_t li = 0; li < lines.size(); ++li) {
    // When the first segment of a line is refused by the paragraph above
    // it, the line starts a new row: the others start paragraphs too.
    bool new_row = false;
    bool first = true;
    for (TextLine& segment : SplitIntoSegments(lines[li], runs)) {
      TextParagraph* above = nullptr;
      for (TextParagraph& p : paragraphs) {
        const TextLine& last = p.lines.back();
        const bool overlaps =
            std::min(last.bounds.right, segment.bounds.right) >
            std::max(last.bounds.left, segment.bounds.left);
        if (overlaps && last.baseline < segment.baseline &&
            (!above || last.baseline > above->lines.back().baseline)) {
          above = &p;
        }
      }
      const bool continues =
          above && !new_row && ContinuesParagraph(*above, segment, runs, sizes);
      if (first && above && !continues) new_row = true;
      first = false;
      if (continues) {
        above->lines.push_back(std::move(segment));
        above->bounds = above->bounds.United(above->lines.back().bounds);
        continue;
      }
      const bool beside = !paragraphs.empty() && started_on.back() == li;
      paragraphs.push_back({{}, segment.bounds, beside});
      paragraphs.back().lines.push_back(std::move(segment));
      started_on.push_back(li);
    }
  }
  return paragraphs;
}

}  // namespace tessaly::text
