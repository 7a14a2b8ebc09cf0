// Esperto and Campione play well, fairly and by the rules: the best play
// whenever every card is known, the real count at the end of a hand, the
// levels in order, a view of only their own seat, a choice that cannot
// depend on the cards their seat does not see, and a reading of the other
// side's plays that never rules out the hand it holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <vector>

#include "MettiCarte.h"
#include "engine/Mazzo.h"
#include "esperto/Campione.h"
#include "esperto/Esperto.h"
#include "esperto/Giudizio.h"
#include "esperto/Revisione.h"
#include "esperto/Valutazione.h"
#include "rules/SceltaComputer.h"
#include "rules/SceltaPrincipiante.h"
#include "scoring/ContaPunti.h"

namespace quintello {
namespace {

// Plays a hand from a fresh deal, the side to move choosing by `scegli`.
template <typename Scegli>
Mano ManoGiocata(uint64_t seme, Scegli scegli) {
  Generatore caso(seme);
  Mano mano(seme % 2 ? Giocatore::Utente : Giocatore::PC);
  mano.DaiPrimaSmazzata(caso);
  GiocaMano(mano, caso, [&](const Mano& m) { return scegli(m, caso); });
  return mano;
}

Scelta Casuale(const Mano& m, Generatore& caso) {
  const std::vector<Scelta> mosse = m.MosseLegali();
  return mosse[caso.ParteIntera(static_cast<int>(mosse.size()))];
}

Scelta Classico(const Mano& m) {
  return *SceltaComputer(m.CarteIn(m.Turno()), m.Terra(), m.RegoleInVigore());
}

// The computer's seat plays by the fixed rule, the user's at random.
Scelta ClassicoControCasuale(const Mano& m, Generatore& caso) {
  return m.Turno() == Giocatore::PC ? Classico(m) : Casuale(m, caso);
}

// `io`'s points minus the other's with both sides playing their best to the
// end of the hand: every play tried, no window, no cut.
int Minimax(Mano& m, Giocatore io) {
  if (m.SmazzataFinita()) {
    const PuntiMano punti = PuntiDellaMano(m);
    return punti.Di(io) - punti.Di(Altro(io));
  }
  const Giocatore chi = m.Turno();
  int migliore = chi == io ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
  for (const Scelta& s : m.MosseLegali()) {
    m.Applica(s);
    const int v = Minimax(m, io);
    m.Annulla();
    migliore = chi == io ? std::max(migliore, v) : std::min(migliore, v);
  }
  return migliore;
}

TEST(ScegliEsperto, InTheLastDealItsPlayIsWorthTheBestOne) {
  int posizioni = 0;
  for (uint64_t seme = 1; seme <= 60; ++seme) {
    ManoGiocata(seme, [&](const Mano& m, Generatore& caso) {
      if (!m.Mazzo().Vuoto() || m.CarteIn(m.Turno()).Quante() < 2) return Casuale(m, caso);
      ++posizioni;
      Mano prova = m;
      const std::vector<Scelta> mosse = m.MosseLegali();
      std::vector<int> valori;
      for (const Scelta& s : mosse) {
        prova.Applica(s);
        valori.push_back(Minimax(prova, m.Turno()));
        prova.Annulla();
      }
      Generatore suo(seme);
      const Scelta scelta = ScegliEsperto(VistaDi(m, m.Turno()), suo);
      const int valore = valori[std::ranges::find(mosse, scelta) - mosse.begin()];
      EXPECT_EQ(valore, *std::ranges::max_element(valori))
          << "seme " << seme << ": " << CodiceCarta(scelta.carta) << " " << scelta.presa.Codici();
      return scelta;
    });
  }
  EXPECT_GT(posizioni, 60);
}

TEST(Valuta, AFinishedHandIsWorthItsCountWithTheTableToTheLastCapturer) {
  int terraRimasta = 0;
  for (uint64_t seme = 1; seme <= 40; ++seme) {
    const Mano fine = ManoGiocata(seme, Casuale);
    terraRimasta += !fine.Terra().Vuoto();
    Mano contata = fine;
    contata.TerraAllUltimaPresa();
    const PuntiMano punti = PuntiDellaMano(contata);
    for (Giocatore io : {Giocatore::PC, Giocatore::Utente})
      EXPECT_EQ(Valuta(fine, io), punti.Di(io) - punti.Di(Altro(io))) << "seme " << seme;
  }
  EXPECT_GT(terraRimasta, 0);
}

#ifdef QUINTELLO_SANITIZZATO
constexpr int kSmazzate = 100;
#else
constexpr int kSmazzate = 300;
#endif

using Giocatore_ = std::function<Scelta(const Mano&, Generatore&)>;

// Each deal played twice with the seats swapped: the points a hand the first
// player makes over the second.
double Margine(const Giocatore_& primo, const Giocatore_& secondo) {
  double margine = 0;
  for (int d = 0; d < kSmazzate; ++d) {
    for (Giocatore posto : {Giocatore::PC, Giocatore::Utente}) {
      Generatore suo(d);
      const Mano fine = ManoGiocata(1000 + d, [&](const Mano& m, Generatore&) {
        return (m.Turno() == posto ? primo : secondo)(m, suo);
      });
      const PuntiMano punti = PuntiDellaMano(fine);
      margine += punti.Di(posto) - punti.Di(Altro(posto));
    }
  }
  return margine / (2 * kSmazzate);
}

// Each level beats the one below it; Campione, reading the fixed player,
// beats it by far more than Esperto does.
TEST(Livelli, EachBeatsTheOneBelow) {
  const Giocatore_ classico = [](const Mano& m, Generatore&) { return Classico(m); };
  const double esperto =
      Margine([](const Mano& m, Generatore& c) { return ScegliEsperto(VistaDi(m, m.Turno()), c); },
              classico);
  EXPECT_GE(esperto, 0.5);
  EXPECT_GE(Margine(
                [](const Mano& m, Generatore& c) {
                  return ScegliCampione(VistaDi(m, m.Turno()), Modello::Classico, c);
                },
                classico),
            esperto + 0.25);
  EXPECT_GE(Margine(classico, [](const Mano& m,
                                 Generatore& c) { return SceltaPrincipiante(m, m.Turno(), c); }),
            0.3);
}

// At the end of a deal with cards left to deal, the estimate is one game
// seen from either side: what one side gains, the other loses.
TEST(Stima, EitherSideSeesTheSameGame) {
  int posizioni = 0;
  for (uint64_t seme = 1; seme <= 30; ++seme) {
    ManoGiocata(seme, [&](const Mano& m, Generatore& caso) {
      Mano fine = m;
      fine.ImpostaCarte(Giocatore::PC, {});
      fine.ImpostaCarte(Giocatore::Utente, {});
      if (!fine.Mazzo().Vuoto()) {
        ++posizioni;
        EXPECT_NEAR(Stima(fine, Giocatore::PC), -Stima(fine, Giocatore::Utente), 1e-9);
      }
      return Casuale(m, caso);
    });
  }
  EXPECT_GT(posizioni, 500);
}

// The other hand and the deck dealt again between them, same counts, leave
// the choice of the seat to move as it was: Esperto's, and Campione's reading
// the fixed player's plays (from the user's seat) or a random player's.
TEST(Scelte, SameChoiceWhateverTheSplitOfTheUnseenCards) {
  int posizioni = 0, diverse = 0, lette = 0;
  for (uint64_t seme = 100; seme < 106; ++seme) {
    ManoGiocata(seme, [&](const Mano& m, Generatore& caso) {
      const Vista vista = VistaDi(m, m.Turno());
      InsiemeCarte nonViste = vista.nonViste, sue;
      Generatore mescola(seme * 1000 + posizioni++);
      for (int i = vista.carteSue; i > 0; --i) sue |= *PescaCarta(nonViste, mescola);
      Mano altra = vista.mano, stessa = vista.mano;
      Completa(altra, vista, sue);
      Completa(stessa, vista, m.CarteIn(Altro(m.Turno())));
      EXPECT_EQ(stessa, m) << "the view and the cards it hides make the hand";
      EXPECT_TRUE((vista.mano.Mazzo() | vista.mano.CarteIn(Altro(m.Turno()))).Vuoto());
      diverse += !(altra == m);
      const Modello modello = m.Turno() == Giocatore::Utente ? Modello::Classico : Modello::Umano;
      lette += ModelloAvversario(vista, modello, 1).HaGiocato();
      for (int chi = 0; chi < 2; ++chi) {
        auto scegli = [&](const Vista& v, Generatore& c) {
          return chi == 0 ? ScegliEsperto(v, c) : ScegliCampione(v, modello, c);
        };
        Generatore copia = caso, altraCopia = caso;
        EXPECT_EQ(scegli(VistaDi(altra, m.Turno()), altraCopia), scegli(vista, copia));
      }
      const Scelta scelta = ClassicoControCasuale(m, caso);
      // The review of a play judges it on what the seat saw, too.
      if (posizioni % 5 == 0) {
        Generatore a(seme), b(seme);
        const Verdetto g = Giudica(m, m.Turno(), scelta, a, {.campioni = 8});
        const Verdetto h = Giudica(altra, m.Turno(), scelta, b, {.campioni = 8});
        EXPECT_EQ(g.mosse.size(), h.mosse.size());
        EXPECT_EQ(g.costo, h.costo);
        for (std::size_t i = 0; i < std::min(g.mosse.size(), h.mosse.size()); ++i)
          EXPECT_EQ(std::pair(g.mosse[i].scelta, g.mosse[i].valore),
                    std::pair(h.mosse[i].scelta, h.mosse[i].valore));
      }
      return scelta;
    });
  }
  // Only the last deal, with an empty deck, leaves nothing to split.
  EXPECT_GT(diverse, posizioni / 2);
  EXPECT_GT(lette, posizioni / 2);
}

// Reading the fixed player, the hand it holds always fits its plays in the
// deal and many other hands do not; a person's model more often than not
// makes that hand likelier than the average. Reading a random player as the fixed one, when no hand
// fits Campione plays as Esperto does.
TEST(ModelloAvversario, TheHandHeldFitsThePlaysSeen) {
  int lette = 0, sopra = 0, nessuna = 0;
  long mani = 0, escluse = 0;
  for (uint64_t seme = 1; seme <= 20; ++seme) {
    ManoGiocata(seme, [&](const Mano& m, Generatore& caso) {
      const Vista vista = VistaDi(m, m.Turno());
      const ModelloAvversario classico(vista, Modello::Classico, 1);
      if (!classico.HaGiocato()) return ClassicoControCasuale(m, caso);
      std::vector<double> pesi;
      OgniMano(vista.nonViste, vista.carteSue,
               [&](InsiemeCarte s) { pesi.push_back(classico.Verosimiglianza(s)); });
      const InsiemeCarte vera = m.CarteIn(Altro(m.Turno()));
      if (m.Turno() == Giocatore::PC) {
        if (std::ranges::count(pesi, 0.0) < static_cast<long>(pesi.size())) return Classico(m);
        ++nessuna;
        Generatore a = caso, b = caso;
        EXPECT_EQ(ScegliCampione(vista, Modello::Classico, a),
                  ScegliEsperto(vista, b, ParametriCampione{}.ricerca));
        return Classico(m);
      }
      ++lette;
      EXPECT_GT(classico.Verosimiglianza(vera), 0) << "seme " << seme;
      mani += static_cast<long>(pesi.size());
      escluse += std::ranges::count(pesi, 0.0);
      const ModelloAvversario umano(vista, Modello::Umano, ParametriCampione{}.temperatura);
      double somma = 0;
      OgniMano(vista.nonViste, vista.carteSue,
               [&](InsiemeCarte s) { somma += umano.Verosimiglianza(s); });
      sopra += umano.Verosimiglianza(vera) * static_cast<double>(pesi.size()) > somma;
      return Casuale(m, caso);
    });
  }
  EXPECT_GT(lette, 100);
  EXPECT_GT(escluse, mani / 3);
  EXPECT_GT(sopra, lette / 2);
  EXPECT_GT(nessuna, 10);
}

// Positions of the last deal built on purpose, where every card is known:
// the review puts the play made among the mistakes, with the reason that
// fits, and the best play at no cost.
TEST(Giudica, MistakesBuiltOnPurposeAndWhy) {
  struct Caso {
    const char* manoUtente;
    const char* manoPC;
    const char* terra;
    const char* giocata;  // laid on the table
    const char* motivo;
  };
  const Caso casi[] = {
      {"4b 9s", "7c 8b", "3s", "4b", "Lasci 7 in tavola: il computer può fare scopa"},
      {"7s 2c", "7b 5b", "7o 3c", "2c", "Meglio il sette di spade: prendi il settebello"},
      {"1b 5s", "6b", "7o 7s 1c", "5s",
       "Meglio l'asso di bastoni: l'ultima presa porta via le carte in tavola"},
  };
  for (const Caso& c : casi) {
    // Every other card is the user's already: no majority can change hands.
    Carte carte;
    carte.PerOgniCarta([&](Carta carta, int16_t) { carte[carta] = PresaUtente; });
    prova::Metti(carte, "2b 3b 4c", PresaPC);
    prova::Metti(carte, c.manoUtente, ManoUtente);
    prova::Metti(carte, c.manoPC, ManoPC);
    prova::Metti(carte, c.terra, Terra);
    const Mano mano = Mano::DaLuoghi(carte, Giocatore::PC, Giocatore::Utente, Giocatore::Utente);
    Generatore caso(1);
    const Verdetto g =
        Giudica(mano, Giocatore::Utente, {LeggiCarta(c.giocata), {}}, caso, {.campioni = 4});
    EXPECT_TRUE(g.Errore()) << c.giocata << " costs " << g.costo;
    EXPECT_EQ(g.motivo, c.motivo);
    Generatore ancora(1);
    EXPECT_EQ(Giudica(mano, Giocatore::Utente, g.mosse[0].scelta, ancora).costo, 0);
  }
}

// With no budget at all not one sample is searched: the first play, still a legal one.
TEST(ScegliEsperto, WithoutBudgetPlaysTheFirstLegalPlay) {
  Generatore caso(4);
  Mano mano;
  mano.DaiPrimaSmazzata(caso);
  const Scelta scelta = ScegliEsperto(VistaDi(mano, mano.Turno()), caso, {.nodiMassimi = 0});
  EXPECT_EQ(scelta, mano.MosseLegali().front());
}

}  // namespace
}  // namespace quintello
