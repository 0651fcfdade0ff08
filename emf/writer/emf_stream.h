// Collects the records of one EMF page and puts header and end-of-file
// record around them.
#ifndef TESSALY_EMF_WRITER_EMF_STREAM_H_
#define TESSALY_EMF_WRITER_EMF_STREAM_H_

#include <QByteArray>
#include <QSize>
#include <cstdint>

namespace tessaly::emf {

class EmfStream {
 public:
  // `frame` is the picture frame in 0.01 mm.
  explicit EmfStream(QSize frame);

  void Append(const QByteArray& record);
  // Object table slots used so far, for the header's handle count.
  void NoteHandle(std::uint32_t slot);

  // The frame in pixels of the reference device.
  QSize ReferenceFrame() const { return reference_frame_; }

  // The complete stream: header, records, end of file.
  QByteArray Finish() const;

 private:
  QSize frame_;
  QSize reference_frame_;
  QByteArray records_;
  std::uint32_t record_count_ = 0;
  std::uint32_t max_slot_ = 0;
};

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_WRITER_EMF_STREAM_H_
