#include "emf/emf_error.h"

namespace tessaly::emf {

namespace {

const char* CodeText(EmfErrorCode code) {
  switch (code) {
    case EmfErrorCode::kTooShort:
      return "stream shorter than an EMF header";
    case EmfErrorCode::kNotEmf:
      return "not an EMF stream (no header record with the EMF signature)";
    case EmfErrorCode::kBadRecordSize:
      return "record size below 8 or not a multiple of 4";
    case EmfErrorCode::kRecordPastEnd:
      return "record runs past the end of the stream";
    case EmfErrorCode::kTooManyRecords:
      return "too many records";
    case EmfErrorCode::kRecordTooShort:
      return "record shorter than the fixed part of its type";
    case EmfErrorCode::kFieldOutsideRecord:
      return "string, array, bitmap or region lies outside its record";
    case EmfErrorCode::kBadCount:
      return "count out of range";
    case EmfErrorCode::kBadBitmap:
      return "bitmap header inconsistent with its data";
    case EmfErrorCode::kBudgetExceeded:
      return "drawing budget of the page exceeded";
  }
  return "unknown error";
}

}  // namespace

std::string EmfError::Describe() const {
  return "record " + std::to_string(record_index) + ": " + CodeText(code);
}

}  // namespace tessaly::emf
