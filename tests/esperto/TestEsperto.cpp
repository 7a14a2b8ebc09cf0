// Esperto against the rules and the count: the same captures, each seat's
// view, only legal plays, the game's count of a finished hand, and a choice
// that cannot depend on the cards its seat does not see.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
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

// The rules' captures for a card of this value, as a sorted list. Forcing
// one value changes only that value's list, so `comb` serves every value.
std::vector<std::string> PreseRegole(const Carte& carte, int valore, Combinazioni& comb) {
  CombinazioniObbligate(carte, comb, valore);
  std::vector<std::string> prese(comb.liste[valore].begin() + 1,
                                 comb.liste[valore].begin() + 1 + comb.n[valore]);
  std::sort(prese.begin(), prese.end());
  return prese;
}

std::vector<std::string> PreseRegole(const Carte& carte, int valore) {
  Combinazioni comb;
  CalcolaCombinazioni(carte, comb);
  return PreseRegole(carte, valore, comb);
}

std::vector<std::string> PreseEsperto(Maschera terra, int valore) {
  esperto::ElencoPrese elenco;
  esperto::PreseDi(terra, valore, elenco);
  std::vector<std::string> prese;
  for (int k = 0; k < elenco.n; ++k) prese.push_back(esperto::CodiciDi(elenco.prese[k]));
  std::sort(prese.begin(), prese.end());
  return prese;
}

TEST(PreseDi, SameCapturesAsTheRulesOverRandomTables) {
  Generatore caso(7);
  // The worst table first (four aces, twos and threes and a four), then random ones.
  Carte peggiore;
  prova::Metti(peggiore, "1o 1s 1c 1b 2o 2s 2c 2b 3o 3s 3c 3b 4o", Terra);
  Combinazioni comb;
  for (int prova = 0; prova < 1500; ++prova) {
    Carte carte = peggiore;
    if (prova > 0) {
      carte.Azzera();
      const int quante = 1 + caso.ParteIntera(kCarteTerraMassime);
      for (int i = 0; i < quante; ++i) PescaCarta(carte, caso, Terra);
    }
    Maschera terra = 0;
    carte.PerOgniCarta([&](Carta c, int16_t l) {
      if (l == Terra) terra |= esperto::Bit(esperto::IndiceCarta(c));
    });
    CalcolaCombinazioni(carte, comb);
    for (int v = 1; v <= kValori; ++v)
      ASSERT_EQ(PreseEsperto(terra, v), PreseRegole(carte, v, comb))
          << CarteInTerra(carte) << " " << v;
  }
}

TEST(VistaDi, EachSeatSeesItsOwnSideAndOnlyCountsOfTheOther) {
  Carte carte;
  prova::Metti(carte, "1o 1s", ManoPC);
  prova::Metti(carte, "2o", ManoUtente);
  prova::Metti(carte, "3o", Terra);
  prova::Metti(carte, "4o 5o", PresaPC);
  prova::Metti(carte, "6o", ScopaPC);
  prova::Metti(carte, "7o 8o", PresaUtente);
  // Every other card lies in the deck.
  const Contesto contesto{.mazziere = Giocatore::Utente, .punteggioPC = 3, .punteggioUtente = 9};
  auto maschera = [](std::string_view codici) {
    Carte c;
    prova::Metti(c, codici, Terra);
    Maschera m = 0;
    c.PerOgniCarta([&](Carta x, int16_t l) {
      if (l == Terra) m |= esperto::Bit(esperto::IndiceCarta(x));
    });
    return m;
  };
  const Maschera mani = maschera("1o 1s 2o");
  const Maschera mazzo = esperto::kTutte & ~mani & ~maschera("3o 4o 5o 6o 7o 8o");
  struct Atteso {
    Giocatore posto;
    const char* mano;
    const char* mie;
    const char* sue;
    int scopeMie, scopeSue, carteSue;
    bool ioDo;
    int punteggioMio;
  };
  for (const Atteso& a : {Atteso{Giocatore::PC, "1o 1s", "4o 5o 6o", "7o 8o", 1, 0, 1, false, 3},
                          Atteso{Giocatore::Utente, "2o", "7o 8o", "4o 5o 6o", 0, 1, 2, true, 9}}) {
    const Vista v = VistaDi(carte, a.posto, contesto);
    EXPECT_EQ(v.mano, maschera(a.mano));
    EXPECT_EQ(v.terra, maschera("3o"));
    EXPECT_EQ(v.preseMie, maschera(a.mie));
    EXPECT_EQ(v.preseSue, maschera(a.sue));
    EXPECT_EQ(v.nonViste, (mazzo | mani) & ~v.mano);
    EXPECT_EQ(v.carteMazzo, esperto::Quante(mazzo));
    EXPECT_EQ(std::tuple(v.scopeMie, v.scopeSue, v.carteSue, v.ioDo, v.punteggioMio),
              std::tuple(a.scopeMie, a.scopeSue, a.carteSue, a.ioDo, a.punteggioMio));
  }
}

