// Many whole matches played by a seeded random user, with the game's
// invariants checked after every event, and the match kept and the record of
// play counted as they go.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "GiocatoreCasuale.h"
#include "Invarianti.h"
#include "esperto/Esperto.h"
#include "profilo/Custode.h"
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
  // The match kept after every event, and the record of play, held to what the user saw.
  const Profilo profilo = ProfiloInCartella(file.string() + ".d");
  ArchivioIni archivio;
  Custode custode(profilo, archivio);
  custode.Avvia(g);
  int partite = 0, mani = 0, eventi = 0;
  Conteggi mostrati;  // as the boxes told it
  while (partite < 100) {
    ASSERT_LT(++eventi, 2'000'000) << "the matches never end";
    utente.Mossa(g, f);
    custode.DopoEvento(g);
    // Loads as the invariants below hold a save of this game to.
    ASSERT_EQ(LeggiFileProfilo(profilo.partita, kLimiteFileProfilo).testo, g.Salvataggio());
    const int finite = partite;
    for (const std::string& e : f.PrendiEventi()) {
      ASSERT_FALSE(e.starts_with("MSGBOX\tErrore")) << e;
      partite += e.starts_with("MSGBOX\tVincitore");
      mostrati.vinte += e.find("la vince il giocatore") != std::string::npos;
      mani += e.starts_with("MSGBOX\tPunti");
      for (const auto& [voce, pc, us] :
           {std::tuple{"Scope: ", &Conteggi::scopePC, &Conteggi::scopeUtente},
            {"Totale di questa mano: ", &Conteggi::puntiPC, &Conteggi::puntiUtente}}) {
        int a = 0, b = 0;
        if (std::sscanf(e.c_str() + std::min(e.find(voce), e.size()),
                        (voce + std::string("PC=%d USER=%d")).c_str(), &a, &b) == 2) {
          mostrati.*pc += a;
          mostrati.*us += b;
        }
      }
    }
    if (partite > finite)  // and played again: a new match from 0 to 0
      ASSERT_EQ(g.Stato().punteggiopc + g.Stato().punteggiouser, 0);
    ASSERT_EQ(prova::InvariantiViolate(g, f), "") << "after event " << eventi;
    ASSERT_FALSE(g.Chiusa());
  }
  EXPECT_GT(mani, partite);
  Conteggi contati;
  for (const auto& [chiave, c] : custode.LeggiStatistiche())
    for (auto campo : {&Conteggi::vinte, &Conteggi::perse, &Conteggi::mani, &Conteggi::puntiPC,
                       &Conteggi::puntiUtente, &Conteggi::scopePC, &Conteggi::scopeUtente})
      contati.*campo += c.*campo;
  mostrati.perse = partite - mostrati.vinte;
  mostrati.mani = mani;
  EXPECT_EQ(contati, mostrati);
  fs::remove(file);
  fs::remove_all(file.string() + ".d");
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
