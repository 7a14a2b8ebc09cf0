// The remembered choices kept with Qt's own settings, in the INI file the driver reads too.
#pragma once

#include "profilo/Impostazioni.h"

namespace quintello::ui {

class ArchivioQSettings : public ArchivioImpostazioni {
 public:
  Valori Leggi(const std::string& percorso) override;
  // QSettings writes the whole file anew and renames it over the old one.
  void Scrivi(const std::string& percorso, const Valori& valori) override;
};

}  // namespace quintello::ui
