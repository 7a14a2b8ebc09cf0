#include "IndiceValore.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

#include "Campitura.h"
#include "Colori.h"
#include "PittoreCarte.h"
#include "engine/Carta.h"

namespace quintello::pittore {
namespace {

// Digits are drawn in a 4 x 6 box; kScalaCifra maps it to logical pixels.
constexpr qreal kLarghezzaCifra = 4;
constexpr qreal kAltezzaCifra = 6;
constexpr qreal kScalaCifra = 1.25;
constexpr qreal kTrattoCifra = 0.95;
constexpr QPointF kAngoloIndice{5.0, 5.5};

QPainterPath Cifra(int cifra) {
  QPainterPath c;
  switch (cifra) {
    case 0:
      c.addEllipse(QPointF(2, 3), 1.7, 3);
      break;
    case 1:
      c.moveTo(0.9, 1.3);
      c.lineTo(2.4, 0);
      c.lineTo(2.4, 6);
      break;
    case 2:
      c.moveTo(0.3, 1.4);
      c.cubicTo(0.6, -0.4, 3.7, -0.4, 3.7, 1.6);
      c.cubicTo(3.7, 3.1, 1.4, 3.9, 0.2, 6);
      c.lineTo(3.9, 6);
      break;
    case 3:
      c.moveTo(0.4, 0.8);
      c.cubicTo(1.3, -0.4, 3.6, -0.1, 3.5, 1.5);
      c.cubicTo(3.4, 2.6, 2.3, 2.9, 1.5, 2.9);
      c.cubicTo(3.0, 2.9, 3.8, 3.6, 3.8, 4.4);
      c.cubicTo(3.8, 6.4, 0.9, 6.5, 0.2, 5.2);
      break;
    case 4:
      c.moveTo(2.9, 6);
      c.lineTo(2.9, 0);
      c.lineTo(0.2, 4.2);
      c.lineTo(3.9, 4.2);
      break;
    case 5:
      c.moveTo(3.6, 0);
      c.lineTo(0.9, 0);
      c.lineTo(0.6, 2.8);
      c.cubicTo(1.6, 2.0, 3.9, 2.2, 3.9, 4.1);
      c.cubicTo(3.9, 6.4, 0.9, 6.5, 0.2, 5.1);
      break;
    case 6:
      c.moveTo(3.4, 0.6);
      c.cubicTo(1.6, -0.6, 0.2, 1.4, 0.2, 3.8);
      c.cubicTo(0.2, 5.3, 1.0, 6.0, 2.0, 6.0);
      c.cubicTo(3.1, 6.0, 3.8, 5.2, 3.8, 4.1);
      c.cubicTo(3.8, 3.0, 3.1, 2.3, 2.0, 2.3);
      c.cubicTo(1.0, 2.3, 0.3, 3.0, 0.2, 3.8);
      break;
    case 7:
      c.moveTo(0.2, 0);
      c.lineTo(3.8, 0);
      c.cubicTo(2.5, 1.8, 1.6, 3.6, 1.4, 6);
      break;
    case 8:
      c.addEllipse(QPointF(2, 1.45), 1.45, 1.45);
      c.addEllipse(QPointF(2, 4.35), 1.75, 1.65);
      break;
    case 9: {
      QTransform giro;
      giro.translate(kLarghezzaCifra, kAltezzaCifra);
      giro.rotate(180);
      c = giro.map(Cifra(6));
      break;
    }
  }
  return c;
}

QPainterPath Numero(int valore) {
  QPainterPath numero;
  qreal x = 0;
  const bool dueCifre = valore >= 10;
  if (dueCifre) {
    numero.addPath(Cifra(valore / 10).translated(-0.6, 0));
    x = kLarghezzaCifra - 0.4;
  }
  numero.addPath(Cifra(valore % 10).translated(x, 0));
  if (valore == 6 || valore == 9) {
    // Underlined, so that a six and a turned nine can be told apart.
    numero.moveTo(0.4, kAltezzaCifra + 1.3);
    numero.lineTo(kLarghezzaCifra - 0.4, kAltezzaCifra + 1.3);
  }
  QTransform scala;
  scala.scale(kScalaCifra * (dueCifre ? 0.85 : 1), kScalaCifra);
  return scala.map(numero);
}

// The numbers' outlines, worked out once like a font's glyphs: filling them is far cheaper
// than stroking the digits on every card.
const QPainterPath& Glifo(int valore) {
  static const auto glifi = [] {
    std::array<QPainterPath, kValori + 1> tutti;
    for (int v = 1; v <= kValori; ++v) tutti[v] = Contorno(Numero(v), kTrattoCifra);
    return tutti;
  }();
  return glifi[valore];
}

}  // namespace

void DisegnaIndice(QPainter& p, int valore) {
  if (valore < 1 || valore > kValori) return;
  const QPainterPath& glifo = Glifo(valore);
  p.save();
  p.translate(kAngoloIndice);
  Campisci(p, glifo, coloreInchiostro, 0);
  p.restore();
  p.save();
  p.translate(kDimensioneCarta.width() - kAngoloIndice.x(),
              kDimensioneCarta.height() - kAngoloIndice.y());
  p.rotate(180);
  Campisci(p, glifo, coloreInchiostro, 0);
  p.restore();
}

}  // namespace quintello::pittore
