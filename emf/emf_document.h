// A parsed EMF stream: its header and the framing of its records, checked.
#ifndef TESSALY_EMF_EMF_DOCUMENT_H_
#define TESSALY_EMF_EMF_DOCUMENT_H_

#include <QSize>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "emf/byte_view.h"
#include "emf/emf_error.h"
#include "emf/emf_header.h"

namespace tessaly::emf {

// One record of the stream: its type and its bytes (size prefix included).
struct EmfRecord {
  std::uint32_t type = 0;
  ByteView bytes;
};

// Owns a copy of the stream. Parse never fails outright: it keeps the records
// up to the first one whose framing is bad and remembers why it stopped, so a
// damaged page still draws what precedes the damage.
class EmfDocument {
 public:
  // More records than any page needs; every record has at least 8 bytes, so
  // this only bounds streams of many tiny records.
  static constexpr std::size_t kMaxRecords = 1 << 20;

  static EmfDocument Parse(std::span<const std::byte> data);

  // False when there is no usable header; such a document draws nothing.
  bool valid() const { return valid_; }
  const EmfHeader& header() const { return header_; }
  // Records in stream order, the header first, up to EOF or the first bad one.
  std::span<const EmfRecord> records() const { return records_; }
  // Why parsing stopped early, if it did.
  const std::optional<EmfError>& error() const { return error_; }

  // The frame at 96 pixels per inch, rounded; empty for an invalid document.
  QSize NaturalSize() const;

 private:
  // Shared and immutable, so copies of a document keep valid record views.
  std::shared_ptr<const std::vector<std::byte>> data_;
  EmfHeader header_;
  std::vector<EmfRecord> records_;
  std::optional<EmfError> error_;
  bool valid_ = false;
};

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_EMF_DOCUMENT_H_
