// The rules of a play: capture lists, forced capture, the proposal, applying
// a play, and the computer's choice.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "MettiCarte.h"
#include "engine/Mazzo.h"
#include "rules/Combinazioni.h"
#include "rules/Mano.h"
#include "rules/OrdinamentoScambi.h"
#include "rules/ProponiPresa.h"
#include "rules/SceltaComputer.h"

namespace quintello {
namespace {

using prova::Codici;
using prova::Insieme;
using prova::Metti;
using Voci = std::vector<std::string>;

template <typename Lista>
Voci Testi(const Lista& lista) {
  Voci voci;
  for (InsiemeCarte presa : lista) voci.push_back(presa.Codici());
  return voci;
}

// An independent enumeration: every non-empty subset of the table's cards as
// an increasing index sequence, in lexicographic order, kept by its sum.
std::array<Voci, kSommaMassima + 1> ForzaBruta(const std::vector<Carta>& terra) {
  std::vector<std::vector<int>> sottoinsiemi;
  for (unsigned maschera = 1; maschera < (1u << terra.size()); ++maschera) {
    sottoinsiemi.emplace_back();
    for (int i = 0; i < static_cast<int>(terra.size()); ++i)
      if (maschera & (1u << i)) sottoinsiemi.back().push_back(i);
  }
  std::sort(sottoinsiemi.begin(), sottoinsiemi.end());
  std::array<Voci, kSommaMassima + 1> liste;
  for (const auto& indici : sottoinsiemi) {
    InsiemeCarte presa;
    for (int i : indici) presa |= terra[i];
    if (presa.SommaValori() <= kSommaMassima) liste[presa.SommaValori()].push_back(presa.Codici());
  }
  return liste;
}

TEST(CalcolaCombinazioni, MatchesBruteForceAndTheForcedRuleOnRandomTables) {
  Generatore caso(2024);
  for (int prova = 0; prova < 300; ++prova) {
    InsiemeCarte mazzo = InsiemeCarte::Tutte(), terra;
    for (int i = caso.ParteIntera(kCarteTerraMassime + 1); i > 0; --i)
      terra |= *PescaCarta(mazzo, caso);
    std::vector<Carta> carte;
    for (Carta c : terra) carte.push_back(c);
    const Combinazioni comb = CalcolaCombinazioni(terra);
    const auto attese = ForzaBruta(carte);
    for (int s = 1; s <= kSommaMassima; ++s)
      ASSERT_EQ(Testi(comb.liste[s]), attese[s]) << "somma " << s;
    for (int v = 1; v <= kValori; ++v) {
      // Every rule set: only the ace that takes all changes a capture.
      for (int regola = 0; regola < 1 << kRegole; ++regola) {
        Regole regole;
        for (Regola r : kTutteLeRegole) regole[r] = regola >> static_cast<int>(r) & 1;
        ElencoPrese prese;
        PreseDi(terra, v, regole, prese);
        const InsiemeCarte stessoValore = terra & InsiemeCarte::DelValore(v);
        Voci attesa;
        for (Carta c : stessoValore) attesa.push_back(CodiceCarta(c));
        if (stessoValore.Vuoto()) attesa = attese[v];
        if (regole.assoPigliaTutto && v == 1 && stessoValore.Vuoto() && !carte.empty())
          attesa = {terra.Codici()};
        ASSERT_EQ(Testi(prese), attesa) << "valore " << v << ", regole " << NomiRegole(regole);
        CombinazioniObbligate(terra, prese, v);
        ASSERT_EQ(Testi(prese), attesa) << "forcing again";
      }
    }
  }
}

TEST(ProponiPresa, ClicksCycleThroughTheCapturesAndBack) {
  struct Caso {
    const char* terra;
    int valore;
    int16_t indice, dopo;  // the counter before the click and after
    const char* presa;
    int totale;
  };
  const Caso casi[] = {
      {"1o 2s 3c 4b", 5, 0, 1, "1o4b", 2},
      {"1o 2s 1b", 1, 0, 1, "1o", 2},  // an ace takes an ace
      {"1o 2s 3c 4b", 5, 1, 2, "2s3c", 2},
      {"1o 2s 3c 4b", 5, 2, 1, "1o4b", 2},  // after the last, the first again
      {"2s 3b 5o 5c", 5, 1, 2, "5c", 2},    // a five on the table: only the fives
      {"2s 3b 5o 5c", 10, 2, 3, "5o5c", 3},
      {"3o 4c", 9, 0, 1, "", 0},          // nothing to take: the click still counts
      {"3o 4c", 9, 32767, 32767, "", 0},  // but never past what it can hold
      {"3o 4c", 0, 0, 1, "", 0},          // an empty slot's value
  };
  for (const Caso& c : casi) {
    const Proposta p = ProponiPresa(Insieme(c.terra), c.valore, c.indice, {});
    EXPECT_EQ(p.indicepresa, c.dopo) << c.terra << " / " << c.valore << " click " << c.indice;
    EXPECT_EQ(p.presa.Codici(), c.presa) << c.terra << " / " << c.valore << " click " << c.indice;
    EXPECT_EQ(p.totale, c.totale) << c.terra << " / " << c.valore;
  }
}

// Random hands played through the hand model: every play moves exactly the
// cards it names, a capture makes its side the last capturer and sweeps when
// it empties the table, and taking a play back gives the hand as it was.
TEST(Mano, EveryPlayMovesItsCardsAndTakesBack) {
  for (uint64_t seme = 1; seme <= 64; ++seme) {
    Generatore caso(seme);
    // The ace that takes all, sweeping or not, in half the hands.
    const Regole regole{.assoPigliaTutto = seme % 4 < 2, .assoScopa = seme % 2 == 0};
    Mano mano(seme % 2 ? Giocatore::Utente : Giocatore::PC, Giocatore::PC, regole);
    mano.DaiPrimaSmazzata(caso);
    GiocaMano(mano, caso, [&](const Mano& m) {
      const std::vector<Scelta> mosse = m.MosseLegali();
      const Scelta s = mosse[caso.ParteIntera(static_cast<int>(mosse.size()))];
      const Giocatore chi = m.Turno(), prima = m.UltimaPresa();
      EXPECT_TRUE(m.Legale(chi, s) && !m.Legale(Altro(chi), s));
      Mano dopo = m;
      dopo.Applica(s);
      const bool presa = !s.presa.Vuoto();
      const bool tutta = s.carta.valore == 1 && presa &&
                         (s.presa & InsiemeCarte::DelValore(1)).Vuoto();
      EXPECT_TRUE(!tutta || (regole.assoPigliaTutto && s.presa == m.Terra()));
      EXPECT_EQ(dopo.CarteIn(chi), m.CarteIn(chi) - s.carta);
      EXPECT_EQ(dopo.Terra(), presa ? m.Terra() - s.presa : m.Terra() | s.carta);
      EXPECT_EQ(dopo.Prese(chi), presa ? m.Prese(chi) | s.presa | s.carta : m.Prese(chi));
      EXPECT_EQ(dopo.UltimaPresa(), presa ? chi : prima);
      const bool scopa = presa && dopo.Terra().Vuoto() && (!tutta || regole.assoScopa);
      EXPECT_EQ(dopo.Scope(chi) - m.Scope(chi), scopa ? InsiemeCarte(s.carta) : InsiemeCarte());
      const Mano letta = Mano::DaLuoghi(dopo.Luoghi(), dopo.Mazziere(), dopo.UltimaPresa(),
                                        dopo.Turno(), regole);
      EXPECT_EQ(std::pair(letta.Luoghi(), letta.Turno()), std::pair(dopo.Luoghi(), dopo.Turno()));
      dopo.Annulla();
      EXPECT_EQ(dopo, m);
      return s;
    });
  }
}

// The exchange loop itself, as written: the reference the fast version is held to.
std::vector<int> PermutazioneScambiDiretta(std::vector<double> peso) {
  const int n = static_cast<int>(peso.size());
  std::vector<int> posto(n);
  std::iota(posto.begin(), posto.end(), 0);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      if (peso[i] < peso[j]) {
        std::swap(peso[i], peso[j]);
        std::swap(posto[i], posto[j]);
      }
    }
  }
  return posto;
}

