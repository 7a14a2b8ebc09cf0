// The Re: a crowned, bearded king standing in a long robe and an ermine-lined mantle,
// holding his suit's sign.
#include <QPainter>
#include <utility>

#include "Campitura.h"
#include "Colori.h"
#include "Figure.h"

namespace quintello::pittore {
namespace {

constexpr QPointF kTesta{36, 31};
constexpr QPointF kManoSegno{54, 62};
constexpr QPointF kManoScettro{21, 70};

// The throne's tall back rises behind the king: a red panel in a gold frame, with gold knobs.
void DisegnaTrono(QPainter& p) {
  for (const auto& [colore, margine] : {std::pair{coloreOro, 0.0}, {coloreRossoScuro, 3.0}}) {
    const qreal sinistra = 12 + margine;
    const qreal destra = 62 - margine;
    const qreal cima = 30 + margine;
    QPainterPath schienale;
    schienale.moveTo(sinistra, 104);
    schienale.lineTo(sinistra, cima + 12);
    schienale.cubicTo(sinistra, cima + 1, 24, cima, 37, cima);
    schienale.cubicTo(50, cima, destra, cima + 1, destra, cima + 12);
    schienale.lineTo(destra, 104);
    schienale.closeSubpath();
    Campisci(p, schienale, colore, margine > 0 ? kTrattoFine : kTratto);
  }
  for (qreal x : {12.0, 62.0}) CampisciEllisse(p, {x, 40}, 2.2, 2.2, coloreOro);
}

void DisegnaManto(QPainter& p, const Vesti& v) {
  QPainterPath manto;
  manto.moveTo(26, 44);
  manto.cubicTo(19, 62, 15, 95, 13, 119);
  manto.lineTo(59, 119);
  manto.cubicTo(57, 95, 53, 62, 46, 44);
  manto.closeSubpath();
  Campisci(p, manto, v.mantello);
}

void DisegnaVeste(QPainter& p, const Vesti& v) {
  QPainterPath veste;
  veste.moveTo(29, 44);
  veste.lineTo(43, 44);
  veste.lineTo(47, 116);
  veste.quadTo(36, 119, 25, 116);
  veste.closeSubpath();
  Campisci(p, veste, v.veste);
  // A gold band runs down the front of the robe, studded with red.
  Campisci(p, Poligono({{34.3, 56}, {37.7, 56}, {39, 111}, {33, 111}}), coloreOro, kTrattoFine);
  for (qreal y : {82.0, 92.0, 102.0})
    CampisciEllisse(p, {36, y}, 1.1, 1.1, coloreRosso, kTrattoFine);
  QPainterPath cintura;
  cintura.addRoundedRect(QRectF(28, 71, 16.5, 3.2), 1, 1);
  Campisci(p, cintura, coloreOro, kTrattoFine);
  CampisciEllisse(p, {36.2, 72.6}, 2, 2, coloreRosso, kTrattoFine);
  QPainterPath piedi;
  piedi.addEllipse(QPointF(31, 118.5), 4, 2);
  piedi.addEllipse(QPointF(41, 118.5), 4, 2);
  Campisci(p, piedi, coloreNero, kTrattoFine);
  QPainterPath orlo;
  orlo.moveTo(25.3, 111);
  orlo.lineTo(46.7, 111);
  orlo.lineTo(47, 116);
  orlo.quadTo(36, 119, 25, 116);
  orlo.closeSubpath();
  Campisci(p, orlo, coloreOro, kTrattoFine);
}

// White fur with black tails: the ermine on the mantle's edges and shoulders.
void DisegnaErmellino(QPainter& p) {
  QPainterPath bordi;
  bordi.moveTo(26, 46);
  bordi.cubicTo(22, 64, 19, 95, 17.5, 119);
  bordi.lineTo(22, 119);
  bordi.cubicTo(24, 95, 27, 64, 30, 47);
  bordi.closeSubpath();
  bordi.moveTo(46, 46);
  bordi.cubicTo(50, 64, 53, 95, 54.5, 119);
  bordi.lineTo(50, 119);
  bordi.cubicTo(48, 95, 45, 64, 42, 47);
  bordi.closeSubpath();
  QPainterPath mantellina;
  mantellina.moveTo(25, 46);
  mantellina.quadTo(36, 40, 47, 46);
  mantellina.lineTo(49, 55);
  mantellina.quadTo(36, 61, 23, 55);
  mantellina.closeSubpath();
  Campisci(p, bordi, coloreBianco);
  Campisci(p, mantellina, coloreBianco);
  QPainterPath code;
  for (QPointF q :
       {QPointF(28, 52), QPointF(36, 55), QPointF(44, 52), QPointF(24, 70), QPointF(22.5, 88),
        QPointF(21, 106), QPointF(48, 70), QPointF(49.5, 88), QPointF(51, 106)}) {
    code.moveTo(q + QPointF(0, -1.3));
    code.lineTo(q + QPointF(0.9, 1.2));
    code.lineTo(q + QPointF(-0.9, 1.2));
    code.closeSubpath();
  }
  Campisci(p, code, coloreNero, 0);
}

void DisegnaCorona(QPainter& p) {
  QPainterPath corona;
  corona.moveTo(29.5, 25.5);
  corona.lineTo(28.5, 15);
  corona.lineTo(32.2, 20);
  corona.lineTo(36, 13);
  corona.lineTo(39.8, 20);
  corona.lineTo(43.5, 15);
  corona.lineTo(42.5, 25.5);
  corona.quadTo(36, 24, 29.5, 25.5);
  Campisci(p, corona, coloreOro);
  QPainterPath cerchio;
  cerchio.moveTo(29.3, 23.2);
  cerchio.quadTo(36, 21.5, 42.7, 23.2);
  Traccia(p, cerchio, coloreRosso, 1.3);
  for (QPointF perla : {QPointF(28.5, 15), QPointF(36, 13), QPointF(43.5, 15)}) {
    CampisciEllisse(p, perla, 1.2, 1.2, coloreOroChiaro, kTrattoFine);
  }
}

void DisegnaScettro(QPainter& p) {
  QPainterPath asta;
  asta.moveTo(kManoScettro + QPointF(1.5, 12));
  asta.lineTo(kManoScettro + QPointF(-3.5, -28));
  Traccia(p, asta, coloreInchiostro, 2.2);
  Traccia(p, asta, coloreOroScuro, 1.2);
  const QPointF globo = kManoScettro + QPointF(-3.9, -30.5);
  CampisciEllisse(p, globo, 2.6, 2.6, coloreOro);
  Campisci(p,
           Poligono({globo + QPointF(-0.5, -5.5), globo + QPointF(0.5, -5.5),
                     globo + QPointF(0.5, -2.4), globo + QPointF(-0.5, -2.4)}),
           coloreOro, kTrattoFine);
}

}  // namespace

void DisegnaRe(QPainter& p, Seme seme) {
  const Vesti v = VestiDi(seme);
  DisegnaTerreno(p, 120, 12, 58);
  DisegnaTrono(p);
  DisegnaManto(p, v);
  DisegnaVeste(p, v);
  DisegnaErmellino(p);
  DisegnaVolto(p, kTesta, 1, Pelo::Barbuto);
  DisegnaCorona(p);
  // The left hand holds a sceptre, except in batons where the baton is the sceptre itself.
  if (seme != Seme::Bastoni) DisegnaScettro(p);
  DisegnaArto(p, {{27, 50}, {21, 60}, kManoScettro}, 5.4, v.veste);
  DisegnaMano(p, kManoScettro);
  const bool lungo = seme == Seme::Spade || seme == Seme::Bastoni;
  const QPointF mano = lungo ? kManoSegno + QPointF(0, 4) : kManoSegno;
  DisegnaArto(p, {{45, 50}, {52, 60}, mano + QPointF(-0.5, 1.5)}, 5.4, v.veste);
  if (seme == Seme::Spade) {
    DisegnaSegnoImpugnato(p, seme, mano, 0, {58, 10});
  } else if (seme == Seme::Bastoni) {
    DisegnaSegnoImpugnato(p, seme, mano, 30, {56, 14});
  } else {
    DisegnaSegnoImpugnato(p, seme, mano, 18, {});
  }
}

}  // namespace quintello::pittore
