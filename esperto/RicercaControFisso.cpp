#include "esperto/RicercaControFisso.h"

#include <algorithm>
#include <limits>
#include <numeric>

#include "esperto/Valutazione.h"
#include "rules/SceltaComputer.h"

namespace quintello {

void RicercaControFisso::Aggiungi(InsiemeCarte sue, double peso) {
  mani_.push_back(vista_.mano);
  Completa(mani_.back(), vista_, sue);
  pesi_.push_back(peso);
}

std::vector<double> RicercaControFisso::Valori(const std::vector<Scelta>& mosse) {
  std::vector<int> tutte(mani_.size());
  std::iota(tutte.begin(), tutte.end(), 0);
  std::vector<double> valori;
  for (const Scelta& scelta : mosse) valori.push_back(Dopo(tutte, scelta, 0));
  return valori;
}

double RicercaControFisso::Dopo(std::span<const int> gruppo, const Scelta& scelta, int livello) {
  giocate_ += static_cast<long>(gruppo.size());
  std::vector<Giocata>& giocate = livelli_[livello].giocate;
  giocate.clear();
  for (int d : gruppo) giocate.push_back(mani_[d].Gioca(mani_[d].Turno(), scelta));
  const double v = Valore(gruppo, livello + 1);
  for (std::size_t k = 0; k < gruppo.size(); ++k) mani_[gruppo[k]].Annulla(giocate[k]);
  return v;
}

double RicercaControFisso::Valore(std::span<const int> gruppo, int livello) {
  // No deal holds more than a deal's plays: hands holding more cards than
  // the rules deal are searched no deeper.
  if (livello >= static_cast<int>(livelli_.size())) return 0;
  const Mano& primo = mani_[gruppo.front()];
  const Giocatore io = vista_.posto, chi = primo.Turno();
  if (primo.SmazzataFinita()) {
    double v = 0;
    for (int d : gruppo) v += pesi_[d] * Valuta(mani_[d], io);
    return v;
  }
  if (chi == io) {
    // The seat's cards and the table are the same in every deal of the group.
    double migliore = -std::numeric_limits<double>::infinity();
    primo.PerOgniMossa(io, [&](const Scelta& scelta) {
      migliore = std::max(migliore, Dopo(gruppo, scelta, livello));
      return true;
    });
    return migliore;
  }
  // The other side's reply in each deal; the deals with the same reply go on
  // together.
  Livello& qui = livelli_[livello];
  qui.risposte.clear();
  for (int d : gruppo) {
    const Mano& m = mani_[d];
    qui.risposte.emplace_back(*SceltaComputer(m.CarteIn(chi), m.Terra(), m.RegoleInVigore()), d);
  }
  std::ranges::stable_sort(qui.risposte, {}, [](const std::pair<Scelta, int>& r) {
    return std::pair(IndiceCarta(r.first.carta), r.first.presa.Bit());
  });
  qui.gruppi.clear();
  for (const auto& r : qui.risposte) qui.gruppi.push_back(r.second);
  double v = 0;
  for (std::size_t i = 0, j = 0; i < qui.risposte.size(); i = j) {
    while (j < qui.risposte.size() && qui.risposte[j].first == qui.risposte[i].first) ++j;
    v += Dopo(std::span<const int>(qui.gruppi).subspan(i, j - i), qui.risposte[i].first, livello);
  }
  return v;
}

}  // namespace quintello
