// GIO first: its headers use `signals` as a name, which Qt's keywords would replace.
#include "ui/LaunchBrowser.h"

#include <gio/gio.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace quintello::ui {

namespace {

constexpr const char* kContenutoProva = "\"<HTML> <\\HTML>\"\r\n";
constexpr const char* kTitoloBrowserAssente = "Browser Not Found";
constexpr const char* kBrowserImpossibile =
    "Impossibile aprire il browser. Per fare una donazione andare su ";

using Testo = std::unique_ptr<gchar, decltype(&g_free)>;
using Applicazione = std::unique_ptr<GAppInfo, decltype(&g_object_unref)>;
using ListaUri = std::unique_ptr<GList, decltype(&g_list_free)>;

int ErroreCorrente() {
  return errno ? errno : EIO;
}

// errno of the failure, 0 when the file was written.
int ScriviFileProva(const QString& percorso) {
  errno = 0;
  FILE* file = std::fopen(QFile::encodeName(percorso).constData(), "wb");
  if (!file) return ErroreCorrente();
  int errore = std::fputs(kContenutoProva, file) >= 0 ? 0 : ErroreCorrente();
  if (std::fclose(file) != 0 && errore == 0) errore = ErroreCorrente();
  return errore;
}

void SegnalaErroreScrittura(int errore, Finestra& finestra) {
  Messaggio messaggio;
  messaggio.testo = "Error " + std::to_string(errore) + " (" +
                    QString::fromLocal8Bit(std::strerror(errore)).toStdString() +
                    ") in procedure LaunchBrowser";
  finestra.MsgBox(messaggio);
}

void SegnalaBrowserImpossibile(const std::string& indirizzo, const char* titolo,
                               Finestra& finestra) {
  Messaggio messaggio;
  messaggio.testo = kBrowserImpossibile + indirizzo;
  messaggio.titolo = titolo;
  messaggio.icona = Icona::Esclamazione;
  finestra.MsgBox(messaggio);
}

Applicazione ProgrammaPerHtml() {
  Testo tipo(g_content_type_guess(kFileProva, nullptr, 0, nullptr), &g_free);
  return Applicazione(g_app_info_get_default_for_type(tipo.get(), FALSE), &g_object_unref);
}

bool Avvia(GAppInfo* programma, const std::string& indirizzo) {
  ListaUri uri(g_list_append(nullptr, const_cast<char*>(indirizzo.c_str())), &g_list_free);
  GError* errore = nullptr;
  const bool avviato = g_app_info_launch_uris(programma, uri.get(), nullptr, &errore);
  if (errore) g_error_free(errore);
  return avviato;
}

}  // namespace

QString CartellaFileProva() {
  const QString cartella = QCoreApplication::applicationDirPath();
  return QFileInfo(cartella).isWritable() ? cartella : QDir::tempPath();
}

void LaunchBrowser(const std::string& indirizzo, const QString& cartella, Finestra& finestra) {
  if (indirizzo.empty()) return;
  const QString percorso = QDir(cartella).filePath(QString::fromLatin1(kFileProva));
  if (const int errore = ScriviFileProva(percorso)) {
    SegnalaErroreScrittura(errore, finestra);
    return;
  }
  const Applicazione programma = ProgrammaPerHtml();
  if (!programma) {
    SegnalaBrowserImpossibile(indirizzo, kTitoloBrowserAssente, finestra);
  } else if (!Avvia(programma.get(), indirizzo)) {
    SegnalaBrowserImpossibile(indirizzo, kTitoloApplicazione, finestra);
  }
  QFile::remove(percorso);
}

}  // namespace quintello::ui
