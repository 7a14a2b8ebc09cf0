// The browser launch on a private desktop. GIO reads the desktop once per process, so
// each run sets up the one QUINTELLO_BROWSER names: "Assente" (no program opens HTML
// files), "Finto" (one that writes down the addresses it gets) or "Guasto" (one that
// GIO finds but cannot start).
#include <QAction>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>

#include "Banco.h"
#include "controller/Informazioni.h"
#include "ui/LaunchBrowser.h"

namespace quintello::ui {

using namespace prova;

namespace {

const std::string kIndirizzo = "https://www.example.org/prova?a=1&b=2";
const std::string kImpossibile = "Impossibile aprire il browser. Per fare una donazione andare su ";

void Scrivi(const QString& percorso, const QString& testo) {
  QDir().mkpath(QFileInfo(percorso).absolutePath());
  QFile file(percorso);
  if (!file.open(QIODevice::WriteOnly) || file.write(testo.toUtf8()) < 0)
    qFatal("non scrivo %s", qPrintable(percorso));
}

}  // namespace

class TestBrowser : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void lanci();

 private:
  QStringList Ricevuti() const;  // sorted: the launches run side by side

  QTemporaryDir base_;
  QString esito_;
  QString ricevuti_;
};

void TestBrowser::initTestCase() {
  esito_ = qEnvironmentVariable("QUINTELLO_BROWSER", QStringLiteral("Assente"));
  for (const char* xdg : {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"})
    qputenv(xdg, QFile::encodeName(base_.filePath(QString::fromLatin1(xdg))));
  if (esito_ == "Assente") return;
  ricevuti_ = base_.filePath("ricevuti");
  const QString browser = base_.filePath("browser-finto.sh");
  Scrivi(browser, QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$1\" >> '%1'\n").arg(ricevuti_));
  QFile::setPermissions(browser, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  const QString dati = base_.filePath("XDG_DATA_HOME");
  Scrivi(dati + "/applications/browser-finto.desktop",
         QStringLiteral("[Desktop Entry]\nType=Application\nName=Browser finto\n"
                        "Exec=\"%1\" %u\nMimeType=text/html;\n")
             .arg(browser));
  Scrivi(base_.filePath("XDG_CONFIG_HOME/mimeapps.list"),
         "[Default Applications]\ntext/html=browser-finto.desktop\n");
  // The MIME database itself is empty here: tell GIO what a .htm file is.
  Scrivi(dati + "/mime/globs2", "50:text/html:*.htm\n");
  // The helper GIO starts programs through, missing.
  if (esito_ == "Guasto") qputenv("GIO_LAUNCH_DESKTOP", QFile::encodeName(base_.filePath("no")));
}

QStringList TestBrowser::Ricevuti() const {
  QFile file(ricevuti_);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QStringList righe = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
  righe.sort();
  return righe;
}

void TestBrowser::lanci() {
  Copione copione;
  FinestraPrincipale f(5, copione.Collega());
  copione.messaggi.clear();
  // Where the test file cannot be written, the error is told and nothing launched.
  const QString manca = QDir(QDir::tempPath()).filePath("quintello-cartella-che-non-esiste");
  LaunchBrowser(kIndirizzo, manca, f);
  QCOMPARE(copione.messaggi.size(), std::size_t{1});
  QCOMPARE(copione.messaggi[0].icona, Icona::Nessuna);
  QVERIFY(copione.messaggi[0].testo.find(std::strerror(ENOENT)) != std::string::npos);
  copione.messaggi.clear();

  const QString fileProva = QDir(QCoreApplication::applicationDirPath()).filePath(kFileProva);
  QByteArray scritto;  // the test file beside the program, read while a box shows
  copione.alMessaggio = [&](const Messaggio&) {
    QFile file(fileProva);
    if (file.open(QIODevice::ReadOnly)) scritto = file.readAll();
  };
  f.LaunchBrowser("");  // nothing to open: nothing happens
  f.LaunchBrowser(kIndirizzo);
  for (const char* nome : {"Command1", "Command2"}) Clicca(Bottone(f, nome));
  Controllo<QAction>(f, QStringLiteral("mnuDona"))->trigger();
  QStringList indirizzi(3, QString::fromLatin1(kIndirizzoDonazione));
  indirizzi << QString::fromStdString(kIndirizzo);
  indirizzi.sort();
  QVERIFY(!QFile::exists(fileProva));

  if (esito_ == "Finto") {
    QVERIFY(copione.messaggi.empty());
    QTRY_COMPARE_WITH_TIMEOUT(Ricevuti(), indirizzi, 10000);
    return;
  }
  QStringList detti;
  for (const Messaggio& m : copione.messaggi) {
    QCOMPARE(m.titolo, std::string(esito_ == "Assente" ? "Browser Not Found" : "Quintello"));
    QCOMPARE(m.icona, Icona::Esclamazione);
    QVERIFY(m.testo.starts_with(kImpossibile));
    detti << QString::fromStdString(m.testo.substr(kImpossibile.size()));
  }
  detti.sort();
  QCOMPARE(detti, indirizzi);
  QCOMPARE(scritto, QByteArray("\"<HTML> <\\HTML>\"\r\n"));
}

}  // namespace quintello::ui

QTEST_MAIN(quintello::ui::TestBrowser)
#include "TestBrowser.moc"
