// Flat colour with a dark outline: the one brush stroke the whole deck is made of.
#pragma once

#include <QBrush>
#include <QPainterPath>
#include <initializer_list>

class QPainter;

namespace quintello::pittore {

// Outline width in logical pixels; thin enough for 1x, still visible.
inline constexpr qreal kTratto = 0.7;
inline constexpr qreal kTrattoFine = 0.45;

void Campisci(QPainter& p, const QPainterPath& forma, const QBrush& riempimento,
              qreal tratto = kTratto);
// Campisci for an ellipse, painted as two fills (the ink a half-stroke larger, the colour a
// half-stroke smaller) which costs far less than stroking its outline.
void CampisciEllisse(QPainter& p, QPointF centro, qreal rx, qreal ry, const QBrush& riempimento,
                     qreal tratto = kTratto);
// Like Campisci for shapes made of overlapping parts, but outlines only their union: the ink
// goes down first, twice as wide, and each part's fill covers its inner half and every seam.
void CampisciUnito(QPainter& p, std::initializer_list<QPainterPath> parti,
                   const QBrush& riempimento, qreal tratto = kTratto);
void Traccia(QPainter& p, const QPainterPath& linea, const QColor& colore, qreal tratto);
// The outline a pen of this width would paint, as a shape to fill: unlike thin pens, filled
// shapes rasterise the same way at every position, which keeps symmetric patterns symmetric.
QPainterPath Contorno(const QPainterPath& linea, qreal tratto);
QPainterPath Ellisse(QPointF centro, qreal rx, qreal ry);
QPainterPath Poligono(std::initializer_list<QPointF> punti);
// A pointed oval from the origin along +x: a leaf, a petal. `pancia` is its half
// width as a share of its length.
QPainterPath Mandorla(qreal lunghezza, qreal pancia);

}  // namespace quintello::pittore
