#include "esperto/Giudizio.h"

#include <algorithm>
#include <limits>

#include "esperto/Ricerca.h"

namespace quintello {

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
  PerOgniCampione(vista_, parametri_.campioni, caso, [this](InsiemeCarte manoSua) {
    Cerca(manoSua);
    return nodi_ < parametri_.nodiMassimi;
  });
}

Scelta Giudizio::Migliore() const {
  if (mosse_.empty()) return {};
  std::size_t migliore = 0;
  for (std::size_t i = 1; i < mosse_.size(); ++i)
    if (somma_[i] > somma_[migliore] + 1e-9) migliore = i;
  return mosse_[migliore];
}

}  // namespace quintello
