#include "emf/writer/emf_stream.h"

#include <algorithm>
#include <cmath>

#include "emf/record_types.h"
#include "emf/writer/record_builder.h"

namespace tessaly::emf {
namespace {

int ToReferencePixels(int hundredths_of_mm, int device_px, int device_mm) {
  return static_cast<int>(std::lround(static_cast<double>(hundredths_of_mm) *
                                      device_px / (device_mm * 100.0)));
}

}  // namespace

EmfStream::EmfStream(QSize frame)
    : frame_(frame),
      reference_frame_(
          ToReferencePixels(frame.width(), kReferenceDeviceWidthPx,
                            kReferenceDeviceWidthMm),
          ToReferencePixels(frame.height(), kReferenceDeviceHeightPx,
                            kReferenceDeviceHeightMm)) {
  records_.reserve(qsizetype{64} * 1024);
}

void EmfStream::Append(const QByteArray& record) {
  records_.append(record);
  ++record_count_;
}

void EmfStream::NoteHandle(std::uint32_t slot) {
  max_slot_ = std::max(max_slot_, slot);
}

QByteArray EmfStream::Finish() const {
  constexpr std::uint32_t kHeaderSize = 108;
  constexpr std::uint32_t kEofSize = 20;
  const auto total =
      static_cast<std::uint32_t>(kHeaderSize + records_.size() + kEofSize);
  RecordBuilder header(RecordType::kHeader);
  header.Rect(0, 0, reference_frame_.width() - 1, reference_frame_.height() - 1)
      .Rect(0, 0, frame_.width(), frame_.height())
      .U32(kEmfSignature)
      .U32(0x10000)
      .U32(total)
      .U32(record_count_ + 2)
      .U16(static_cast<std::uint16_t>(max_slot_ + 1))
      .U16(0)
      .U32(0)  // description: none
      .U32(0)
      .U32(0)  // palette entries
      .I32(kReferenceDeviceWidthPx)
      .I32(kReferenceDeviceHeightPx)
      .I32(kReferenceDeviceWidthMm)
      .I32(kReferenceDeviceHeightMm)
      .U32(0)  // pixel format
      .U32(0)
      .U32(0)  // not OpenGL
      .I32(kReferenceDeviceWidthMm * 1000)
      .I32(kReferenceDeviceHeightMm * 1000);
  RecordBuilder eof(RecordType::kEof);
  eof.U32(0).U32(16).U32(kEofSize);

  QByteArray stream = header.Take();
  stream.reserve(total);
  stream.append(records_);
  stream.append(eof.Take());
  return stream;
}

}  // namespace tessaly::emf
