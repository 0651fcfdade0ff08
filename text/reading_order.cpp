#include "text/reading_order.h"

#include <algorithm>
#include <cmath>

#include "text/flat_text.h"

namespace tessaly::text {

namespace {

// Lines of one size stand this much further apart than usual at a
// paragraph break (the usual pitch being the median of the page's).
constexpr double kParagraphPitchRatio = 1.12;
// A run belongs to a line when its baseline is this close (in em).
constexpr double kSameBaselineEm = 0.2;

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

// Width of the first word of a line: up to a space, or the first
// character alone when it is Chinese (a line may break after any of them).
double FirstWordWidth(const TextLine& line, std::span<const TextRun> runs) {
  double left = line.bounds.right;
  double right = line.bounds.left;
  for (std::size_t r : line.runs) {
    const TextRun& run = runs[r];
    for (std::size_t i = 0; i < run.text.size(); ++i) {
      const char32_t c = run.text[i];
      if (IsSpace(c)) return right > left ? right - left : 0;
      left = std::min(left, run.boxes[i].bounds.left);
      right = std::max(right, run.boxes[i].bounds.right);
      if (IsCjk(c)) return right - left;
    }
  }
  return right > left ? right - left : 0;
}

struct PitchOfSize {
  double em;
  std::vector<double> pitches;
  double median = 0;
};

double UsualPitch(const std::vector<PitchOfSize>& sizes, double em) {
  for (const PitchOfSize& size : sizes) {
    if (SameSize(size.em, em)) return size.median;
  }
  return 0;
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
    if (pitch < 0.5 * b.em) continue;
    auto it = std::find_if(sizes.begin(), sizes.end(),
                           [&](const auto& s) { return SameSize(s.em, b.em); });
    if (it == sizes.end()) {
      sizes.push_back({b.em, {}, 0});
      it = sizes.end() - 1;
    }
    it->pitches.push_back(pitch);
  }
  for (PitchOfSize& size : sizes) {
    std::sort(size.pitches.begin(), size.pitches.end());
    size.median = size.pitches[size.pitches.size() / 2];
  }

  std::vector<TextParagraph> paragraphs;
  for (TextLine& line : lines) {
    bool joins = false;
    if (!paragraphs.empty()) {
      TextParagraph& p = paragraphs.back();
      const TextLine& last = p.lines.back();
      const double pitch = line.baseline - last.baseline;
      const double usual = UsualPitch(sizes, line.em);
      const double right_edge = std::max(p.bounds.right, line.bounds.right);
      joins = WrapsInto(last, runs, line, runs, right_edge) && pitch > 0 &&
              (usual <= 0 || pitch <= usual * kParagraphPitchRatio + 0.5);
      // Lines after the first share their left edge.
      if (joins && p.lines.size() >= 2 &&
          std::abs(line.bounds.left - p.lines[1].bounds.left) > 0.5 * line.em) {
        joins = false;
      }
      if (joins) {
        p.lines.push_back(std::move(line));
        p.bounds = p.bounds.United(p.lines.back().bounds);
        continue;
      }
    }
    paragraphs.push_back({{}, line.bounds});
    paragraphs.back().lines.push_back(std::move(line));
  }
  return paragraphs;
}

}  // namespace tessaly::text
