// A game played through the window: clicks, keys and menus reach the game, and
// the window follows its turns.
#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTextDocument>

#include "Banco.h"
#include "controller/Informazioni.h"

namespace quintello::ui {

using namespace prova;

namespace {

void Clicca(QWidget* w) {
  QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

QString TestoStatus(QWidget& f) {
  return Controllo<QLabel>(f, QStringLiteral("StatusBar"))->text();
}

}  // namespace

class TestFlusso : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void init();
  void cleanup() { f_.reset(); }
  void giocataEPausa();
  void manoDisabilitataIgnoraClick();
  void tastiera();
  void informazioni();
  void chiusuraDaDentroUnHandler();
  void chiusuraDallaBarraDelTitolo();

 private:
  void Avvia(uint64_t seme);
  // Plays on with clicks until `basta` holds: the user always plays a card.
  void GiocaFinche(std::function<bool()> basta, int passiMassimi = 500);

  uint64_t semeComputer_ = 0;
  int giocate_ = 0;  // the user's cards played through GiocaFinche
  Copione copione_;
  std::unique_ptr<FinestraPrincipale> f_;
};

void TestFlusso::initTestCase() {
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

void TestFlusso::giocataEPausa() {
  Prepara(*f_, "1o 2c 4b 6s", "5o 5s 5c", "3o 7c 0b");
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
  Prepara(*f_, "1o 2c 4b 6s", "5o 5s 5c", "3o 7c 0b");
  Clicca(User(*f_, 2));
  Clicca(prova::Bottone(*f_, "giocatautente"));
  const StatoPartita prima = f_->gioco().Stato();
  Clicca(User(*f_, 0));
  QCOMPARE(f_->gioco().Stato().cartaselezionata, prima.cartaselezionata);
  QCOMPARE(f_->gioco().Stato().indicepresa, prima.indicepresa);
  QVERIFY(Shape2(*f_, 0)->isHidden());
  QVERIFY(User(*f_, 0)->nomeImmagine() != Cards::kVuota);  // the picture stays
}

void TestFlusso::tastiera() {
  Prepara(*f_, "1o 2c 4b 6s", "5o 5s 5c", "3o 7c 0b");
  QTest::keyClick(f_.get(), Qt::Key_3);
  QVERIFY(!Shape2(*f_, 2)->isHidden());
  QCOMPARE(CorniciTerraVisibili(*f_), (QList<int>{2, 3}));
  QTest::keyClick(f_.get(), Qt::Key_Return);  // giocatautente
  QVERIFY(!prova::Bottone(*f_, "procedi")->isHidden());
  QTest::keyClick(f_.get(), Qt::Key_1);  // the hand is waiting: nothing
  QVERIFY(Shape2(*f_, 0)->isHidden());
  QTest::keyClick(f_.get(), Qt::Key_Enter);  // procedi
  QVERIFY(!prova::Bottone(*f_, "giocatautente")->isHidden());
  QCOMPARE(f_->gioco().Stato().cartaselezionata, 0);
  QTest::keyClick(f_.get(), Qt::Key_3);  // two cards left: no third place
  QCOMPARE(f_->gioco().Stato().cartaselezionata, 0);
  // From a focused button too: the keys it does not use reach the window.
  QTest::keyClick(prova::Bottone(*f_, "Command1"), Qt::Key_2);
  QCOMPARE(f_->gioco().Stato().cartaselezionata, 1);
  QVERIFY(!Shape2(*f_, 1)->isHidden());
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
    // Rich text, for the site's address: the same lines once read as plain text.
    QTextDocument mostrato;
    mostrato.setHtml(box->text());
    QCOMPARE(mostrato.toPlainText(),
             QString(testo).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    box->button(QMessageBox::Ok)->click();
  });
  Controllo<QAction>(*f_, QStringLiteral("Info"))->trigger();
  QVERIFY(visto);
}

void TestFlusso::chiusuraDaDentroUnHandler() {
  StatoPartita stato = f_->gioco().Stato();
  stato.punteggiouser = 99;  // this hand ends the match, won by the user
  f_->gioco().ImpostaPartita(stato);
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
