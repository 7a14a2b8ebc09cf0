// The back: a blue lattice on cream, laid out around the card's centre so that a half turn
// leaves it unchanged and nothing shows which card lies beneath.
#include "Dorso.h"

#include <QLineF>
#include <QPainter>
#include <QtMath>

#include "Campitura.h"
#include "Colori.h"
#include "Fondo.h"
#include "PittoreCarte.h"

namespace quintello::pittore {
namespace {

constexpr qreal kMargine = 4.5;
constexpr qreal kPassoX = 9.25;  // the lattice's half-cell, so it fits the panel evenly
constexpr qreal kPassoY = 12;
constexpr qreal kLinea = 0.9;  // width of the lattice's lines
constexpr QPointF kCentro{kDimensioneCarta.width() / 2.0, kDimensioneCarta.height() / 2.0};

QRectF Pannello() {
  return QRectF(kMargine, kMargine, kDimensioneCarta.width() - 2 * kMargine,
                kDimensioneCarta.height() - 2 * kMargine);
}

// A four-pointed flower: one closed outline, cheap to fill many times over.
QPainterPath Fiorellino(QPointF centro, qreal r) {
  QPainterPath fiore;
  fiore.moveTo(centro + QPointF(0, -r));
  fiore.quadTo(centro + QPointF(r * 0.3, -r * 0.3), centro + QPointF(r, 0));
  fiore.quadTo(centro + QPointF(r * 0.3, r * 0.3), centro + QPointF(0, r));
  fiore.quadTo(centro + QPointF(-r * 0.3, r * 0.3), centro + QPointF(-r, 0));
  fiore.quadTo(centro + QPointF(-r * 0.3, -r * 0.3), centro + QPointF(0, -r));
  fiore.closeSubpath();
  return fiore;
}

// The part of the line through `punto` along `verso` that lies inside `r`, or an empty line.
QLineF Ritaglia(QPointF punto, QPointF verso, const QRectF& r) {
  qreal t0 = -1e9;
  qreal t1 = 1e9;
  const auto stringi = [&](qreal origine, qreal passo, qreal minimo, qreal massimo) {
    if (passo == 0) return origine >= minimo && origine <= massimo;
    qreal a = (minimo - origine) / passo;
    qreal b = (massimo - origine) / passo;
    if (a > b) std::swap(a, b);
    t0 = std::max(t0, a);
    t1 = std::min(t1, b);
    return t0 < t1;
  };
  if (!stringi(punto.x(), verso.x(), r.left(), r.right()) ||
      !stringi(punto.y(), verso.y(), r.top(), r.bottom())) {
    return {};
  }
  return {punto + t0 * verso, punto + t1 * verso};
}

// A straight band of the given width along a line, as a shape to fill.
QPainterPath Nastro(const QLineF& linea, qreal larghezza) {
  const QPointF n = QPointF(-linea.dy(), linea.dx()) / linea.length() * (larghezza / 2);
  return Poligono({linea.p1() + n, linea.p2() + n, linea.p2() - n, linea.p1() - n});
}

// Each line and each flower is its own small fill: Qt paints many small shapes much faster
// than one large path with every crossing in it.
void DisegnaReticolo(QPainter& p, const QRectF& pannello) {
  // Lines run corner to corner of each cell; their ends hide under the panel's border.
  const int n = 6;
  for (int k = -n; k <= n; ++k) {
    const QPointF punto(kCentro.x() + k * 2 * kPassoX, kCentro.y());
    for (const QPointF verso : {QPointF(kPassoX, kPassoY), QPointF(kPassoX, -kPassoY)}) {
      const QLineF tratto = Ritaglia(punto, verso, pannello);
      if (tratto.isNull() || tratto.length() < 1) continue;
      Campisci(p, Nastro(tratto, kLinea), coloreDorsoChiaro, 0);
    }
  }
  const QRectF dentro = pannello.adjusted(3, 3, -3, -3);
  for (int i = -2 * n; i <= 2 * n; ++i) {
    for (int j = -n; j <= n; ++j) {
      const QPointF q = kCentro + QPointF(i * kPassoX, j * kPassoY);
      if ((i + j) % 2 == 0) continue;  // crossings of the lattice stay bare
      if (!dentro.contains(q)) continue;
      Campisci(p, Fiorellino(q, 3.2), coloreDorsoChiaro, 0);
      CampisciEllisse(p, q, 0.8, 0.8, coloreDorso, 0);
    }
  }
}

void DisegnaMedaglione(QPainter& p) {
  CampisciEllisse(p, kCentro, 17, 23, coloreDorsoChiaro, 0);
  Campisci(p, Contorno(Ellisse(kCentro, 14.5, 20.5), 1.0), coloreDorso, 0);
  QPainterPath petali;
  for (int i = 0; i < 8; ++i) {
    const qreal a = M_PI / 4 * i;
    const QPointF verso(qCos(a) * 0.75, qSin(a));
    QPainterPath petalo;
    petalo.moveTo(kCentro);
    const QPointF punta = kCentro + verso * 16;
    const QPointF lato(-verso.y() * 4, verso.x() * 4);
    petalo.quadTo(kCentro + verso * 8 + lato, punta);
    petalo.quadTo(kCentro + verso * 8 - lato, kCentro);
    petali.addPath(petalo);
  }
  Campisci(p, petali, coloreDorso, 0);
  CampisciEllisse(p, kCentro, 3.5, 3.5, coloreDorsoChiaro, 0);
  CampisciEllisse(p, kCentro, 1.6, 1.6, coloreDorso, 0);
}

}  // namespace

void DisegnaDorso(QPainter& p) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  DisegnaFondo(p, false);
  const QRectF pannello = Pannello();
  QPainterPath riquadro;
  riquadro.addRoundedRect(pannello, 3, 3);
  Campisci(p, riquadro, coloreDorso, 0);
  DisegnaReticolo(p, pannello);
  QPainterPath filetto;
  filetto.addRoundedRect(pannello.adjusted(1.8, 1.8, -1.8, -1.8), 2, 2);
  Campisci(p, Contorno(filetto, 0.8), coloreDorsoChiaro, 0);
  DisegnaMedaglione(p);
  p.restore();
}

}  // namespace quintello::pittore