Giocatore Altro(Giocatore g) {
  return g == Giocatore::PC ? Giocatore::Utente : Giocatore::PC;
}

// A whole hand: Esperto for the computer, random legal plays for the user.
// `guarda` sees every position before Esperto plays, and its choice. Gives
// the last position, before the table goes to the last capturer.
template <typename Guarda>
StatoPartita GiocaMano(uint64_t seme, Guarda guarda) {
  Generatore caso(seme);
  StatoPartita stato;
  stato.mazziere = static_cast<int16_t>(seme % 2);
  DaiCarte(stato.carte, caso);
  DaiCarteTerra(stato.carte, caso);
  Giocatore turno = stato.mazziere == 1 ? Giocatore::PC : Giocatore::Utente;
  for (;;) {
    if (stato.carte.Conta(ManoPC) + stato.carte.Conta(ManoUtente) == 0) {
      if (stato.carte.Conta(Mazzo) == 0) return stato;
      DaiCarte(stato.carte, caso);
    }
    Scelta s;
    if (turno == Giocatore::PC) {
      s = ScegliEsperto(VistaDi(stato, turno), caso);
      guarda(stato, s);
    } else {
      std::vector<Carta> mano;
      stato.carte.PerOgniCarta([&](Carta c, int16_t l) {
        if (l == ManoUtente) mano.push_back(c);
      });
      s.carta = mano[caso.ParteIntera(static_cast<int>(mano.size()))];
      const std::vector<std::string> prese = PreseRegole(stato.carte, s.carta.valore);
      if (!prese.empty()) s.presa = prese[caso.ParteIntera(static_cast<int>(prese.size()))];
    }
    ApplicaGiocata(stato, s.carta, s.presa, turno);
    turno = Altro(turno);
  }
}

TEST(ScegliEsperto, EveryPlayIsLegalAndTheFinalCountIsTheGames) {
  int mosse = 0;
  for (uint64_t seme = 1; seme <= 40; ++seme) {
    StatoPartita fine = GiocaMano(seme, [&](const StatoPartita& stato, const Scelta& s) {
      ++mosse;
      ASSERT_EQ(stato.carte[s.carta], ManoPC) << CodiceCarta(s.carta);
      const std::vector<std::string> prese = PreseRegole(stato.carte, s.carta.valore);
      if (prese.empty()) {
        EXPECT_EQ(s.presa, "");
      } else {
        EXPECT_NE(std::find(prese.begin(), prese.end(), s.presa), prese.end())
            << CarteInTerra(stato.carte) << " " << CodiceCarta(s.carta) << " " << s.presa;
      }
    });
    // The search's count of the finished hand is the game's.
    const Vista v = VistaDi(fine, Giocatore::PC);
    esperto::Posizione p;
    p.terra = v.terra;
    p.prese[0] = v.preseMie;
    p.prese[1] = v.preseSue;
    p.scope[0] = v.scopeMie;
    p.scope[1] = v.scopeSue;
    p.ultimo = v.ultimaMia ? 0 : 1;
    fine.carte.PerOgniCarta([&](Carta c, int16_t l) {
      if (l == Terra) fine.carte[c] = fine.ultimapresa ? PresaUtente : PresaPC;
    });
    const PuntiMano punti = PuntiDellaMano(fine.carte);
    EXPECT_EQ(esperto::DifferenzaFinale(p), punti.pc - punti.utente) << seme;
  }
  EXPECT_EQ(mosse, 40 * 18);
}

TEST(ScegliEsperto, SameChoiceWhateverTheSplitOfTheUnseenCards) {
  int posizioni = 0, diverse = 0;
  for (uint64_t seme = 100; seme < 106; ++seme) {
    GiocaMano(seme, [&](const StatoPartita& stato, const Scelta&) {
      // The user's hand and the deck dealt again between them, same counts.
      StatoPartita altra = stato;
      const int inMano = stato.carte.Conta(ManoUtente);
      altra.carte.PerOgniCarta([&](Carta c, int16_t l) {
        if (l == ManoUtente) altra.carte[c] = Mazzo;
      });
      Generatore mescola(seme * 1000 + posizioni);
      for (int i = 0; i < inMano; ++i) PescaCarta(altra.carte, mescola, ManoUtente);
      diverse += !(altra.carte == stato.carte);
      ++posizioni;
      Generatore a(seme), b(seme);
      EXPECT_EQ(ScegliEsperto(VistaDi(stato, Giocatore::PC), a),
                ScegliEsperto(VistaDi(altra, Giocatore::PC), b));
    });
  }
  // Only the last deal, with an empty deck, leaves nothing to split.
  EXPECT_GT(diverse, posizioni / 2);
}

}  // namespace
}  // namespace quintello
