// The end of a hand, the end of a match and the target score.
#include <gtest/gtest.h>

#include "Posizione.h"
#include "scoring/FineMano.h"

namespace quintello {
namespace {

using prova::Codici;

struct Fine : ::testing::Test {
  prova::Tavolo t;
  StatoPartita& stato = t.gioco.stato;
  // A hand where the user takes every point: cards, coins, settebello, primiera.
  void ManoDellUtente() {
    stato.carte.PerOgniCarta([&](Carta c, int16_t) { stato.carte[c] = PresaUtente; });
  }
  std::vector<std::string> Titoli() {
    std::vector<std::string> titoli;
    for (const std::string& e : t.finestra.Eventi())
      if (e.starts_with("MSGBOX\t")) titoli.push_back(e.substr(7, e.find('\t', 7) - 7));
    return titoli;
  }
};

TEST_F(Fine, TableGoesToTheLastCapturerNeverAsSweeps) {
  ManoDellUtente();
  prova::Metti(stato.carte, "1o 5b", Terra);
  stato.ultimapresa = 0;
  stato.puntivittoria = 11;
  FineMano(t.gioco);
  // The next hand has been dealt; the count message shows where the table went.
  const std::string conteggio = t.finestra.Eventi()[0];
  EXPECT_NE(conteggio.find("Carte: PC=2 USER=38"), std::string::npos) << conteggio;
  EXPECT_NE(conteggio.find("Scope: PC=0 USER=0"), std::string::npos);
}

TEST_F(Fine, BelowTheTargetTheNextHandStartsAtOnce) {
  ManoDellUtente();
  stato.puntivittoria = 11;
  FineMano(t.gioco);
  EXPECT_EQ(stato.punteggiouser, 4);
  EXPECT_EQ(Titoli(), (std::vector<std::string>{"Punti", "Quintello"}));
  EXPECT_EQ(stato.carte.Conta(Mazzo), 30);
}

TEST_F(Fine, LevelAtTheTargetPlaysATieBreakHand) {
  ManoDellUtente();
  stato.puntivittoria = 11;
  stato.punteggiopc = 11;
  stato.punteggiouser = 7;
  FineMano(t.gioco);
  EXPECT_EQ(Titoli(), (std::vector<std::string>{"Punti", "Pareggio", "Quintello"}));
  EXPECT_NE(t.finestra.Eventi()[1].find("Situazione di parità: si disputerà mano di spareggio"),
            std::string::npos);
  EXPECT_EQ(stato.punteggiopc, 11);
  EXPECT_EQ(stato.punteggiouser, 11);
}

TEST_F(Fine, OnePointAheadWinsAndYesStartsANewMatch) {
  ManoDellUtente();
  stato.puntivittoria = 16;
  stato.punteggiopc = 16;    // reached the target first
  stato.punteggiouser = 13;  // 13 + 4 = 17 against 16
  FineMano(t.gioco);
  EXPECT_EQ(Titoli(),
            (std::vector<std::string>{"Punti", "Vincitore", "Nuova partita", "Quintello"}));
  EXPECT_NE(t.finestra.Eventi()[1].find("Questa partita la vince il giocatore"), std::string::npos);
  EXPECT_EQ(stato.punteggiopc, 0);
  EXPECT_EQ(stato.punteggiouser, 0);
  EXPECT_EQ(stato.puntivittoria, 16);
  EXPECT_FALSE(t.finestra.Chiusa());
}

TEST_F(Fine, ComputerWinsWithMorePointsAndNoClosesTheProgram) {
  stato.carte.PerOgniCarta([&](Carta c, int16_t) { stato.carte[c] = PresaPC; });
  stato.puntivittoria = 11;
  stato.punteggiopc = 9;
  stato.punteggiouser = 12;  // both over the target after the count: 13 against 12
  t.finestra.AccodaRisposta(Risposta::No);
  FineMano(t.gioco);
  EXPECT_NE(t.finestra.Eventi()[1].find("Questa partita la vince il computer"), std::string::npos);
  EXPECT_TRUE(t.finestra.Chiusa());
  EXPECT_EQ(t.finestra.Eventi().back(), "CHIUSO");
}

TEST_F(Fine, TargetMenuMovesTheCheckMarkOnly) {
  stato.puntivittoria = 11;
  stato.punteggiopc = 9;
  t.gioco.sette_Click();
  EXPECT_EQ(stato.puntivittoria, 7);
  EXPECT_EQ(t.finestra.Flag().obiettivo, (std::array<bool, 4>{true, false, false, false}));
  t.gioco.ventuno_Click();
  EXPECT_EQ(t.finestra.Flag().obiettivo, (std::array<bool, 4>{false, false, false, true}));
  t.gioco.sedici_Click();
  t.gioco.undici_Click();
  EXPECT_EQ(stato.puntivittoria, 11);
  EXPECT_EQ(t.finestra.Flag().obiettivo, (std::array<bool, 4>{false, true, false, false}));
  EXPECT_EQ(stato.punteggiopc, 9);
  EXPECT_TRUE(t.finestra.Eventi().empty());
}

TEST_F(Fine, LastCapturerCarriesOverFromAnEarlierHand) {
  stato.ultimapresa = 1;
  stato.puntivittoria = 11;
  prova::Metti(stato.carte, "3c", Terra);
  FineMano(t.gioco);
  EXPECT_NE(t.finestra.Eventi()[0].find("Carte: PC=0 USER=1"), std::string::npos);
}

}  // namespace
}  // namespace quintello
