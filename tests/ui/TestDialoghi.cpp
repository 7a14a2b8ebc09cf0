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
#include <QTimer>

#include "Banco.h"
#include "ui/Applicazione.h"

namespace quintello::ui {

using namespace prova;

namespace {

// Runs `guarda` on the modal T once `apri` has it up, from inside its own event loop, then
// closes whatever is left open (a failed check), so no test hangs. False if no T came.
template <typename T>
bool Guarda(const std::function<void()>& apri, const std::function<void(T*)>& guarda) {
  bool visto = false;
  QTimer attesa;
  QTimer pulizia;
  QObject::connect(&pulizia, &QTimer::timeout, [] {
    if (QWidget* modale = QApplication::activeModalWidget()) modale->close();
  });
  QObject::connect(&attesa, &QTimer::timeout, [&] {
    QWidget* modale = QApplication::activeModalWidget();
    if (!modale || !modale->isVisible()) return;
    attesa.stop();
    pulizia.start(10);
    visto = qobject_cast<T*>(modale) != nullptr;
    if (visto) guarda(qobject_cast<T*>(modale));
  });
  attesa.start(10);
  apri();
  return visto;
}

}  // namespace

class TestDialoghi : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void messaggi_data();
  void messaggi();
  void indirizzoSuUnaRiga();
  void salvaSenzaEstensioneNeDomanda();
  void apri();

 private:
  std::unique_ptr<FinestraPrincipale> f_;
};

void TestDialoghi::initTestCase() {
  PreparaApplicazione(*qobject_cast<QApplication*>(qApp));
  QCOMPARE(QLocale().language(), QLocale::Italian);
  // Pictures drawn for several sizes, not one scaled for the panel and the switcher.
  QVERIFY(QApplication::windowIcon().availableSizes().size() > 1);
  Copione avvio;
  f_ = std::make_unique<FinestraPrincipale>(3, avvio.Collega());
  f_->risposte = {};  // from here on, real dialogs
}

void TestDialoghi::messaggi_data() {
  QTest::addColumn<QString>("titolo");
  QTest::addColumn<Icona>("icona");
  QTest::addColumn<QString>("titoloMostrato");
  QTest::addColumn<QMessageBox::Icon>("iconaMostrata");
  // Si and No: a Yes/No box, answered by the Return key or a click on No; Ok: an Ok box.
  QTest::addColumn<Risposta>("risposta");
  auto riga = [](const char* nome, const char* titolo, Icona icona, const char* mostrato,
                 QMessageBox::Icon iconaMostrata, Risposta r) {
    QTest::newRow(nome) << QString::fromUtf8(titolo) << icona << QString::fromUtf8(mostrato)
                        << iconaMostrata << r;
  };
  const char* lungo = "Un titolo molto più lungo del testo della sua finestra";
  riga("si predefinito", "Nuova partita", Icona::Nessuna, "Nuova partita", QMessageBox::NoIcon,
       Risposta::Si);
  riga("no, titolo lungo", lungo, Icona::Nessuna, lungo, QMessageBox::NoIcon, Risposta::No);
  riga("informazione senza titolo", "", Icona::Informazione, "Quintello", QMessageBox::Information,
       Risposta::Ok);
  riga("esclamazione", "", Icona::Esclamazione, "Quintello", QMessageBox::Warning, Risposta::Ok);
  riga("critica", "Errore", Icona::Critica, "Errore", QMessageBox::Critical, Risposta::Ok);
}

void TestDialoghi::messaggi() {
  QFETCH(QString, titolo);
  QFETCH(Icona, icona);
  QFETCH(QString, titoloMostrato);
  QFETCH(QMessageBox::Icon, iconaMostrata);
  QFETCH(Risposta, risposta);
  const bool siNo = risposta != Risposta::Ok;
  const Messaggio messaggio{.testo = "Vuoi giocare\r\nancora? <sì>",
                            .titolo = titolo.toStdString(),
                            .pulsanti = siNo ? Pulsanti::SiNo : Pulsanti::Ok,
                            .icona = icona};
  Risposta r{};
  QVERIFY(Guarda<QMessageBox>(
      [&] { r = f_->MsgBox(messaggio); },
      [&](QMessageBox* box) {
        QCOMPARE(box->windowTitle(), titoloMostrato);
        QCOMPARE(box->text(), QStringLiteral("Vuoi giocare\nancora? <sì>"));
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->icon(), iconaMostrata);
        QCOMPARE(box->parent(), f_.get());
        // Room for the title beside a window manager's buttons.
        QFont grassetto = box->font();
        grassetto.setBold(true);
        QVERIFY(box->width() > QFontMetrics(grassetto).horizontalAdvance(titoloMostrato) + 3 * 24);
        QCOMPARE(box->standardButtons(),
                 siNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
        if (siNo)  // Qt's own Italian: the system's translations are installed
          QCOMPARE(box->button(QMessageBox::Yes)->text().remove(u'&'), QStringLiteral("Sì"));
        if (risposta == Risposta::No)
          box->button(QMessageBox::No)->click();
        else  // on the default button
          QTest::keyClick(box, Qt::Key_Return);
      }));
  QCOMPARE(r, risposta);
}

