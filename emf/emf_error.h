// Why a stream stopped drawing: an error code plus the record it was found in.
#ifndef TESSALY_EMF_EMF_ERROR_H_
#define TESSALY_EMF_EMF_ERROR_H_

#include <string>

namespace tessaly::emf {

enum class EmfErrorCode {
  kTooShort,            // fewer bytes than a header record
  kNotEmf,              // first record is not a header with the EMF signature
  kBadRecordSize,       // size below 8 or not a multiple of 4
  kRecordPastEnd,       // the record's size runs past the end of the stream
  kTooManyRecords,      // more records than a page may have
  kRecordTooShort,      // smaller than the fixed part of its type
  kFieldOutsideRecord,  // a string, array, bitmap or region outside the record
  kBadCount,            // a point, polygon, glyph or entry count out of range
  kBadBitmap,           // a bitmap header that is inconsistent with its data
  kBudgetExceeded,      // too much drawing work for one page
};

struct EmfError {
  EmfErrorCode code;
  // Index of the offending record in the stream (0 = the header).
  int record_index = 0;

  // A one-line English description for logs and command-line tools.
  std::string Describe() const;

  bool operator==(const EmfError&) const = default;
};

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_EMF_ERROR_H_
