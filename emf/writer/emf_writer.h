// A paint device that records QPainter drawing as one EMF page. Pages come
// out at the natural size of their frame: 14650 x 24213 (0.01 mm) is a
// 554 x 915 pixel device.
#ifndef TESSALY_EMF_WRITER_EMF_WRITER_H_
#define TESSALY_EMF_WRITER_EMF_WRITER_H_

#include <QByteArray>
#include <QPaintDevice>
#include <QSize>
#include <memory>

namespace tessaly::emf {

class EmfPaintEngine;

class EmfWriter : public QPaintDevice {
 public:
  // The frame in 0.01 mm, written into the header as given.
  EmfWriter(int frame_width, int frame_height);
  ~EmfWriter() override;

  EmfWriter(const EmfWriter&) = delete;
  EmfWriter& operator=(const EmfWriter&) = delete;

  QPaintEngine* paintEngine() const override;

  // Size in pixels (the natural size of the frame).
  QSize PixelSize() const { return pixel_size_; }

  // The complete stream of everything painted so far; end the painter first.
  QByteArray Finish() const;

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  QSize frame_;
  QSize pixel_size_;
  std::unique_ptr<EmfPaintEngine> engine_;
};

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_WRITER_EMF_WRITER_H_
