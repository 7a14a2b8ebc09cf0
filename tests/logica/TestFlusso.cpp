// The order of play: start-up, the user's turn, the pause, the deals, New match.
#include <gtest/gtest.h>

#include "Posizione.h"

namespace quintello {
namespace {

using prova::Codici;
using prova::CorniciTerra;

// A seed whose first hand is dealt by the user (true) or the computer.
uint64_t SemeCon(bool utenteDa) {
  for (uint64_t seme = 1;; ++seme) {
    FinestraRegistrata f;
    Gioco g(f, seme);
    g.Form_Load();
    if ((g.stato.mazziere == 1) == utenteDa) return seme;
  }
}

TEST(Avvio, UserDealsAndSeesTheComputersFirstCard) {
  FinestraRegistrata f;
  Gioco g(f, SemeCon(true));
  g.Form_Load();
  const auto& e = f.Eventi();
  ASSERT_GE(e.size(), 3u);
  EXPECT_EQ(e[0], "MSGBOX\tQuintello\tnone\tok\tSarai tu a dare carte\tok");
  EXPECT_TRUE(e[1].starts_with("PC\t"));
  EXPECT_TRUE(e[2].starts_with("STATUS\t"));
  EXPECT_TRUE(f.Flag().procedi);
  EXPECT_FALSE(f.Flag().giocatautente);
  for (int i = 0; i < kPostiMano; ++i) EXPECT_FALSE(g.UserCliccabile(i));
  EXPECT_EQ(g.stato.cartaselezionata, -1);
  EXPECT_EQ(g.stato.puntivittoria, 11);
  EXPECT_EQ(g.stato.carte.Conta(ManoPC), 2);
}

TEST(Avvio, ComputerDealsAndTheFirstCardIsSelected) {
  FinestraRegistrata f;
  Gioco g(f, SemeCon(false));
  g.Form_Load();
  EXPECT_EQ(f.Eventi()[0], "MSGBOX\tQuintello\tnone\tok\tDarà carte il computer\tok");
  EXPECT_EQ(f.Eventi()[1],
            "STATUS\tCarte prese dal PC: 0 Carte prese da USER: 0 Scope PC: 0 Scope USER: 0 - "
            "Punteggio: PC: 0 USER: 0");
  EXPECT_TRUE(f.Flag().giocatautente);
  EXPECT_FALSE(f.Flag().procedi);
  EXPECT_EQ(g.stato.cartaselezionata, 0);
  EXPECT_TRUE(f.Flag().shape2[0]);
  EXPECT_EQ(g.stato.indicepresa, 1);
  EXPECT_EQ(g.stato.carte.Conta(Terra), 4);
  EXPECT_EQ(g.stato.carte.Conta(ManoUtente), 3);
  EXPECT_EQ(g.stato.manoutentevalore[3], -1);
}

struct Mossa : ::testing::Test {
  prova::Tavolo t;
  StatoPartita& stato = t.gioco.stato;
  void TurnoUtente(std::string_view terra, std::string_view pc, std::string_view utente) {
    t.Prepara(terra, pc, utente);
    t.finestra.MostraBottone(Bottone::Procedi, false);
    t.finestra.MostraBottone(Bottone::GiocaUtente, true);
  }
};

TEST_F(Mossa, ClicksCycleThroughEveryCapture) {
  TurnoUtente("1o 2s 3c 4b", "9s", "6c 8o");
  t.gioco.user_Click(0);
  EXPECT_EQ(stato.presautente, "1o2s3c");
  EXPECT_EQ(CorniciTerra(t.finestra), (std::vector<int>{0, 1, 2}));
  EXPECT_TRUE(t.finestra.Flag().shape2[0]);
  t.gioco.user_Click(0);
  EXPECT_EQ(stato.presautente, "2s4b");
  EXPECT_EQ(CorniciTerra(t.finestra), (std::vector<int>{1, 3}));
  t.gioco.user_Click(0);
  EXPECT_EQ(stato.presautente, "1o2s3c");
  EXPECT_EQ(stato.indicepresa, 1);
  t.gioco.user_Click(0);
  t.gioco.user_Click(1);  // another card starts at its own first capture
  EXPECT_EQ(stato.presautente, "1o3c4b");
  EXPECT_FALSE(t.finestra.Flag().shape2[0]);
  EXPECT_TRUE(t.finestra.Flag().shape2[1]);
  t.gioco.user_Click(0);
  EXPECT_EQ(stato.presautente, "1o2s3c");
}

TEST_F(Mossa, ForcedCaptureProposesEachSameValueCard) {
  TurnoUtente("3o 4s 7c 7b", "9s", "7s");
  t.gioco.user_Click(0);
  EXPECT_EQ(stato.presautente, "7c");
  t.gioco.user_Click(0);
  EXPECT_EQ(stato.presautente, "7b");
  t.gioco.user_Click(0);
  EXPECT_EQ(stato.presautente, "7c");
}

TEST_F(Mossa, CardWithoutCaptureIsLaidAndKeepsTheLastCapturer) {
  TurnoUtente("2s 5c", "9s 9c", "8o");
  stato.ultimapresa = 0;
  t.gioco.user_Click(0);
  t.gioco.user_Click(0);
  t.gioco.user_Click(0);
  EXPECT_EQ(stato.presautente, "");
  EXPECT_EQ(stato.indicepresa, 3);
  EXPECT_TRUE(CorniciTerra(t.finestra).empty());
  t.gioco.giocatautente_Click();
  EXPECT_EQ(stato.carte(8, Denari), Terra);
  EXPECT_EQ(stato.ultimapresa, 0);
  EXPECT_TRUE(t.finestra.Flag().procedi);  // the computer has played
  EXPECT_FALSE(t.finestra.Flag().giocatautente);
}

TEST_F(Mossa, CaptureThatEmptiesTheTableIsASweep) {
  TurnoUtente("2s 4c", "9s", "6o");
  stato.mazziere = 0;
  t.gioco.user_Click(0);
  t.gioco.giocatautente_Click();
  EXPECT_EQ(stato.carte(6, Denari), ScopaUtente);
  EXPECT_EQ(Codici(stato.carte, PresaUtente), "2s4c");
  EXPECT_EQ(stato.ultimapresa, 1);
}

TEST_F(Mossa, DealerPlayingTheLastCardDealsAndTheComputerPlaysAtOnce) {
  TurnoUtente("2s", "", "6o");
  // The deck's last six cards.
  stato.carte.PerOgniCarta([&](Carta c, int16_t l) {
    if (l == Mazzo) stato.carte[c] = PresaPC;
  });
  prova::Metti(stato.carte, "1o 1s 1c 1b 2o 2c", Mazzo);
  stato.mazziere = 1;
  t.gioco.user_Click(0);
  t.gioco.giocatautente_Click();
  EXPECT_EQ(stato.carte.Conta(Mazzo), 0);
  EXPECT_EQ(stato.carte.Conta(ManoUtente), 3);
  EXPECT_EQ(stato.carte.Conta(ManoPC), 2);  // dealt three, played one
  EXPECT_TRUE(t.finestra.Flag().procedi);
}

TEST_F(Mossa, DealerPlayingTheLastCardOfTheHandEndsIt) {
  TurnoUtente("3c", "", "3o");
  stato.carte.PerOgniCarta([&](Carta c, int16_t l) {
    if (l == Mazzo) stato.carte[c] = PresaPC;
  });
  stato.mazziere = 1;
  t.gioco.user_Click(0);
  t.gioco.giocatautente_Click();
  EXPECT_EQ(t.finestra.Eventi()[0].substr(0, 13), "STATUS\tCarte ");
  bool contato = false;
  for (const std::string& e : t.finestra.Eventi())
    contato = contato || e.starts_with("MSGBOX\tPunti");
  EXPECT_TRUE(contato);
  EXPECT_EQ(stato.carte.Conta(Mazzo), 30);  // the next hand
}

TEST_F(Mossa, ProcediGivesTheTurnBackWithTheFirstCardSelected) {
  TurnoUtente("1o 2s 3c 4b", "9s", "6c 8o");
  stato.mazziere = 1;
  t.gioco.user_Click(1);
  t.gioco.user_Click(1);
  t.gioco.giocatautente_Click();
  EXPECT_TRUE(t.finestra.Flag().procedi);
  t.gioco.procedi_Click();
  EXPECT_FALSE(t.finestra.Flag().procedi);
  EXPECT_TRUE(t.finestra.Flag().giocatautente);
  EXPECT_EQ(stato.cartaselezionata, 0);
  EXPECT_EQ(stato.indicepresa, 1);
  for (int i = 0; i < kPostiMano; ++i) EXPECT_TRUE(t.finestra.Flag().user[i]);
}

TEST_F(Mossa, ComputerDealerPauseDealsWhenTheUserHandIsEmpty) {
  TurnoUtente("5s", "", "");
  stato.carte.PerOgniCarta([&](Carta c, int16_t l) {
    if (l == Mazzo && c.valore > 2) stato.carte[c] = PresaPC;
  });
  stato.mazziere = 0;
  t.gioco.procedi_Click();
  EXPECT_EQ(stato.carte.Conta(ManoUtente), 3);
  EXPECT_EQ(stato.carte.Conta(Mazzo), 2);
  EXPECT_TRUE(t.finestra.Flag().giocatautente);
}

TEST(NuovaPartitaMenu, NoLeavesTheGameYesResetsScoresButNotTheTarget) {
  FinestraRegistrata f;
  Gioco g(f, 9);
  g.Form_Load();
  g.ventuno_Click();
  g.stato.punteggiopc = 5;
  g.stato.punteggiouser = 3;
  const StatoPartita prima = g.stato;
  f.AccodaRisposta(Risposta::No);
  g.newpart_Click();
  EXPECT_EQ(g.stato, prima);
  f.PrendiEventi();
  g.newpart_Click();
  EXPECT_EQ(
      f.Eventi()[0],
      "MSGBOX\tSicuro?\tnone\tyesno\tSei sicuro di voler interrompere la partita in corso?\tsi");
  EXPECT_EQ(g.stato.punteggiopc, 0);
  EXPECT_EQ(g.stato.punteggiouser, 0);
  EXPECT_EQ(g.stato.puntivittoria, 21);
  EXPECT_EQ(g.stato.carte.Conta(Mazzo), 30);
}

TEST(Finestra, RedrawRecordsTheHandSlotsAndHidingClearsEveryFrame) {
  prova::Tavolo t;
  t.Prepara("1o", "", "3c 1s 9b");
  EXPECT_EQ(t.gioco.stato.SlotUtente(0), LeggiCarta("1s"));
  EXPECT_EQ(t.gioco.stato.SlotUtente(2), LeggiCarta("9b"));
  EXPECT_EQ(t.gioco.stato.manoutentevalore[3], -1);
  EXPECT_EQ(t.gioco.stato.manoutenteseme[3], -1);
  t.gioco.stato.carte.Azzera();
  t.gioco.Ridisegna();
  EXPECT_EQ(t.gioco.stato.manoutentevalore[0], -1);
  t.finestra.ShapeTerraInvisibili();
  t.finestra.ShapeUserInvisibili();
  EXPECT_TRUE(CorniciTerra(t.finestra).empty());
  for (bool b : t.finestra.Flag().shape2) EXPECT_FALSE(b);
}

}  // namespace
}  // namespace quintello
