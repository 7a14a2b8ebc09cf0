// The Fante: a young page standing in a short tunic and cape, his suit's sign in his hand.
#include <QPainter>

#include "Campitura.h"
#include "Colori.h"
#include "Figure.h"

namespace quintello::pittore {
namespace {

constexpr QPointF kTesta{35, 32};
constexpr QPointF kSpalla{44, 46.5};
constexpr QPointF kManoAlta{53, 54};
constexpr QPointF kManoBassa{53, 67};

bool AlzaIlSegno(Seme seme) {
  return seme == Seme::Denari || seme == Seme::Coppe;
}

void DisegnaMantello(QPainter& p, const Vesti& v) {
  QPainterPath mantello;
  mantello.moveTo(27, 44);
  mantello.cubicTo(21, 60, 18, 80, 16, 97);
  mantello.quadTo(24, 100, 30, 96);
  mantello.lineTo(44, 96);
  mantello.quadTo(50, 100, 55, 96);
  mantello.cubicTo(53, 80, 49, 60, 44, 44);
  mantello.closeSubpath();
  Campisci(p, mantello, v.mantello);
}

void DisegnaGambe(QPainter& p, const Vesti& v) {
  // Parti-coloured hose, one leg in each colour, as pages wore them.
  Campisci(p, Poligono({{29.5, 88}, {29, 116}, {33, 116}, {34, 88}}), v.calze);
  Campisci(p, Poligono({{36.5, 88}, {37.5, 116}, {41.5, 116}, {41, 88}}), v.mantello);
  QPainterPath scarpe;
  scarpe.moveTo(33.3, 115.5);
  scarpe.lineTo(33.3, 120);
  scarpe.lineTo(25, 120);
  scarpe.quadTo(25, 117, 29, 115.5);
  scarpe.closeSubpath();
  scarpe.moveTo(37.2, 115.5);
  scarpe.lineTo(37.2, 120);
  scarpe.lineTo(46, 120);
  scarpe.quadTo(46, 117, 42, 115.5);
  scarpe.closeSubpath();
  Campisci(p, scarpe, coloreNero);
}

void DisegnaTunica(QPainter& p, const Vesti& v) {
  QPainterPath tunica;
  tunica.moveTo(27, 44.5);
  tunica.quadTo(35, 41.5, 43.5, 44.5);
  tunica.lineTo(45.5, 51);
  tunica.lineTo(43.5, 68);
  tunica.lineTo(50, 90);
  tunica.quadTo(35, 94, 20, 90);
  tunica.lineTo(26.5, 68);
  tunica.lineTo(24.8, 51);
  tunica.closeSubpath();
  Campisci(p, tunica, v.veste);
  // Gold trim: a front band, the belt and the hem.
  Campisci(p, Poligono({{34, 43}, {36.2, 43}, {36.4, 92}, {33.8, 92}}), coloreOro, kTrattoFine);
  QPainterPath cintura;
  cintura.addRoundedRect(QRectF(26, 66.5, 18, 3), 1, 1);
  Campisci(p, cintura, coloreOroScuro, kTrattoFine);
  QPainterPath orlo;
  orlo.moveTo(20.5, 88.5);
  orlo.quadTo(35, 92.5, 49.5, 88.5);
  Traccia(p, orlo, coloreOro, 1.4);
  CampisciEllisse(p, {35.2, 44}, 5, 1.8, coloreBianco, kTrattoFine);
}

void DisegnaBerretto(QPainter& p, const Vesti& v) {
  QPainterPath piuma;
  piuma.moveTo(38, 25);
  piuma.cubicTo(43, 22, 45, 16, 44, 11);
  piuma.cubicTo(47, 15, 46, 22, 39, 27);
  piuma.closeSubpath();
  Campisci(p, piuma, coloreBianco, kTrattoFine);
  QPainterPath berretto;
  berretto.moveTo(26, 28);
  berretto.cubicTo(25, 21, 33, 19, 38, 20.5);
  berretto.cubicTo(44, 22, 45, 26, 44, 27);
  berretto.quadTo(35, 24, 26, 28);
  Campisci(p, berretto, v.cappello);
  Traccia(p, Ellisse({35, 25.2}, 8.5, 1.2), coloreOro, 0.9);
}

}  // namespace

void DisegnaFante(QPainter& p, Seme seme) {
  const Vesti v = VestiDi(seme);
  DisegnaTerreno(p, 120.5, 18, 54);
  DisegnaMantello(p, v);
  DisegnaGambe(p, v);
  DisegnaTunica(p, v);
  DisegnaArto(p, {{26.5, 47}, {21.5, 60}, {25.5, 70}}, 5.2, v.veste);
  DisegnaSbuffo(p, {26, 47.5}, v.mantello);
  DisegnaPolsino(p, {25.6, 69.6});
  DisegnaMano(p, {26.5, 71});
  DisegnaVolto(p, kTesta, 1, Pelo::Giovane);
  DisegnaBerretto(p, v);
  if (AlzaIlSegno(seme)) {
    DisegnaArto(p, {kSpalla, {50.5, 62}, kManoAlta + QPointF(0, 2)}, 5.2, v.veste);
    DisegnaSbuffo(p, kSpalla + QPointF(0.5, 0.5), v.mantello);
    DisegnaPolsino(p, kManoAlta + QPointF(0, 2.2));
    DisegnaSegnoImpugnato(p, seme, kManoAlta, 17, {});
  } else {
    DisegnaArto(p, {kSpalla, {48.5, 58}, kManoBassa}, 5.2, v.veste);
    DisegnaSbuffo(p, kSpalla + QPointF(0.5, 0.5), v.mantello);
    DisegnaPolsino(p, kManoBassa + QPointF(-0.8, -1.6));
    const QPointF cima = seme == Seme::Spade ? QPointF(57, 12) : QPointF(56, 18);
    DisegnaSegnoImpugnato(p, seme, kManoBassa, 44, cima);
  }
}

}  // namespace quintello::pittore
