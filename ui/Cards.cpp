#include "ui/Cards.h"

#include "pittore/PittoreCarte.h"

namespace quintello::ui {

namespace {

constexpr int kDieci = 10;  // written as the digit 0

QChar CifraValore(int valore) {
  return QChar(u'0' + valore % kDieci);
}

}  // namespace

QString Cards::Nome(Carta carta) {
  if (!carta.valida()) return kVuota;
  return QString::fromLatin1(LetteraSeme(carta.seme)) + CifraValore(carta.valore);
}

Carta Cards::CartaDi(const QString& nome) {
  for (int16_t seme = 1; seme <= kSemi; ++seme) {
    for (int16_t valore = 1; valore <= kValori; ++valore) {
      if (Nome({valore, seme}) == nome) return {valore, seme};
    }
  }
  return {};
}

const QPixmap& Cards::Picture(const QString& nome, qreal dpr) {
  if (dpr != dpr_) {
    cache_.clear();
    dpr_ = dpr;
  }
  const Carta carta = CartaDi(nome);
  const QString chiave = Nome(carta);
  auto trovata = cache_.constFind(chiave);
  if (trovata != cache_.constEnd()) return *trovata;

  QPixmap picture = QPixmap::fromImage(pittore::ImmagineCarta(carta, dpr));
  picture.setDevicePixelRatio(dpr);
  return *cache_.insert(chiave, picture);
}

}  // namespace quintello::ui
