#include "esperto/Giudizio.h"

#include <algorithm>
#include <limits>

#include "esperto/Ricerca.h"

namespace quintello {

long QuanteScelte(int n, int k, long tetto) {
  long c = 1;
  for (int i = 1; i <= k; ++i) {
    c = c * (n - k + i) / i;
    if (c > tetto) return tetto + 1;
  }
  return c;
}

Giudizio::Giudizio(const Vista& vista, const ParametriEsperto& parametri, double fiducia)
    : vista_(vista),
      parametri_(parametri),
      fiducia_(fiducia),
      mosse_(vista.mano.MosseLegali(vista.posto)),
      somma_(mosse_.size(), 0.0),
      campione_(mosse_.size()),
      mano_(vista.mano) {}

void Giudizio::Cerca(InsiemeCarte sue, double peso) {
  if (nodi_ >= parametri_.nodiMassimi) return;
  Completa(mano_, vista_, sue);
  Ricerca ricerca(vista_.posto);
  ricerca.limite = parametri_.nodiMassimi - nodi_;
  ricerca.fiducia = fiducia_;
  const double inf = std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i < mosse_.size(); ++i)
    campione_[i] = ricerca.Dopo(mano_, vista_.posto, mosse_[i], -inf, inf);
  nodi_ += ricerca.nodi;
  if (ricerca.interrotta) return;
  for (std::size_t i = 0; i < mosse_.size(); ++i) somma_[i] += peso * campione_[i];
}

void Giudizio::CercaAlCaso(Generatore& caso) {
  const int sue = std::min(vista_.carteSue, vista_.nonViste.Quante());
  const int campioni = std::max(1, parametri_.campioni);
  if (QuanteScelte(vista_.nonViste.Quante(), sue, campioni) <= campioni) {
    // Few enough hands to search them all: no sampling, no draws.
    OgniMano(vista_.nonViste, sue, [this](InsiemeCarte manoSua) { Cerca(manoSua); });
    return;
  }
  std::vector<Carta> mescolate;
  for (Carta c : vista_.nonViste) mescolate.push_back(c);
  for (int c = 0; c < campioni && nodi_ < parametri_.nodiMassimi; ++c) {
    for (int i = 0; i < sue; ++i) {
      const int j = i + caso.ParteIntera(static_cast<int>(mescolate.size()) - i);
      std::swap(mescolate[i], mescolate[j]);
    }
    InsiemeCarte manoSua;
    for (int i = 0; i < sue; ++i) manoSua |= mescolate[i];
    Cerca(manoSua);
  }
}

Scelta Giudizio::Migliore() const {
  if (mosse_.empty()) return {};
  std::size_t migliore = 0;
  for (std::size_t i = 1; i < mosse_.size(); ++i)
    if (somma_[i] > somma_[migliore] + 1e-9) migliore = i;
  return mosse_[migliore];
}

}  // namespace quintello
