#include "CarteNumerali.h"

#include "PosizioniSemi.h"
#include "Segni.h"

namespace quintello::pittore {
namespace {

void DisegnaDenari(QPainter& p, int valore) {
  const auto posti = PosizioniDenari(valore);
  for (std::size_t i = 0; i < posti.size(); ++i) {
    if (valore == kUltimoNumerale && i == kIndiceSettebello) {
      DisegnaDenaroPregiato(p, posti[i].centro, posti[i].misura);
    } else {
      DisegnaDenaro(p, posti[i].centro, posti[i].misura);
    }
  }
}

void DisegnaCoppe(QPainter& p, int valore) {
  for (const Posto& posto : PosizioniCoppe(valore)) DisegnaCoppa(p, posto.centro, posto.misura);
}

void DisegnaSpade(QPainter& p, int valore) {
  for (const Spada& spada : PosizioniSpade(valore)) DisegnaSpada(p, spada);
}

void DisegnaBastoni(QPainter& p, int valore) {
  for (const Bastone& bastone : PosizioniBastoni(valore)) DisegnaBastone(p, bastone);
}

}  // namespace

void DisegnaNumerale(QPainter& p, int valore, Seme seme) {
  if (valore == 1) {
    DisegnaAsso(p, seme);
    return;
  }
  switch (seme) {
    case Seme::Denari:
      DisegnaDenari(p, valore);
      break;
    case Seme::Spade:
      DisegnaSpade(p, valore);
      break;
    case Seme::Coppe:
      DisegnaCoppe(p, valore);
      break;
    case Seme::Bastoni:
      DisegnaBastoni(p, valore);
      break;
  }
}

}  // namespace quintello::pittore
