#include "Figure.h"

#include <QLineF>
#include <QPainter>

#include "Campitura.h"
#include "Colori.h"
#include "Segni.h"

namespace quintello {

void DisegnaFigura(QPainter& p, int valore, Seme seme) {
  if (valore == kFante) DisegnaFante(p, seme);
  if (valore == kCavallo) DisegnaCavallo(p, seme);
  if (valore == kRe) DisegnaRe(p, seme);
}

Vesti VestiDi(Seme seme) {
  switch (seme) {
    case Seme::Denari:
      return {coloreRosso, coloreBlu, coloreOro, coloreVerde, coloreGrigio, coloreMarroneChiaro};
    case Seme::Spade:
      return {coloreBlu, coloreRosso, coloreVerde, coloreRosso, coloreMarrone, coloreNero};
    case Seme::Coppe:
      return {coloreVerde, coloreRosso, coloreBlu, coloreBlu, coloreBianco, coloreGrigio};
    case Seme::Bastoni:
      return {coloreViola, coloreVerde,         coloreRosso,
              coloreRosso, coloreMarroneChiaro, coloreMarroneScuro};
  }
  return {};
}

void DisegnaVolto(QPainter& p, QPointF c, qreal s, Pelo pelo) {
  const QColor capelli = pelo == Pelo::Barbuto ? coloreBarba : coloreCapelli;
  // Hair falls behind the face to the jaw (a page's bob) or to the shoulders (a king's).
  const qreal lunghezza = pelo == Pelo::Barbuto ? 10 : 7.5;
  QPainterPath chioma;
  chioma.moveTo(c + QPointF(-5.8, -2) * s);
  chioma.cubicTo(c + QPointF(-7.5, -10) * s, c + QPointF(7.5, -10) * s, c + QPointF(5.8, -2) * s);
  chioma.cubicTo(c + QPointF(8.2, 1) * s, c + QPointF(8.4, lunghezza - 1) * s,
                 c + QPointF(6, lunghezza) * s);
  chioma.quadTo(c + QPointF(0, lunghezza + 1.5) * s, c + QPointF(-6, lunghezza) * s);
  chioma.cubicTo(c + QPointF(-8.4, lunghezza - 1) * s, c + QPointF(-8.2, 1) * s,
                 c + QPointF(-5.8, -2) * s);
  Campisci(p, chioma, capelli);

  CampisciEllisse(p, c, 5.1 * s, 6.4 * s, coloreCarne);
  if (pelo == Pelo::Barbuto) {
    QPainterPath barba;
    barba.moveTo(c + QPointF(-5, 0.5) * s);
    barba.cubicTo(c + QPointF(-5, 9) * s, c + QPointF(-2, 12) * s, c + QPointF(0, 12.5) * s);
    barba.cubicTo(c + QPointF(2, 12) * s, c + QPointF(5, 9) * s, c + QPointF(5, 0.5) * s);
    barba.cubicTo(c + QPointF(3, 3.5) * s, c + QPointF(-3, 3.5) * s, c + QPointF(-5, 0.5) * s);
    Campisci(p, barba, coloreBarba);
    QPainterPath baffi;
    baffi.moveTo(c + QPointF(-2.8, 3.6) * s);
    baffi.quadTo(c + QPointF(0, 1.8) * s, c + QPointF(2.8, 3.6) * s);
    Traccia(p, baffi, coloreGrigio.darker(140), 0.9 * s);
  } else {
    QPainterPath frangia;
    frangia.moveTo(c + QPointF(-5.4, -1.5) * s);
    frangia.cubicTo(c + QPointF(-5, -7.5) * s, c + QPointF(5, -7.5) * s,
                    c + QPointF(5.4, -1.5) * s);
    frangia.quadTo(c + QPointF(0, -4.5) * s, c + QPointF(-5.4, -1.5) * s);
    Campisci(p, frangia, capelli, kTrattoFine);
    QPainterPath bocca;
    bocca.moveTo(c + QPointF(-1.2, 3.6) * s);
    bocca.quadTo(c + QPointF(0, 4.3) * s, c + QPointF(1.2, 3.6) * s);
    Traccia(p, bocca, coloreRossoScuro, 0.6 * s);
  }
  for (int lato : {-1, 1}) {
    CampisciEllisse(p, c + QPointF(lato * 2.0, -0.4) * s, 0.55 * s, 0.65 * s, coloreInchiostro, 0);
    QPainterPath ciglio;
    ciglio.moveTo(c + QPointF(lato * 0.9, -1.8) * s);
    ciglio.quadTo(c + QPointF(lato * 2.0, -2.5) * s, c + QPointF(lato * 3.1, -1.7) * s);
    Traccia(p, ciglio, coloreInchiostro, 0.4 * s);
  }
  QPainterPath naso;
  naso.moveTo(c + QPointF(-0.2, -0.6) * s);
  naso.quadTo(c + QPointF(0.3, 1.2) * s, c + QPointF(0.9, 1.9) * s);
  naso.lineTo(c + QPointF(-0.3, 2.2) * s);
  Traccia(p, naso, coloreCarneOmbra.darker(130), 0.45 * s);
}

void DisegnaTerreno(QPainter& p, qreal y, qreal da, qreal a) {
  QPainterPath prato;
  prato.moveTo(da, y);
  prato.cubicTo(da + 2, y - 3, a - 2, y - 3, a, y);
  prato.cubicTo(a - 2, y + 2.2, da + 2, y + 2.2, da, y);
  Campisci(p, prato, coloreVerdeChiaro, kTrattoFine);
}

void DisegnaSbuffo(QPainter& p, QPointF spalla, const QColor& colore) {
  CampisciEllisse(p, spalla, 3.8, 3.3, colore);
  QPainterPath pieghe;
  pieghe.moveTo(spalla + QPointF(-1.3, -2.6));
  pieghe.quadTo(spalla + QPointF(-2.2, 0), spalla + QPointF(-1.3, 2.6));
  pieghe.moveTo(spalla + QPointF(1.3, -2.6));
  pieghe.quadTo(spalla + QPointF(2.2, 0), spalla + QPointF(1.3, 2.6));
  Traccia(p, pieghe, coloreInchiostro, kTrattoFine);
}

void DisegnaPolsino(QPainter& p, QPointF polso) {
  CampisciEllisse(p, polso, 2.9, 1.9, coloreBianco, kTrattoFine + 0.1);
}

void DisegnaMano(QPainter& p, QPointF centro, qreal raggio) {
  CampisciEllisse(p, centro, raggio, raggio, coloreCarne, kTrattoFine + 0.1);
}

void DisegnaArto(QPainter& p, std::initializer_list<QPointF> linea, qreal spessore,
                 const QColor& colore) {
  QPainterPath traccia;
  traccia.moveTo(*linea.begin());
  for (auto it = linea.begin() + 1; it != linea.end(); ++it) traccia.lineTo(*it);
  p.setBrush(Qt::NoBrush);
  p.setPen(
      QPen(coloreInchiostro, spessore + 2 * kTratto, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(traccia);
  p.setPen(QPen(colore, spessore, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(traccia);
}

void DisegnaSegnoImpugnato(QPainter& p, Seme seme, QPointF mano, qreal misura, QPointF cima) {
  switch (seme) {
    case Seme::Denari:
      DisegnaDenaro(p, mano + QPointF(0, -misura * 0.42), misura / 2);
      break;
    case Seme::Coppe:
      DisegnaCoppa(p, mano + QPointF(0, -misura * 0.2), misura);
      break;
    case Seme::Spade: {
      // The grip sits in the fist, so the crossguard stands just above it.
      QLineF verso(mano, cima);
      verso.setLength(3.2);
      DisegnaSpada(p, {verso.p2(), cima, -1.5, 3.6});
      break;
    }
    case Seme::Bastoni: {
      QLineF verso(cima, mano);
      verso.setLength(QLineF(cima, mano).length() + misura);
      DisegnaBastone(p, {verso.p2(), cima, 4.6, 1.25});
      break;
    }
  }
  DisegnaMano(p, mano);
}

}  // namespace quintello
