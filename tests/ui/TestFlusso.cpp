// A game played through the window: clicks, keys and menus reach the game, and
// the window follows its turns.
#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include "Banco.h"
#include "engine/Informazioni.h"
#include "engine/StatusBar.h"
#include "rules/Combinazioni.h"

namespace quintello::ui {

using namespace prova;

namespace {

void Clicca(QWidget* w) {
  QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

QString TestoStatus(QWidget& f) {
  return Controllo<QLabel>(f, QStringLiteral("StatusBar"))->text();
}

int CarteNellePrese(const Carte& carte) {
  int n = 0;
  carte.PerOgniCarta([&](Carta, int16_t luogo) { n += DelPC(luogo) || DellUtente(luogo); });
  return n;
}

}  // namespace

class TestFlusso : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void init();
  void cleanup() { f_.reset(); }
  void avvioQuandoDaLUtente();
  void avvioQuandoDaIlComputer();
  void clickIncorniciaLaPresa();
  void clickRipetutoCambiaProposta();
  void giocataEPausa();
  void manoDisabilitataIgnoraClick();
  void tastiera();
  void puntiVittoria();
  void nuovaPartitaEdEsci();
  void salvaECarica();
  void manoIntera();
  void informazioni();
  void chiusuraDaDentroUnHandler();
  void chiusuraDallaBarraDelTitolo();

 private:
  // An empty match ready for the user's turn with this table and these hands; the
  // other cards stay in the deck.
  void Prepara(std::string_view terra, std::string_view pc, std::string_view utente);
  void Avvia(uint64_t seme);
  // Plays on with clicks until `basta` holds: the user always plays a card.
  void GiocaFinche(std::function<bool()> basta, int passiMassimi = 500);

