// The saved-game file: its bytes, the reader's rules, the load's failure path
// and a save that cannot destroy the file it replaces.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Posizione.h"
#include "scoring/FormatoSalvataggio.h"
#include "scoring/PartitaGiocabile.h"
#include "scoring/SalvataggioPartita.h"

namespace quintello {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Righe(const std::string& file) {
  std::vector<std::string> righe;
  std::size_t inizio = 0;
  for (std::size_t fine; (fine = file.find("\r\n", inizio)) != std::string::npos; inizio = fine + 2)
    righe.push_back(file.substr(inizio, fine - inizio));
  EXPECT_EQ(inizio, file.size()) << "every line ends with CR LF";
  return righe;
}

std::string Leggi(const fs::path& percorso) {
  std::ifstream f(percorso, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

void Scrivi(const fs::path& percorso, const std::string& testo) {
  std::ofstream(percorso, std::ios::binary) << testo;
}

TEST(Formato, IntegersFlagsAndTexts) {
  EXPECT_EQ(FormatoIntero(11), " 11 ");
  EXPECT_EQ(FormatoIntero(0), " 0 ");
  EXPECT_EQ(FormatoIntero(-1), "-1 ");
  EXPECT_EQ(bwrap(true), "Vero");
  EXPECT_EQ(bwrap(false), "Falso");
  EXPECT_EQ(LeggiIntero(" 11 "), 11);
  EXPECT_EQ(LeggiIntero("-1 "), -1);
  EXPECT_EQ(LeggiIntero(""), 0);
  EXPECT_EQ(LeggiIntero("abc"), 0);
  EXPECT_EQ(LeggiIntero("\t32767"), 32767);
  EXPECT_EQ(LeggiIntero("-32768"), -32768);
  EXPECT_EQ(LeggiIntero("32768"), std::nullopt);
  EXPECT_EQ(LeggiIntero("-32769"), std::nullopt);
  EXPECT_EQ(LeggiIntero(std::string(5000, '9')), std::nullopt);
}

TEST(Formato, LinesInTheirPlaces) {
  StatoPartita stato;
  stato.manoutentevalore = {3, 10, -1, 0, 0};
  stato.manoutenteseme = {1, 4, -1, 0, 0};
  stato.puntivittoria = 11;
  stato.indicepresa = 2;
  stato.presautente = "1o2s";
  stato.cartaselezionata = 1;
  stato.punteggiopc = 12;
  stato.punteggiouser = -3;
  stato.mazziere = 1;
  stato.carte(1, Denari) = Terra;
  stato.carte(1, Bastoni) = PresaPC;
  stato.carte(2, Denari) = ManoUtente;
  stato.carte(10, Bastoni) = ScopaUtente;
  FlagFinestra flag;
  flag.procedi = false;
  flag.shape1.fill(false);
  flag.shape1[14] = true;
  flag.user[2] = false;
  const auto r = Righe(ScriviPartita(stato, flag));
  ASSERT_EQ(r.size(), 77u);
  EXPECT_EQ(r[0], " 3 ");
  EXPECT_EQ(r[3], " 4 ");
  EXPECT_EQ(r[4], "-1 ");
  EXPECT_EQ(r[6], " 11 ");
  EXPECT_EQ(r[7], " 2 ");
  EXPECT_EQ(r[8], "1o2s");
  EXPECT_EQ(r[9], " 1 ");
  EXPECT_EQ(r[10], " 12 ");
  EXPECT_EQ(r[11], "-3 ");
  EXPECT_EQ(r[12], " 1 ");
  EXPECT_EQ(r[14], "Falso");
  EXPECT_EQ(r[15], "Vero");
  EXPECT_EQ(r[16], " 2 ");  // line 17: the ace of coins
  EXPECT_EQ(r[19], " 5 ");  // line 20: the ace of clubs
  EXPECT_EQ(r[20], " 4 ");  // line 21: the two of coins
  EXPECT_EQ(r[55], " 8 ");  // line 56: the ten of clubs
  EXPECT_EQ(r[56], "Falso");
  EXPECT_EQ(r[70], "Vero");  // line 71: the last table frame
  EXPECT_EQ(r[76], "Falso");
}

TEST(Formato, ReaderRules) {
  StatoPartita stato;
  stato.puntivittoria = 11;
  stato.manoutentevalore[0] = -1;
  stato.manoutenteseme[0] = -1;
  std::string file = ScriviPartita(stato, FlagFinestra{});
  auto r = Righe(file);
  r[6] = "  9";        // blanks around numbers
  r[7] = "dieci";      // letters read 0
  r[8] = "   3c4b  ";  // leading blanks go, trailing stay
  r[14] = "vero";      // not a flag word: the flag before it, false for the first
  r[15] = "Vero";
  r[16] = "x";
  r[56] = "FALSO";  // repeats line 16's true
  std::string rifatto;
  for (std::size_t i = 0; i < r.size(); ++i)
    rifatto += r[i] + (i % 2 ? "\n" : "\r");  // LF or CR alone
  std::istringstream in(rifatto);
  PartitaLetta letta{stato, FlagFinestra{}};
  LeggiPartita(in, letta);
  ASSERT_TRUE(letta.Completa());
  EXPECT_EQ(letta.stato.puntivittoria, 9);
  EXPECT_EQ(letta.stato.indicepresa, 0);
  EXPECT_EQ(letta.stato.presautente, "3c4b  ");
  EXPECT_FALSE(letta.flag.procedi);
  EXPECT_TRUE(letta.flag.giocatautente);
  EXPECT_EQ(letta.stato.carte(1, Denari), 0);
  EXPECT_TRUE(letta.flag.shape1[0]);
}

TEST(Formato, ReadingStopsAtTheEndOrAnOutOfRangeNumber) {
  StatoPartita stato;
  stato.puntivittoria = 16;
  const std::string file = ScriviPartita(stato, FlagFinestra{});
  std::istringstream corto(file.substr(0, file.size() - 2 - 5));  // line 77 missing entirely
  PartitaLetta letta{StatoPartita{}, FlagFinestra{}};
  LeggiPartita(corto, letta);
  EXPECT_EQ(letta.righe, 76);

  auto r = Righe(file);
  r[10] = "40000";
  std::string rotto;
  for (const auto& riga : r) rotto += riga + "\r\n";
  std::istringstream fuori(rotto);
  PartitaLetta l2{StatoPartita{}, FlagFinestra{}};
  LeggiPartita(fuori, l2);
  EXPECT_EQ(l2.righe, 10);
  EXPECT_EQ(l2.stato.puntivittoria, 16);

  std::istringstream vuoto("");
  PartitaLetta l3{StatoPartita{}, FlagFinestra{}};
  LeggiPartita(vuoto, l3);
  EXPECT_EQ(l3.righe, 0);
}

// A game on the recording window with a folder of its own for files.
struct File : ::testing::Test {
  File() : cartella(fs::temp_directory_path() / ("quintello-prova-" + std::to_string(::getpid()))) {
    fs::remove_all(cartella);
    fs::create_directories(cartella);
  }
  ~File() override { fs::remove_all(cartella); }

  std::string Percorso(const std::string& nome) { return (cartella / nome).string(); }
  std::string Salva(const std::string& nome) {
    t.finestra.AccodaFile(Percorso(nome));
    t.gioco.salva_Click();
    return Leggi(Percorso(nome));
  }
  void Carica(const std::string& nome) {
    t.finestra.AccodaFile(Percorso(nome));
    t.gioco.carica_Click();
  }
  std::vector<std::string> Eventi() { return t.finestra.PrendiEventi(); }

  fs::path cartella;
  prova::Tavolo t{21};
};

TEST_F(File, SaveAfterStartUpInThePause) {
  for (uint64_t seme = 1; seme < 100; ++seme) {
    prova::Tavolo u{seme};
    u.gioco.Form_Load();
    if (u.gioco.stato.mazziere != 1) continue;
    u.finestra.AccodaFile(Percorso("avvio.qnt"));
    u.gioco.salva_Click();
    const auto r = Righe(Leggi(Percorso("avvio.qnt")));
    EXPECT_EQ(r[9], "-1 ");
    EXPECT_EQ(r[14], "Vero");
    EXPECT_EQ(r[15], "Falso");
    return;
  }
  FAIL() << "no seed where the user deals first";
}

TEST_F(File, SaveAndLoadInTheUsersTurnGiveTheSameGame) {
  t.gioco.Form_Load();
  if (t.finestra.Flag().procedi) t.gioco.procedi_Click();
  t.gioco.user_Click(1);
  t.gioco.user_Click(1);
  const std::string salvato = Salva("turno.qnt");
  const StatoPartita prima = t.gioco.stato;
  const FlagFinestra flagPrima = t.finestra.Flag();
  t.gioco.newpart_Click();
  Eventi();
  Carica("turno.qnt");
  const auto e = Eventi();
  EXPECT_EQ(e[0], "DIALOG\topen\t\t" + Percorso("turno.qnt"));
  EXPECT_EQ(e[1],
            "MSGBOX\tSicuro?\tnone\tyesno\tSei sicuro di voler interrompere la partita in corso e "
            "caricare quella salvata in " +
                Percorso("turno.qnt") + "?\tsi");
  EXPECT_TRUE(e[2].starts_with("STATUS\t"));
  EXPECT_EQ(e.size(), 3u);
  EXPECT_EQ(t.gioco.stato, prima);
  EXPECT_EQ(t.finestra.Flag(), flagPrima);
  EXPECT_EQ(ScriviPartita(t.gioco.stato, t.finestra.Flag()), salvato);
}

TEST_F(File, GameSavedInThePauseLoadsIntoTheUsersTurn) {
  t.gioco.Form_Load();
  if (t.finestra.Flag().giocatautente) t.gioco.giocatautente_Click();
  ASSERT_TRUE(t.finestra.Flag().procedi);
  Salva("pausa.qnt");
  const Carte prima = t.gioco.stato.carte;
  Carica("pausa.qnt");
  EXPECT_TRUE(t.finestra.Flag().giocatautente);
  EXPECT_FALSE(t.finestra.Flag().procedi);
  EXPECT_EQ(t.gioco.stato.cartaselezionata, 0);
  EXPECT_EQ(t.gioco.stato.carte.Conta(Terra), prima.Conta(Terra));
}

TEST_F(File, OverwriteAsksAndTheDialogRemembersTheName) {
  t.gioco.Form_Load();
  Salva("a.qnt");
  Eventi();
  t.finestra.AccodaRisposta(Risposta::No);
  Scrivi(Percorso("a.qnt"), "vecchio");
  Salva("a.qnt");
  auto e = Eventi();
  ASSERT_EQ(e.size(), 2u);
  EXPECT_EQ(e[0], "DIALOG\tsave\t" + Percorso("a.qnt") + "\t" + Percorso("a.qnt"));
  EXPECT_EQ(e[1], "MSGBOX\tSicuro?\tnone\tyesno\tSei sicuro di voler sovrascrivere " +
                      Percorso("a.qnt") + "?\tno");
  EXPECT_EQ(Leggi(Percorso("a.qnt")), "vecchio");
  t.gioco.salva_Click();   // cancelled: keeps the name, says nothing
  t.gioco.carica_Click();  // cancelled: clears it
  t.gioco.salva_Click();
  e = Eventi();
  EXPECT_EQ(e, (std::vector<std::string>{"DIALOG\tsave\t" + Percorso("a.qnt") + "\t",
                                         "DIALOG\topen\t\t", "DIALOG\tsave\t\t"}));
}

TEST_F(File, NameWithoutExtensionIsUsedAsTyped) {
  t.gioco.Form_Load();
  EXPECT_EQ(Righe(Salva("partita àè")).size(), 77u);
  EXPECT_TRUE(fs::exists(Percorso("partita àè")));
  EXPECT_FALSE(fs::exists(Percorso("partita àè.qnt")));
}

TEST_F(File, MissingFileKeepsTheMatch) {
  t.gioco.Form_Load();
  const StatoPartita prima = t.gioco.stato;
  Eventi();
  Carica("manca.qnt");
  EXPECT_EQ(Eventi()[1], "MSGBOX\tErrore\tcritical\tok\tIl file specificato non esiste\tok");
  EXPECT_EQ(t.gioco.stato, prima);
  Carica("");  // a folder is not a saved game either
  EXPECT_EQ(Eventi()[1], "MSGBOX\tErrore\tcritical\tok\tIl file specificato non esiste\tok");
}

TEST_F(File, FileCutShortStartsANewMatchKeepingTheTargetRead) {
  t.gioco.Form_Load();
  t.gioco.sedici_Click();
  const std::string intero = Salva("intero.qnt");
  Scrivi(Percorso("corto.qnt"), intero.substr(0, 40 * 5));
  t.gioco.stato.punteggiopc = 6;
  t.gioco.sette_Click();
  Eventi();
  Carica("corto.qnt");
  const auto e = Eventi();
  EXPECT_EQ(e[2],
            "MSGBOX\tErrore\tcritical\tok\tErrore durante il caricamento, sarà avviata una nuova "
            "partita\tok");
  EXPECT_EQ(t.gioco.stato.puntivittoria, 16);
  EXPECT_EQ(t.finestra.Flag().obiettivo, (std::array<bool, 4>{false, false, true, false}));
  EXPECT_EQ(t.gioco.stato.punteggiopc, 0);
  // Saving and loading work normally afterwards.
  Salva("dopo.qnt");
  Carica("dopo.qnt");
  for (const std::string& evento : Eventi())
    EXPECT_FALSE(evento.starts_with("MSGBOX\tErrore")) << evento;
  // The cards are where they were saved (a game saved in the pause goes on to
  // the user's turn, so the other lines may move on).
  const auto salvate = Righe(Leggi(Percorso("dopo.qnt")));
  const auto ora = Righe(ScriviPartita(t.gioco.stato, t.finestra.Flag()));
  EXPECT_EQ(std::vector(salvate.begin() + 16, salvate.begin() + 56),
            std::vector(ora.begin() + 16, ora.begin() + 56));
}

TEST_F(File, AnyTargetIsAcceptedAndLettersReadAsZero) {
  t.gioco.Form_Load();
  if (t.finestra.Flag().procedi) t.gioco.procedi_Click();
  auto r = Righe(Salva("nove.qnt"));
  r[6] = " 9 ";
  r[13] = "nessuno";  // ultimapresa: letters read 0
  std::string file;
  for (const auto& riga : r) file += riga + "\r\n";
  Scrivi(Percorso("nove.qnt"), file);
  Carica("nove.qnt");
  EXPECT_EQ(t.gioco.stato.puntivittoria, 9);
  EXPECT_EQ(t.gioco.stato.ultimapresa, 0);
  EXPECT_EQ(t.finestra.Flag().obiettivo, (std::array<bool, 4>{}));
}

TEST_F(File, UnplayableFilesTakeTheFailurePath) {
  t.gioco.Form_Load();
  if (t.finestra.Flag().procedi) t.gioco.procedi_Click();
  const auto buone = Righe(Salva("buona.qnt"));
  ASSERT_TRUE(PartitaGiocabile(t.gioco.stato, t.finestra.Flag()));
  // Each change breaks one check.
  const std::vector<std::pair<int, std::string>> guasti{
      {16, " 1 "},    // location code 1
      {16, " 9 "},    // location code 9
      {9, " 3 "},     // no hand slot 3
      {12, " 2 "},    // dealer 2
      {14, "Vero"},   // both buttons
      {15, "Falso"},  // neither button
      {0, " 9 "},     // slot 0 names another card
  };
  for (const auto& [riga, testo] : guasti) {
    auto r = buone;
    r[riga] = testo;
    std::string file;
    for (const auto& x : r) file += x + "\r\n";
    Scrivi(Percorso("guasta.qnt"), file);
    Eventi();
    Carica("guasta.qnt");
    const auto e = Eventi();
    ASSERT_GE(e.size(), 3u);
    EXPECT_TRUE(e[2].starts_with("MSGBOX\tErrore\tcritical"))
        << "line " << riga + 1 << ": " << e[2];
    EXPECT_TRUE(PartitaGiocabile(t.gioco.stato, t.finestra.Flag())) << riga + 1;
  }
}

TEST(Giocabile, RejectsDamagedPositions) {
  prova::Tavolo t;
  // 3 on the table, 3 and 2 in the hands, 2 taken: 30 left in the deck.
  t.Prepara("1o 2o 3o", "1s 2s 3s", "1c 2c");
  prova::Metti(t.gioco.stato.carte, "9b 0b", PresaUtente);
  t.finestra.MostraBottone(Bottone::Procedi, false);
  t.gioco.stato.cartaselezionata = 1;
  const FlagFinestra& flag = t.finestra.Flag();
  ASSERT_TRUE(PartitaGiocabile(t.gioco.stato, flag));

  StatoPartita s = t.gioco.stato;
  s.cartaselezionata = 2;  // the user holds two cards
  EXPECT_FALSE(PartitaGiocabile(s, flag));
  s.cartaselezionata = -1;  // nothing selected in the user's turn
  EXPECT_FALSE(PartitaGiocabile(s, flag));

  s = t.gioco.stato;
  prova::Metti(s.carte, "4s 5s 6s 7s 8s 9s", Terra);  // twelve on the table, 24 in the deck
  s.carte(4, Coppe) = ManoPC;                         // but four in the computer's hand
  prova::Metti(s.carte, "5c 6c 7c 8c 9c", PresaPC);
  EXPECT_EQ(s.carte.Conta(Mazzo), 18);
  EXPECT_FALSE(PartitaGiocabile(s, flag));

  s = t.gioco.stato;
  prova::Metti(s.carte, "4s 5s 6s 7s 8s 9s 4c 5c 6c 7c 8c 9c", Terra);  // fifteen: allowed
  EXPECT_TRUE(PartitaGiocabile(s, flag));
  prova::Metti(s.carte, "4b 5b 6b 7b 8b 9b", Terra);  // twenty-one
  EXPECT_FALSE(PartitaGiocabile(s, flag));

  s = t.gioco.stato;
  prova::Metti(s.carte, "4o", PresaPC);  // the deck loses a card: 29
  EXPECT_FALSE(PartitaGiocabile(s, flag));

  s = t.gioco.stato;
  s.manoutentevalore[2] = 5;  // the end mark after the user's two cards is missing
  EXPECT_FALSE(PartitaGiocabile(s, flag));
}

TEST_F(File, FailedSaveIsReportedAndKeepsTheOldFile) {
  t.gioco.Form_Load();
  Scrivi(Percorso("tenuta.qnt"), "vecchio");
  fs::create_directories(cartella / "cartella.qnt");
  Eventi();
  Salva("cartella.qnt");  // a folder's name: nothing can be written there
  auto e = Eventi();
  ASSERT_EQ(e.size(), 2u);
  EXPECT_TRUE(
      e[1].starts_with("MSGBOX\tErrore\tcritical\tok\tImpossibile salvare la partita nel file " +
                       Percorso("cartella.qnt") + ": "))
      << e[1];
  Salva("manca/dentro.qnt");
  e = Eventi();
  EXPECT_NE(e[1].find("la cartella non esiste"), std::string::npos) << e[1];
  EXPECT_EQ(Leggi(Percorso("tenuta.qnt")), "vecchio");
  // Nothing of the attempts is left beside the files.
  int voci = 0;
  for ([[maybe_unused]] const auto& voce : fs::directory_iterator(cartella)) ++voci;
  EXPECT_EQ(voci, 2);
}

}  // namespace
}  // namespace quintello
