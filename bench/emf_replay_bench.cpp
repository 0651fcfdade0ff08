// Replaying a compiled topic page with the EMF player, beside painting the
// same page straight from its QTextDocument. The page is the one with the
// most records of the chosen topic (default Img_03, the anxiety test). A
// second variant sets every character as its own run, as pages recorded
// glyph by glyph are, for a page of thousands of records.
//
//   emf_replay_bench [--topic=PATH] [benchmark flags]
//
// Prints the replay/direct ratio of both variants (goal: at most 1.5).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <array>
#include <cstdio>
#include <cstring>
#include <map>
#include <span>
#include <string>

#include "emf/emf_document.h"
#include "emf/emf_player.h"
#include "toolkit/fonts.h"
#include "tools/content_compiler/page_flow.h"
#include "tools/content_compiler/page_style.h"
#include "tools/content_compiler/topic_compiler.h"
#include "tools/content_compiler/topic_layout.h"

namespace {

using tessaly::content_compiler::PageSlice;
using tessaly::content_compiler::TopicLayout;

struct BenchPage {
  TopicLayout layout;
  std::size_t index = 0;
  QByteArray stream;
  int records = 0;
};

std::array<BenchPage, 2> g_pages;

// Alternating a property that does not change the look splits every run
// into single characters.
void SplitIntoCharacters(TopicLayout& layout) {
  QTextDocument& document = *layout.document.document;
  QTextCursor cursor(&document);
  for (QTextBlock block = document.begin(); block.isValid();
       block = block.next()) {
    for (int i = 0; i + 1 < block.length(); ++i) {
      cursor.setPosition(block.position() + i);
      cursor.setPosition(block.position() + i + 1, QTextCursor::KeepAnchor);
      QTextCharFormat format;
      format.setProperty(QTextFormat::UserProperty, i % 2);
      cursor.mergeCharFormat(format);
    }
  }
  layout.units = tessaly::content_compiler::CollectFlowUnits(
      document, layout.document.page_breaks);
  layout.flow =
      tessaly::content_compiler::FlowPages(layout.units, layout.source.frames);
}

BenchPage LoadBenchPage(const QString& path, bool per_character) {
  BenchPage page;
  const auto loaded = tessaly::content_compiler::LoadTopic(path);
  if (!loaded.error.isEmpty()) {
    std::fprintf(stderr, "%s\n", qPrintable(loaded.error));
    std::exit(1);
  }
  page.layout = tessaly::content_compiler::LayOutTopic(
      loaded.source, tessaly::content_compiler::LayoutDevice());
  if (per_character) SplitIntoCharacters(page.layout);
  const auto streams = tessaly::content_compiler::RenderPages(page.layout);
  for (std::size_t i = 0; i < streams.size(); ++i) {
    const auto document = tessaly::emf::EmfDocument::Parse(
        std::as_bytes(std::span(streams[i].constData(), streams[i].size())));
    const int records = static_cast<int>(document.records().size());
    if (records > page.records) {
      page.records = records;
      page.index = i;
      page.stream = streams[i];
    }
  }
  return page;
}

QImage WhitePage(int height) {
  QImage image(tessaly::content_compiler::kPageWidthPx, height,
               QImage::Format_RGB32);
  image.setDotsPerMeterX(3780);
  image.setDotsPerMeterY(3780);
  image.fill(Qt::white);
  return image;
}

// Parse and play, as the reader does for a page it has not cached yet.
void BM_ReplayEmfPage(benchmark::State& state) {
  const BenchPage& page = g_pages[static_cast<std::size_t>(state.range(0))];
  const QByteArray& stream = page.stream;
  for (auto _ : state) {
    const auto document = tessaly::emf::EmfDocument::Parse(
        std::as_bytes(std::span(stream.constData(), stream.size())));
    QImage image = tessaly::emf::RenderPage(document, 1);
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["records"] = page.records;
}
BENCHMARK(BM_ReplayEmfPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PaintDocumentDirectly(benchmark::State& state) {
  const BenchPage& page = g_pages[static_cast<std::size_t>(state.range(0))];
  const PageSlice& slice = page.layout.flow.pages[page.index];
  QTextDocument& document = *page.layout.document.document;
  for (auto _ : state) {
    QImage image = WhitePage(slice.height_px);
    QPainter painter(&image);
    painter.translate(
        0, tessaly::content_compiler::kMarginTopPx - slice.content_top);
    document.drawContents(
        &painter,
        QRectF(0, slice.clip_top, tessaly::content_compiler::kPageWidthPx,
               slice.clip_bottom - slice.clip_top));
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_PaintDocumentDirectly)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

// Console output plus the ratio of the two benchmarks, in CPU time: the
// build machine is shared, and wall time counts the neighbours' work.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(isatty(1) ? OO_Defaults : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
        times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
      }
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    for (std::size_t variant = 0; variant < g_pages.size(); ++variant) {
      std::string replay_name = "BM_ReplayEmfPage/";
      replay_name += std::to_string(variant);
      std::string direct_name = "BM_PaintDocumentDirectly/";
      direct_name += std::to_string(variant);
      const auto replay = times_.find(replay_name);
      const auto direct = times_.find(direct_name);
      if (replay == times_.end() || direct == times_.end() ||
          direct->second <= 0) {
        continue;
      }
      const BenchPage& page = g_pages[variant];
      std::printf(
          "%s page %s_%zu, %d records: replay/direct = %.2f (goal <= 1.5)\n",
          variant == 0 ? "compiled" : "per-character",
          qPrintable(page.layout.source.control), page.index, page.records,
          replay->second / direct->second);
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  tessaly::toolkit::InstallFontSubstitutions();

  QString topic = QStringLiteral(TESSALY_TOPICS_DIR "/Img_03.txt");
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--topic=", 8) == 0) {
      topic = QString::fromLocal8Bit(argv[i] + 8);
    }
  }
  g_pages[0] = LoadBenchPage(topic, false);
  g_pages[1] = LoadBenchPage(topic, true);

  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
