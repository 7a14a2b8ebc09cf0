// The main window: it carries out the game's requests, forwards clicks and keys to it,
// closes, and tells a screen reader what happens and where the focus is.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "Banco.h"
#include "controller/Comandi.h"
#include "pittore/CacheCarte.h"

namespace quintello::ui {

using namespace prova;

namespace {

// More cards than places, in every row: the first places are filled in card order.
constexpr const char* kTerraPiena = "1o 1s 1c 1b 2o 2s 2c 2b 3o 3s 3c 3b 4o 4s 4c 4b";
constexpr const char* kManoPiena = "5o 5s 5c 5b";
constexpr const char* kPCPiena = "6o 6s 6c 6b";

}  // namespace

class TestFinestra : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init();
  void cleanup() { f_.reset(); }
  void ridisegna_data();
  void ridisegna();
  void statusComeScritto();
  void manoDisabilitataUguale();
  void comandiESpunte();
  void disegno();
  void unaManoDaMouseETastiera();
  void chiusura_data();
  void chiusura();

 private:
  Copione copione_;
  std::unique_ptr<FinestraPrincipale> f_;
};

void TestFinestra::init() {
  copione_ = Copione();
  f_ = std::make_unique<FinestraPrincipale>(1, copione_.Collega());
  f_->show();
  QVERIFY(QTest::qWaitForWindowExposed(f_.get()));
}

void TestFinestra::ridisegna_data() {
  for (const char* colonna : {"terra", "utente", "pc", "terraMostrata", "utenteMostrato"})
    QTest::addColumn<QString>(colonna);
  QTest::addColumn<int>("coperte");
  auto riga = [](const char* nome, std::array<const char*, 5> file, int coperte) {
    QTestData& dati = QTest::newRow(nome);
    for (const char* fila : file) dati << fila;
    dati << coperte;
  };
  // Card order: by value, then denari, spade, coppe, bastoni.
  riga("in ordine", {"0b 1o 7c", "8o 3s", "2o 2c", "1o 7c 0b", "3s 8o"}, 2);
  riga("posti svuotati", {"9c", "", "6b", "9c", ""}, 1);
  riga("piu' carte che posti",
       {kTerraPiena, kManoPiena, kPCPiena, "1o 1s 1c 1b 2o 2s 2c 2b 3o 3s 3c 3b 4o 4s 4c",
        "5o 5s 5c"},
       3);
}

void TestFinestra::ridisegna() {
  QFETCH(QString, terra);
  QFETCH(QString, utente);
  QFETCH(QString, pc);
  QFETCH(QString, terraMostrata);
  QFETCH(QString, utenteMostrato);
  QFETCH(int, coperte);
  Carte piene;  // first every place shown, and one of the computer's cards face up
  Metti(piene, kTerraPiena, quintello::Terra);
  Metti(piene, kManoPiena, ManoUtente);
  Metti(piene, kPCPiena, ManoPC);
  f_->Ridisegna(piene);
  f_->DisegnaCartePC({4, Coppe}, 0);

  Carte carte;
  Metti(carte, terra.toStdString(), quintello::Terra);
  Metti(carte, utente.toStdString(), ManoUtente);
  Metti(carte, pc.toStdString(), ManoPC);
  Metti(carte, "7s", PresaPC);  // taken: shown nowhere
  f_->Ridisegna(carte);
  QCOMPARE(Fila(*f_, "terra").join(u' '), terraMostrata);
  QCOMPARE(Fila(*f_, "user").join(u' '), utenteMostrato);
  QCOMPARE(Fila(*f_, "pc"), QStringList(coperte, kCoperta));
  // The computer's play: the card face up in its place, whether the place was shown or not.
  f_->DisegnaCartePC({9, Spade}, 2);
  f_->DisegnaCartePC({}, 1);  // not a card: the place shows, covered
  for (int fuori : {3, -1}) f_->DisegnaCartePC({1, Coppe}, fuori);  // no such places
  QCOMPARE(Fila(*f_, "pc"), (QStringList{kCoperta, kCoperta, "9s"}));
  QCOMPARE(Posto(*f_, "pc", 2)->accessibleName(), QStringLiteral("cavallo di spade"));
}

