#include "esperto/ModelloAvversario.h"

#include <algorithm>
#include <cmath>

#include "engine/Mazzo.h"
#include "esperto/Valutazione.h"
#include "rules/SceltaComputer.h"

namespace quintello {

namespace {

// How often a person makes a play without weighing it, any play the rules
// allow being as likely: a play that looks poor then costs a hand only part
// of its weight. Measured with the temperature (see ParametriCampione).
constexpr double kDistrazione = 0.2;

// Chance that `k` cards drawn from `n` include one of `buone`.
double AlmenoUnaSu(int n, int buone, int k) {
  double nessuna = 1;
  for (int i = 0; i < k && i < n; ++i) nessuna *= std::max(0.0, double(n - buone - i) / (n - i));
  return 1 - nessuna;
}

}  // namespace

double Occhiata(const Mano& dopo, Giocatore chi, InsiemeCarte sue, int altre) {
  const double v = StimaPrese(dopo, chi);
  const int carteSue = dopo.CarteIn(Altro(chi)).Quante();
  if (dopo.Terra().Vuoto() || carteSue == 0) return v;
  const InsiemeCarte fuori = dopo.Terra() | dopo.Prese(chi) | dopo.Prese(Altro(chi));
  const int nascoste = kCarteMazzo - (fuori | sue).Quante() - altre;
  const int buone = (CheSpazzano(dopo) - fuori - sue).Quante();
  return v - AlmenoUnaSu(nascoste, buone, carteSue);
}

ModelloAvversario::ModelloAvversario(const Vista& vista, Modello modello, double temperatura)
    : modello_(modello), regole_(vista.mano.RegoleInVigore()) {
  const Giocatore lui = Altro(vista.posto);
  // Walking back through the plays, the hands as they were; every deal gives
  // each side three cards, so a side that would hold more began the deal.
  std::array<int, kGiocatori> carte{};
  carte[Indice(vista.posto)] = vista.mano.CarteIn(vista.posto).Quante();
  carte[Indice(lui)] = vista.carteSue;
  Mano prima = vista.mano;
  const std::vector<Giocata>& storia = vista.mano.Storia();
  for (auto g = storia.rbegin(); g != storia.rend(); ++g) {
    if (++carte[Indice(g->chi)] > kCarteMano) break;
    prima.Annulla(*g);
    if (g->chi != lui) continue;
    Osservata o{prima.Terra(), prima.CarteIn(lui), g->scelta, {}, {}};
    if (modello == Modello::Umano) {
      // Every card it may have held, with every play of it on that table,
      // against the play it made.
      auto occhiata = [&](Mano& m, const Scelta& s) {
        const Giocata giocata = m.Gioca(lui, s);
        // A card it has not played since was one of those it holds now.
        const int altre = vista.carteSue - (o.poi.Contiene(s.carta) ? 0 : 1);
        const double v = Occhiata(m, lui, o.poi - s.carta, altre);
        m.Annulla(giocata);
        return v;
      };
      const double fatta = occhiata(prima, o.scelta);
      ElencoPrese prese;
      for (Carta carta : vista.nonViste | o.poi) {
        prima.ImpostaCarte(lui, o.poi | carta);
        PreseDi(o.terra, carta.valore, regole_, prese);
        const int i = IndiceCarta(carta);
        o.mosse[i] = std::max(1, prese.Quante());
        if (prese.Vuoto())
          o.peso[i] = std::exp((occhiata(prima, {carta, {}}) - fatta) / temperatura);
        for (InsiemeCarte presa : prese)
          o.peso[i] += std::exp((occhiata(prima, {carta, presa}) - fatta) / temperatura);
      }
      prima.ImpostaCarte(lui, o.poi);
    }
    giocate_.push_back(o);
  }
}

double ModelloAvversario::Verosimiglianza(InsiemeCarte sue) const {
  double v = 1;
  for (const Osservata& o : giocate_) {
    const InsiemeCarte mano = sue | o.poi;
    if (modello_ == Modello::Classico) {
      if (SceltaComputer(mano, o.terra, regole_) != o.scelta) return 0;
      continue;
    }
    double tutte = 0;
    int mosse = 0;
    for (Carta c : mano) {
      tutte += o.peso[IndiceCarta(c)];
      mosse += o.mosse[IndiceCarta(c)];
    }
    v *= (1 - kDistrazione) / tutte + kDistrazione / mosse;
  }
  return v;
}

}  // namespace quintello
