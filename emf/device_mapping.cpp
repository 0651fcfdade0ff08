#include "emf/device_mapping.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tessaly::emf {

namespace {

constexpr double kMaxScale = 1e6;
constexpr double kMaxTranslation = 1e9;

bool Scalable(MapMode mode) {
  return mode == MapMode::kIsotropic || mode == MapMode::kAnisotropic;
}

}  // namespace

bool IsUsableTransform(const QTransform& t) {
  const std::array<double, 6> values = {t.m11(), t.m12(), t.m21(),
                                        t.m22(), t.dx(),  t.dy()};
  for (double v : values) {
    if (!std::isfinite(v) || std::abs(v) > kMaxTranslation) return false;
  }
  const double det = t.m11() * t.m22() - t.m12() * t.m21();
  return std::abs(det) >= 1e-12 && std::abs(t.m11()) <= kMaxScale &&
         std::abs(t.m12()) <= kMaxScale && std::abs(t.m21()) <= kMaxScale &&
         std::abs(t.m22()) <= kMaxScale;
}

void DeviceMapping::SetMapMode(MapMode mode) {
  if (mode == MapMode::kText) window_ext_ = viewport_ext_ = QSizeF(1, 1);
  map_mode_ = mode;
}

void DeviceMapping::SetWindowExtent(std::int32_t cx, std::int32_t cy) {
  if (Scalable(map_mode_) && cx != 0 && cy != 0) window_ext_ = QSizeF(cx, cy);
}

void DeviceMapping::SetViewportExtent(std::int32_t cx, std::int32_t cy) {
  if (Scalable(map_mode_) && cx != 0 && cy != 0) {
    viewport_ext_ = QSizeF(cx, cy);
  }
}

void DeviceMapping::SetWorld(const QTransform& world) {
  if (IsUsableTransform(world)) world_ = world;
}

void DeviceMapping::ModifyWorld(const QTransform& x, WorldTransformMode mode) {
  switch (mode) {
    case WorldTransformMode::kIdentity:
      world_ = QTransform();
      return;
    case WorldTransformMode::kLeftMultiply:
      // Qt's row vectors: the left factor acts first.
      if (IsUsableTransform(x)) SetWorld(x * world_);
      return;
    case WorldTransformMode::kRightMultiply:
      if (IsUsableTransform(x)) SetWorld(world_ * x);
      return;
    case WorldTransformMode::kSet:
      SetWorld(x);
      return;
  }
}

QTransform DeviceMapping::WindowToViewport() const {
  double sx = 1;
  double sy = 1;
  // Units per millimetre of the fixed modes; y grows upwards in them.
  double fixed_units_per_mm = 0;
  switch (map_mode_) {
    case MapMode::kText:
      break;
    case MapMode::kIsotropic:
    case MapMode::kAnisotropic:
      sx = viewport_ext_.width() / window_ext_.width();
      sy = viewport_ext_.height() / window_ext_.height();
      if (map_mode_ == MapMode::kIsotropic) {
        const double s = std::min(std::abs(sx), std::abs(sy));
        sx = std::copysign(s, sx);
        sy = std::copysign(s, sy);
      }
      break;
    case MapMode::kLoMetric:
      fixed_units_per_mm = 10;
      break;
    case MapMode::kHiMetric:
      fixed_units_per_mm = 100;
      break;
    case MapMode::kLoEnglish:
      fixed_units_per_mm = 100 / 25.4;
      break;
    case MapMode::kHiEnglish:
      fixed_units_per_mm = 1000 / 25.4;
      break;
    case MapMode::kTwips:
      fixed_units_per_mm = 1440 / 25.4;
      break;
  }
  if (fixed_units_per_mm > 0 && device_mm_.cx > 0 && device_mm_.cy > 0) {
    sx = device_px_.cx / (device_mm_.cx * fixed_units_per_mm);
    sy = -device_px_.cy / (device_mm_.cy * fixed_units_per_mm);
  }
  return QTransform(sx, 0, 0, sy, viewport_org_.x() - window_org_.x() * sx,
                    viewport_org_.y() - window_org_.y() * sy);
}

}  // namespace tessaly::emf