TEST(PermutazioneScambi, MatchesTheLoopOnRandomWeightsWithManyTies) {
  std::mt19937 caso(99);
  for (int prova = 0; prova < 3000; ++prova) {
    const int n = static_cast<int>(caso() % 70);
    const int distinti = 1 + static_cast<int>(caso() % 8);
    std::vector<double> peso(n);
    for (double& w : peso) w = 1.0 + 0.25 * static_cast<double>(caso() % distinti);
    ASSERT_EQ(PermutazioneScambi(peso), PermutazioneScambiDiretta(peso)) << "prova " << prova;
  }
}

TEST(SceltaComputer, CardAndCaptureByWeight) {
  struct Caso {
    const char* terra;
    const char* mano;
    const char* carta;  // "" nothing to play
    const char* presa;
    bool assoPigliaTutto = false;
  };
  const Caso casi[] = {
      // The best card with its lightest capture.
      {"1o 3c 4b 6s", "2b 7c 9s", "7c", "3c4b"},
      // Forced capture: the first suit of the value on the table.
      {"3s 4c 7o 7b", "7c 8s", "7c", "7o"},
      {"2c 3b 5s", "1c 5o 0b", "0b", "2c3b5s"},
      // Equal scores keep the card that comes first.
      {"1s 2o 5b 6c", "7s 7b", "7s", "2o5b"},
      // Nothing to take: the lightest card, the first on ties.
      {"2s 5c", "8b 9c 0s", "8b", ""},
      {"", "7o 6c 2b", "2b", ""},
      // Two tens sort list 10 twice: 2c8c 2c8b 2c8o, then 2c8b 2c8c 2c8o;
      // both score alike, so the first ten takes what the second pass left.
      {"2c 4s 7o 8o 8c 8b", "1b 0s 0c", "0s", "2c8b"},
      {"1o 2s", "", "", ""},
      // The ace that takes all is weighed as any capture; with an ace on the
      // table it takes only that ace.
      {"2c 3b 5s", "1c 5o 0b", "1c", "2c3b5s", true},
      {"1s 9c", "1o 2b", "1o", "1s", true},
  };
  for (const Caso& c : casi) {
    const std::optional<Scelta> scelta = SceltaComputer(
        Insieme(c.mano), Insieme(c.terra), Regole{.assoPigliaTutto = c.assoPigliaTutto});
    const std::string giocata = scelta ? CodiceCarta(scelta->carta) : "";
    EXPECT_EQ(giocata, c.carta) << c.terra << " / " << c.mano;
    EXPECT_EQ(scelta ? scelta->presa.Codici() : "", c.presa) << c.terra << " / " << c.mano;
  }
}

}  // namespace
}  // namespace quintello
