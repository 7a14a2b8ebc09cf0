// The Cavallo: a rider on a horse walking to the left, his suit's sign raised in his hand.
#include <QPainter>

#include "Campitura.h"
#include "Colori.h"
#include "Figure.h"

namespace quintello::pittore {
namespace {

constexpr QPointF kTesta{45, 38};
constexpr QPointF kMano{57, 47};
constexpr qreal kGamba = 4.2;

void DisegnaCoda(QPainter& p, const Vesti& v) {
  QPainterPath coda;
  coda.moveTo(59, 78);
  coda.cubicTo(67, 80, 69, 96, 64, 108);
  coda.cubicTo(66, 98, 63, 88, 58, 84);
  coda.closeSubpath();
  Campisci(p, coda, v.criniera);
}

void DisegnaZampe(QPainter& p, const Vesti& v) {
  // Far legs first, a shade darker, then the near ones; the near foreleg is lifted in step.
  const QColor lontano = v.manto.darker(115);
  DisegnaArto(p, {{29, 90}, {28, 106}, {29, 118}}, kGamba, lontano);
  DisegnaArto(p, {{51, 90}, {55, 104}, {53, 118}}, kGamba, lontano);
  DisegnaArto(p, {{26, 90}, {20, 101}, {24, 110}}, kGamba, v.manto);
  DisegnaArto(p, {{56, 90}, {60, 104}, {58, 118}}, kGamba, v.manto);
  QPainterPath zoccoli;
  for (QPointF z : {QPointF(29, 118), QPointF(53, 118), QPointF(58, 118)}) {
    zoccoli.addRoundedRect(QRectF(z.x() - 2.6, z.y(), 5.2, 3), 1, 1);
  }
  QTransform piega;
  piega.translate(24.5, 110.5);
  piega.rotate(-35);
  QPainterPath alzato;
  alzato.addRoundedRect(QRectF(-2.6, 0, 5.2, 3), 1, 1);
  zoccoli.addPath(piega.map(alzato));
  Campisci(p, zoccoli, coloreNero, kTrattoFine);
}

// The mane falls in locks along the crest of the neck, with a forelock between the ears.
QPainterPath Criniera() {
  constexpr int kCiocche = 9;
  const QPointF a(21.5, 51), c1(25, 58.5), c2(28.5, 67.5), b(34, 75);
  const auto punto = [&](qreal t) {
    const qreal u = 1 - t;
    return u * u * u * a + 3 * u * u * t * c1 + 3 * u * t * t * c2 + t * t * t * b;
  };
  QPainterPath criniera;
  criniera.moveTo(a);
  for (int i = 1; i <= kCiocche; ++i) {
    const QPointF da = punto(qreal(i - 1) / kCiocche);
    const QPointF verso = punto(qreal(i) / kCiocche);
    const QPointF lungo = verso - da;
    // Each lock bulges out, up and to the right of the crest.
    const QPointF fuori = QPointF(lungo.y(), -lungo.x()) * 0.9;
    criniera.quadTo((da + verso) / 2 + fuori, verso);
  }
  for (int i = kCiocche; i >= 0; --i) {
    const QPointF q = punto(qreal(i) / kCiocche);
    criniera.lineTo(q + QPointF(-0.9, 0.5));
  }
  criniera.closeSubpath();
  criniera.moveTo(21.5, 51);
  criniera.quadTo(17.5, 50.5, 16, 53.5);
  criniera.quadTo(19, 53, 21, 53.5);
  criniera.closeSubpath();
  return criniera;
}

QPainterPath Corpo() {
  QPainterPath corpo;
  corpo.moveTo(24, 80);
  corpo.cubicTo(28, 71, 50, 70, 58, 75);
  corpo.cubicTo(64, 79, 64, 92, 58, 95);
  corpo.cubicTo(50, 99, 32, 98, 26, 94);
  corpo.cubicTo(21, 90, 21, 84, 24, 80);
  return corpo;
}

QPainterPath Collo() {
  QPainterPath collo;
  collo.moveTo(33, 76);
  collo.cubicTo(28, 68, 25, 59, 22, 52);
  collo.lineTo(14, 57);
  collo.cubicTo(16, 67, 17, 80, 22, 90);
  collo.closeSubpath();
  return collo;
}

QPainterPath Testa() {
  QPainterPath testa;
  testa.moveTo(22.5, 52);
  testa.cubicTo(19, 48.5, 14, 51, 11, 58);
  testa.lineTo(7.5, 65);
  testa.quadTo(7.5, 70, 12, 69.5);
  testa.cubicTo(15, 67.5, 17, 63, 19.5, 61);
  testa.closeSubpath();
  return testa;
}

// Eye, nostril, the line of the cheek and mouth; then a red bridle whose rein runs back to
// the rider's hand.
void DisegnaMuso(QPainter& p) {
  QPainterPath guancia;
  guancia.moveTo(18.2, 55.5);
  guancia.quadTo(20.6, 60, 17.2, 62.8);
  guancia.moveTo(7.9, 68.2);
  guancia.lineTo(10.6, 68.7);
  Traccia(p, guancia, coloreInchiostro, kTrattoFine);
  CampisciEllisse(p, {16, 56.5}, 0.9, 0.9, coloreInchiostro, 0);
  CampisciEllisse(p, {9.5, 66}, 0.7, 0.5, coloreInchiostro, 0);

  QPainterPath briglia;
  briglia.moveTo(20.5, 52.5);
  briglia.lineTo(14, 65.5);
  briglia.moveTo(9.4, 61);
  briglia.quadTo(13, 61.6, 15.8, 62.6);
  Traccia(p, briglia, coloreRosso, 1.1);
  QPainterPath redine;
  redine.moveTo(14, 65.5);
  redine.quadTo(26, 72, 39, 65);
  Traccia(p, redine, coloreRossoScuro, 0.8);
}

void DisegnaCorpo(QPainter& p, const Vesti& v) {
  CampisciUnito(p, {Corpo(), Collo(), Testa()}, v.manto);
  Campisci(p, Poligono({{19.5, 51.5}, {20.5, 45.5}, {23.5, 51.5}}), v.manto, kTrattoFine);
  Campisci(p, Criniera(), v.criniera, kTrattoFine);
  DisegnaMuso(p);
}

void DisegnaGualdrappa(QPainter& p, const Vesti& v) {
  QPainterPath panno;
  panno.moveTo(35, 73);
  panno.quadTo(46, 70, 57, 74);
  panno.lineTo(58, 92);
  for (int i = 0; i < 4; ++i) {
    const qreal x = 58 - i * 5.75;
    panno.quadTo(x - 2.9, 96, x - 5.75, 92);
  }
  panno.closeSubpath();
  Campisci(p, panno, v.mantello);
  QPainterPath frangia;
  frangia.moveTo(35, 91.5);
  frangia.lineTo(58, 91.5);
  Traccia(p, frangia, coloreOro, 1.2);
  QPainterPath sella;
  sella.moveTo(38, 73);
  sella.quadTo(46, 67, 54, 73);
  sella.quadTo(46, 76, 38, 73);
  Campisci(p, sella, coloreMarroneScuro, kTrattoFine);
}

// A broad-brimmed hat with a gold band.
void DisegnaCappello(QPainter& p, const Vesti& v) {
  QPainterPath cappello;
  cappello.moveTo(37, 33.5);
  cappello.quadTo(45, 29, 53, 33.5);
  cappello.quadTo(52, 30, 49, 29.5);
  cappello.cubicTo(49, 24, 41, 24, 41, 29.5);
  cappello.quadTo(38, 30, 37, 33.5);
  Campisci(p, cappello, v.cappello);
  QPainterPath fascia;
  fascia.moveTo(41.2, 29.3);
  fascia.quadTo(45, 28, 48.8, 29.3);
  Traccia(p, fascia, coloreOro, 1.0);
}

void DisegnaCavaliere(QPainter& p, Seme seme, const Vesti& v) {
  QPainterPath busto;
  busto.moveTo(39.5, 48);
  busto.quadTo(45, 45.5, 50.5, 48);
  busto.lineTo(50, 68);
  busto.lineTo(53, 76);
  busto.quadTo(45, 78, 37, 76);
  busto.lineTo(40, 68);
  busto.closeSubpath();
  Campisci(p, busto, v.veste);
  Campisci(p, Poligono({{44, 47}, {46, 47}, {46, 77}, {44, 77}}), coloreOro, kTrattoFine);
  DisegnaArto(p, {{43, 74}, {37, 81}, {38.5, 95}}, 4.6, v.calze);
  Campisci(p, Poligono({{36, 93}, {41, 93}, {41, 98}, {33.5, 98.5}}), coloreNero, kTrattoFine);
  DisegnaArto(p, {{41, 51}, {37, 60}, {39.5, 65}}, 4.6, v.veste);
  DisegnaMano(p, {39.5, 65.5}, 2);
  CampisciEllisse(p, {45.2, 47.6}, 4.6, 1.6, coloreBianco, kTrattoFine);
  DisegnaVolto(p, kTesta, 0.9, Pelo::Giovane);
  DisegnaCappello(p, v);

  DisegnaArto(p, {{49, 50}, {55, 57}, kMano + QPointF(0, 1)}, 4.6, v.veste);
  if (seme == Seme::Spade || seme == Seme::Bastoni) {
    const QPointF cima = seme == Seme::Spade ? QPointF(62, 9) : QPointF(63, 13);
    DisegnaSegnoImpugnato(p, seme, kMano, 20, cima);
  } else {
    DisegnaSegnoImpugnato(p, seme, kMano + QPointF(1, -1), 15, {});
  }
}

}  // namespace

void DisegnaCavallo(QPainter& p, Seme seme) {
  const Vesti v = VestiDi(seme);
  DisegnaTerreno(p, 121, 16, 61);
  DisegnaCoda(p, v);
  DisegnaZampe(p, v);
  DisegnaCorpo(p, v);
  DisegnaGualdrappa(p, v);
  DisegnaCavaliere(p, seme, v);
}

}  // namespace quintello::pittore
