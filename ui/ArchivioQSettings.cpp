#include "ui/ArchivioQSettings.h"

#include <QSettings>

#include "profilo/Profilo.h"

namespace quintello::ui {

Valori ArchivioQSettings::Leggi(const std::string& percorso) {
  const QSettings impostazioni(QString::fromStdString(percorso), QSettings::IniFormat);
  Valori valori;
  for (const QString& chiave : impostazioni.allKeys())
    valori[chiave.toStdString()] = impostazioni.value(chiave).toString().toStdString();
  return valori;
}

void ArchivioQSettings::Scrivi(const std::string& percorso, const Valori& valori) {
  PreparaCartella(percorso);
  QSettings impostazioni(QString::fromStdString(percorso), QSettings::IniFormat);
  for (const auto& [chiave, valore] : valori)
    impostazioni.setValue(QString::fromStdString(chiave), QString::fromStdString(valore));
  impostazioni.sync();
}

}  // namespace quintello::ui
