#include "emf/writer/record_builder.h"

#include <bit>
#include <cstring>

namespace tessaly::emf {

RecordBuilder::RecordBuilder(RecordType type) {
  bytes_.reserve(64);
  U32(static_cast<std::uint32_t>(type));
  U32(0);  // size, set by Take()
}

RecordBuilder& RecordBuilder::U8(std::uint8_t value) {
  bytes_.append(static_cast<char>(value));
  return *this;
}

RecordBuilder& RecordBuilder::U16(std::uint16_t value) {
  U8(static_cast<std::uint8_t>(value));
  return U8(static_cast<std::uint8_t>(value >> 8));
}

RecordBuilder& RecordBuilder::U32(std::uint32_t value) {
  const char le[4] = {static_cast<char>(value), static_cast<char>(value >> 8),
                      static_cast<char>(value >> 16),
                      static_cast<char>(value >> 24)};
  bytes_.append(le, 4);
  return *this;
}

RecordBuilder& RecordBuilder::I16(std::int16_t value) {
  return U16(static_cast<std::uint16_t>(value));
}

RecordBuilder& RecordBuilder::I32(std::int32_t value) {
  return U32(static_cast<std::uint32_t>(value));
}

RecordBuilder& RecordBuilder::F32(float value) {
  return U32(std::bit_cast<std::uint32_t>(value));
}

RecordBuilder& RecordBuilder::Rect(std::int32_t left, std::int32_t top,
                                   std::int32_t right, std::int32_t bottom) {
  return I32(left).I32(top).I32(right).I32(bottom);
}

RecordBuilder& RecordBuilder::Bytes(const QByteArray& bytes) {
  bytes_.append(bytes);
  return *this;
}

RecordBuilder& RecordBuilder::Utf16(QStringView text) {
  for (const QChar c : text) U16(c.unicode());
  return *this;
}

RecordBuilder& RecordBuilder::PadTo4() {
  while (bytes_.size() % 4 != 0) bytes_.append('\0');
  return *this;
}

void RecordBuilder::PatchU32(std::uint32_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) {
    bytes_[offset + i] = static_cast<char>(value >> (8 * i));
  }
}

QByteArray RecordBuilder::Take() {
  PadTo4();
  // The reader refuses records shorter than their type's fixed part.
  Q_ASSERT(bytes_.size() >= MinimumRecordSize(static_cast<RecordType>(
                                static_cast<std::uint8_t>(bytes_[0]) |
                                static_cast<std::uint8_t>(bytes_[1]) << 8)));
  PatchU32(4, static_cast<std::uint32_t>(bytes_.size()));
  return std::move(bytes_);
}

}  // namespace tessaly::emf
