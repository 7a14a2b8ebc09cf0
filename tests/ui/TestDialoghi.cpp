// The real dialogs, answered from inside their loops, in the program set up as at
// start-up: Italian, with its icon.
#include <QFileDialog>
#include <QIcon>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "Banco.h"
#include "ui/Applicazione.h"
#include "ui/DialogoFile.h"

namespace quintello::ui {

using namespace prova;

class TestDialoghi : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void applicazione();
  void filtri_data();
  void filtri();
  void messaggi_data();
  void messaggi();
  void indirizzoSuUnaRiga();
  void salvaSenzaEstensioneNeDomanda();
  void apriAnnullato();

 private:
  // Shows `messaggio` in a real box; `guarda` looks it over and presses a button.
  Risposta Mostra(const Messaggio& messaggio, std::function<void(QMessageBox*)> guarda);

  std::unique_ptr<FinestraPrincipale> f_;
};

void TestDialoghi::initTestCase() {
  PreparaApplicazione(*qobject_cast<QApplication*>(qApp));
  Copione avvio;
  f_ = std::make_unique<FinestraPrincipale>(3, avvio.Collega());
  f_->risposte = {};  // from here on, real dialogs
}

Risposta TestDialoghi::Mostra(const Messaggio& messaggio,
                              std::function<void(QMessageBox*)> guarda) {
  bool visto = false;
  QuandoModale([&](QWidget* modale) {
    auto* box = qobject_cast<QMessageBox*>(modale);
    visto = box != nullptr;
    if (box) guarda(box);
  });
  const Risposta risposta = f_->MsgBox(messaggio);
  if (!visto) qWarning("nessuna finestra di messaggio");
  return visto ? risposta : Risposta(-1);
}

void TestDialoghi::applicazione() {
  QCOMPARE(QLocale().language(), QLocale::Italian);
  for (int lato : {16, 128})  // for the panel and for the task switcher, each drawn for its size
    QVERIFY(QApplication::windowIcon().availableSizes().contains(QSize(lato, lato)));
}

void TestDialoghi::filtri_data() {
  QTest::addColumn<QString>("filtro");
  QTest::addColumn<QStringList>("attesi");
  QTest::newRow("gioco") << QString::fromLatin1(kFiltroFile)
                         << QStringList{"File .qnt (*.qnt)", "Tutti i file (*)"};
  QTest::newRow("piu' modelli") << "Immagini|*.png;*.jpg" << QStringList{"Immagini (*.png *.jpg)"};
  QTest::newRow("descrizione senza modello")
      << "Testo|*.txt|Avanzo" << QStringList{"Testo (*.txt)"};
  QTest::newRow("vuoto") << "" << QStringList{};
}

void TestDialoghi::filtri() {
  QFETCH(QString, filtro);
  QFETCH(QStringList, attesi);
  QCOMPARE(FiltriDialogo(filtro.toStdString()), attesi);
}

void TestDialoghi::messaggi_data() {
  QTest::addColumn<QString>("titolo");
  QTest::addColumn<int>("pulsanti");
  QTest::addColumn<int>("icona");
  QTest::addColumn<QString>("titoloMostrato");
  QTest::addColumn<int>("iconaMostrata");
  QTest::addColumn<int>("premuto");  // 0: the Return key, on the default button
  QTest::addColumn<int>("risposta");
  const QString lungo = QStringLiteral("Un titolo molto più lungo del testo della sua finestra");
  QTest::newRow("si predefinito") << "Nuova partita" << int(Pulsanti::SiNo) << int(Icona::Nessuna)
                                  << "Nuova partita" << int(QMessageBox::NoIcon) << 0
                                  << int(Risposta::Si);
  QTest::newRow("no, titolo lungo")
      << lungo << int(Pulsanti::SiNo) << int(Icona::Nessuna) << lungo << int(QMessageBox::NoIcon)
      << int(QMessageBox::No) << int(Risposta::No);
  QTest::newRow("informazione senza titolo")
      << "" << int(Pulsanti::Ok) << int(Icona::Informazione) << "Quintello"
      << int(QMessageBox::Information) << 0 << int(Risposta::Ok);
  QTest::newRow("esclamazione") << "" << int(Pulsanti::Ok) << int(Icona::Esclamazione)
                                << "Quintello" << int(QMessageBox::Warning) << int(QMessageBox::Ok)
                                << int(Risposta::Ok);
  QTest::newRow("critica") << "Errore" << int(Pulsanti::Ok) << int(Icona::Critica) << "Errore"
                           << int(QMessageBox::Critical) << 0 << int(Risposta::Ok);
}

