#include "CacheCarte.h"

#include "PittoreCarte.h"

namespace quintello::pittore {

const QPixmap& CacheCarte::Immagine(Carta carta, qreal dpr, QSize dimensione) {
  if (!carta.valida()) return Immagine(Dorso{}, dpr, dimensione);
  return Pronta(facce_[(carta.seme - 1) * kValori + carta.valore - 1], carta, dpr, dimensione);
}

const QPixmap& CacheCarte::Immagine(Dorso, qreal dpr, QSize dimensione) {
  return Pronta(dorso_, Carta{}, dpr, dimensione);  // ImmagineCarta paints the back for Carta{}
}

const QPixmap& CacheCarte::Pronta(QPixmap& posto, Carta carta, qreal dpr, QSize dimensione) {
  if (dpr != dpr_ || dimensione != dimensione_) {
    facce_.fill(QPixmap());
    dorso_ = QPixmap();
    dpr_ = dpr;
    dimensione_ = dimensione;
  }
  if (posto.isNull()) {
    posto = QPixmap::fromImage(ImmagineCarta(carta, dimensione, dpr));
    posto.setDevicePixelRatio(dpr);
  }
  return posto;
}

}  // namespace quintello::pittore
