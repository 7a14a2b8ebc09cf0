// A private desktop for GIO: temporary XDG data and configuration folders, empty or
// with a program registered as the default for HTML files.
//
// GIO reads these folders once per process, so a test sets the desktop up before
// the first browser launch and keeps it for the whole run.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

namespace quintello::ui::prova {

class DesktopFinto {
 public:
  DesktopFinto() {
    dati_ = Cartella("dati");
    configurazione_ = Cartella("configurazione");
    const QString vuota = Cartella("vuota");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dati_));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(vuota));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configurazione_));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(vuota));
  }

  // A browser that writes the address it gets to the file returned.
  QString RegistraBrowserCheScrive() {
    const QString ricevuto = base_.filePath("ricevuto");
    const QString script = base_.filePath("browser-finto.sh");
    Scrivi(script, QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1.tmp' && mv '%1.tmp' '%1'\n")
                       .arg(ricevuto));
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Registra(script);
    return ricevuto;
  }

  // A browser that GIO finds but cannot start: the helper GIO starts programs through
  // is missing.
  void RegistraBrowserCheNonParte() {
    RegistraBrowserCheScrive();
    qputenv("GIO_LAUNCH_DESKTOP", QFile::encodeName(base_.filePath("gio-launch-desktop-mancante")));
  }

 private:
  static constexpr const char* kDesktop = "quintello-browser-finto.desktop";

  QString Cartella(const char* nome) {
    const QString percorso = base_.filePath(QString::fromLatin1(nome));
    QDir().mkpath(percorso);
    return percorso;
  }

  static void Scrivi(const QString& percorso, const QString& testo) {
    QDir().mkpath(QFileInfo(percorso).absolutePath());
    QFile file(percorso);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
      qFatal("non scrivo %s", qPrintable(percorso));
    QTextStream(&file) << testo;
  }

  void Registra(const QString& eseguibile) {
    Scrivi(dati_ + "/applications/" + kDesktop,
           QStringLiteral("[Desktop Entry]\nType=Application\nName=Browser finto\n"
                          "Exec=\"%1\" %u\nMimeType=text/html;\n")
               .arg(eseguibile));
    Scrivi(configurazione_ + "/mimeapps.list",
           QStringLiteral("[Default Applications]\ntext/html=%1\n").arg(kDesktop));
    // The MIME database itself is empty here: tell GIO what a .htm file is.
    Scrivi(dati_ + "/mime/globs2", QStringLiteral("50:text/html:*.htm\n"));
  }

  QTemporaryDir base_;
  QString dati_;
  QString configurazione_;
};

}  // namespace quintello::ui::prova
