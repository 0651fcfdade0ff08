#include "emf/object_table.h"

#include <algorithm>

namespace tessaly::emf {

ObjectTable::ObjectTable(std::size_t handles)
    : slots_(std::min(handles, kMaxObjects)) {}

void ObjectTable::Store(std::uint32_t slot, GdiObject object) {
  if (slot == 0 || slot >= kMaxObjects) return;
  if (slot >= slots_.size()) slots_.resize(slot + 1);
  slots_[slot] = std::move(object);
}

void ObjectTable::Delete(std::uint32_t slot) {
  if (slot < slots_.size()) slots_[slot].reset();
}

const GdiObject* ObjectTable::Find(std::uint32_t slot) const {
  if (slot == 0 || slot >= slots_.size() || !slots_[slot]) return nullptr;
  return &*slots_[slot];
}

}  // namespace tessaly::emf
