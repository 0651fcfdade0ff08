// The reading tools against their goals: searching all 56 topics for a
// two-character word (goal under 5 ms), building the text of every page
// (under 300 ms, on a worker thread), one keystroke of find in the anxiety
// test (under 2 ms) and exporting it to PDF (under 500 ms).
//
//   reading_bench [benchmark flags]
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "app/command_line.h"
#include "reader/text_find.h"
#include "reader/text_selection.h"
#include "reader/topic_catalogue.h"
#include "reader/topic_pdf.h"
#include "reader/topic_sheets.h"
#include "reader/topic_text.h"
#include "search/handbook_text.h"
#include "toolkit/fonts.h"

namespace {

using namespace tessaly;

QStringList AllTitles() {
  QStringList titles;
  for (const std::u16string_view title : app::TopicTitles()) {
    titles << QString::fromUtf16(title.data(),
                                 static_cast<qsizetype>(title.size()));
  }
  return titles;
}

const reader::TopicEntry& Anxiety() { return *reader::Lookup("考生焦虑测评"); }

void BM_BuildAllText(benchmark::State& state) {
  const QStringList titles = AllTitles();
  for (auto _ : state) {
    benchmark::DoNotOptimize(search::BuildHandbookIndex(titles));
  }
}
BENCHMARK(BM_BuildAllText)->Unit(benchmark::kMillisecond);

void BM_SearchAllTopics(benchmark::State& state) {
  const auto index = search::BuildHandbookIndex(AllTitles());
  std::vector<std::size_t> all(index->topics().size());
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
  for (auto _ : state) {
    benchmark::DoNotOptimize(index->Search(U"考试", all));
  }
}
BENCHMARK(BM_SearchAllTopics)->Unit(benchmark::kMillisecond);

// What one keystroke costs besides painting: the places and their boxes.
void BM_FindKeystroke(benchmark::State& state) {
  const text::FlatText text =
      reader::TopicText(reader::LoadTopicPages(Anxiety()));
  const std::u32string folded = reader::FoldedForFind(text.text);
  for (auto _ : state) {
    const std::vector<reader::TextSpan> found =
        reader::FindAll(folded, U"焦虑");
    std::size_t boxes = 0;
    for (const reader::TextSpan& span : found) {
      boxes += reader::RangeBoxes(text, span.start, span.length).size();
    }
    benchmark::DoNotOptimize(boxes);
  }
}
BENCHMARK(BM_FindKeystroke)->Unit(benchmark::kMillisecond);

void BM_ExportAnxietyPdf(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(reader::TopicPdf(Anxiety()));
  }
}
BENCHMARK(BM_ExportAnxietyPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  tessaly::toolkit::InstallFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
