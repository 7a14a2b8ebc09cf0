// Many whole matches played by a seeded random user, with the game's
// invariants checked after every event.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "GiocatoreCasuale.h"
#include "Posizione.h"
#include "scoring/FormatoSalvataggio.h"
#include "scoring/PartitaGiocabile.h"

namespace quintello {
namespace {

void ControllaInvarianti(const Gioco& g, const FinestraRegistrata& f) {
  const Carte& carte = g.stato.carte;
  int totale = 0;
  carte.PerOgniCarta([&](Carta, int16_t l) {
    ASSERT_TRUE(l == Mazzo || (l >= Terra && l <= ScopaUtente)) << l;
    ++totale;
  });
  ASSERT_EQ(totale, kCarteMazzo);
  ASSERT_LE(carte.Conta(ManoPC), 3);
  ASSERT_LE(carte.Conta(ManoUtente), 3);
  ASSERT_LE(carte.Conta(Terra), kCarteTerraMassime);
  ASSERT_NE(f.Flag().giocatautente, f.Flag().procedi) << "exactly one play button";
  // What the window shows is the state, and the state is one a load accepts.
  ASSERT_EQ(f.CarteMostrate().Conta(ManoUtente), carte.Conta(ManoUtente));
  ASSERT_TRUE(PartitaGiocabile(g.stato, f.Flag()));
  // Written and read back, the game gives the same 77 lines.
  const std::string file = ScriviPartita(g.stato, f.Flag());
  std::istringstream in(file);
  PartitaLetta letta{StatoPartita{}, FlagFinestra{}};
  LeggiPartita(in, letta);
  ASSERT_TRUE(letta.Completa());
  ASSERT_EQ(ScriviPartita(letta.stato, letta.flag), file);
}

TEST(PartiteCasuali, InvariantsHoldAfterEveryEvent) {
  namespace fs = std::filesystem;
  const fs::path file = fs::temp_directory_path() / ("quintello-casuale-" + std::to_string(::getpid()) + ".qnt");
  prova::GiocatoreCasuale utente(12345, file.string());
  FinestraRegistrata f;
  Gioco g(f, 777);
  g.Form_Load();
  int partite = 0, mani = 0, eventi = 0;
  while (partite < 100) {
    ASSERT_LT(++eventi, 2'000'000) << "the matches never end";
    utente.Mossa(g, f);
    for (const std::string& e : f.PrendiEventi()) {
      ASSERT_FALSE(e.starts_with("MSGBOX\tErrore")) << e;
      partite += e.starts_with("MSGBOX\tVincitore");
      mani += e.starts_with("MSGBOX\tPunti");
    }
    ControllaInvarianti(g, f);
    ASSERT_FALSE(f.Chiusa());
  }
  EXPECT_GT(mani, partite);
  fs::remove(file);
}

}  // namespace
}  // namespace quintello