void TestFinestra::statusComeScritto() {
  f_->AggiornaStatusBar("Carte prese dal PC: 12 <b>già</b>");  // shown as it is
  auto* testo = Controllo<QLabel>(*f_, QStringLiteral("StatusBar"));
  QCOMPARE(testo->text(), QStringLiteral("Carte prese dal PC: 12 <b>già</b>"));
  QCOMPARE(testo->textFormat(), Qt::PlainText);
}

void TestFinestra::manoDisabilitataUguale() {
  Carte carte;
  Metti(carte, "7o 9b 3c", ManoUtente);
  f_->Ridisegna(carte);
  f_->AbilitaUser(1, true);
  const QImage abilitata = Posto(*f_, "user", 1)->grab().toImage();
  f_->AbilitaUser(1, false);
  QVERIFY(!Posto(*f_, "user", 1)->isEnabled());
  QCOMPARE(Posto(*f_, "user", 1)->grab().toImage(), abilitata);
}

void TestFinestra::comandiESpunte() {
  auto spuntate = [&] {
    QStringList nomi;
    for (const QAction* voce : f_->findChildren<QAction*>())
      if (voce->isChecked()) nomi << voce->objectName();
    nomi.sort();
    return nomi;
  };
  for (const auto& [nome, gestore] : Comandi())  // each command has its control, named after it
    QVERIFY2(f_->findChild<QObject*>(QString::fromLatin1(nome.data(), nome.size())), nome.data());
  f_->SpuntaObiettivo(Obiettivo::Undici, false);  // the game's requests, as after loading
  f_->SpuntaObiettivo(Obiettivo::Ventuno, true);
  QCOMPARE(spuntate(), (QStringList{"classico", "ventuno"}));
  // Each item reaches the game, and stays marked on a second click; the
  // opponent's items in the order of their levels.
  const QStringList avversari{"principiante", "classico", "esperto", "campione"};
  QStringList voci;
  auto* menu = qobject_cast<QMenu*>(Controllo<QAction>(*f_, QStringLiteral("classico"))->parent());
  for (const QAction* voce : menu->actions()) voci << voce->objectName();
  QCOMPARE(voci, avversari);
  for (const char* nome : {"sette", "undici", "ventuno", "sedici", "esperto", "campione",
                           "principiante", "classico"}) {
    auto* voce = Controllo<QAction>(*f_, QString::fromLatin1(nome));
    for (int click = 0; click < 2; ++click) voce->trigger();
    QVERIFY2(voce->isChecked(), nome);
    const int punti = voce->text().toInt();  // the target items' captions are their points
    if (punti > 0)
      QCOMPARE(f_->gioco().Stato().puntivittoria, punti);
    else
      QCOMPARE(avversari[static_cast<int>(f_->gioco().AvversarioScelto())], voce->objectName());
  }
  QCOMPARE(spuntate(), (QStringList{"classico", "sedici"}));
}

void TestFinestra::disegno() {
  // Card pictures drawn for the screen's density, the same size on screen.
  pittore::CacheCarte immagini;
  const QPixmap semplice = immagini.Immagine({3, Spade}, 1.0);
  const QPixmap doppia = immagini.Immagine({3, Spade}, 2.0);
  QCOMPARE(doppia.size(), semplice.size() * 2);
  QCOMPARE(doppia.deviceIndependentSize(), QSizeF(semplice.size()));
}

