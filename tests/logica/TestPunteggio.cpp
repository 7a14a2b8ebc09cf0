// The count of a hand and the settlement; the texts of both, and the status
// line, are pinned by the playthroughs in tests/scenari.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "MettiCarte.h"
#include "scoring/ContaPunti.h"
#include "scoring/FineMano.h"

namespace quintello {
namespace {

using prova::Metti;

// A finished hand: the listed cards to the computer, all others to the user.
Carte Finita(std::string_view delPC, std::string_view scopePC = "",
             std::string_view scopeUtente = "") {
  Carte carte;
  carte.PerOgniCarta([&](Carta c, int16_t) { carte[c] = PresaUtente; });
  Metti(carte, delPC, PresaPC);
  Metti(carte, scopePC, ScopaPC);
  Metti(carte, scopeUtente, ScopaUtente);
  return carte;
}

TEST(ContaPunti, EachKindOfPoint) {
  // Each side's cards, coins, sweeps, primiera and points, PC first.
  using Conti = std::array<int, 10>;
  struct Caso {
    Carte carte;
    Conti conti;
    int settebello;
  };
  Carte soloSette;
  Metti(soloSette, "7o 7s 7c 7b", PresaPC);
  Carte manca;  // a side missing a suit still wins with the greater sum
  Metti(manca, "7o 7s 7c", PresaUtente);
  Metti(manca, "1o 1s 1c", PresaPC);
  Metti(manca, "1b", ScopaPC);
  const Caso casi[] = {
      // 22 cards with 6 coins, the settebello and two sweeps to the computer.
      {Finita("1o 2o 3o 4o 5o 7o 1s 2s 3s 4s 5s 6s 8s 9s 1c 2c 3c 4c 5c 6c", "0s 8c"),
       {22, 18, 6, 4, 2, 0, 57, 81, 5, 1},
       1},
      // 20 cards and 5 coins each: neither scores.
      {Finita("1o 2o 3o 4o 5o 7s 7c 1s 2s 3s 4s 5s 1c 2c 3c 4c 5c 8b 9b 0b"),
       {20, 20, 5, 5, 0, 0, 68, 78, 0, 2},
       2},
      {soloSette, {4, 0, 1, 0, 0, 0, 84, 0, 4, 0}, 1},
      {manca, {4, 3, 1, 1, 1, 0, 64, 63, 3, 1}, 2},
      {Finita("", "", "4b"), {0, 40, 0, 10, 0, 1, 0, 84, 0, 5}, 2},
      {Carte{}, {}, 0},  // nothing taken yet
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(prova::Codici(c.carte, PresaPC));
    const Mano mano = Mano::DaLuoghi(c.carte, Giocatore::PC, Giocatore::PC, Giocatore::PC);
    Conti conti;
    for (Giocatore chi : {Giocatore::PC, Giocatore::Utente}) {
      const int i = Indice(chi);
      conti[i] = ContaCarte(mano, chi);
      conti[2 + i] = ContaOri(mano, chi);
      conti[4 + i] = ContaScope(mano, chi);
      conti[6 + i] = PrimieraDi(mano, chi);
      conti[8 + i] = PuntiDellaMano(mano).Di(chi);
    }
    EXPECT_EQ(std::pair(conti, SetteDenari(mano)), std::pair(c.conti, c.settebello));
  }
}

// The points the house rules add to the standard count, the lines they add
// to its message after the settebello's, and the napola of ten coins.
TEST(ContaPunti, HouseRulePoints) {
  struct Caso {
    const char* delPC;
    Regole regole;
    int piuPC, piuUtente;
    const char* righe;
    Esito esito;
  };
  const Regole entrambe{.reBello = true, .napola = true};
  const Caso casi[] = {
      {"1o 2o 3o 0o 5s", entrambe, 4, 0, "Re bello preso dal PC\r\nNapola: PC=3 USER=0",
       Esito::ProssimaMano},
      {"6o 7o", {.napola = true}, 0, 5, "Napola: PC=0 USER=5", Esito::ProssimaMano},
      {"1o 3o", {.reBello = true}, 0, 1, "Re bello preso da USER", Esito::ProssimaMano},
      {"1o 2o", {.napola = true}, 0, 0, "Napola: PC=0 USER=0", Esito::ProssimaMano},
      {"1o 2o 3o 4o 5o 6o 7o 8o 9o 0o", entrambe, 11, 0,
       "Re bello preso dal PC\r\nNapola: PC=10 USER=0", Esito::NapolaComputer},
      {"1s", {.napola = true}, 0, 10, "Napola: PC=0 USER=10", Esito::NapolaUtente},
      {"1o 2o 3o 0o", {.assoPigliaTutto = true}, 0, 0, "", Esito::ProssimaMano},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.delPC);
    const Carte carte = Finita(c.delPC);
    Mano mano = Mano::DaLuoghi(carte, Giocatore::PC, Giocatore::PC, Giocatore::PC, c.regole);
    const Mano standard = Mano::DaLuoghi(carte, Giocatore::PC, Giocatore::PC, Giocatore::PC);
    const PuntiMano con = PuntiDellaMano(mano), senza = PuntiDellaMano(standard);
    EXPECT_EQ(std::pair(con.pc - senza.pc, con.utente - senza.utente),
              std::pair(c.piuPC, c.piuUtente));
    const std::string testo = TestoPunti(mano, con, 0, 0);
    const std::size_t dopoSette = testo.find("\r\n", testo.find("Sette di denari")) + 2;
    EXPECT_EQ(testo.substr(dopoSette, testo.find("Primiera") - dopoSette),
              c.righe + std::string(*c.righe ? "\r\n" : ""));
    StatoPartita stato;
    stato.puntivittoria = 21;
    EXPECT_EQ(FineMano(mano, stato).esito, c.esito);
  }
}

TEST(FineMano, TableToTheLastCapturerThenTheCountAndTheDecision) {
  struct Caso {
    int16_t ultimapresa, puntivittoria, pc, utente;
    int16_t pcDopo, utenteDopo;
    Esito esito;
  };
  // The hand: the user takes the settebello, cards, coins and primiera (4
  // points); the computer nothing. The table goes to the last capturer.
  const Caso casi[] = {
      {1, 11, 0, 0, 0, 4, Esito::ProssimaMano},        {1, 11, 3, 6, 3, 10, Esito::ProssimaMano},
      {1, 11, 10, 7, 10, 11, Esito::VinceUtente},      {1, 11, 11, 7, 11, 11, Esito::Spareggio},
      {1, 11, 12, 7, 12, 11, Esito::VinceComputer},    {1, 7, 8, 0, 8, 4, Esito::VinceComputer},
      {1, 21, 0, 32766, 0, 32767, Esito::VinceUtente},  // saturates, never wraps
      {0, 11, 0, 0, 0, 4, Esito::ProssimaMano},
  };
  for (const Caso& c : casi) {
    StatoPartita stato;
    stato.carte = Finita("1s 2s 3s 4s 5s 6s 8s 9s");
    Metti(stato.carte, "1o 0b", Terra);
    std::tie(stato.ultimapresa, stato.puntivittoria, stato.punteggiopc, stato.punteggiouser) =
        std::tie(c.ultimapresa, c.puntivittoria, c.pc, c.utente);
    Mano mano = Mano::DaLuoghi(stato.carte, Giocatore::PC, stato.UltimaPresa(), Giocatore::PC);
    const FineDellaMano fine = FineMano(mano, stato);
    EXPECT_TRUE(mano.Terra().Vuoto());
    EXPECT_TRUE(mano.Prese(stato.UltimaPresa()).Contiene(Carta{1, Denari}));
    EXPECT_EQ(std::pair(stato.punteggiopc, stato.punteggiouser), std::pair(c.pcDopo, c.utenteDopo));
    EXPECT_EQ(fine.esito, c.esito) << c.pc << "-" << c.utente << " a " << c.puntivittoria;
  }
}

}  // namespace
}  // namespace quintello
