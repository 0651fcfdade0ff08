#include "tests/emf_writer/emf_stream_checks.h"

#include <uemf.h>
#include <uemf_endian.h>
#include <uemf_safe.h>

#include <QStringList>
#include <map>
#include <set>

#include "emf/record_types.h"

namespace tessaly::emf::testing {

std::uint32_t ReadU32(const QByteArray& bytes, std::uint32_t offset) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) {
    value = value << 8 | static_cast<std::uint8_t>(bytes[offset + i]);
  }
  return value;
}

std::int32_t ReadI32(const QByteArray& bytes, std::uint32_t offset) {
  return static_cast<std::int32_t>(ReadU32(bytes, offset));
}

StreamCheck CheckStream(const QByteArray& stream) {
  StreamCheck check;
  QStringList& problems = check.problems;
  const auto size = static_cast<std::uint32_t>(stream.size());
  if (size < 108 || ReadU32(stream, 0) != 1 ||
      ReadU32(stream, 40) != kEmfSignature) {
    problems << QStringLiteral("no EMF header");
    return check;
  }
  if (ReadU32(stream, 48) != size) {
    problems << QStringLiteral("header byte count %1, stream %2")
                    .arg(ReadU32(stream, 48))
                    .arg(size);
  }
  const std::uint32_t handles = ReadU32(stream, 56) & 0xFFFF;

  // Slot -> kind of the object in it (pen 1, brush 2, font 3).
  std::map<std::uint32_t, int> objects;
  // Kind -> slot selected now; saved copies for SAVEDC.
  std::map<int, std::uint32_t> selected;
  std::vector<std::map<int, std::uint32_t>> saved;
  const char* const limit = stream.constData() + size;
  std::uint32_t offset = 0;
  while (offset < size) {
    const char* record = stream.constData() + offset;
    uint32_t record_size = 0;
    uint32_t type = 0;
    if (!U_emf_record_sizeok(record, limit, &record_size, &type, 1)) {
      problems
          << QStringLiteral("record at %1 fails the size check").arg(offset);
      break;
    }
    if (!U_emf_record_safe(record)) {
      problems << QStringLiteral("record %1 (type %2) fails the safety check")
                      .arg(check.records.size())
                      .arg(type);
    }
    check.records.push_back({type, offset, record_size});
    const auto kind_of = [](std::uint32_t t) {
      switch (static_cast<RecordType>(t)) {
        case RecordType::kCreatePen:
        case RecordType::kExtCreatePen:
          return 1;
        case RecordType::kCreateBrushIndirect:
          return 2;
        case RecordType::kExtCreateFontIndirectW:
          return 3;
        default:
          return 0;
      }
    };
    if (const int kind = kind_of(type); kind != 0) {
      const std::uint32_t slot = ReadU32(stream, offset + 8);
      if (slot == 0 || slot >= handles) {
        problems << QStringLiteral("object slot %1 outside the table of %2")
                        .arg(slot)
                        .arg(handles);
      }
      if (objects.count(slot)) {
        problems << QStringLiteral("slot %1 created twice").arg(slot);
      }
      objects[slot] = kind;
    } else if (type == static_cast<std::uint32_t>(RecordType::kSelectObject)) {
      const std::uint32_t slot = ReadU32(stream, offset + 8);
      if (!(slot & kStockObjectFlag)) {
        if (!objects.count(slot)) {
          problems << QStringLiteral("select of empty slot %1").arg(slot);
        } else {
          selected[objects[slot]] = slot;
        }
      } else {
        const std::uint32_t stock = slot & ~kStockObjectFlag;
        selected[stock <= 5 ? 2 : stock <= 8 ? 1 : 3] = 0;
      }
    } else if (type == static_cast<std::uint32_t>(RecordType::kDeleteObject)) {
      const std::uint32_t slot = ReadU32(stream, offset + 8);
      if (!objects.count(slot)) {
        problems << QStringLiteral("delete of empty slot %1").arg(slot);
      }
      bool in_use = false;
      for (const auto& [kind, s] : selected) in_use = in_use || s == slot;
      for (const auto& state : saved) {
        for (const auto& [kind, s] : state) in_use = in_use || s == slot;
      }
      if (in_use) {
        problems << QStringLiteral("delete of selected object %1").arg(slot);
      }
      objects.erase(slot);
    } else if (type == static_cast<std::uint32_t>(RecordType::kSaveDc)) {
      saved.push_back(selected);
    } else if (type == static_cast<std::uint32_t>(RecordType::kRestoreDc)) {
      if (saved.empty() || ReadI32(stream, offset + 8) != -1) {
        problems << QStringLiteral("unbalanced RESTOREDC");
      } else {
        selected = saved.back();
        saved.pop_back();
      }
    }
    offset += record_size;
    if (type == static_cast<std::uint32_t>(RecordType::kEof)) break;
  }
  if (offset != size) {
    problems << QStringLiteral("%1 bytes after EOF").arg(size - offset);
  }
  if (check.records.empty() ||
      check.records.back().type !=
          static_cast<std::uint32_t>(RecordType::kEof)) {
    problems << QStringLiteral("the stream does not end with EOF");
  }
  if (ReadU32(stream, 52) != check.records.size()) {
    problems << QStringLiteral("header record count %1, stream %2")
                    .arg(ReadU32(stream, 52))
                    .arg(check.records.size());
  }
  if (!saved.empty()) problems << QStringLiteral("SAVEDC left open");
  return check;
}

