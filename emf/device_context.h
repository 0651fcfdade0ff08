// The device context a stream builds up as it plays: state records, saved
// states and the object table. Shared by the player and the text layer, so
// both see the same mapping, font and alignment at every record.
#ifndef TESSALY_EMF_DEVICE_CONTEXT_H_
#define TESSALY_EMF_DEVICE_CONTEXT_H_

#include <QColor>
#include <cstdint>
#include <optional>
#include <vector>

#include "emf/byte_view.h"
#include "emf/dc_state.h"
#include "emf/emf_error.h"
#include "emf/emf_header.h"
#include "emf/object_table.h"
#include "emf/record_types.h"

namespace tessaly::emf {

// A COLORREF: 0x00BBGGRR, or an index into the default palette.
QColor ReadColorRef(const ByteView& r, std::uint64_t offset);

class DeviceContext {
 public:
  // Which objects are made: all, or fonts alone for walks that only place
  // text (other creations then just empty their slot, cheaply).
  enum class Objects { kAll, kFontsOnly };
  // What a record changed, so that the player can refresh what it derives.
  enum class Change {
    kNone,      // not a record of the device context
    kState,     // colours, modes, objects
    kMapping,   // the logical -> reference mapping
    kRestored,  // a saved state came back (mapping and clip included)
  };

  static constexpr std::size_t kMaxSaveDepth = 1024;

  explicit DeviceContext(const EmfHeader& header,
                         Objects objects = Objects::kAll);

  DcState& state() { return state_; }
  const DcState& state() const { return state_; }

  // Applies a record of the device context. `r` holds at least the type's
  // fixed part. A damaged record sets `error` and changes nothing.
  Change Apply(RecordType type, const ByteView& r,
               std::optional<EmfErrorCode>& error);

 private:
  void SaveDc();
  bool RestoreDc(std::int32_t which);
  void SelectObject(std::uint32_t index);
  void SelectStockObject(StockObject object);

  Objects objects_kind_;
  DcState state_;
  std::vector<DcState> saved_;
  ObjectTable objects_;
};

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_DEVICE_CONTEXT_H_
