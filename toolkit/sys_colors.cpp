#include "toolkit/sys_colors.h"

#include <QApplication>
#include <QPalette>
#include <array>
#include <optional>

namespace tessaly::toolkit {
namespace {

std::optional<std::array<ColorRef, kSysColorCount>>& Table() {
  static std::optional<std::array<ColorRef, kSysColorCount>> table;
  return table;
}

// The classic desktop scheme fills the indexes that the palette has no role
// for.
std::array<ColorRef, kSysColorCount> InitialTable() {
  std::array<ColorRef, kSysColorCount> table{};
  table.fill(Rgb(192, 192, 192));
  const QPalette palette = QApplication::palette();
  const QPalette menu_palette = QApplication::palette("QMenu");
  table[kColorMenu] = ToColorRef(menu_palette.color(QPalette::Window));
  table[kColorWindow] = ToColorRef(palette.color(QPalette::Base));
  table[kColorWindowText] = ToColorRef(palette.color(QPalette::Text));
  // As on the classic desktop, the active border is the button face's grey.
  table[kColorButtonFace] = ToColorRef(palette.color(QPalette::Button));
  table[kColorActiveBorder] = table[kColorButtonFace];
  table[kColorButtonText] = ToColorRef(palette.color(QPalette::ButtonText));
  return table;
}

std::array<ColorRef, kSysColorCount>& CurrentTable() {
  auto& table = Table();
  if (!table) table = InitialTable();
  return *table;
}

}  // namespace

ColorRef GetSysColor(int index) {
  if (index < 0 || index >= kSysColorCount) return 0;
  return CurrentTable()[static_cast<std::size_t>(index)];
}

void SetSysColors(int count, const int* indexes, const ColorRef* values) {
  auto& table = CurrentTable();
  for (int i = 0; i < count; ++i) {
    const int index = indexes[i];
    if (index < 0 || index >= kSysColorCount) continue;
    table[static_cast<std::size_t>(index)] = values[i] & 0x00FFFFFFu;
    Q_EMIT SysColors::Instance().Changed(index);
  }
}

QColor ResolveColor(ColorRef value) {
  if (IsSysColorRef(value)) value = GetSysColor(static_cast<int>(value & 0xFF));
  return QColor(static_cast<int>(value & 0xFF),
                static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

ColorRef ToColorRef(const QColor& color) {
  return Rgb(color.red(), color.green(), color.blue());
}

SysColors& SysColors::Instance() {
  // Lives as long as the program; parentless so it outlives every window.
  static SysColors* instance = new SysColors();
  return *instance;
}

void FollowSysColors(QObject* context, std::function<void()> update) {
  update();
  QObject::connect(&SysColors::Instance(), &SysColors::Changed, context,
                   [update = std::move(update)](int) { update(); });
}

}  // namespace tessaly::toolkit
