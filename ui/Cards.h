// The card pictures: the back `vuota` and the 40 faces, by name ("o7", "b0").
#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

#include "engine/Carta.h"

namespace quintello::ui {

class Cards {
 public:
  static inline const QString kVuota = QStringLiteral("vuota");

  // The suit letter then the value digit, 0 for the ten; kVuota for anything that is not a card.
  static QString Nome(Carta carta);
  // The card a name stands for; the invalid card {0, 0} for kVuota and unknown names.
  static Carta CartaDi(const QString& nome);

  // The picture, kImmagineCarta logical pixels, drawn for the given device pixel ratio.
  // Made on first use; a change of ratio draws them all again. Unknown names give the back.
  const QPixmap& Picture(const QString& nome, qreal dpr);

 private:
  QHash<QString, QPixmap> cache_;
  qreal dpr_ = 0;
};

}  // namespace quintello::ui
