// The back: a blue lattice on cream, laid out around the card's centre so that a half turn
// leaves it unchanged and nothing shows which card lies beneath.
#include <QPainter>
#include <QtMath>

#include "Campitura.h"
#include "Colori.h"
#include "Fondo.h"
#include "PittoreCarte.h"

namespace quintello {
namespace {

constexpr qreal kMargine = 4.5;
constexpr qreal kPassoX = 9.25;  // the lattice's half-cell, so it fits the panel evenly
constexpr qreal kPassoY = 12;
constexpr QPointF kCentro{kLarghezzaCarta / 2.0, kAltezzaCarta / 2.0};

QRectF Pannello() {
  return QRectF(kMargine, kMargine, kLarghezzaCarta - 2 * kMargine, kAltezzaCarta - 2 * kMargine);
}

QPainterPath Fiorellino(QPointF centro, qreal r) {
  QPainterPath fiore;
  for (int i = 0; i < 4; ++i) {
    const qreal a = M_PI / 2 * i;
    fiore.addEllipse(centro + QPointF(qCos(a), qSin(a)) * r * 0.55, r * 0.45, r * 0.45);
  }
  return fiore;
}

void DisegnaReticolo(QPainter& p, const QRectF& pannello) {
  QPainterPath linee;
  const int n = 12;
  for (int k = -n; k <= n; ++k) {
    const qreal x0 = kCentro.x() + k * 2 * kPassoX;
    // Both diagonals through (x0, centre y), long enough to cross the whole panel.
    const QPointF passo(kPassoX * n, kPassoY * n);
    linee.moveTo(QPointF(x0, kCentro.y()) - passo);
    linee.lineTo(QPointF(x0, kCentro.y()) + passo);
    linee.moveTo(QPointF(x0, kCentro.y()) + QPointF(-passo.x(), passo.y()));
    linee.lineTo(QPointF(x0, kCentro.y()) + QPointF(passo.x(), -passo.y()));
  }
  Traccia(p, linee, coloreDorsoChiaro, 0.9);

  QPainterPath fiori;
  QPainterPath punti;
  for (int i = -n; i <= n; ++i) {
    for (int j = -n; j <= n; ++j) {
      const QPointF q = kCentro + QPointF(i * kPassoX, j * kPassoY);
      if ((i + j) % 2 == 0) continue;  // crossings of the lattice stay bare
      if (!pannello.contains(q)) continue;
      fiori.addPath(Fiorellino(q, 3.2));
      punti.addEllipse(q, 0.8, 0.8);
    }
  }
  Campisci(p, fiori, coloreDorsoChiaro, 0);
  Campisci(p, punti, coloreDorso, 0);
}

void DisegnaMedaglione(QPainter& p) {
  Campisci(p, Ellisse(kCentro, 17, 23), coloreDorsoChiaro, 0);
  Traccia(p, Ellisse(kCentro, 14.5, 20.5), coloreDorso, 1.0);
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
  Campisci(p, Ellisse(kCentro, 3.5, 3.5), coloreDorsoChiaro, 0);
  Campisci(p, Ellisse(kCentro, 1.6, 1.6), coloreDorso, 0);
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
  p.save();
  p.setClipPath(riquadro);
  DisegnaReticolo(p, pannello);
  p.restore();
  Traccia(p, riquadro.translated(0, 0), coloreDorso, 1.2);
  QPainterPath filetto;
  filetto.addRoundedRect(pannello.adjusted(1.8, 1.8, -1.8, -1.8), 2, 2);
  Traccia(p, filetto, coloreDorsoChiaro, 0.8);
  DisegnaMedaglione(p);
  p.restore();
}

}  // namespace quintello
