// The window carries out the game's requests: pictures, frames, buttons, marks, texts.
#include <QAction>
#include <QLabel>
#include <QTest>

#include "Banco.h"

namespace quintello::ui {

using namespace prova;

class TestRichieste : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init();
  void cleanup() { f_.reset(); }
  void ridisegnaTerraEMani();
  void ridisegnaSvuotaIPostiInPiu();
  void ridisegnaNonEsceDaiPosti();
  void cartaGiocataDalPC();
  void cornici();
  void bottoniOk();
  void abilitaUserTieneLImmagine();
  void spunteDelPunteggio();
  void statusBar();
  void messaggiAlCopione();
  void dialogoFileAlCopione();
  void chiudi();

 private:
  Copione copione_;
  std::unique_ptr<FinestraPrincipale> f_;
};

void TestRichieste::init() {
  copione_ = Copione();
  f_ = std::make_unique<FinestraPrincipale>(7, copione_.Collega());
}

void TestRichieste::ridisegnaTerraEMani() {
  Carte carte;
  Metti(carte, "0b 1o 7c", quintello::Terra);
  Metti(carte, "8o 3s", ManoUtente);
  Metti(carte, "2o 2c", ManoPC);
  Metti(carte, "5o", PresaPC);
  f_->Ridisegna(carte);

  // Card order: by value, then by suit.
  QCOMPARE(Terra(*f_, 0)->nomeImmagine(), QStringLiteral("o1"));
  QCOMPARE(Terra(*f_, 1)->nomeImmagine(), QStringLiteral("c7"));
  QCOMPARE(Terra(*f_, 2)->nomeImmagine(), QStringLiteral("b0"));
  QCOMPARE(Terra(*f_, 0)->accessibleName(), QStringLiteral("asso di denari"));
  QCOMPARE(Terra(*f_, 1)->accessibleName(), QStringLiteral("sette di coppe"));
  QCOMPARE(Terra(*f_, 2)->accessibleName(), QStringLiteral("re di bastoni"));
  for (int i = 0; i < kPostiTerra; ++i) QCOMPARE(Terra(*f_, i)->isHidden(), i >= 3);

  QCOMPARE(User(*f_, 0)->nomeImmagine(), QStringLiteral("s3"));
  QCOMPARE(User(*f_, 1)->nomeImmagine(), QStringLiteral("o8"));
  QCOMPARE(User(*f_, 1)->accessibleName(), QStringLiteral("fante di denari"));
  QVERIFY(!User(*f_, 0)->isHidden());
  QVERIFY(!User(*f_, 1)->isHidden());
  QVERIFY(User(*f_, 2)->isHidden());

  for (int i = 0; i < kPostiMano; ++i) {
    QCOMPARE(PC(*f_, i)->isHidden(), i >= 2);
    QCOMPARE(PC(*f_, i)->nomeImmagine(), Cards::kVuota);
    QCOMPARE(PC(*f_, i)->accessibleName(), QStringLiteral("carta coperta"));
  }
}

void TestRichieste::ridisegnaSvuotaIPostiInPiu() {
  Carte piena;
  Metti(piena, "1o 1s 1c 1b 2o 2s 2c", quintello::Terra);
  Metti(piena, "3o 3s 3c", ManoUtente);
  Metti(piena, "4o 4s 4c", ManoPC);
  f_->Ridisegna(piena);
  f_->DisegnaCartePC({4, Coppe}, 0);

  Carte poche;
  Metti(poche, "9c", quintello::Terra);
  Metti(poche, "6b", ManoPC);
  f_->Ridisegna(poche);
  QCOMPARE(Terra(*f_, 0)->nomeImmagine(), QStringLiteral("c9"));
  for (int i = 1; i < kPostiTerra; ++i) QVERIFY(Terra(*f_, i)->isHidden());
  for (int i = 0; i < kPostiMano; ++i) QVERIFY(User(*f_, i)->isHidden());
  // The card the computer showed is covered again.
  QCOMPARE(PC(*f_, 0)->nomeImmagine(), Cards::kVuota);
  QVERIFY(!PC(*f_, 0)->isHidden());
  QVERIFY(PC(*f_, 1)->isHidden());
}

void TestRichieste::ridisegnaNonEsceDaiPosti() {
  Carte carte;
  carte.PerOgniCarta([&](Carta c, int16_t) {
    const bool inMano = c.valore == 10;  // four cards for three places
    carte[c] = c.seme == Denari && c.valore < 6 ? ManoPC : (inMano ? ManoUtente : quintello::Terra);
  });
  f_->Ridisegna(carte);
  for (int i = 0; i < kPostiTerra; ++i) QVERIFY(!Terra(*f_, i)->isHidden());
  QCOMPARE(Terra(*f_, 0)->nomeImmagine(), QStringLiteral("s1"));
  for (int i = 0; i < kPostiMano; ++i) {
    QVERIFY(!User(*f_, i)->isHidden());
    QVERIFY(!PC(*f_, i)->isHidden());
  }
  QCOMPARE(User(*f_, 2)->nomeImmagine(), QStringLiteral("c0"));
}