std::vector<TextRun> TextRuns(const QByteArray& stream) {
  std::vector<TextRun> runs;
  std::map<std::uint32_t, TextRun> fonts;
  TextRun current;
  // RESTOREDC brings back the font selected at the SAVEDC.
  std::vector<TextRun> saved;
  for (const StreamRecord& record : CheckStream(stream).records) {
    const std::uint32_t at = record.offset;
    switch (static_cast<RecordType>(record.type)) {
      case RecordType::kSaveDc:
        saved.push_back(current);
        break;
      case RecordType::kRestoreDc:
        if (!saved.empty()) {
          current = saved.back();
          saved.pop_back();
        }
        break;
      case RecordType::kExtCreateFontIndirectW: {
        TextRun font;
        font.height = ReadI32(stream, at + 12);
        font.weight = ReadI32(stream, at + 28);
        font.charset = static_cast<std::uint8_t>(stream[at + 35]);
        QString face;
        for (std::uint32_t i = 0; i < 32; ++i) {
          const auto unit = static_cast<char16_t>(
              static_cast<std::uint8_t>(stream[at + 40 + 2 * i]) |
              static_cast<std::uint8_t>(stream[at + 41 + 2 * i]) << 8);
          if (unit == 0) break;
          face += QChar(unit);
        }
        font.face = face;
        fonts[ReadU32(stream, at + 8)] = font;
        break;
      }
      case RecordType::kDeleteObject:
        fonts.erase(ReadU32(stream, at + 8));
        break;
      case RecordType::kSelectObject:
        if (const auto it = fonts.find(ReadU32(stream, at + 8));
            it != fonts.end()) {
          current = it->second;
        }
        break;
      case RecordType::kExtTextOutW: {
        TextRun run = current;
        run.x = ReadI32(stream, at + 36);
        run.y = ReadI32(stream, at + 40);
        const std::uint32_t n = ReadU32(stream, at + 44);
        const std::uint32_t text_at = at + ReadU32(stream, at + 48);
        for (std::uint32_t i = 0; i < n; ++i) {
          run.text += QChar(static_cast<char16_t>(
              static_cast<std::uint8_t>(stream[text_at + 2 * i]) |
              static_cast<std::uint8_t>(stream[text_at + 2 * i + 1]) << 8));
        }
        const std::uint32_t dx_at = at + ReadU32(stream, at + 72);
        for (std::uint32_t i = 0; i < n; ++i) {
          run.advance += ReadI32(stream, dx_at + 4 * i);
        }
        runs.push_back(run);
        break;
      }
      default:
        break;
    }
  }
  return runs;
}

}  // namespace tessaly::emf::testing
