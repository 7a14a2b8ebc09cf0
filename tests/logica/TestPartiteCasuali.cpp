// Many whole matches played by a seeded random user, with the game's
// invariants checked after every event.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "GiocatoreCasuale.h"
#include "Invarianti.h"
#include "esperto/Campione.h"
#include "rules/ProponiPresa.h"

namespace quintello {
namespace {

TEST(PartiteCasuali, InvariantsHoldAfterEveryEvent) {
  namespace fs = std::filesystem;
  // In memory where the system has it: a save is flushed to the disk each time.
  const fs::path cartella =
      fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
  const fs::path file = cartella / ("quintello-casuale-" + std::to_string(::getpid()) + ".qnt");
  prova::GiocatoreCasuale utente(12345, file.string());
  FinestraRegistrata f;
  Gioco g(f, 777);
  g.Form_Load();
  int partite = 0, mani = 0, eventi = 0;
  while (partite < 100) {
    ASSERT_LT(++eventi, 2'000'000) << "the matches never end";
    utente.Mossa(g, f);
    const int finite = partite;
    for (const std::string& e : f.PrendiEventi()) {
      ASSERT_FALSE(e.starts_with("MSGBOX\tErrore")) << e;
      partite += e.starts_with("MSGBOX\tVincitore");
      mani += e.starts_with("MSGBOX\tPunti");
    }
    if (partite > finite)  // and played again: a new match from 0 to 0
      ASSERT_EQ(g.Stato().punteggiopc + g.Stato().punteggiouser, 0);
    ASSERT_EQ(prova::InvariantiViolate(g, f), "") << "after event " << eventi;
    ASSERT_FALSE(g.Chiusa());
  }
  EXPECT_GT(mani, partite);
  fs::remove(file);
}

// The hint selects the card Campione would play from the user's seat,
// reading the fixed player against "Classico" and a person against the
// others, and cycles the proposal to its capture, whatever the opponent's
// hand holds.
TEST(Suggerimento, SelectsCampionesCardAndCapture) {
  int cicli = 0, giaProposte = 0;
  for (uint64_t seme = 1; seme <= 40; ++seme) {
    FinestraRegistrata f;
    f.RegistraAnnunci(true);
    Gioco g(f, seme);
    g.Form_Load();
    if (g.Azioni().procedi) g.procedi_Click();
    if (seme % 2) g.esperto_Click();
    f.PrendiEventi();
    const StatoPartita prima = g.Stato();
    Generatore caso(seme);  // the hint's draws start from the game's seed
    const Scelta attesa = ScegliCampione(VistaDi(g.ManoInCorso(), Giocatore::Utente),
                                         seme % 2 ? Modello::Umano : Modello::Classico, caso);
    g.suggerimento_Click();
    const StatoPartita& dopo = g.Stato();
    ASSERT_GE(dopo.cartaselezionata, 0);
    EXPECT_EQ(dopo.SlotUtente(dopo.cartaselezionata), attesa.carta) << "seme " << seme;
    EXPECT_EQ(dopo.presautente, attesa.presa.Codici()) << "seme " << seme;
    cicli += dopo.indicepresa > 1;
    const int totale = ProponiPresa(g.ManoInCorso().Terra(), attesa.carta.valore, 0,
                                     g.ManoInCorso().RegoleInVigore())
                            .totale;
    // As many clicks as it takes, none when the capture is already on show.
    const bool giaProposta = prima.SlotUtente(prima.cartaselezionata) == attesa.carta &&
                             prima.presautente == attesa.presa.Codici();
    giaProposte += giaProposta;
    EXPECT_LE(std::ranges::count_if(f.PrendiEventi(),
                                    [](const std::string& e) { return e.starts_with("PROPOSTA"); }),
              giaProposta ? 0 : std::max(totale, 1))
        << "seme " << seme;
    g.giocatautente_Click();  // in the pause the hint does nothing, nor a place that is none
    const StatoPartita pausa = g.Stato();
    g.suggerimento_Click();
    g.user_Click(kPostiMano);
    g.user_Click(-1);
    EXPECT_EQ(g.Stato(), pausa);
  }
  EXPECT_GT(cicli, 0) << "no seed needed more than one click";
  EXPECT_GT(giaProposte, 0) << "no seed had the capture on show already";
}

}  // namespace
}  // namespace quintello