void TestRichieste::cartaGiocataDalPC() {
  Carte carte;
  Metti(carte, "5c", ManoPC);
  f_->Ridisegna(carte);
  QVERIFY(PC(*f_, 2)->isHidden());
  f_->DisegnaCartePC({9, Spade}, 2);
  QVERIFY(!PC(*f_, 2)->isHidden());
  QCOMPARE(PC(*f_, 2)->nomeImmagine(), QStringLiteral("s9"));
  QCOMPARE(PC(*f_, 2)->accessibleName(), QStringLiteral("cavallo di spade"));

  f_->DisegnaCartePC({}, 1);  // not a card: the place shows, covered
  QVERIFY(!PC(*f_, 1)->isHidden());
  QCOMPARE(PC(*f_, 1)->nomeImmagine(), Cards::kVuota);
  f_->DisegnaCartePC({1, Coppe}, 3);  // no such place
  f_->DisegnaCartePC({1, Coppe}, -1);
  QCOMPARE(PC(*f_, 0)->accessibleName(), QStringLiteral("carta coperta"));
}

void TestRichieste::cornici() {
  for (int i = 0; i < kPostiTerra; ++i) f_->MostraShape1(i, false);
  for (int i = 0; i < kPostiMano; ++i) f_->MostraShape2(i, false);
  QCOMPARE(CorniciTerraVisibili(*f_), QList<int>());
  f_->MostraShape1(0, true);
  f_->MostraShape1(14, true);
  f_->MostraShape2(1, true);
  QCOMPARE(CorniciTerraVisibili(*f_), (QList<int>{0, 14}));
  for (int i = 0; i < kPostiMano; ++i) QCOMPARE(Shape2(*f_, i)->isHidden(), i != 1);
  f_->MostraShape1(14, false);
  QCOMPARE(CorniciTerraVisibili(*f_), QList<int>{0});
}

void TestRichieste::bottoniOk() {
  f_->MostraBottone(Bottone::GiocaUtente, true);
  f_->MostraBottone(Bottone::Procedi, false);
  QVERIFY(!prova::Bottone(*f_, "giocatautente")->isHidden());
  QVERIFY(prova::Bottone(*f_, "procedi")->isHidden());
  f_->MostraBottone(Bottone::GiocaUtente, false);
  f_->MostraBottone(Bottone::Procedi, true);
  QVERIFY(prova::Bottone(*f_, "giocatautente")->isHidden());
  QVERIFY(!prova::Bottone(*f_, "procedi")->isHidden());
}

void TestRichieste::abilitaUserTieneLImmagine() {
  f_->show();
  QVERIFY(QTest::qWaitForWindowExposed(f_.get()));
  Carte carte;
  Metti(carte, "7o 9b 3c", ManoUtente);
  f_->Ridisegna(carte);
  f_->AbilitaUser(1, true);
  const QImage abilitata = User(*f_, 1)->grab().toImage();
  f_->AbilitaUser(1, false);
  QVERIFY(!User(*f_, 1)->isEnabled());
  QCOMPARE(User(*f_, 1)->grab().toImage(), abilitata);
  QCOMPARE(User(*f_, 1)->accessibleName(), QStringLiteral("sette di denari"));
  f_->AbilitaUser(1, true);
  QVERIFY(User(*f_, 1)->isEnabled());
}

void TestRichieste::spunteDelPunteggio() {
  const QStringList nomi{"sette", "undici", "sedici", "ventuno"};
  f_->SpuntaObiettivo(Obiettivo::Undici, false);
  f_->SpuntaObiettivo(Obiettivo::Ventuno, true);
  for (int o = 0; o < kObiettivi; ++o)
    QCOMPARE(Controllo<QAction>(*f_, nomi[o])->isChecked(), o == 3);
}

void TestRichieste::statusBar() {
  f_->AggiornaStatusBar("Carte prese dal PC: 12 <b>già</b>");
  QCOMPARE(Controllo<QLabel>(*f_, QStringLiteral("StatusBar"))->text(),
           QStringLiteral("Carte prese dal PC: 12 <b>già</b>"));
  QCOMPARE(Controllo<QLabel>(*f_, QStringLiteral("StatusBar"))->textFormat(), Qt::PlainText);
}

void TestRichieste::messaggiAlCopione() {
  copione_.messaggi.clear();
  copione_.risposte = {Risposta::No};
  const Risposta r = f_->MsgBox({.testo = "Sicuro?",
                                 .titolo = "Nuova partita",
                                 .pulsanti = Pulsanti::SiNo,
                                 .icona = Icona::Critica});
  QCOMPARE(r, Risposta::No);
  QCOMPARE(copione_.messaggi.size(), std::size_t{1});
  QCOMPARE(copione_.messaggi[0].testo, std::string("Sicuro?"));
  QCOMPARE(copione_.messaggi[0].icona, Icona::Critica);
}

void TestRichieste::dialogoFileAlCopione() {
  copione_.fileScelto = "/tmp/partita";
  const std::string scelto = f_->DialogoFile(Dialogo::Salva, kFiltroFile, "vecchia.qnt");
  QCOMPARE(scelto, std::string("/tmp/partita"));
  QCOMPARE(copione_.filtri.back(),
           (QStringList{QStringLiteral("File .qnt (*.qnt)"), QStringLiteral("Tutti i file (*)")}));
  QCOMPARE(copione_.nomiIniziali.back(), std::string("vecchia.qnt"));
}

void TestRichieste::chiudi() {
  f_->show();
  QVERIFY(QTest::qWaitForWindowExposed(f_.get()));
  QApplication::setQuitOnLastWindowClosed(false);
  Controllo<QAction>(*f_, QStringLiteral("esci"))->trigger();
  QVERIFY(f_->Chiusa());
  QVERIFY(!f_->isVisible());
}

}  // namespace quintello::ui

QTEST_MAIN(quintello::ui::TestRichieste)
#include "TestRichieste.moc"
