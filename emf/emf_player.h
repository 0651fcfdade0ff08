// Draws an EMF document onto a QPainter: the public entry points.
#ifndef TESSALY_EMF_EMF_PLAYER_H_
#define TESSALY_EMF_EMF_PLAYER_H_

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <optional>

#include "emf/emf_document.h"
#include "emf/emf_error.h"

namespace tessaly::emf {

struct PlayResult {
  // Records played, the header included; all of them when error is empty.
  int records_drawn = 0;
  // The first problem: a record the player could not draw, or why parsing
  // stopped. Drawing ends at that record.
  std::optional<EmfError> error;
};

// Draws the picture's frame into `target` (in the painter's coordinates).
// The painter's state is restored afterwards; output stays inside `target`.
PlayResult Play(const EmfDocument& document, QPainter& painter,
                const QRectF& target);

// The page at its natural size on white: an RGB32 image of natural size x
// `device_pixel_ratio` device pixels carrying that ratio. A null image for a
// document without a usable size (or one too large to allocate).
QImage RenderPage(const EmfDocument& document, qreal device_pixel_ratio,
                  PlayResult* result = nullptr);

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_EMF_PLAYER_H_
