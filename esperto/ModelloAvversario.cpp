#include "esperto/ModelloAvversario.h"

#include <algorithm>
#include <cmath>

#include "engine/Mazzo.h"
#include "esperto/Valutazione.h"
#include "rules/SceltaComputer.h"

namespace quintello {

namespace {

// Chance that `k` cards drawn from `n` include one of `buone`.
double AlmenoUnaSu(int n, int buone, int k) {
  double nessuna = 1;
  for (int i = 0; i < k && i < n; ++i) nessuna *= std::max(0.0, double(n - buone - i) / (n - i));
  return 1 - nessuna;
}

// What a play looks worth to the side that made it, `mano` being the hand
// just after it: Esperto's estimate of the piles and the sweeps, less the
// chance that the other side sweeps the table left, as far as the cards the
// player has seen tell. `suaMano` counts the player's cards before the play.
double Occhiata(const Mano& mano, Giocatore chi, int suaMano, InsiemeCarte viste) {
  double v = StimaPrese(mano, chi);
  const int altre = mano.CarteIn(Altro(chi)).Quante();
  if (mano.Terra().Vuoto() || altre == 0) return v;
  const InsiemeCarte fuori = mano.Terra() | mano.Prese(chi) | mano.Prese(Altro(chi));
  const int nascoste = kCarteMazzo - fuori.Quante() - (suaMano - 1);
  const int buone = (CheSpazzano(mano) - fuori - viste).Quante();
  return v - AlmenoUnaSu(nascoste, buone, altre);
}

}  // namespace

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
    Osservata o{prima.Terra(), prima.CarteIn(lui), g->scelta, {}};
    if (modello == Modello::Umano) {
      // Every card it may have held, with every play of it on that table.
      const InsiemeCarte possibili = vista.nonViste | o.poi;
      const int suaMano = o.poi.Quante() + vista.carteSue;
      Mano dopo = prima;
      const double fatta = [&] {
        const Giocata giocata = dopo.Gioca(lui, o.scelta);
        const double v = Occhiata(dopo, lui, suaMano, o.poi);
        dopo.Annulla(giocata);
        return v;
      }();
      ElencoPrese prese;
      for (Carta carta : possibili) {
        PreseDi(o.terra, carta.valore, regole_, prese);
        auto peso = [&](const Scelta& s) {
          dopo.ImpostaCarte(lui, o.poi | carta);
          const Giocata giocata = dopo.Gioca(lui, s);
          const double v = Occhiata(dopo, lui, suaMano, o.poi);
          dopo.Annulla(giocata);
          return std::exp((v - fatta) / temperatura);
        };
        double& p = o.peso[IndiceCarta(carta)];
        if (prese.Vuoto()) p = peso({carta, {}});
        for (InsiemeCarte presa : prese) p += peso({carta, presa});
      }
      dopo.ImpostaCarte(lui, o.poi);
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
    for (Carta c : mano) tutte += o.peso[IndiceCarta(c)];
    v /= tutte;
  }
  return v;
}

}  // namespace quintello
