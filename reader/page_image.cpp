#include "reader/page_image.h"

#include <QPainter>
#include <span>

#include "emf/emf_document.h"
#include "emf/emf_player.h"

namespace tessaly::reader {

PageImage::PageImage(const QString& name, const QByteArray& page,
                     QWidget* parent)
    : QWidget(parent),
      document_(std::make_unique<emf::EmfDocument>(
          emf::EmfDocument::Parse(std::as_bytes(std::span(
              page.constData(), static_cast<std::size_t>(page.size())))))) {
  setObjectName(name);
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(document_->NaturalSize());
}

PageImage::~PageImage() = default;

void PageImage::paintEvent(QPaintEvent*) {
  const qreal ratio = devicePixelRatioF();
  if (cache_.isNull() || cache_.devicePixelRatio() != ratio) {
    cache_ = emf::RenderPage(*document_, ratio);
    ++render_count_;
  }
  QPainter painter(this);
  painter.drawImage(0, 0, cache_);
}

}  // namespace tessaly::reader
