// The browser launch with a default program for HTML files: it gets the address.
#include <QAction>
#include <QTest>

#include "Banco.h"
#include "DesktopFinto.h"
#include "controller/Informazioni.h"
#include "ui/LaunchBrowser.h"

namespace quintello::ui {

using namespace prova;

class TestBrowserFinto : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void init();
  void cleanup();
  void ilBrowserRiceveLIndirizzo();
  void dalMenu();

 private:
  QString Ricevuto() const;

  std::unique_ptr<DesktopFinto> desktop_;
  QString ricevuto_;
  Copione copione_;
  std::unique_ptr<FinestraPrincipale> f_;
};

void TestBrowserFinto::initTestCase() {
  desktop_ = std::make_unique<DesktopFinto>();
  ricevuto_ = desktop_->RegistraBrowserCheScrive();
}

void TestBrowserFinto::init() {
  QFile::remove(ricevuto_);
  copione_ = Copione();
  f_ = std::make_unique<FinestraPrincipale>(5, copione_.Collega());
  copione_.messaggi.clear();
}

void TestBrowserFinto::cleanup() {
  f_.reset();
}

QString TestBrowserFinto::Ricevuto() const {
  QFile file(ricevuto_);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void TestBrowserFinto::ilBrowserRiceveLIndirizzo() {
  const std::string indirizzo = "https://www.example.org/prova?a=1&b=2";
  f_->LaunchBrowser(indirizzo);
  QVERIFY(copione_.messaggi.empty());
  QVERIFY(!QFile::exists(QDir(CartellaFileProva()).filePath(kFileProva)));
  QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(ricevuto_), 10000);
  QCOMPARE(Ricevuto(), QString::fromStdString(indirizzo));
}

void TestBrowserFinto::dalMenu() {
  Controllo<QAction>(*f_, QStringLiteral("mnuDona"))->trigger();
  QVERIFY(copione_.messaggi.empty());
  QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(ricevuto_), 10000);
  QCOMPARE(Ricevuto(), QString::fromLatin1(kIndirizzoDonazione));
}

}  // namespace quintello::ui

QTEST_MAIN(quintello::ui::TestBrowserFinto)
#include "TestBrowserFinto.moc"
