// The window with a profile in temporary XDG folders: closed in mid-match and started
// again it shows the same position with the same choices and size; the statistics
// dialog; a table at twice its size.
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "Banco.h"

namespace quintello::ui {

using namespace prova;

class TestProfilo : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void ripresa();
  void statistiche();
  void scala();

 private:
  std::unique_ptr<FinestraPrincipale> Apri(uint64_t seme) {
    auto f = std::make_unique<FinestraPrincipale>(seme, copione_.Collega(), ProfiloXdg(&getenv));
    f->show();
    return f;
  }

  QTemporaryDir xdg_;
  Copione copione_;
};

void TestProfilo::initTestCase() {
  for (const char* variabile : {"XDG_STATE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
    qputenv(variabile, xdg_.path().toLocal8Bit());
}

// Closed in mid-match and started again with another seed: the same table, count and choices.
void TestProfilo::ripresa() {
  auto f = Apri(4);
  for (const char* nome : {"esperto", "ventuno"}) Controllo<QAction>(*f, nome)->trigger();
  if (!Bottone(*f, "procedi")->isHidden()) Bottone(*f, "procedi")->click();
  for (const char* nome : {"giocatautente", "procedi"}) Bottone(*f, nome)->click();
  Clicca(Posto(*f, "user", 1));
  f->resize(798, 590);  // within the test screen
  QApplication::processEvents();
  const QImage tavolo = f->centralWidget()->grab().toImage();
  const QString conto = Controllo<QLabel>(*f, QStringLiteral("StatusBar"))->text();
  f->close();
  f = Apri(11);
  QApplication::processEvents();
  QCOMPARE(f->centralWidget()->grab().toImage(), tavolo);
  QCOMPARE(Controllo<QLabel>(*f, QStringLiteral("StatusBar"))->text(), conto);
  QCOMPARE(Controllo<QLabel>(*f, QStringLiteral("Avviso"))->text(),
           QStringLiteral("Partita ripresa"));
  QVERIFY(Controllo<QAction>(*f, "esperto")->isChecked() &&
          Controllo<QAction>(*f, "ventuno")->isChecked());
  QCOMPARE(f->size(), QSize(798, 590));
  // The INI file Qt wrote is the one the driver reads, and the other way round.
  const std::string conf = xdg_.filePath("quintello/quintello.conf").toStdString();
  QCOMPARE(ArchivioIni().Leggi(conf), ArchivioQSettings().Leggi(conf));
  ArchivioIni().Scrivi(conf, {{"partita/obiettivo", "7"}});
  QCOMPARE(ArchivioQSettings().Leggi(conf), ArchivioIni().Leggi(conf));
  QCOMPARE(ArchivioIni().Leggi(conf).at("finestra/larghezza"), "798");  // the others kept
}

// After a match left: the table, which takes the focus, then cleared once confirmed.
void TestProfilo::statistiche() {
  auto f = Apri(6);
  Controllo<QAction>(*f, QStringLiteral("newpart"))->trigger();
  QStringList abbandonate;  // by Esperto, the opponent remembered
  QTimer::singleShot(0, [&] {
    auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialogo);
    QTimer::singleShot(0, dialogo, &QDialog::reject);  // closed whatever the checks find
    auto* tabella = Controllo<QTableWidget>(*dialogo, QStringLiteral("tabella"));
    QCOMPARE(dialogo->focusWidget(), tabella);
    abbandonate << tabella->item(3, 2)->text();
    Controllo<QPushButton>(*dialogo, QStringLiteral("Azzera"))->click();
    abbandonate << tabella->item(3, 2)->text();
  });
  Controllo<QAction>(*f, QStringLiteral("statistiche"))->trigger();
  QCOMPARE(abbandonate, (QStringList{"1", "0"}));
  QCOMPARE(copione_.messaggi.back().titolo, std::string("Sicuro?"));
}

// A control added once the table is at twice its size grows with it; back at 1x, all as built.
void TestProfilo::scala() {
  auto f = Apri(2);
  const int menu = f->menuBar()->height();
  f->resize(794, menu + 512);
  QApplication::processEvents();
  QApplication::processEvents();  // the status line laid out with its notice
  const QImage comeCostruita = f->grab().toImage();
  f->resize(794 * 2, menu + 512 * 2);
  QApplication::processEvents();
  auto* etichetta = new QLabel(QStringLiteral("Scopa!"), Controllo(*f, QStringLiteral("Frame1")));
  etichetta->setGeometry(10, 20, 60, 16);
  QApplication::processEvents();
  QCOMPARE(etichetta->geometry(), QRect(20, 40, 120, 32));
  QCOMPARE(Posto(*f, "user", 0)->contentsRect().size(), QSize(148, 260));  // the card's picture
  delete etichetta;
  f->resize(794, menu + 512);
  QApplication::processEvents();
  QCOMPARE(f->grab().toImage(), comeCostruita);
}

}  // namespace quintello::ui

QTEST_MAIN(quintello::ui::TestProfilo)
#include "TestProfilo.moc"
