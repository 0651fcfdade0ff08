// The text layer of a full page against playing that page: the built page
// of a topic with the most text records (default Img_03, the anxiety test),
// text extracted, then put in reading order, beside rendering it at ratio 1.
//
//   text_layer_bench [--control=Img_03] [benchmark flags]
//
// Prints the extract/play ratio (goal: at most 0.5).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <span>
#include <string>

#include "content/topic_pages.h"
#include "emf/emf_document.h"
#include "emf/emf_player.h"
#include "emf/text_layer.h"
#include "text/flat_text.h"

namespace {

QByteArray g_page;

tessaly::emf::EmfDocument Parse() {
  return tessaly::emf::EmfDocument::Parse(
      std::as_bytes(std::span(g_page.constData(), g_page.size())));
}

void BM_PlayPage(benchmark::State& state) {
  const auto document = Parse();
  for (auto _ : state) {
    QImage image = tessaly::emf::RenderPage(document, 1.0);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_PlayPage)->Unit(benchmark::kMillisecond);

void BM_ExtractText(benchmark::State& state) {
  const auto document = Parse();
  for (auto _ : state) {
    auto extracted = tessaly::emf::ExtractText(document);
    benchmark::DoNotOptimize(extracted.page.runs.data());
  }
}
BENCHMARK(BM_ExtractText)->Unit(benchmark::kMillisecond);

void BM_ExtractAndOrderText(benchmark::State& state) {
  const auto document = Parse();
  for (auto _ : state) {
    auto extracted = tessaly::emf::ExtractText(document);
    auto flat = tessaly::text::Flatten(std::span(&extracted.page, 1));
    benchmark::DoNotOptimize(flat.text.data());
  }
}
BENCHMARK(BM_ExtractAndOrderText)->Unit(benchmark::kMillisecond);

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration) continue;
      const double t = run.GetAdjustedRealTime();
      const std::string name = run.benchmark_name();
      if (name == "BM_PlayPage") play_ = t;
      if (name == "BM_ExtractAndOrderText") text_ = t;
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    if (play_ > 0 && text_ > 0) {
      std::printf("text layer / play: %.3f (goal: at most 0.5)\n",
                  text_ / play_);
    }
  }

 private:
  double play_ = 0;
  double text_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QGuiApplication app(argc, argv);
  QString control = QStringLiteral("Img_03");
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--control=", 10) == 0) {
      control = QString::fromLocal8Bit(argv[i] + 10);
    }
  }
  // The page with the most text of the topic.
  std::size_t best = 0;
  for (int i = 0; i < tessaly::content::PageCount(control); ++i) {
    const auto page = tessaly::content::LoadPage(control, i);
    if (!page) continue;
    const auto document = tessaly::emf::EmfDocument::Parse(
        std::as_bytes(std::span(page->constData(), page->size())));
    std::size_t characters = 0;
    for (const auto& run : tessaly::emf::ExtractText(document).page.runs) {
      characters += run.text.size();
    }
    if (characters > best) {
      best = characters;
      g_page = *page;
    }
  }
  if (g_page.isEmpty()) {
    std::fprintf(stderr, "no pages for %s\n", qPrintable(control));
    return 1;
  }
  std::printf("%s: page with %zu characters\n", qPrintable(control), best);
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