void TestFinestra::unaManoDaMouseETastiera() {
  QVERIFY(QTest::qWaitForWindowActive(f_.get()));
  Prepara(*f_, "1o 2c 4b 6s", "5o 5s 5c", "3o 7c 0b");
  QTest::keyClick(f_.get(), Qt::Key_2);  // the seven's two captures are numbered beside the hand
  auto* numero = Controllo<QLabel>(*f_, QStringLiteral("NumeroProposta"));
  QCOMPARE(numero->text(), QStringLiteral("proposta 1 di 2"));
  Clicca(Posto(*f_, "user", 2));
  QVERIFY(numero->isHidden());
  QCOMPARE(Visibili(*f_, "Shape2"), QList<int>{2});
  QCOMPARE(Visibili(*f_, "Shape1"), (QList<int>{2, 3}));
  // The chosen card takes the focus; the framed table cards, and those alone, say they are taken.
  QCOMPARE(QApplication::focusWidget(), Posto(*f_, "user", 2));
  QCOMPARE(Posto(*f_, "user", 0)->accessibleDescription(), QStringLiteral("non selezionata"));
  for (int i = 0; i < 4; ++i) {
    QCOMPARE(Posto(*f_, "terra", i)->accessibleDescription().isEmpty(),
             !Visibili(*f_, "Shape1").contains(i));
  }
  QTest::keyClick(f_.get(), Qt::Key_Return);  // giocatautente
  // The king took the four and the six; the computer's five shows face up until "Ok".
  QCOMPARE(Fila(*f_, "terra").join(u' '), QStringLiteral("1o 2c"));
  QCOMPARE(Posto(*f_, "pc", 0)->carta().valore, 5);
  QAbstractButton* procedi = Bottone(*f_, "procedi");
  QVERIFY(!procedi->isHidden());
  QCOMPARE(QApplication::focusWidget(), procedi);
  QVERIFY(!Controllo<QAction>(*f_, QStringLiteral("suggerimento"))->isEnabled());  // no use here
  // The hand waits: a click or a key on it does nothing.
  QVERIFY(!Posto(*f_, "user", 0)->isEnabled());
  Clicca(Posto(*f_, "user", 0));
  QTest::keyClick(f_.get(), Qt::Key_1);
  QCOMPARE(Visibili(*f_, "Shape2"), QList<int>{});

  QTest::keyClick(procedi, Qt::Key_Space);  // continue: the focus stays in the game
  QVERIFY(!Bottone(*f_, "giocatautente")->isHidden());
  QCOMPARE(QApplication::focusWidget(), Posto(*f_, "user", 0));
  QCOMPARE(Visibili(*f_, "Shape2"), QList<int>{0});
  const QStringList terra = Fila(*f_, "terra");  // the computer's five, now on the table
  QVERIFY(terra.size() == 3 && terra.last().startsWith(u'5'));
  // Tab: the hand, the shown "Ok", then the donation buttons.
  QList<QWidget*> ordine;
  for (int passo = 0; passo < 4; ++passo) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ordine << QApplication::focusWidget();
  }
  QCOMPARE(ordine, (QList<QWidget*>{Posto(*f_, "user", 1), Bottone(*f_, "giocatautente"),
                                    Bottone(*f_, "Command1"), Bottone(*f_, "Command2")}));
  QTest::keyClick(f_.get(), Qt::Key_3);  // two cards left: no third place
  QCOMPARE(Visibili(*f_, "Shape2"), QList<int>{0});
  // From a focused button too: the keys it does not use reach the window.
  QTest::keyClick(Bottone(*f_, "Command1"), Qt::Key_2);
  QCOMPARE(Visibili(*f_, "Shape2"), QList<int>{1});
  QTest::keyClick(f_.get(), Qt::Key_1);  // the first place answers too
  QCOMPARE(Visibili(*f_, "Shape2"), QList<int>{0});
  QTest::keyClick(f_.get(), Qt::Key_Enter);  // giocatautente
  QVERIFY(!procedi->isHidden());
}

void TestFinestra::chiusura_data() {
  QTest::addColumn<bool>("daEsci");
  QTest::newRow("dal menu, dentro l'handler") << true;
  QTest::newRow("dalla barra del titolo") << false;
}

void TestFinestra::chiusura() {
  QFETCH(bool, daEsci);
  QTimer::singleShot(0, [&] {
    if (daEsci)
      Controllo<QAction>(*f_, QStringLiteral("esci"))->trigger();
    else
      f_->close();
  });
  QTimer::singleShot(60000, [] { QCoreApplication::exit(1); });
  // Closed from inside a handler, the window ends the event loop once the handler is done.
  QCOMPARE(QApplication::exec(), 0);
  QVERIFY(!f_->isVisible());
  QCOMPARE(f_->Chiusa(), daEsci);
}

}  // namespace quintello::ui

QTEST_MAIN(quintello::ui::TestFinestra)
#include "TestFinestra.moc"
