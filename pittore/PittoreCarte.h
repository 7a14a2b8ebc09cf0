// Paints the traditional Italian deck: forty faces and the back, from vector shapes only.
#pragma once

#include <QImage>
#include <QSize>

#include "Dorso.h"
#include "engine/Carta.h"

class QPainter;

namespace quintello::pittore {

// A card's picture in logical pixels at 1x; the window lays its places out around it.
inline constexpr QSize kDimensioneCarta{74, 130};

// Paints a face (Carta::valida) in logical coordinates over kDimensioneCarta; anything else
// paints nothing.
void DisegnaFaccia(QPainter& p, Carta carta);

// Renders a face or, for Carta{} (0, 0), the back, at the given device pixel ratio: the QImage
// has size kDimensioneCarta * dpr (rounded) and devicePixelRatio set to dpr, transparent outside
// the rounded corners. Any other card gives a null image.
QImage ImmagineCarta(Carta carta, qreal dpr);
// The same at any logical size, the picture stretched to it as vectors, so it stays sharp on a
// table drawn larger than at 1x.
QImage ImmagineCarta(Carta carta, QSize dimensione, qreal dpr);

}  // namespace quintello::pittore
