#include "emf/emf_document.h"

#include <algorithm>

#include "emf/record_types.h"

namespace tessaly::emf {

namespace {

constexpr std::size_t kMinHeaderSize = 88;

EmfRect ReadRect(const ByteView& view, std::uint64_t offset) {
  return {view.I32(offset), view.I32(offset + 4), view.I32(offset + 8),
          view.I32(offset + 12)};
}

}  // namespace

EmfDocument EmfDocument::Parse(std::span<const std::byte> data) {
  EmfDocument doc;
  doc.data_ =
      std::make_shared<const std::vector<std::byte>>(data.begin(), data.end());
  const ByteView all(*doc.data_);

  if (all.size() < kMinHeaderSize) {
    doc.error_ = EmfError{EmfErrorCode::kTooShort, 0};
    return doc;
  }
  const std::uint32_t header_size = all.U32(4);
  if (all.U32(0) != static_cast<std::uint32_t>(RecordType::kHeader) ||
      all.U32(40) != kEmfSignature || header_size < kMinHeaderSize ||
      header_size % 4 != 0 || header_size > all.size()) {
    doc.error_ = EmfError{EmfErrorCode::kNotEmf, 0};
    return doc;
  }

  EmfHeader& h = doc.header_;
  h.bounds = ReadRect(all, 8);
  h.frame = ReadRect(all, 24);
  h.version = all.U32(44);
  h.bytes = all.U32(48);
  h.records = all.U32(52);
  h.handles = all.U16(56);
  h.device_px = {all.I32(72), all.I32(76)};
  h.device_mm = {all.I32(80), all.I32(84)};
  doc.valid_ = true;

  // A declared length shorter than the header is a writer's mistake, not a
  // reason to lose the page: then the data's own length counts.
  std::uint64_t end = all.size();
  if (h.bytes >= header_size) end = std::min<std::uint64_t>(end, h.bytes);

  std::uint64_t offset = 0;
  int index = 0;
  while (offset < end) {
    if (end - offset < 8) {
      doc.error_ = EmfError{EmfErrorCode::kRecordPastEnd, index};
      break;
    }
    const std::uint32_t type = all.U32(offset);
    const std::uint32_t size = all.U32(offset + 4);
    if (size < 8 || size % 4 != 0) {
      doc.error_ = EmfError{EmfErrorCode::kBadRecordSize, index};
      break;
    }
    if (size > end - offset) {
      doc.error_ = EmfError{EmfErrorCode::kRecordPastEnd, index};
      break;
    }
    if (doc.records_.size() >= kMaxRecords) {
      doc.error_ = EmfError{EmfErrorCode::kTooManyRecords, index};
      break;
    }
    doc.records_.push_back({type, all.Sub(offset, size)});
    offset += size;
    ++index;
    if (type == static_cast<std::uint32_t>(RecordType::kEof)) break;
  }
  return doc;
}

QSize EmfDocument::NaturalSize() const {
  if (!valid_) return {};
  const std::int64_t w =
      std::int64_t{header_.frame.right} - std::int64_t{header_.frame.left};
  const std::int64_t h =
      std::int64_t{header_.frame.bottom} - std::int64_t{header_.frame.top};
  return {std::max(0, FrameToPixels(w)), std::max(0, FrameToPixels(h))};
}

}  // namespace tessaly::emf