void TestDialoghi::messaggi() {
  QFETCH(QString, titolo);
  QFETCH(int, pulsanti);
  QFETCH(int, icona);
  QFETCH(QString, titoloMostrato);
  QFETCH(int, iconaMostrata);
  QFETCH(int, premuto);
  QFETCH(int, risposta);
  const bool siNo = pulsanti == int(Pulsanti::SiNo);
  const Risposta r = Mostra(
      {.testo = "Vuoi giocare\r\nancora? <sì>",
       .titolo = titolo.toStdString(),
       .pulsanti = Pulsanti(pulsanti),
       .icona = Icona(icona)},
      [&](QMessageBox* box) {
        QCOMPARE(box->windowTitle(), titoloMostrato);
        QCOMPARE(box->text(), QStringLiteral("Vuoi giocare\nancora? <sì>"));
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(int(box->icon()), iconaMostrata);
        QCOMPARE(box->parent(), f_.get());
        QVERIFY(box->isModal());
        // A plain dialog, with room for its title beside a window manager's buttons.
        QCOMPARE(box->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                                       Qt::WindowCloseButtonHint),
                 Qt::WindowCloseButtonHint);
        QFont grassetto = box->font();
        grassetto.setBold(true);
        QVERIFY(box->width() > QFontMetrics(grassetto).horizontalAdvance(titoloMostrato) + 3 * 24);
        QCOMPARE(box->standardButtons(),
                 siNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
        if (siNo)  // Qt's own Italian: the system's translations are installed
          QCOMPARE(box->button(QMessageBox::Yes)->text().remove(u'&'), QStringLiteral("Sì"));
        if (premuto)
          box->button(QMessageBox::StandardButton(premuto))->click();
        else
          QTest::keyClick(box, Qt::Key_Return);
      });
  QCOMPARE(int(r), risposta);
}

void TestDialoghi::indirizzoSuUnaRiga() {
  const QString indirizzo = QStringLiteral("https://www.example.org/quintello/donate");
  Mostra({.testo =
              "Errore <1> & altro\r\nPer fare una donazione andare su " + indirizzo.toStdString()},
         [&](QMessageBox* box) {
           // Laid out as narrow as it may be, the address stays on one line, the text whole.
           QTextDocument testo;
           testo.setHtml(box->text());
           testo.setTextWidth(120);
           testo.size();  // lays it out
           QCOMPARE(testo.toPlainText(),
                    "Errore <1> & altro\nPer fare una donazione andare su\n" + indirizzo);
           const QTextBlock blocco = testo.find(QStringLiteral("https")).block();
           QCOMPARE(blocco.text(), indirizzo);
           QCOMPARE(blocco.layout()->lineCount(), 1);
           box->button(QMessageBox::Ok)->click();
         });
}

void TestDialoghi::salvaSenzaEstensioneNeDomanda() {
  QTemporaryDir cartella;
  QFile esistente(cartella.filePath("esistente"));
  QVERIFY(esistente.open(QIODevice::WriteOnly));
  esistente.close();

  bool visto = false;
  QuandoModale([&](QWidget* modale) {
    auto* dialogo = qobject_cast<QFileDialog*>(modale);
    QVERIFY(dialogo);
    visto = true;
    QCOMPARE(dialogo->acceptMode(), QFileDialog::AcceptSave);
    QVERIFY(dialogo->testOption(QFileDialog::DontConfirmOverwrite));
    QCOMPARE(dialogo->nameFilters(), (QStringList{QStringLiteral("File .qnt (*.qnt)"),
                                                  QStringLiteral("Tutti i file (*)")}));
    QCOMPARE(QDir(dialogo->directory()).canonicalPath(), QDir(cartella.path()).canonicalPath());
    auto* nome = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(nome);
    QCOMPARE(nome->text(), QStringLiteral("vecchia.qnt"));
    // An existing file without an extension: taken as it is, with no question.
    nome->setText(QStringLiteral("esistente"));
    QTest::keyClick(nome, Qt::Key_Return);
  });
  const std::string scelto =
      f_->DialogoFile(Dialogo::Salva, kFiltroFile, cartella.filePath("vecchia.qnt").toStdString());
  QVERIFY(visto);
  QCOMPARE(QFileInfo(QString::fromStdString(scelto)).canonicalFilePath(),
           QFileInfo(esistente).canonicalFilePath());
  QVERIFY(!QApplication::activeModalWidget());
}

void TestDialoghi::apriAnnullato() {
  bool visto = false;
  QuandoModale([&](QWidget* modale) {
    auto* dialogo = qobject_cast<QFileDialog*>(modale);
    QVERIFY(dialogo);
    visto = true;
    QCOMPARE(dialogo->acceptMode(), QFileDialog::AcceptOpen);
    QCOMPARE(dialogo->fileMode(), QFileDialog::AnyFile);
    QTest::keyClick(dialogo, Qt::Key_Escape);
  });
  QCOMPARE(f_->DialogoFile(Dialogo::Apri, kFiltroFile, ""), std::string());
  QVERIFY(visto);
}

}  // namespace quintello::ui

QTEST_MAIN(quintello::ui::TestDialoghi)
#include "TestDialoghi.moc"