void TestDialoghi::indirizzoSuUnaRiga() {
  const QString indirizzo = QStringLiteral("https://www.example.org/quintello/donate");
  const Messaggio messaggio{.testo = "Errore <1> & altro\r\nPer <la> donazione andare su " +
                                     indirizzo.toStdString()};
  QVERIFY(Guarda<QMessageBox>(
      [&] { f_->MsgBox(messaggio); },
      [&](QMessageBox* box) {
        // Laid out as narrow as it may be, the address stays on one line, the text whole.
        QTextDocument testo;
        testo.setHtml(box->text());
        testo.setTextWidth(120);
        testo.size();  // lays it out
        QCOMPARE(testo.toPlainText(),
                 "Errore <1> & altro\nPer <la> donazione andare su\n" + indirizzo);
        const QTextBlock blocco = testo.find(QStringLiteral("https")).block();
        QCOMPARE(blocco.text(), indirizzo);
        QCOMPARE(blocco.layout()->lineCount(), 1);
      }));
}

void TestDialoghi::salvaSenzaEstensioneNeDomanda() {
  QTemporaryDir cartella;
  const QString esistente = cartella.filePath("esistente");
  QVERIFY(QFile(esistente).open(QIODevice::WriteOnly));
  const std::string vecchia = cartella.filePath("vecchia.qnt").toStdString();
  std::string scelto;
  auto salva = [&] { scelto = f_->DialogoFile(Dialogo::Salva, kFiltroFile, vecchia); };
  QVERIFY(Guarda<QFileDialog>(salva, [&](QFileDialog* dialogo) {
    QCOMPARE(dialogo->acceptMode(), QFileDialog::AcceptSave);
    QVERIFY(dialogo->testOption(QFileDialog::DontConfirmOverwrite));
    // The game's one filter, in Qt's words.
    QCOMPARE(dialogo->nameFilters(), (QStringList{QStringLiteral("File .qnt (*.qnt)"),
                                                  QStringLiteral("Tutti i file (*)")}));
    QCOMPARE(QDir(dialogo->directory()).canonicalPath(), QDir(cartella.path()).canonicalPath());
    auto* nome = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(nome);
    QCOMPARE(nome->text(), QStringLiteral("vecchia.qnt"));
    // An existing file without an extension: taken as it is, with no question.
    nome->setText(QStringLiteral("esistente"));
    QTest::keyClick(nome, Qt::Key_Return);
  }));
  QCOMPARE(QFileInfo(QString::fromStdString(scelto)).canonicalFilePath(),
           QFileInfo(esistente).canonicalFilePath());
}

void TestDialoghi::apri() {
  std::string scelto = "?";
  auto apri = [&] { scelto = f_->DialogoFile(Dialogo::Apri, kFiltroFile, ""); };
  QVERIFY(Guarda<QFileDialog>(apri, [](QFileDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }));
  QCOMPARE(scelto, std::string());
  // A name that does not exist is returned too: the game tells the user in its own words.
  const QString manca = QDir(QDir::tempPath()).filePath("quintello-manca.qnt");
  QVERIFY(Guarda<QFileDialog>(apri, [&](QFileDialog* dialogo) {
    QCOMPARE(dialogo->acceptMode(), QFileDialog::AcceptOpen);
    auto* nome = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    nome->setText(manca);
    QTest::keyClick(nome, Qt::Key_Return);
  }));
  QCOMPARE(QString::fromStdString(scelto), manca);
}

}  // namespace quintello::ui

QTEST_MAIN(quintello::ui::TestDialoghi)
#include "TestDialoghi.moc"
