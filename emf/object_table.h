// The object table of a stream: pens, brushes and fonts in numbered slots.
#ifndef TESSALY_EMF_OBJECT_TABLE_H_
#define TESSALY_EMF_OBJECT_TABLE_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "emf/gdi_objects.h"

namespace tessaly::emf {

// Slot 0 is the picture itself and never holds an object. Creating into a
// used slot replaces its object (streams reuse numbers soon after deleting,
// often for another kind); the table grows on demand up to a hard cap.
class ObjectTable {
 public:
  static constexpr std::size_t kMaxObjects = 65536;

  // `handles` is the header's table size, slot 0 included.
  explicit ObjectTable(std::size_t handles = 0);

  void Store(std::uint32_t slot, GdiObject object);
  void Delete(std::uint32_t slot);
  // The object in `slot`, or nothing for an empty or impossible slot.
  const GdiObject* Find(std::uint32_t slot) const;

 private:
  std::vector<std::optional<GdiObject>> slots_;
};

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_OBJECT_TABLE_H_
