// The real dialogs: message boxes and file dialogs, answered from inside their loops.
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
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
  void filtri_data();
  void filtri();
  void siNoConSiPredefinito();
  void siNoRispondeNo();
  void icone_data();
  void icone();
  void acapo();
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
  return visto ? risposta : Risposta::Ok;
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

void TestDialoghi::siNoConSiPredefinito() {
  const Risposta r = Mostra(
      {.testo = "Vuoi giocare ancora?", .titolo = "Nuova partita", .pulsanti = Pulsanti::SiNo},
      [](QMessageBox* box) {
        QCOMPARE(box->windowTitle(), QStringLiteral("Nuova partita"));
        QCOMPARE(box->text(), QStringLiteral("Vuoi giocare ancora?"));
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
        QVERIFY(box->isModal());
        // A plain dialog, with room for its title beside a window manager's buttons.
        QCOMPARE(box->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                                       Qt::WindowCloseButtonHint),
                 Qt::WindowCloseButtonHint);
        QFont grassetto = box->font();
        grassetto.setBold(true);
        QVERIFY(box->width() >
                QFontMetrics(grassetto).horizontalAdvance(box->windowTitle()) + 3 * 24);
        // Qt's own Italian: the system's translations are installed.
        QCOMPARE(box->button(QMessageBox::Yes)->text().remove(u'&'), QStringLiteral("Sì"));
        QTest::keyClick(box, Qt::Key_Return);
      });
  QCOMPARE(r, Risposta::Si);
}

void TestDialoghi::siNoRispondeNo() {
  const Risposta r = Mostra({.testo = "?", .pulsanti = Pulsanti::SiNo},
                            [](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
  QCOMPARE(r, Risposta::No);
}

void TestDialoghi::icone_data() {
  QTest::addColumn<int>("icona");
  QTest::addColumn<int>("attesa");
  QTest::newRow("nessuna") << int(Icona::Nessuna) << int(QMessageBox::NoIcon);
  QTest::newRow("informazione") << int(Icona::Informazione) << int(QMessageBox::Information);
  QTest::newRow("esclamazione") << int(Icona::Esclamazione) << int(QMessageBox::Warning);
  QTest::newRow("critica") << int(Icona::Critica) << int(QMessageBox::Critical);
}

void TestDialoghi::icone() {
  QFETCH(int, icona);
  QFETCH(int, attesa);
  const Risposta r = Mostra(
      {.testo = "x", .titolo = "", .icona = static_cast<Icona>(icona)}, [&](QMessageBox* box) {
        QCOMPARE(int(box->icon()), attesa);
        QCOMPARE(box->windowTitle(), QStringLiteral("Quintello"));  // no title of its own
        QCOMPARE(box->standardButtons(), QMessageBox::Ok);
        QCOMPARE(box->parent(), f_.get());
        box->button(QMessageBox::Ok)->click();
      });
  QCOMPARE(r, Risposta::Ok);
}

void TestDialoghi::acapo() {
  Mostra({.testo = "Quintello 1.0\r\n\r\nby <Squadra>"}, [](QMessageBox* box) {
    QCOMPARE(box->text(), QStringLiteral("Quintello 1.0\n\nby <Squadra>"));
    QCOMPARE(box->textFormat(), Qt::PlainText);
    box->button(QMessageBox::Ok)->click();
  });
}

void TestDialoghi::indirizzoSuUnaRiga() {
  const QString indirizzo = QStringLiteral("https://www.example.org/quintello/donate");
  Mostra({.testo = "Impossibile aprire il browser. Per fare una donazione andare su " +
                   indirizzo.toStdString()},
         [&](QMessageBox* box) {
           auto* etichetta = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
           QVERIFY(etichetta);
           // Laid out as the label lays it out, however narrow: the address on one line.
           for (int larghezza : {etichetta->contentsRect().width(), 120}) {
             QTextDocument testo;
             testo.setHtml(etichetta->text());
             testo.setTextWidth(larghezza);
             testo.size();  // lays it out
             const QTextBlock blocco = testo.find(QStringLiteral("https")).block();
             QCOMPARE(blocco.text(), indirizzo);
             QCOMPARE(blocco.layout()->lineCount(), 1);
           }
           box->button(QMessageBox::Ok)->click();
         });
}

void TestDialoghi::salvaSenzaEstensioneNeDomanda() {
  QTemporaryDir cartella;
  QVERIFY(cartella.isValid());
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
    QVERIFY(dialogo->defaultSuffix().isEmpty());
    QCOMPARE(dialogo->nameFilters(), (QStringList{QStringLiteral("File .qnt (*.qnt)"),
                                                  QStringLiteral("Tutti i file (*)")}));
    QCOMPARE(dialogo->selectedNameFilter(), QStringLiteral("File .qnt (*.qnt)"));
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
