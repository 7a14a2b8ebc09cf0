// The browser launch when the default program for HTML files cannot be started.
#include <QTest>

#include "Banco.h"
#include "DesktopFinto.h"
#include "ui/LaunchBrowser.h"

namespace quintello::ui {

using namespace prova;

class TestBrowserGuasto : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void avvioFallito();

 private:
  std::unique_ptr<DesktopFinto> desktop_;
};

void TestBrowserGuasto::initTestCase() {
  desktop_ = std::make_unique<DesktopFinto>();
  desktop_->RegistraBrowserCheNonParte();
}

void TestBrowserGuasto::avvioFallito() {
  Copione copione;
  FinestraPrincipale f(5, copione.Collega());
  copione.messaggi.clear();
  const std::string indirizzo = "https://www.example.org/dona";
  f.LaunchBrowser(indirizzo);
  QCOMPARE(copione.messaggi.size(), std::size_t{1});
  const Messaggio& m = copione.messaggi.front();
  QCOMPARE(m.titolo, std::string("Quintello"));
  QCOMPARE(m.testo, "Impossibile aprire il browser. Per fare una donazione andare su " + indirizzo);
  QCOMPARE(m.icona, Icona::Esclamazione);
  QVERIFY(!QFile::exists(QDir(CartellaFileProva()).filePath(kFileProva)));
}

}  // namespace quintello::ui

QTEST_MAIN(quintello::ui::TestBrowserGuasto)
#include "TestBrowserGuasto.moc"
