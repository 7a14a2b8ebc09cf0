#include "PittoreCarte.h"

#include <QPainter>

#include "CarteNumerali.h"
#include "Figure.h"
#include "Fondo.h"
#include "IndiceValore.h"

namespace quintello::pittore {

void DisegnaFaccia(QPainter& p, Carta carta) {
  if (!carta.valida()) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  DisegnaFondo(p, true);
  if (carta.valore >= kFante) {
    DisegnaFigura(p, carta.valore, static_cast<Seme>(carta.seme));
  } else {
    DisegnaNumerale(p, carta.valore, static_cast<Seme>(carta.seme));
  }
  DisegnaIndice(p, carta.valore);
  p.restore();
}

QImage ImmagineCarta(Carta carta, qreal dpr) {
  return ImmagineCarta(carta, kDimensioneCarta, dpr);
}

QImage ImmagineCarta(Carta carta, QSize dimensione, qreal dpr) {
  const bool dorso = carta == Carta{};
  if ((!dorso && !carta.valida()) || dpr <= 0 || dimensione.isEmpty()) return {};
  QImage immagine(qRound(dimensione.width() * dpr), qRound(dimensione.height() * dpr),
                  QImage::Format_ARGB32_Premultiplied);
  immagine.setDevicePixelRatio(dpr);
  immagine.fill(Qt::transparent);
  QPainter p(&immagine);
  if (dimensione != kDimensioneCarta)
    p.scale(qreal(dimensione.width()) / kDimensioneCarta.width(),
            qreal(dimensione.height()) / kDimensioneCarta.height());
  if (dorso) {
    DisegnaDorso(p);
  } else {
    DisegnaFaccia(p, carta);
  }
  return immagine;
}

}  // namespace quintello::pittore
