#include "IconaQuintello.h"

#include <QPainter>

#include "Fondo.h"
#include "PittoreCarte.h"
#include "Segni.h"

namespace quintello::pittore {
namespace {

// Below this size the seven coins would melt into a smudge: the front card then shows the
// settebello's prized coin alone, large.
constexpr int kLatoSemplice = 40;

struct Posa {
  QPointF piede;  // bottom centre of the card, as a share of the side
  qreal giro;     // degrees, clockwise
  qreal altezza;  // card height as a share of the side
};
constexpr Posa kDietro{{0.455, 0.9}, -15, 0.8};
constexpr Posa kDavanti{{0.61, 0.91}, 9, 0.8};
// Small icons fan the cards less so that they can fill more of the square.
constexpr Posa kDietroPiccolo{{0.43, 0.9}, -10, 0.82};
constexpr Posa kDavantiPiccolo{{0.6, 0.905}, 7, 0.82};

void Colloca(QPainter& p, int lato, const Posa& posa) {
  const qreal scala = lato * posa.altezza / kDimensioneCarta.height();
  p.translate(posa.piede * lato);
  p.rotate(posa.giro);
  p.scale(scala, scala);
  p.translate(-kDimensioneCarta.width() / 2.0, -kDimensioneCarta.height());
}

void DisegnaSettebelloSemplice(QPainter& p) {
  DisegnaFondo(p, false);
  DisegnaDenaroPregiato(p, QPointF(kDimensioneCarta.width() / 2.0, kDimensioneCarta.height() / 2.0),
                        26);
}

}  // namespace

QImage ImmagineIcona(int lato) {
  if (lato <= 0) return {};
  QImage icona(lato, lato, QImage::Format_ARGB32_Premultiplied);
  icona.fill(Qt::transparent);
  QPainter p(&icona);
  p.setRenderHint(QPainter::Antialiasing);
  const bool piccola = lato < kLatoSemplice;
  p.save();
  Colloca(p, lato, piccola ? kDietroPiccolo : kDietro);
  DisegnaDorso(p);
  p.restore();
  Colloca(p, lato, piccola ? kDavantiPiccolo : kDavanti);
  if (piccola) {
    DisegnaSettebelloSemplice(p);
  } else {
    DisegnaFaccia(p, kSettebello);
  }
  return icona;
}

}  // namespace quintello::pittore
