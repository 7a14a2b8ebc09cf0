#include "CacheCarte.h"

#include "PittoreCarte.h"

namespace quintello::pittore {

const QPixmap& CacheCarte::Immagine(Carta carta, qreal dpr) {
  if (!carta.valida()) return Immagine(Dorso{}, dpr);
  return Pronta(facce_[(carta.seme - 1) * kValori + carta.valore - 1], carta, dpr);
}

const QPixmap& CacheCarte::Immagine(Dorso, qreal dpr) {
  return Pronta(dorso_, Carta{}, dpr);  // ImmagineCarta paints the back for Carta{}
}

const QPixmap& CacheCarte::Pronta(QPixmap& posto, Carta carta, qreal dpr) {
  if (dpr != dpr_) {
    facce_.fill(QPixmap());
    dorso_ = QPixmap();
    dpr_ = dpr;
  }
  if (posto.isNull()) {
    posto = QPixmap::fromImage(ImmagineCarta(carta, dpr));
    posto.setDevicePixelRatio(dpr);
  }
  return posto;
}

}  // namespace quintello::pittore
