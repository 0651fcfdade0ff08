#include "text/flat_text.h"

#include <algorithm>

#include "text/reading_order.h"

namespace tessaly::text {

namespace {

// Latin runs further apart than this (in em) are separate words.
constexpr double kWordGapEm = 0.25;

bool IsSpace(char32_t c) {
  return c == U' ' || c == U'\t' || c == U'\u3000' || c == U'\u00A0';
}

// Nothing goes between these two characters when they meet at a wrap.
bool JoinsWithoutSpace(char32_t before, char32_t after) {
  return IsCjk(before) || IsCjk(after) || IsSpace(before) || IsSpace(after);
}

class Builder {
 public:
  explicit Builder(FlatText& out) : out_(out) {}

  void Character(int page, int run, int index, const TextRun& r) {
    out_.text.push_back(r.text[static_cast<std::size_t>(index)]);
    out_.sources.push_back(
        {page, run, index, r.boxes[static_cast<std::size_t>(index)].bounds});
  }

  void Separator(char32_t c) {
    PageBox after;
    int page = 0;
    if (!out_.sources.empty()) {
      const CharSource& last = out_.sources.back();
      page = last.page;
      after = {last.box.right, last.box.top, last.box.right, last.box.bottom};
    }
    out_.text.push_back(c);
    out_.sources.push_back({page, -1, -1, after});
  }

  void StartParagraph(bool beside_previous) {
    if (!out_.text.empty()) Separator(beside_previous ? U'\t' : U'\n');
    out_.paragraph_starts.push_back(out_.text.size());
  }

  char32_t last() const { return out_.text.empty() ? 0 : out_.text.back(); }

 private:
  FlatText& out_;
};

void AppendLine(Builder& b, int page, const TextLine& line,
                std::span<const TextRun> runs) {
  const TextRun* previous = nullptr;
  for (std::size_t r : line.runs) {
    const TextRun& run = runs[r];
    if (previous) {
      const double gap =
          run.boxes.front().bounds.left - previous->boxes.back().bounds.right;
      const double em = std::max(run.em, previous->em);
      if (gap > kWordGapEm * em &&
          !JoinsWithoutSpace(b.last(), run.text.front())) {
        b.Separator(U' ');
      }
    }
    for (std::size_t i = 0; i < run.text.size(); ++i) {
      b.Character(page, static_cast<int>(r), static_cast<int>(i), run);
    }
    previous = &run;
  }
}

char32_t FirstChar(const TextLine& line, std::span<const TextRun> runs) {
  return runs[line.runs.front()].text.front();
}

}  // namespace

FlatText Flatten(std::span<const PageText> pages) {
  FlatText out;
  Builder b(out);
  // The last line so far, to join a paragraph that goes on over a page.
  const TextLine* last_line = nullptr;
  std::span<const TextRun> last_runs;
  double last_right = 0;
  std::vector<std::vector<TextParagraph>> orders(pages.size());
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const std::span<const TextRun> runs = pages[p].runs;
    orders[p] = ReadingOrder(runs);
    const int page = static_cast<int>(p);
    for (std::size_t k = 0; k < orders[p].size(); ++k) {
      const TextParagraph& paragraph = orders[p][k];
      const TextLine& first = paragraph.lines.front();
      const bool goes_on =
          k == 0 && last_line &&
          WrapsInto(*last_line, last_runs, first, runs,
                    std::max(last_right, paragraph.bounds.right));
      if (goes_on) {
        if (!JoinsWithoutSpace(b.last(), FirstChar(first, runs))) {
          b.Separator(U' ');
        }
      } else {
        b.StartParagraph(paragraph.beside_previous);
      }
      for (std::size_t l = 0; l < paragraph.lines.size(); ++l) {
        const TextLine& line = paragraph.lines[l];
        if (l > 0 && !JoinsWithoutSpace(b.last(), FirstChar(line, runs))) {
          b.Separator(U' ');
        }
        AppendLine(b, page, line, runs);
      }
      last_line = &paragraph.lines.back();
      last_runs = runs;
    }
    // A paragraph goes on over the break only when the page's last line
    // reaches the right edge of the page's text.
    last_right = 0;
    for (const TextParagraph& paragraph : orders[p]) {
      last_right = std::max(last_right, paragraph.bounds.right);
    }
  }
  return out;
}

std::string ToUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  for (char32_t c : text) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

bool IsCjk(char32_t c) {
  return (c >= 0x1100 && c <= 0x11FF) ||  // Hangul Jamo
         (c >= 0x2E80 && c <= 0x2FDF) ||  // CJK radicals, Kangxi
         (c >= 0x2FF0 && c <= 0x303F) ||  // description, CJK punctuation
         (c >= 0x3040 && c <= 0x31FF) ||  // kana, bopomofo, strokes
         (c >= 0x3200 && c <= 0x4DBF) ||  // enclosed, compatibility, ext A
         (c >= 0x4E00 && c <= 0x9FFF) ||  // unified ideographs
         (c >= 0xA960 && c <= 0xA97F) ||  // Hangul Jamo extended A
         (c >= 0xAC00 && c <= 0xD7FF) ||  // Hangul syllables
         (c >= 0xF900 && c <= 0xFAFF) ||  // compatibility ideographs
         (c >= 0xFE30 && c <= 0xFE4F) ||  // compatibility forms
         (c >= 0xFF00 && c <= 0xFFEF) ||  // full-width and half-width forms
         (c >= 0x20000 && c <= 0x3FFFF);  // supplementary ideographs
}

}  // namespace tessaly::text
