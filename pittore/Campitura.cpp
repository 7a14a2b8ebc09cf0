#include "Campitura.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QPolygonF>

#include "Colori.h"

namespace quintello::pittore {

void Campisci(QPainter& p, const QPainterPath& forma, const QBrush& riempimento, qreal tratto) {
  p.setBrush(riempimento);
  if (tratto > 0) {
    p.setPen(QPen(coloreInchiostro, tratto, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  } else {
    p.setPen(Qt::NoPen);
  }
  p.drawPath(forma);
}

void CampisciEllisse(QPainter& p, QPointF centro, qreal rx, qreal ry, const QBrush& riempimento,
                     qreal tratto) {
  p.setPen(Qt::NoPen);
  const qreal mezzo = tratto / 2;
  if (tratto > 0) {
    p.setBrush(coloreInchiostro);
    p.drawEllipse(centro, rx + mezzo, ry + mezzo);
  }
  p.setBrush(riempimento);
  p.drawEllipse(centro, std::max(0.0, rx - mezzo), std::max(0.0, ry - mezzo));
}

void CampisciUnito(QPainter& p, std::initializer_list<QPainterPath> parti,
                   const QBrush& riempimento, qreal tratto) {
  for (const QPainterPath& parte : parti) Traccia(p, parte, coloreInchiostro, 2 * tratto);
  for (const QPainterPath& parte : parti) Campisci(p, parte, riempimento, 0);
}

void Traccia(QPainter& p, const QPainterPath& linea, const QColor& colore, qreal tratto) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(colore, tratto, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(linea);
}

QPainterPath Contorno(const QPainterPath& linea, qreal tratto) {
  QPainterPathStroker pennello;
  pennello.setWidth(tratto);
  pennello.setCapStyle(Qt::RoundCap);
  pennello.setJoinStyle(Qt::RoundJoin);
  return pennello.createStroke(linea);
}

QPainterPath Ellisse(QPointF centro, qreal rx, qreal ry) {
  QPainterPath forma;
  forma.addEllipse(centro, rx, ry);
  return forma;
}

QPainterPath Poligono(std::initializer_list<QPointF> punti) {
  QPainterPath forma;
  forma.addPolygon(QPolygonF(QList<QPointF>(punti)));
  forma.closeSubpath();
  return forma;
}

QPainterPath Mandorla(qreal lunghezza, qreal pancia) {
  QPainterPath forma;
  forma.moveTo(0, 0);
  forma.quadTo(lunghezza * 0.5, -lunghezza * pancia, lunghezza, 0);
  forma.quadTo(lunghezza * 0.5, lunghezza * pancia, 0, 0);
  return forma;
}

}  // namespace quintello::pittore
