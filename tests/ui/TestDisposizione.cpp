// Where every control lies, how big it is and how it is drawn.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "Banco.h"
#include "ui/Colori.h"

namespace quintello::ui {

using namespace prova;

class TestDisposizione : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void areaClientFissa();
  void coloriDiSfondo();
  void menu();
  void statusBar();
  void nomiAccessibiliDeiBottoni();

 private:
  QImage Schermata(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }

  Copione copione_;
  std::unique_ptr<FinestraPrincipale> f_;
};

void TestDisposizione::initTestCase() {
  f_ = std::make_unique<FinestraPrincipale>(1, copione_.Collega());
  f_->show();
  QVERIFY(QTest::qWaitForWindowExposed(f_.get()));
  QCOMPARE(f_->devicePixelRatioF(), 1.0);
}

void TestDisposizione::areaClientFissa() {
  const int menu = f_->menuBar()->geometry().bottom() + 1;
  QCOMPARE(f_->windowTitle(), QStringLiteral("Quintello"));
  QCOMPARE(f_->centralWidget()->geometry(), QRect(0, menu, 794, 495));
  QCOMPARE(f_->statusBar()->geometry(), QRect(0, menu + 495, 794, 17));
  QCOMPARE(f_->size(), QSize(794, menu + 512));
  QCOMPARE(f_->minimumSize(), f_->size());
  QCOMPARE(f_->maximumSize(), f_->size());
}

void TestDisposizione::coloriDiSfondo() {
  const QImage tavolo = Schermata(Controllo<QFrame>(*f_, QStringLiteral("Frame1")));
  QCOMPARE(tavolo.pixel(1, 1), kVerdeTavolo);
  QCOMPARE(tavolo.pixel(488, 464), kVerdeTavolo);
  for (const char* nome : {"Command1", "Command2"}) {
    const QImage bottone = Schermata(Bottone(*f_, nome));
    QCOMPARE(bottone.pixel(4, 4), kVerdeDonazione);
    QCOMPARE(bottone.pixel(260, 20), kVerdeDonazione);
  }
  const QImage area = Schermata(f_->centralWidget());
  QCOMPARE(area.pixel(500, 300), f_->palette().color(QPalette::Button).rgb());
}

void TestDisposizione::menu() {
  struct Voce {
    const char* testo;
    bool spuntabile, spuntata;
    const char* tasto = "";
  };
  const QList<QPair<QString, QList<Voce>>> attese{
      {QStringLiteral("&File"),
       {{"&Nuova partita", false, false},
        {"&Salva partita", false, false},
        {"&Carica", false, false},
        {"&Esci", false, false}}},
      {QStringLiteral("&Punteggio"),
       {{"7", true, false}, {"11", true, true}, {"16", true, false}, {"21", true, false}}},
      {QStringLiteral("&Avversario"), {{"&Classico", true, true}, {"&Esperto", true, false}}},
      {QStringLiteral("&?"),
       {{"&Informazioni", false, false},
        {"Fai una &donazione", false, false},
        {"&Suggerimento", false, false, "S"}}},
  };
  const QList<QAction*> titoli = f_->menuBar()->actions();
  QCOMPARE(titoli.size(), attese.size());
  for (int m = 0; m < titoli.size(); ++m) {
    QCOMPARE(titoli[m]->text(), attese[m].first);
    const QList<QAction*> voci = titoli[m]->menu()->actions();
    QCOMPARE(voci.size(), attese[m].second.size());
    for (int v = 0; v < voci.size(); ++v) {
      const Voce& voce = attese[m].second[v];
      QCOMPARE(voci[v]->text(), QString::fromUtf8(voce.testo));
      QCOMPARE(voci[v]->shortcut().toString(), QString::fromLatin1(voce.tasto));
      QCOMPARE(voci[v]->isCheckable(), voce.spuntabile);
      QCOMPARE(voci[v]->isChecked(), voce.spuntata);
    }
  }
}

void TestDisposizione::statusBar() {
  QStatusBar* barra = f_->statusBar();
  QVERIFY(!barra->isSizeGripEnabled());
  auto* testo = Controllo<QLabel>(*f_, QStringLiteral("StatusBar"));
  QVERIFY(testo->font().bold());
  QVERIFY(testo->width() > 700);
  QVERIFY(!testo->text().isEmpty());
}

void TestDisposizione::nomiAccessibiliDeiBottoni() {
  for (const char* nome : {"Command1", "Command2", "giocatautente", "procedi"}) {
    QVERIFY2(!Bottone(*f_, nome)->accessibleName().isEmpty(), nome);
  }
  QVERIFY(Bottone(*f_, "giocatautente")->accessibleName() !=
          Bottone(*f_, "procedi")->accessibleName());
}

}  // namespace quintello::ui

QTEST_MAIN(quintello::ui::TestDisposizione)
#include "TestDisposizione.moc"
