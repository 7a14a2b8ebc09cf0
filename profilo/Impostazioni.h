// The choices the game remembers from one run to the next, in an INI file:
//
//   [General]
//   versione=1
//   [partita]
//   avversario=esperto
//   obiettivo=21
//   [finestra]
//   larghezza=1200
//   altezza=780
//   massimizzata=false
//
// The window keeps them with Qt's own settings and the driver with the plain
// reader and writer below; both keep the keys they do not know. A value that
// is none of those the menus offer is ignored and the default used.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "controller/Finestra.h"
#include "engine/StatoPartita.h"

namespace quintello {

struct Scelte {
  Avversario avversario = Avversario::Classico;
  int16_t puntivittoria = kPuntiVittoriaIniziali;
  Regole regole;  // as chosen in the menu, for the hands to come
  bool operator==(const Scelte&) const = default;
};

struct DimensioniFinestra {
  int larghezza = 0;
  int altezza = 0;
  bool massimizzata = false;
  bool operator==(const DimensioniFinestra&) const = default;
};

// Keys as "section/key"; those of the [General] section without a section.
using Valori = std::map<std::string, std::string>;

Scelte ScelteDa(const Valori& valori);
Valori ValoriDi(const Scelte& scelte);
std::optional<DimensioniFinestra> FinestraDa(const Valori& valori);
Valori ValoriDi(const DimensioniFinestra& finestra);

// A settings file that can be read at all: not empty, text, in INI sections and
// keys, of this version (or of none, as a hand-written one may be).
bool ImpostazioniLeggibili(const std::string& testo);

// The plain INI reader and writer: nullopt for a line that is no section, key,
// comment or blank.
std::optional<Valori> LeggiIni(std::string_view testo);
std::string ScriviIni(const Valori& valori);

// Where the settings are kept; the file is checked whole before it is read, and
// the values written always name the version.
class ArchivioImpostazioni {
 public:
  virtual ~ArchivioImpostazioni() = default;
  virtual Valori Leggi(const std::string& percorso) = 0;
  // Sets these keys, keeping the others, and writes the file whole.
  virtual void Scrivi(const std::string& percorso, const Valori& valori) = 0;
};

// Without Qt, for the driver; the same file the window keeps.
class ArchivioIni : public ArchivioImpostazioni {
 public:
  Valori Leggi(const std::string& percorso) override;
  void Scrivi(const std::string& percorso, const Valori& valori) override;
};

}  // namespace quintello
