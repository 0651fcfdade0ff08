// One page picture of the reader: an EMF page shown unscaled at its natural
// size. The page is played once per device pixel ratio and kept, so moving
// or repainting the page only copies pixels.
#ifndef TESSALY_READER_PAGE_IMAGE_H_
#define TESSALY_READER_PAGE_IMAGE_H_

#include <QByteArray>
#include <QImage>
#include <QWidget>
#include <memory>

namespace tessaly::emf {
class EmfDocument;
}

namespace tessaly::reader {

class PageImage : public QWidget {
  Q_OBJECT

 public:
  PageImage(const QString& name, const QByteArray& page, QWidget* parent);
  ~PageImage() override;

  // The natural size: the picture frame at 96 pixels per inch.
  QSize NaturalSize() const { return size(); }
  // How often the page has been played (once per device pixel ratio).
  int RenderCount() const { return render_count_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::unique_ptr<emf::EmfDocument> document_;
  QImage cache_;
  int render_count_ = 0;
};

}  // namespace tessaly::reader

#endif  // TESSALY_READER_PAGE_IMAGE_H_
