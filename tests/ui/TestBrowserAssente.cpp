// The browser launch where no program opens HTML files, and where the test file
// cannot be written.
#include <QAction>
#include <QTest>
#include <cerrno>
#include <cstring>

#include "Banco.h"
#include "DesktopFinto.h"
#include "controller/Informazioni.h"
#include "ui/LaunchBrowser.h"

namespace quintello::ui {

using namespace prova;

namespace {

const std::string kIndirizzo = "https://www.example.org/prova?a=1&b=2";
const std::string kTestoAssente =
    "Impossibile aprire il browser. Per fare una donazione andare su ";

}  // namespace

class TestBrowserAssente : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void init();
  void cleanup() { f_.reset(); }
  void browserNonTrovato();
  void fileDiProvaScrittoEPoiTolto();
  void dalleDonazioni();
  void indirizzoVuoto();
  void fileNonScrivibile();

 private:
  QString FileProva() const { return QDir(CartellaFileProva()).filePath(kFileProva); }

  std::unique_ptr<DesktopFinto> desktop_;
  Copione copione_;
  std::unique_ptr<FinestraPrincipale> f_;
};

void TestBrowserAssente::initTestCase() {
  desktop_ = std::make_unique<DesktopFinto>();
}

void TestBrowserAssente::init() {
  copione_ = Copione();
  f_ = std::make_unique<FinestraPrincipale>(5, copione_.Collega());
  copione_.messaggi.clear();
}

void TestBrowserAssente::browserNonTrovato() {
  f_->LaunchBrowser(kIndirizzo);
  QCOMPARE(copione_.messaggi.size(), std::size_t{1});
  const Messaggio& m = copione_.messaggi.front();
  QCOMPARE(m.titolo, std::string("Browser Not Found"));
  QCOMPARE(m.testo, kTestoAssente + kIndirizzo);
  QCOMPARE(m.icona, Icona::Esclamazione);
  QCOMPARE(m.pulsanti, Pulsanti::Ok);
  QVERIFY(!QFile::exists(FileProva()));
}

void TestBrowserAssente::fileDiProvaScrittoEPoiTolto() {
  QByteArray contenuto;
  copione_.alMessaggio = [&](const Messaggio&) {
    QFile file(FileProva());
    if (file.open(QIODevice::ReadOnly)) contenuto = file.readAll();
  };
  f_->LaunchBrowser(kIndirizzo);
  QCOMPARE(CartellaFileProva(), QCoreApplication::applicationDirPath());
  QCOMPARE(contenuto, QByteArray("\"<HTML> <\\HTML>\"\r\n"));
  QVERIFY(!QFile::exists(FileProva()));
}

void TestBrowserAssente::dalleDonazioni() {
  for (const char* nome : {"Command1", "Command2"}) {
    QTest::mouseClick(prova::Bottone(*f_, nome), Qt::LeftButton);
  }
  Controllo<QAction>(*f_, QStringLiteral("mnuDona"))->trigger();
  QCOMPARE(copione_.messaggi.size(), std::size_t{3});
  for (const Messaggio& m : copione_.messaggi) {
    QCOMPARE(m.testo, kTestoAssente + kIndirizzoDonazione);
    QCOMPARE(m.titolo, std::string("Browser Not Found"));
  }
}

void TestBrowserAssente::indirizzoVuoto() {
  f_->LaunchBrowser("");
  QVERIFY(copione_.messaggi.empty());
  QVERIFY(!QFile::exists(FileProva()));
}

void TestBrowserAssente::fileNonScrivibile() {
  const QString manca = QDir(QDir::tempPath()).filePath("quintello-cartella-che-non-esiste");
  QVERIFY(!QFileInfo::exists(manca));
  LaunchBrowser(kIndirizzo, manca, *f_);
  QCOMPARE(copione_.messaggi.size(), std::size_t{1});
  const Messaggio& m = copione_.messaggi.front();
  QCOMPARE(m.titolo, std::string("Quintello"));
  QCOMPARE(m.icona, Icona::Nessuna);
  QCOMPARE(m.pulsanti, Pulsanti::Ok);
  QCOMPARE(m.testo, "Error " + std::to_string(ENOENT) + " (" +
                        QString::fromLocal8Bit(std::strerror(ENOENT)).toStdString() +
                        ") in procedure LaunchBrowser");
}

}  // namespace quintello::ui

QTEST_MAIN(quintello::ui::TestBrowserAssente)
#include "TestBrowserAssente.moc"
