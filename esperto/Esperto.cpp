#include "esperto/Esperto.h"

#include <limits>
#include <vector>

#include "esperto/Campioni.h"
#include "esperto/Ricerca.h"

namespace quintello {

Scelta ScegliEsperto(const Vista& vista, Generatore& caso, const ParametriEsperto& parametri) {
  const std::vector<Scelta> mosse = vista.mano.MosseLegali(vista.posto);
  if (mosse.empty()) return {};
  if (mosse.size() == 1) return mosse[0];

  std::vector<double> somma(mosse.size(), 0.0), campione(mosse.size());
  long nodi = 0;
  // One hand for every sample: the search gives it back as it found it.
  Mano mano = vista.mano;
  PerOgniCampione(vista, parametri.campioni, caso, [&](InsiemeCarte manoSua) {
    if (nodi >= parametri.nodiMassimi) return false;
    Completa(mano, vista, manoSua);
    Ricerca ricerca(vista.posto);
    ricerca.limite = parametri.nodiMassimi - nodi;
    const double inf = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < mosse.size(); ++i)
      campione[i] = ricerca.Dopo(mano, vista.posto, mosse[i], -inf, inf);
    nodi += ricerca.nodi;
    if (!ricerca.interrotta)
      for (std::size_t i = 0; i < mosse.size(); ++i) somma[i] += campione[i];
    return nodi < parametri.nodiMassimi;
  });

  std::size_t migliore = 0;
  for (std::size_t i = 1; i < mosse.size(); ++i)
    if (somma[i] > somma[migliore] + 1e-9) migliore = i;
  return mosse[migliore];
}

}  // namespace quintello
