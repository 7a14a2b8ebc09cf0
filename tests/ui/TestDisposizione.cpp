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
  void postiInTerra();
  void corniciInTerra();
  void corniciColoriESpessore();
  void postiDelleMani();
  void bordoInfossatoDeiPosti();
  void bottoni();
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

void TestDisposizione::postiInTerra() {
  auto* frame = Controllo<QFrame>(*f_, QStringLiteral("Frame1"));
  QCOMPARE(frame->geometry(), QRect(8, 8, 489, 465));
  QCOMPARE(frame->frameShape(), QFrame::NoFrame);
  for (int i = 0; i < kPostiTerra; ++i) {
    QCOMPARE(Terra(*f_, i)->parentWidget(), frame);
    QCOMPARE(Terra(*f_, i)->geometry(), QRect(13 + 96 * (i % 5), 13 + 152 * (i / 5), 78, 134));
  }
}

void TestDisposizione::corniciInTerra() {
  auto* frame = Controllo<QFrame>(*f_, QStringLiteral("Frame1"));
  for (int i = 0; i < kPostiTerra; ++i) {
    Cornice* c = Shape1(*f_, i);
    QCOMPARE(c->parentWidget(), frame);
    QCOMPARE(c->geometry(), QRect(8 + 96 * (i % 5), 8 + 152 * (i / 5), 87, 142));
    QCOMPARE(c->spessore(), 3);
    QCOMPARE(c->colore(), QColor(i == 0 ? kCianoChiaro : kCiano));
    // Over the card it frames, and clicks reach the card.
    QVERIFY(frame->children().indexOf(c) > frame->children().indexOf(Terra(*f_, i)));
    QVERIFY(c->testAttribute(Qt::WA_TransparentForMouseEvents));
  }
  for (int i = 0; i < kPostiMano; ++i) {
    Cornice* c = Shape2(*f_, i);
    QCOMPARE(c->geometry(), QRect(504 + 96 * i, 312, 87, 142));
    QCOMPARE(c->spessore(), 3);
    QCOMPARE(c->colore(), QColor(kRosso));
    QVERIFY(c->parentWidget()->children().indexOf(c) >
            c->parentWidget()->children().indexOf(User(*f_, i)));
    QVERIFY(c->testAttribute(Qt::WA_TransparentForMouseEvents));
  }
}

void TestDisposizione::corniciColoriESpessore() {
  f_->MostraShape1(0, true);
  f_->MostraShape1(7, true);
  f_->MostraShape2(2, true);
  const QImage tavolo = Schermata(Controllo<QFrame>(*f_, QStringLiteral("Frame1")));
  const QPoint primo(8, 8);
  const QPoint ottavo(8 + 96 * 2, 8 + 152);
  for (int d = 0; d < 3; ++d) {
    QCOMPARE(tavolo.pixel(primo + QPoint(d, 70)), kCianoChiaro);
    QCOMPARE(tavolo.pixel(primo + QPoint(40, d)), kCianoChiaro);
    QCOMPARE(tavolo.pixel(ottavo + QPoint(86 - d, 70)), kCiano);
    QCOMPARE(tavolo.pixel(ottavo + QPoint(40, 141 - d)), kCiano);
  }
  // Three pixels wide, then the table shows through; no fill over the card.
  QCOMPARE(tavolo.pixel(ottavo + QPoint(3, 70)), kVerdeTavolo);
  QVERIFY(tavolo.pixel(ottavo + QPoint(43, 70)) != kCiano);

  const QImage area = Schermata(f_->centralWidget());
  const QPoint terzo(504 + 96 * 2, 312);
  QCOMPARE(area.pixel(terzo + QPoint(2, 70)), kRosso);
  QVERIFY(area.pixel(terzo + QPoint(3, 70)) != kRosso);
  QVERIFY(area.pixel(terzo + QPoint(43, 70)) != kRosso);
}

void TestDisposizione::postiDelleMani() {
  for (int i = 0; i < kPostiMano; ++i) {
    QCOMPARE(User(*f_, i)->parentWidget(), f_->centralWidget());
    QCOMPARE(User(*f_, i)->geometry(), QRect(509 + 96 * i, 317, 78, 134));
    QCOMPARE(PC(*f_, i)->parentWidget(), f_->centralWidget());
    QCOMPARE(PC(*f_, i)->geometry(), QRect(509 + 96 * i, 40, 78, 134));
  }
}

void TestDisposizione::bordoInfossatoDeiPosti() {
  PostoCarta* posto = PC(*f_, 2);
  posto->show();
  posto->MostraCarta({});
  QCOMPARE(posto->contentsRect(), QRect(2, 2, 74, 130));
  const QImage img = Schermata(posto);
  const QPalette colori = posto->palette();
  // Sunken: dark above and to the left, light below and to the right, two pixels each.
  for (int d = 0; d < 2; ++d) {
    QCOMPARE(img.pixel(d, 60), colori.color(QPalette::Active, QPalette::Dark).rgb());
    QCOMPARE(img.pixel(77 - d, 60), colori.color(QPalette::Active, QPalette::Light).rgb());
    QCOMPARE(img.pixel(30, 133 - d), colori.color(QPalette::Active, QPalette::Light).rgb());
  }
  // The picture fills the inside: the back is not the window's colour.
  QVERIFY(img.pixel(37, 65) != colori.color(QPalette::Window).rgb());
}

void TestDisposizione::bottoni() {
  const QString donazione = QStringLiteral("Ti piace questo programma? Fai una donazione!");
  QCOMPARE(Bottone(*f_, "Command1")->geometry(), QRect(512, 8, 265, 25));
  QCOMPARE(Bottone(*f_, "Command2")->geometry(), QRect(512, 464, 265, 25));
  QCOMPARE(Bottone(*f_, "Command1")->text(), donazione);
  QCOMPARE(Bottone(*f_, "Command2")->text(), donazione);
  for (const char* ok : {"giocatautente", "procedi"}) {
    QCOMPARE(Bottone(*f_, ok)->geometry(), QRect(584, 208, 113, 73));
    QCOMPARE(Bottone(*f_, ok)->text(), QStringLiteral("Ok"));
  }
  // The whole caption fits inside the button.
  QAbstractButton* b = Bottone(*f_, "Command1");
  QVERIFY(QFontMetrics(b->font()).horizontalAdvance(donazione) < b->width());
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
  const QList<QAction*> titoli = f_->menuBar()->actions();
  QCOMPARE(titoli.size(), 3);
  const QList<QStringList> attese{
      {QStringLiteral("&File"), QStringLiteral("&Nuova partita"), QStringLiteral("&Salva partita"),
       QStringLiteral("&Carica"), QStringLiteral("&Esci")},
      {QStringLiteral("&Punteggio"), QStringLiteral("7"), QStringLiteral("11"),
       QStringLiteral("16"), QStringLiteral("21")},
      {QStringLiteral("&?"), QStringLiteral("&Informazioni"), QStringLiteral("Fai una &donazione")},
  };
  for (int m = 0; m < titoli.size(); ++m) {
    QCOMPARE(titoli[m]->text(), attese[m].first());
    const QList<QAction*> voci = titoli[m]->menu()->actions();
    QCOMPARE(voci.size(), attese[m].size() - 1);
    for (int v = 0; v < voci.size(); ++v) {
      QCOMPARE(voci[v]->text(), attese[m][v + 1]);
      QVERIFY(voci[v]->shortcut().isEmpty());
      QCOMPARE(voci[v]->isCheckable(), m == 1);
      QCOMPARE(voci[v]->isChecked(), m == 1 && v == 1);  // 11 at start
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
