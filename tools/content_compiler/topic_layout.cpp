#include "tools/content_compiler/topic_layout.h"

#include <QFont>
#include <QImage>
#include <QStringList>

#include "tools/content_compiler/body_markup.h"
#include "tools/content_compiler/questionnaire_markup.h"

namespace tessaly::content_compiler {

TopicLayout LayOutTopic(const TopicSource& source,
                        QPaintDevice* layout_device) {
  TopicLayout layout;
  layout.source = source;
  std::vector<MarkupBlock> blocks = ParseBodyMarkup(source.body);
  RenderDataTokens(blocks);
  layout.document = BuildTopicDocument(blocks, layout_device);
  layout.units =
      CollectFlowUnits(*layout.document.document, layout.document.page_breaks);
  layout.flow = FlowPages(layout.units, source.frames);
  return layout;
}

QString DescribeFlowError(const TopicLayout& layout) {
  const FlowResult& flow = layout.flow;
  const QString topic =
      QStringLiteral("%1 (%2)").arg(layout.source.title, layout.source.control);
  if (layout.units.empty()) {
    return QStringLiteral("%1: the topic has no text").arg(topic);
  }
  const int pages = static_cast<int>(flow.pages.size());
  switch (flow.error) {
    case FlowError::kNone:
      return {};
    case FlowError::kTextDoesNotFit:
      if (flow.leftover_units > 0 && flow.error_page == pages - 1) {
        return QStringLiteral(
                   "%1: text does not fit on page %2 of %3 (%4): %5 lines, "
                   "%6 px left over")
            .arg(topic)
            .arg(flow.error_page + 1)
            .arg(pages)
            .arg(PageFileName(layout.source.control, flow.error_page))
            .arg(flow.leftover_units)
            .arg(std::ceil(flow.leftover_px));
      }
      return QStringLiteral(
                 "%1: text does not fit on page %2 of %3 (%4): a line or "
                 "table row is taller than the page")
          .arg(topic)
          .arg(flow.error_page + 1)
          .arg(pages)
          .arg(PageFileName(layout.source.control, flow.error_page));
    case FlowError::kEmptyPage:
      return QStringLiteral("%1: page %2 of %3 (%4) is left empty")
          .arg(topic)
          .arg(flow.error_page + 1)
          .arg(pages)
          .arg(PageFileName(layout.source.control, flow.error_page));
  }
  return {};
}

QString PageFileName(const QString& control, int index) {
  return QStringLiteral("%1_%2.emf").arg(control).arg(index);
}

QPaintDevice* LayoutDevice() {
  static QImage device = [] {
    QImage image(1, 1, QImage::Format_RGB32);
    // 96 dpi.
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    return image;
  }();
  return &device;
}

}  // namespace tessaly::content_compiler
