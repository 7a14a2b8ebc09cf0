// The count of a hand and its message.
#include <gtest/gtest.h>

#include "Posizione.h"
#include "scoring/ContaPunti.h"

namespace quintello {
namespace {

using prova::Metti;

// A finished hand: the listed cards to the computer, all others to the user.
Carte Mano(std::string_view delPC, std::string_view scopePC = "",
           std::string_view scopeUtente = "") {
  Carte carte;
  carte.PerOgniCarta([&](Carta c, int16_t) { carte[c] = PresaUtente; });
  Metti(carte, delPC, PresaPC);
  Metti(carte, scopePC, ScopaPC);
  Metti(carte, scopeUtente, ScopaUtente);
  return carte;
}

TEST(ContaPunti, CountsEachKindOfPoint) {
  // The computer: 22 cards with 6 coins, the settebello and two sweeps.
  const Carte carte = Mano("1o 2o 3o 4o 5o 7o 1s 2s 3s 4s 5s 6s 8s 9s 1c 2c 3c 4c 5c 6c", "0s 8c");
  EXPECT_EQ(ContaCartePC(carte), 22);
  EXPECT_EQ(ContaCarteUtente(carte), 18);
  EXPECT_EQ(ContaOriPC(carte), 6);
  EXPECT_EQ(ContaOriUtente(carte), 4);
  EXPECT_EQ(ContaScopePC(carte), 2);
  EXPECT_EQ(SetteDenari(carte), 1);
  // Primiera: PC 7o 21 + 6s 18 + 6c 18 + no clubs = 57; user 6o 18 + 7s 21 + 7c 21 + 7b 21.
  EXPECT_EQ(PrimieraPC(carte), 57);
  EXPECT_EQ(PrimieraUtente(carte), 81);
  const PuntiMano punti = PuntiDellaMano(carte);
  EXPECT_EQ(punti.pc, 1 + 1 + 2 + 1);
  EXPECT_EQ(punti.utente, 1);
}

TEST(ContaPunti, TiesScoreForNobody) {
  // 20 cards each and 5 coins each: neither point is scored.
  const Carte carte = Mano("1o 2o 3o 4o 5o 7s 7c 1s 2s 3s 4s 5s 1c 2c 3c 4c 5c 8b 9b 0b");
  EXPECT_EQ(ContaCartePC(carte), 20);
  EXPECT_EQ(ContaOriPC(carte), 5);
  EXPECT_EQ(PrimieraPC(carte), 16 + 21 + 21 + 10);
  EXPECT_EQ(PrimieraUtente(carte), 21 + 18 + 18 + 21);
  const PuntiMano punti = PuntiDellaMano(carte);
  EXPECT_EQ(punti.pc, 0);
  EXPECT_EQ(punti.utente, 2);  // settebello and primiera
}

TEST(ContaPunti, PrimieraBounds) {
  Carte carte;
  Metti(carte, "7o 7s 7c 7b", PresaPC);
  EXPECT_EQ(PrimieraPC(carte), 84);
  EXPECT_EQ(PrimieraUtente(carte), 0);
  // A side missing a suit still wins with the greater sum.
  Carte altre;
  Metti(altre, "7o 7s 7c", PresaUtente);
  Metti(altre, "1o 1s 1c 1b", PresaPC);
  EXPECT_EQ(PrimieraUtente(altre), 63);
  EXPECT_EQ(PrimieraPC(altre), 64);
  EXPECT_EQ(PuntiDellaMano(altre).pc, 1 + 1);  // cards and primiera
}

TEST(ContaPunti, SweepCardsCountAsCardsAndSweeps) {
  Carte carte;
  Metti(carte, "3o", PresaUtente);
  Metti(carte, "4b", ScopaUtente);
  EXPECT_EQ(ContaCarteUtente(carte), 2);
  EXPECT_EQ(ContaScopeUtente(carte), 1);
  EXPECT_EQ(ContaOriUtente(carte), 1);
}

TEST(ContaPunti, MessageLineByLine) {
  prova::Tavolo t;
  t.gioco.stato.carte = Mano("1o 2o 3o 4o 5o 7s 7c 1s 2s 3s 4s 5s 1c 2c 3c 4c 5c 8b 9b 0b");
  t.gioco.stato.punteggiopc = 4;
  t.gioco.stato.punteggiouser = -3;
  ContaPunti(t.gioco);
  EXPECT_EQ(t.gioco.stato.punteggiopc, 4);
  EXPECT_EQ(t.gioco.stato.punteggiouser, -1);
  ASSERT_EQ(t.finestra.Eventi().size(), 1u);
  EXPECT_EQ(t.finestra.Eventi()[0],
            "MSGBOX\tPunti\tnone\tok\tPunteggio di questa partita: \\nCarte: PC=20 USER=20\\n"
            "Carte d'oro: PC=5 USER=5\\nSette di denari preso da USER\\nPrimiera: PC=68 USER=78\\n"
            "Scope: PC=0 USER=0\\n\\nTotale di questa mano: PC=0 USER=2\\n"
            "Punteggio complessivo: PC=4 USER=-1\tok");
}

TEST(ContaPunti, NoSettebelloLineWhenNobodyTookIt) {
  Carte carte;
  Metti(carte, "1o", PresaPC);
  const std::string testo = TestoPunti(carte, PuntiDellaMano(carte), 0, 0);
  EXPECT_EQ(testo.find("Sette di denari"), std::string::npos);
  EXPECT_EQ(testo.substr(0, 31), "Punteggio di questa partita: \r\n");
  EXPECT_TRUE(testo.ends_with("Punteggio complessivo: PC=0 USER=0"));
  EXPECT_NE(testo.find("Totale di questa mano: PC=3 USER=0"), std::string::npos);
}

TEST(ContaPunti, ScoresSaturateInsteadOfWrapping) {
  prova::Tavolo t;
  t.gioco.stato.carte = Mano("", "", "1o");
  t.gioco.stato.punteggiouser = 32767;
  ContaPunti(t.gioco);
  EXPECT_EQ(t.gioco.stato.punteggiouser, 32767);
}

}  // namespace
}  // namespace quintello
