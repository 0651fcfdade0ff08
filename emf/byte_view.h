// Bounds-checked little-endian reads from untrusted bytes (records, DIBs).
#ifndef TESSALY_EMF_BYTE_VIEW_H_
#define TESSALY_EMF_BYTE_VIEW_H_

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace tessaly::emf {

// Every read checks `offset + width <= size` in 64-bit arithmetic; a read
// outside the bytes yields 0 and clears ok(), so callers can read a whole
// fixed part and check once.
class ByteView {
 public:
  ByteView() = default;
  explicit ByteView(std::span<const std::byte> bytes) : bytes_(bytes) {}

  std::size_t size() const { return bytes_.size(); }
  bool ok() const { return ok_; }
  std::span<const std::byte> bytes() const { return bytes_; }

  bool Contains(std::uint64_t offset, std::uint64_t length) const {
    return offset <= bytes_.size() && length <= bytes_.size() - offset;
  }

  // The sub-range, or an empty view with ok() false when it does not fit.
  ByteView Sub(std::uint64_t offset, std::uint64_t length) const {
    if (!Contains(offset, length)) {
      ByteView bad;
      bad.ok_ = false;
      return bad;
    }
    return ByteView(bytes_.subspan(offset, length));
  }

  std::uint8_t U8(std::uint64_t offset) const {
    return Read<std::uint8_t>(offset);
  }
  std::uint16_t U16(std::uint64_t offset) const {
    return Read<std::uint16_t>(offset);
  }
  std::int16_t I16(std::uint64_t offset) const {
    return Read<std::int16_t>(offset);
  }
  std::uint32_t U32(std::uint64_t offset) const {
    return Read<std::uint32_t>(offset);
  }
  std::int32_t I32(std::uint64_t offset) const {
    return Read<std::int32_t>(offset);
  }
  float F32(std::uint64_t offset) const { return Read<float>(offset); }

 private:
  template <typename T>
  T Read(std::uint64_t offset) const {
    T value{};
    if (!Contains(offset, sizeof(T))) {
      ok_ = false;
      return value;
    }
    std::memcpy(&value, bytes_.data() + offset, sizeof(T));
    return value;  // The hosts we build for are little-endian.
  }

  std::span<const std::byte> bytes_;
  mutable bool ok_ = true;
};

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_BYTE_VIEW_H_
