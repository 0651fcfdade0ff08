// Builds one EMF record in little-endian byte order; the size field is
// filled in and the record padded to four bytes when it is taken.
#ifndef TESSALY_EMF_WRITER_RECORD_BUILDER_H_
#define TESSALY_EMF_WRITER_RECORD_BUILDER_H_

#include <QByteArray>
#include <QStringView>
#include <cstdint>

#include "emf/record_types.h"

namespace tessaly::emf {

class RecordBuilder {
 public:
  explicit RecordBuilder(RecordType type);

  RecordBuilder& U8(std::uint8_t value);
  RecordBuilder& U16(std::uint16_t value);
  RecordBuilder& U32(std::uint32_t value);
  RecordBuilder& I16(std::int16_t value);
  RecordBuilder& I32(std::int32_t value);
  RecordBuilder& F32(float value);
  RecordBuilder& Rect(std::int32_t left, std::int32_t top, std::int32_t right,
                      std::int32_t bottom);
  RecordBuilder& Bytes(const QByteArray& bytes);
  // UTF-16 code units, no terminator.
  RecordBuilder& Utf16(QStringView text);
  RecordBuilder& PadTo4();

  // Byte offset from the record start of the next value.
  std::uint32_t Offset() const {
    return static_cast<std::uint32_t>(bytes_.size());
  }
  // Overwrites a u32 written earlier (offsets known only later).
  void PatchU32(std::uint32_t offset, std::uint32_t value);

  // The finished record.
  QByteArray Take();

 private:
  QByteArray bytes_;
};

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_WRITER_RECORD_BUILDER_H_
