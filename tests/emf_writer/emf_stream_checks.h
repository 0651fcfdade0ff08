// Walks a written EMF stream and checks what every reader relies on: the
// header's byte, record and handle counts, EOF last, libUEMF's record
// checks, and that objects are never used after deletion.
#ifndef TESSALY_TESTS_EMF_WRITER_EMF_STREAM_CHECKS_H_
#define TESSALY_TESTS_EMF_WRITER_EMF_STREAM_CHECKS_H_

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace tessaly::emf::testing {

struct StreamRecord {
  std::uint32_t type = 0;
  std::uint32_t offset = 0;
  std::uint32_t size = 0;
};

struct StreamCheck {
  std::vector<StreamRecord> records;
  QStringList problems;  // empty when the stream is sound
};

StreamCheck CheckStream(const QByteArray& stream);

// A text record with the font selected for it.
struct TextRun {
  QString face;
  int charset = 0;
  int height = 0;
  int weight = 0;
  QString text;
  std::int32_t x = 0;  // reference point, logical units
  std::int32_t y = 0;
  std::int64_t advance = 0;  // sum of dx, logical units
};

std::vector<TextRun> TextRuns(const QByteArray& stream);

std::uint32_t ReadU32(const QByteArray& bytes, std::uint32_t offset);
std::int32_t ReadI32(const QByteArray& bytes, std::uint32_t offset);

}  // namespace tessaly::emf::testing

#endif  // TESSALY_TESTS_EMF_WRITER_EMF_STREAM_CHECKS_H_
