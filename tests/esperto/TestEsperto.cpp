// Esperto against the rules and the count: the same captures, each seat's
// view, only legal plays, the game's count of a finished hand, and a choice
// that cannot depend on the cards its seat does not see.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "MettiCarte.h"
#include "engine/Mazzo.h"
#include "engine/StatoPartita.h"
#include "esperto/CarteBit.h"
#include "esperto/Esperto.h"
#include "esperto/Ricerca.h"
#include "rules/Combinazioni.h"
#include "rules/Giocata.h"
#include "scoring/ContaPunti.h"

namespace quintello {
namespace {

using esperto::Maschera;
using Prese = std::vector<std::string>;

// The rules' captures for a card of each value, each list sorted. Forcing one
// value changes only that value's list, so one rebuild serves every value.
std::array<Prese, kValori + 1> PreseRegole(const Carte& carte) {
  Combinazioni comb;
  CalcolaCombinazioni(carte, comb);
  std::array<Prese, kValori + 1> prese;
  for (int v = 1; v <= kValori; ++v) {
    CombinazioniObbligate(carte, comb, v);
    prese[v].assign(comb.liste[v].begin() + 1, comb.liste[v].begin() + 1 + comb.n[v]);
    std::ranges::sort(prese[v]);
  }
  return prese;
}

Maschera InsiemeDi(const Carte& carte, int16_t luogo) {
  Maschera m = 0;
  carte.PerOgniCarta([&](Carta c, int16_t l) {
    if (l == luogo) m |= esperto::Bit(esperto::IndiceCarta(c));
  });
  return m;
}
Maschera InsiemeDi(std::string_view codici) {
  Carte carte;
  prova::Metti(carte, codici, Terra);
  return InsiemeDi(carte, Terra);
}

TEST(PreseDi, SameCapturesAsTheRulesOverRandomTables) {
  Generatore caso(7);
  for (int giro = 0; giro < 1500; ++giro) {
    // The worst table first (four aces, twos and threes and a four), then
    // random ones from empty to full.
    Carte carte;
    if (giro == 0) prova::Metti(carte, "1o 1s 1c 1b 2o 2s 2c 2b 3o 3s 3c 3b 4o", Terra);
    for (int i = giro == 0 ? 0 : caso.ParteIntera(kCarteTerraMassime + 1); i > 0; --i) {
      PescaCarta(carte, caso, Terra);
    }
    const auto regole = PreseRegole(carte);
    for (int v = 1; v <= kValori; ++v) {
      esperto::ElencoPrese elenco;
      esperto::PreseDi(InsiemeDi(carte, Terra), v, elenco);
      Prese prese;
      for (int k = 0; k < elenco.n; ++k) prese.push_back(esperto::CodiciDi(elenco.prese[k]));
      std::ranges::sort(prese);
      ASSERT_EQ(prese, regole[v]) << CarteInTerra(carte) << " " << v;
    }
  }
}

TEST(VistaDi, EachSeatSeesItsOwnSideAndOnlyCountsOfTheOther) {
  Carte carte;  // every card not put elsewhere lies in the deck
  prova::Metti(carte, "1o 1s", ManoPC);
  prova::Metti(carte, "2o", ManoUtente);
  prova::Metti(carte, "3o", Terra);
  prova::Metti(carte, "4o 5o", PresaPC);
  prova::Metti(carte, "6o", ScopaPC);
  prova::Metti(carte, "7o 8o", PresaUtente);
  const Contesto contesto{.mazziere = Giocatore::Utente,
                          .ultimaPresa = Giocatore::Utente,
                          .punteggioPC = 3,
                          .punteggioUtente = 9};
  const Maschera mazzo = InsiemeDi(carte, Mazzo);
  const int nMazzo = esperto::Quante(mazzo);
  const auto [pc, mieiPC, utente, mieiUtente] =
      std::array{InsiemeDi("1o 1s"), InsiemeDi("4o 5o 6o"), InsiemeDi("2o"), InsiemeDi("7o 8o")};
  // In field order: seat, hand, table, captured by each, sweeps of each, the
  // unseen cards, how many the other hand and the deck hold, dealer, last
  // capture, scores.
  EXPECT_EQ(VistaDi(carte, Giocatore::PC, contesto),
            (Vista{Giocatore::PC, pc, InsiemeDi("3o"), mieiPC, mieiUtente, 1, 0, mazzo | utente, 1,
                   nMazzo, false, false, 3, 9}));
  EXPECT_EQ(VistaDi(carte, Giocatore::Utente, contesto),
            (Vista{Giocatore::Utente, utente, InsiemeDi("3o"), mieiUtente, mieiPC, 0, 1, mazzo | pc,
                   2, nMazzo, true, true, 9, 3}));
}

// A whole hand with Esperto in both seats. `guarda` sees every position, the
// seat to move, its choice and the generator it chose with. Gives the last
// position, before the table goes to the last capturer.
template <typename Guarda>
StatoPartita GiocaMano(uint64_t seme, Guarda guarda) {
  Generatore caso(seme);
  StatoPartita stato;
  stato.mazziere = static_cast<int16_t>(seme % 2);
  DaiCarte(stato.carte, caso);
  DaiCarteTerra(stato.carte, caso);
  Giocatore turno = stato.mazziere == 1 ? Giocatore::PC : Giocatore::Utente;
  for (;; turno = turno == Giocatore::PC ? Giocatore::Utente : Giocatore::PC) {
    if (stato.carte.Conta(ManoPC) + stato.carte.Conta(ManoUtente) == 0) {
      if (stato.carte.Conta(Mazzo) == 0) return stato;
      DaiCarte(stato.carte, caso);
    }
    const Generatore prima = caso;
    const Scelta s = ScegliEsperto(VistaDi(stato, turno), caso);
    guarda(stato, turno, s, prima);
    ApplicaGiocata(stato, s.carta, s.presa, turno);
  }
}

Luogo ManoDi(Giocatore g) {
  return g == Giocatore::PC ? ManoPC : ManoUtente;
}

TEST(ScegliEsperto, EveryPlayIsLegalAndTheFinalCountIsTheGames) {
  int mosse = 0;
  for (uint64_t seme = 1; seme <= 30; ++seme) {
    StatoPartita fine = GiocaMano(
        seme, [&](const StatoPartita& stato, Giocatore io, const Scelta& s, const Generatore&) {
          ++mosse;
          ASSERT_EQ(stato.carte[s.carta], ManoDi(io)) << CodiceCarta(s.carta);
          const Prese prese = PreseRegole(stato.carte)[s.carta.valore];
          EXPECT_TRUE(prese.empty() ? s.presa.empty() : std::ranges::count(prese, s.presa) == 1)
              << CarteInTerra(stato.carte) << " " << CodiceCarta(s.carta) << " " << s.presa;
        });
    // The search's count of the finished hand is the game's.
    const Vista v = VistaDi(fine, Giocatore::PC);
    esperto::Posizione p{.terra = v.terra,
                         .prese = {v.preseMie, v.preseSue},
                         .scope = {v.scopeMie, v.scopeSue},
                         .ultimo = v.ultimaMia ? 0 : 1};
    fine.carte.PerOgniCarta([&](Carta c, int16_t l) {
      if (l == Terra) fine.carte[c] = fine.ultimapresa ? PresaUtente : PresaPC;
    });
    const PuntiMano punti = PuntiDellaMano(fine.carte);
    EXPECT_EQ(esperto::DifferenzaFinale(p), punti.pc - punti.utente) << seme;
  }
  EXPECT_EQ(mosse, 30 * 36);
}

// The other hand and the deck dealt again between them, same counts, leave
// the choice of the seat to move as it was.
TEST(ScegliEsperto, SameChoiceWhateverTheSplitOfTheUnseenCards) {
  int posizioni = 0, diverse = 0;
  for (uint64_t seme = 100; seme < 106; ++seme) {
    GiocaMano(
        seme, [&](const StatoPartita& stato, Giocatore io, const Scelta& scelta, Generatore caso) {
          const Luogo suaMano = ManoDi(io == Giocatore::PC ? Giocatore::Utente : Giocatore::PC);
          StatoPartita altra = stato;
          altra.carte.PerOgniCarta([&](Carta c, int16_t l) {
            if (l == suaMano) altra.carte[c] = Mazzo;
          });
          Generatore mescola(seme * 1000 + posizioni++);
          for (int i = stato.carte.Conta(suaMano); i > 0; --i)
            PescaCarta(altra.carte, mescola, suaMano);
          diverse += !(altra.carte == stato.carte);
          EXPECT_EQ(ScegliEsperto(VistaDi(altra, io), caso), scelta);
        });
  }
  // Only the last deal, with an empty deck, leaves nothing to split.
  EXPECT_GT(diverse, posizioni / 2);
}

}  // namespace
}  // namespace quintello
