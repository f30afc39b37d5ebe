#pragma once

#include "tools/Biorytm.h"

#include <QRectF>

class QPainter;

namespace tarvomund {

// Paints a biorhythm chart into any rectangle of any surface (window, printer page, image): the
// plan's own pixels are scaled to fill the rectangle, and nothing is drawn outside it. At 1:1 every
// line and point lands on the pixel the plan names.
void MalujBiorytm(QPainter& malarz, const QRectF& cel, const TPlanBiorytmu& plan);

} // namespace tarvomund
