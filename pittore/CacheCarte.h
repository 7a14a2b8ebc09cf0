// The card pictures as pixmaps ready for the screen: each painted once, on first use.
#pragma once

#include <QPixmap>
#include <array>

#include "Dorso.h"
#include "PittoreCarte.h"
#include "engine/Carta.h"

namespace quintello::pittore {

// Needs the application object, as every pixmap does.
class CacheCarte {
 public:
  // A picture of `dimensione` logical pixels, drawn for the given device pixel ratio.
  // A change of ratio or size draws them all again. A card that is not valid gives the back.
  const QPixmap& Immagine(Carta carta, qreal dpr, QSize dimensione = kDimensioneCarta);
  const QPixmap& Immagine(Dorso dorso, qreal dpr, QSize dimensione = kDimensioneCarta);

 private:
  // The picture kept in `posto`, painted first when it is not there yet.
  const QPixmap& Pronta(QPixmap& posto, Carta carta, qreal dpr, QSize dimensione);

  std::array<QPixmap, kCarteMazzo> facce_;  // suit by suit, ace to king
  QPixmap dorso_;
  qreal dpr_ = 0;
  QSize dimensione_;
};

}  // namespace quintello::pittore