  uint64_t semeUtente_ = 0;
  uint64_t semeComputer_ = 0;
  int giocate_ = 0;  // the user's cards played through GiocaFinche
  Copione copione_;
  std::unique_ptr<FinestraPrincipale> f_;
};

void TestFlusso::initTestCase() {
  semeUtente_ = SemeCon(true);
  semeComputer_ = SemeCon(false);
}

void TestFlusso::Avvia(uint64_t seme) {
  copione_ = Copione();
  giocate_ = 0;
  f_ = std::make_unique<FinestraPrincipale>(seme, copione_.Collega());
  f_->show();
  QVERIFY(QTest::qWaitForWindowExposed(f_.get()));
}

void TestFlusso::init() {
  Avvia(semeComputer_);
}

void TestFlusso::Prepara(std::string_view terra, std::string_view pc, std::string_view utente) {
  Gioco& g = f_->gioco();
  Carte& carte = g.stato.carte;
  carte.Azzera();
  Metti(carte, terra, quintello::Terra);
  Metti(carte, pc, ManoPC);
  Metti(carte, utente, ManoUtente);
  g.stato.cartaselezionata = -1;
  g.stato.indicepresa = 0;
  g.Ridisegna();
  CalcolaCombinazioni(carte, g.combinazioni);
  f_->ShapeTerraInvisibili();
  f_->ShapeUserInvisibili();
  for (int i = 0; i < kPostiMano; ++i) f_->AbilitaUser(i, true);
  f_->MostraBottone(Bottone::Procedi, false);
  f_->MostraBottone(Bottone::GiocaUtente, true);
}

void TestFlusso::GiocaFinche(std::function<bool()> basta, int passiMassimi) {
  for (int passo = 0; passo < passiMassimi && !basta(); ++passo) {
    if (!prova::Bottone(*f_, "procedi")->isHidden()) {
      Clicca(prova::Bottone(*f_, "procedi"));
    } else {
      int inMano = 0;
      while (inMano < kPostiMano && !User(*f_, inMano)->isHidden()) ++inMano;
      if (inMano == 0) qFatal("nessuna carta da giocare");
      Clicca(User(*f_, giocate_ % inMano));
      ++giocate_;
      Clicca(prova::Bottone(*f_, "giocatautente"));
    }
  }
}

void TestFlusso::avvioQuandoDaLUtente() {
  Avvia(semeUtente_);
  QCOMPARE(copione_.messaggi.front().testo, std::string("Sarai tu a dare carte"));
  // The computer has played its first card: shown face up, waiting for Ok.
  QVERIFY(!prova::Bottone(*f_, "procedi")->isHidden());
  QVERIFY(prova::Bottone(*f_, "giocatautente")->isHidden());
  QVERIFY(PC(*f_, 0)->nomeImmagine() != Cards::kVuota);
  for (int i = 0; i < kPostiMano; ++i) {
    QVERIFY(!User(*f_, i)->isEnabled());
    QVERIFY(!User(*f_, i)->isHidden());
    QVERIFY(Shape2(*f_, i)->isHidden());
  }
  QCOMPARE(TestoStatus(*f_), QString::fromStdString(TestoStatusBar(f_->gioco().stato)));
}

void TestFlusso::avvioQuandoDaIlComputer() {
  QCOMPARE(copione_.messaggi.size(), std::size_t{1});
  QCOMPARE(copione_.messaggi.front().testo, std::string("Darà carte il computer"));
  QVERIFY(prova::Bottone(*f_, "procedi")->isHidden());
  QVERIFY(!prova::Bottone(*f_, "giocatautente")->isHidden());
  QVERIFY(!Shape2(*f_, 0)->isHidden());  // the first card is selected
  QVERIFY(Shape2(*f_, 1)->isHidden());
  for (int i = 0; i < kPostiMano; ++i) QVERIFY(User(*f_, i)->isEnabled());
  for (int i = 0; i < 4; ++i) QVERIFY(!Terra(*f_, i)->isHidden());
  QVERIFY(Terra(*f_, 4)->isHidden());
  QCOMPARE(TestoStatus(*f_), QString::fromStdString(TestoStatusBar(f_->gioco().stato)));
  QVERIFY(TestoStatus(*f_).startsWith(QStringLiteral("Carte prese dal PC: 0")));
}

void TestFlusso::clickIncorniciaLaPresa() {
  Prepara("1o 2c 4b 6s", "5o 5s 5c", "3o 7c 0b");
  Clicca(User(*f_, 0));  // a three: the ace and the two
  QCOMPARE(CorniciTerraVisibili(*f_), (QList<int>{0, 1}));
  QVERIFY(!Shape2(*f_, 0)->isHidden());
  QVERIFY(Shape2(*f_, 2)->isHidden());

  Clicca(User(*f_, 2));  // a king: the four and the six
  QCOMPARE(CorniciTerraVisibili(*f_), (QList<int>{2, 3}));
  QVERIFY(Shape2(*f_, 0)->isHidden());
  QVERIFY(!Shape2(*f_, 2)->isHidden());

  Prepara("1o 2c 6b 6s", "5o 5s 5c", "6o 7c 0b");
  Clicca(User(*f_, 0));  // a six on the table must be taken alone
  QCOMPARE(CorniciTerraVisibili(*f_), (QList<int>{2}));
}

void TestFlusso::clickRipetutoCambiaProposta() {
  Prepara("1o 2c 4b 6s", "5o 5s 5c", "3o 7c 0b");
  const QList<QList<int>> possibili{{0, 3}, {0, 1, 2}};  // a seven: ace and six, or 1+2+4
  Clicca(User(*f_, 1));
  const QList<int> prima = CorniciTerraVisibili(*f_);
  QVERIFY(possibili.contains(prima));
  Clicca(User(*f_, 1));
  const QList<int> seconda = CorniciTerraVisibili(*f_);
  QVERIFY(possibili.contains(seconda));
  QVERIFY(seconda != prima);
  Clicca(User(*f_, 1));
  QCOMPARE(CorniciTerraVisibili(*f_), prima);
}

void TestFlusso::giocataEPausa() {
  Prepara("1o 2c 4b 6s", "5o 5s 5c", "3o 7c 0b");
  Clicca(User(*f_, 2));
  Clicca(prova::Bottone(*f_, "giocatautente"));

  // The king took the four and the six; the computer has laid a five, shown face up.
  QCOMPARE(Terra(*f_, 0)->nomeImmagine(), QStringLiteral("o1"));
  QCOMPARE(Terra(*f_, 1)->nomeImmagine(), QStringLiteral("c2"));
  QVERIFY(Terra(*f_, 2)->isHidden());
  QVERIFY(User(*f_, 2)->isHidden());
  QVERIFY(PC(*f_, 0)->nomeImmagine().endsWith(u'5'));
  QVERIFY(!prova::Bottone(*f_, "procedi")->isHidden());
  QVERIFY(prova::Bottone(*f_, "giocatautente")->isHidden());
  for (int i = 0; i < kPostiMano; ++i) QVERIFY(!User(*f_, i)->isEnabled());
  QVERIFY(TestoStatus(*f_).contains(QStringLiteral("Carte prese da USER: 3")));

  Clicca(prova::Bottone(*f_, "procedi"));
  QVERIFY(prova::Bottone(*f_, "procedi")->isHidden());
  QVERIFY(!prova::Bottone(*f_, "giocatautente")->isHidden());
  QVERIFY(User(*f_, 0)->isEnabled());
  QVERIFY(!Shape2(*f_, 0)->isHidden());
  QVERIFY(!Terra(*f_, 2)->isHidden());  // the computer's five
  QVERIFY(Terra(*f_, 2)->nomeImmagine().endsWith(u'5'));
  QVERIFY(!PC(*f_, 1)->isHidden());
  QVERIFY(PC(*f_, 2)->isHidden());
  QCOMPARE(PC(*f_, 0)->nomeImmagine(), Cards::kVuota);
}

void TestFlusso::manoDisabilitataIgnoraClick() {
  Prepara("1o 2c 4b 6s", "5o 5s 5c", "3o 7c 0b");
  Clicca(User(*f_, 2));
  Clicca(prova::Bottone(*f_, "giocatautente"));
  const StatoPartita prima = f_->gioco().stato;
  Clicca(User(*f_, 0));
  QCOMPARE(f_->gioco().stato.cartaselezionata, prima.cartaselezionata);
  QCOMPARE(f_->gioco().stato.indicepresa, prima.indicepresa);
  QVERIFY(Shape2(*f_, 0)->isHidden());
  QVERIFY(User(*f_, 0)->nomeImmagine() != Cards::kVuota);  // the picture stays
}

void TestFlusso::tastiera() {
  Prepara("1o 2c 4b 6s", "5o 5s 5c", "3o 7c 0b");
  QTest::keyClick(f_.get(), Qt::Key_3);
  QVERIFY(!Shape2(*f_, 2)->isHidden());
  QCOMPARE(CorniciTerraVisibili(*f_), (QList<int>{2, 3}));
  QTest::keyClick(f_.get(), Qt::Key_Return);  // giocatautente
  QVERIFY(!prova::Bottone(*f_, "procedi")->isHidden());
  QTest::keyClick(f_.get(), Qt::Key_1);  // the hand is waiting: nothing
  QVERIFY(Shape2(*f_, 0)->isHidden());
  QTest::keyClick(f_.get(), Qt::Key_Enter);  // procedi
  QVERIFY(!prova::Bottone(*f_, "giocatautente")->isHidden());
  QCOMPARE(f_->gioco().stato.cartaselezionata, 0);
  QTest::keyClick(f_.get(), Qt::Key_3);  // two cards left: no third place
  QCOMPARE(f_->gioco().stato.cartaselezionata, 0);
  // From a focused button too: the keys it does not use reach the window.
  QTest::keyClick(prova::Bottone(*f_, "Command1"), Qt::Key_2);
  QCOMPARE(f_->gioco().stato.cartaselezionata, 1);
  QVERIFY(!Shape2(*f_, 1)->isHidden());
}

void TestFlusso::puntiVittoria() {
  const QStringList nomi{"sette", "undici", "sedici", "ventuno"};
  const QList<int> punti{7, 11, 16, 21};
  for (int scelto : {0, 2, 3, 3}) {  // choosing 21 twice keeps it checked
    Controllo<QAction>(*f_, nomi[scelto])->trigger();
    QCOMPARE(f_->gioco().stato.puntivittoria, punti[scelto]);
    for (int o = 0; o < kObiettivi; ++o) {
      QCOMPARE(Controllo<QAction>(*f_, nomi[o])->isChecked(), o == scelto);
    }
  }
}

void TestFlusso::nuovaPartitaEdEsci() {
  const Carte prima = f_->gioco().stato.carte;
  copione_.risposte = {Risposta::No};
  Controllo<QAction>(*f_, QStringLiteral("newpart"))->trigger();
  QCOMPARE(copione_.messaggi.back().titolo, std::string("Sicuro?"));
  QVERIFY(f_->gioco().stato.carte == prima);

  const std::size_t mostrati = copione_.messaggi.size();
  Controllo<QAction>(*f_, QStringLiteral("newpart"))->trigger();  // Sì
  QVERIFY(copione_.messaggi.size() >= mostrati + 2);              // the question, then the new deal
  QVERIFY(!(f_->gioco().stato.carte == prima));
  QCOMPARE(TestoStatus(*f_), QString::fromStdString(TestoStatusBar(f_->gioco().stato)));

  QApplication::setQuitOnLastWindowClosed(false);
  Controllo<QAction>(*f_, QStringLiteral("esci"))->trigger();
  QVERIFY(f_->Chiusa());
  QVERIFY(!f_->isVisible());
  QApplication::setQuitOnLastWindowClosed(true);
}

void TestFlusso::salvaECarica() {
  QTemporaryDir cartella;
  copione_.fileScelto = cartella.filePath("partita.qnt").toStdString();
  Controllo<QAction>(*f_, QStringLiteral("sedici"))->trigger();
  QTest::keyClick(f_.get(), Qt::Key_3);
  const StatoPartita salvato = f_->gioco().stato;
  const QString terraSalvata = Terra(*f_, 0)->nomeImmagine();
  const QList<int> corniciSalvate = CorniciTerraVisibili(*f_);

  Controllo<QAction>(*f_, QStringLiteral("salva"))->trigger();
  QVERIFY(QFile::exists(cartella.filePath("partita.qnt")));
  QCOMPARE(copione_.filtri.back(),
           (QStringList{QStringLiteral("File .qnt (*.qnt)"), QStringLiteral("Tutti i file (*)")}));

  Controllo<QAction>(*f_, QStringLiteral("newpart"))->trigger();
  Controllo<QAction>(*f_, QStringLiteral("sette"))->trigger();
  Controllo<QAction>(*f_, QStringLiteral("carica"))->trigger();  // Sì to the question

  QVERIFY(f_->gioco().stato.carte == salvato.carte);
  QCOMPARE(f_->gioco().stato.puntivittoria, salvato.puntivittoria);
  QVERIFY(Controllo<QAction>(*f_, QStringLiteral("sedici"))->isChecked());
  QVERIFY(!Controllo<QAction>(*f_, QStringLiteral("sette"))->isChecked());
  QCOMPARE(Terra(*f_, 0)->nomeImmagine(), terraSalvata);
  QCOMPARE(CorniciTerraVisibili(*f_), corniciSalvate);
  QVERIFY(!Shape2(*f_, 2)->isHidden());
}

void TestFlusso::manoIntera() {
  int prese = -1;
  int giocateAlConto = -1;
  copione_.alMessaggio = [&](const Messaggio& m) {
    if (m.titolo != "Punti") return;
    prese = CarteNellePrese(f_->gioco().stato.carte);
    giocateAlConto = giocate_;
  };
  GiocaFinche([&] { return prese >= 0; });
  // Every card in someone's pile once the user has played all 18 of theirs.
  QCOMPARE(prese, kCarteMazzo);
  QCOMPARE(giocateAlConto, (kCarteMazzo - 4) / 2);
  // A new hand is dealt and announced.
  QVERIFY(copione_.messaggi.back().testo.starts_with("Sarai tu") ||
          copione_.messaggi.back().testo.starts_with("Darà carte"));
  QCOMPARE(TestoStatus(*f_), QString::fromStdString(TestoStatusBar(f_->gioco().stato)));
}

void TestFlusso::informazioni() {
  Controllo<QAction>(*f_, QStringLiteral("Info"))->trigger();
  QCOMPARE(copione_.messaggi.back().titolo, std::string("Informazioni"));
  const QString testo = QString::fromStdString(copione_.messaggi.back().testo);
  QVERIFY(testo.contains(QString::fromLatin1(kVersione)));

  f_->risposte.messaggio = nullptr;  // now the real box
  bool visto = false;
  QuandoModale([&](QWidget* modale) {
    auto* box = qobject_cast<QMessageBox*>(modale);
    QVERIFY(box);
    visto = true;
    QCOMPARE(box->windowTitle(), QStringLiteral("Informazioni"));
    QCOMPARE(box->icon(), QMessageBox::Information);
    QCOMPARE(box->text(), QString(testo).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QVERIFY(box->text().contains(QString::fromLatin1(kPostaAutore)));
    box->button(QMessageBox::Ok)->click();
  });
  Controllo<QAction>(*f_, QStringLiteral("Info"))->trigger();
  QVERIFY(visto);
}

void TestFlusso::chiusuraDaDentroUnHandler() {
  f_->gioco().stato.punteggiouser = 99;  // this hand ends the match, won by the user
  copione_.rispondi = [](const Messaggio& m) -> std::optional<Risposta> {
    if (m.testo == "Vuoi giocare ancora?") return Risposta::No;
    return std::nullopt;
  };
  QTimer::singleShot(0, [&] { GiocaFinche([&] { return f_->Chiusa(); }); });
  QTimer::singleShot(60000, [] { QCoreApplication::exit(1); });
  // Closed from inside the handler, the window ends the event loop once the handler is done.
  QCOMPARE(QApplication::exec(), 0);
  QVERIFY(f_->Chiusa());
  QVERIFY(!f_->isVisible());
  QVERIFY(copione_.HaMostrato("Vincitore"));
  QCOMPARE(copione_.messaggi.back().testo, std::string("Vuoi giocare ancora?"));
  QCOMPARE(giocate_, (kCarteMazzo - 4) / 2);
}

void TestFlusso::chiusuraDallaBarraDelTitolo() {
  QTimer::singleShot(0, [&] { f_->close(); });
  QTimer::singleShot(60000, [] { QCoreApplication::exit(1); });
  QCOMPARE(QApplication::exec(), 0);
  QVERIFY(!f_->isVisible());
}

}  // namespace quintello::ui

QTEST_MAIN(quintello::ui::TestFlusso)
#include "TestFlusso.moc"
