// A player's things kept between runs: the statistics and settings files, and the
// custode's answer to each damaged file. Scenario statistiche shows the record as read.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "NelFiglio.h"
#include "profilo/Custode.h"
#include "registrata/FinestraRegistrata.h"

namespace quintello {
namespace {

namespace fs = std::filesystem;
using T = Fatto::Tipo;

TEST(Statistiche, CountedAndReadBackOrNotReadAtAll) {
  Statistiche s;
  for (const Fatto f : {Fatto{T::Mano, 3, 1, 1, 0},
                        {T::Vinta},
                        {T::Vinta},
                        {T::Persa},
                        {T::Vinta},
                        {T::Mano, 2, 6, 0, 2},
                        {T::Abbandonata}})
    Registra(s[{Avversario::Esperto}], f);
  Registra(s[{}], {T::Vinta});
  Registra(s[{Avversario::Classico, {.reBello = true, .napola = true}}], {T::Persa});
  EXPECT_EQ(s[{Avversario::Esperto}], (Conteggi{3, 1, 1, 2, 5, 7, 1, 2, 0, 2}));
  const std::string buono = ScriviStatistiche(s);
  EXPECT_EQ(LeggiStatistiche(buono), s);
  // A file of the first version has no rules, and reads as it did.
  const std::string primo = "Quintello statistiche 1\n" + buono.substr(buono.find("avversario=e"));
  EXPECT_EQ(LeggiStatistiche(primo)->size(), 1u);
  auto con = [&](const std::string& da, const std::string& a) {
    return std::string(buono).replace(buono.find(da), da.size(), a);
  };
  for (const std::string& t :
       {std::string(), std::string("\0\1", 2) + buono, con("1\n", "2\n"),
        buono.substr(0, buono.size() - 1), buono + buono.substr(buono.find('\n') + 1),
        con("classico", "scopone"), con(" perse=0", ""), con("mani=0", "mani=0x"),
        con("mani=0", "mani=-5"), con("mani=0", "mani=" + std::string(19, '9')),
        con("serie=1", "serie=3"), buono + "\n", con("vinte", " vinte"),
        con("rebello,napola", "napola,rebello"), con("rebello,napola", "rebellissimo"),
        con("2\n", "1\n")})
    EXPECT_FALSE(LeggiStatistiche(t)) << t;
}

TEST(Impostazioni, NonsenseIsIgnored) {
  EXPECT_EQ(ScelteDa({{"partita/avversario", "esperto"}, {"partita/obiettivo", "21"}}),
            (Scelte{Avversario::Esperto, 21}));
  for (const char* nonsenso : {"9", "21x", "", "-7", "99999999999", "\"21\""})
    EXPECT_EQ(ScelteDa({{"partita/avversario", nonsenso}, {"partita/obiettivo", nonsenso}}),
              Scelte{});
  EXPECT_EQ(FinestraDa({{"finestra/larghezza", "0"}, {"finestra/altezza", "600"}}), std::nullopt);
  EXPECT_TRUE(ImpostazioniLeggibili("; a mano\n[partita]\r\navversario = esperto\n"));
}

// Each of the three files damaged in turn, the other two as a run with Esperto to 21
// left them: it alone is set aside, and the game starts as it would without it.
TEST(Custode, EachDamagedFileIsSetAsideAndCostsOnlyItself) {
  const fs::path cartella =
      fs::temp_directory_path() / ("quintello-profilo-" + std::to_string(::getpid()));
  const Profilo profilo = ProfiloInCartella(cartella.string());
  const std::array percorsi{profilo.partita, profilo.impostazioni, profilo.statistiche};
  ArchivioIni archivio;
  FinestraRegistrata prima;
  Gioco partita(prima, 8);
  partita.Form_Load(21);
  if (partita.Azioni().procedi) partita.procedi_Click();
  const std::array<std::string, 3> buoni{partita.Salvataggio(),
                                         ScriviIni(ValoriDi(Scelte{Avversario::Esperto, 21})),
                                         ScriviStatistiche({{{}, Conteggi{.vinte = 1}}})};
  const std::array<std::string, 3> altroFormato{buoni[2], "[General]\nversione=2\n",
                                                "Quintello statistiche 3\n"};
  const std::vector<std::string> avvisi[] = {
      {}, {kAvvisoRipresa}, {kAvvisoStatistiche, kAvvisoRipresa}};
  for (int k = 0; k < 3; ++k) {
    for (const std::string& danno :
         {std::string(), std::string("\1\2\0", 3) + buoni[k], buoni[k] + std::string(1 << 20, ' '),
          buoni[k].substr(0, buoni[k].size() / 2 + 3), altroFormato[k], std::string("/"),
          std::string("chiuso")}) {
      fs::remove_all(cartella);
      for (int j = 0; j < 3; ++j) ScriviFileProfilo(percorsi[j], j == k ? danno : buoni[j]);
      if (danno == "/") fs::remove(percorsi[k]), fs::create_directories(percorsi[k] + "/dentro");
      if (danno == "chiuso") {
        ScriviFileProfilo(percorsi[k], buoni[k]);
        fs::permissions(percorsi[k], fs::perms::none);
        fs::permissions(cartella, fs::perms::all);
      }
      // Root reads any file: the start-up runs as an ordinary user.
      EXPECT_TRUE(prova::NelFiglio([&] {
        FinestraRegistrata f;
        Gioco g(f, 2);
        if (danno == "chiuso" && !prova::SenzaPrivilegi()) return false;
        Custode custode(profilo, archivio);
        custode.Avvia(g);
        bool intatti = true;  // the other two
        for (int j = 0; j < 3; ++j)
          intatti &= j == k || LeggiFileProfilo(percorsi[j], kLimiteFileProfilo).testo == buoni[j];
        // The usual start-up, the defaults, or a record from zero, told once.
        return intatti && fs::exists(percorsi[k] + ".guasto") &&
               custode.PrendiAvvisi() == avvisi[k] &&
               (f.Eventi()[0].find("dare carte") != std::string::npos) == (k == 0) &&
               (g.AvversarioScelto() == Avversario::Esperto) == (k != 1) &&
               g.Stato().puntivittoria == 21 && custode.LeggiStatistiche().empty() == (k == 2);
      })) << k
          << ": " << danno.substr(0, 30);
    }
  }
  fs::remove_all(cartella);
}

}  // namespace
}  // namespace quintello
