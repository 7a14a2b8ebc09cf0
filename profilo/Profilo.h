// Where a player's things are kept between runs, and how each file is read,
// written and set aside.
//
// Each is a file of its own, written whole (a new file renamed over the old
// one) and read within a size no real one comes near. A file that cannot be
// used, whatever is wrong with it, is renamed to the same name with
// ".guasto" and the game goes on as if there had been none: a damaged file
// costs only itself, and stays there for whoever wants to look at it.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace quintello {

struct Profilo {
  std::string partita;       // the match left in progress, in the saved-game format
  std::string impostazioni;  // the remembered choices, INI
  std::string statistiche;   // the record of play
};

// Reads an environment variable: nullptr when it is not set.
using Ambiente = std::function<const char*(const char*)>;

// Under the XDG base directories: $XDG_STATE_HOME, $XDG_CONFIG_HOME and
// $XDG_DATA_HOME (by default ~/.local/state, ~/.config, ~/.local/share), each
// followed by "quintello". A variable that is not an absolute path is
// ignored, as the XDG rules ask. Nullopt when there is no home to fall back on.
std::optional<Profilo> ProfiloXdg(const Ambiente& ambiente);
// All three in one folder, under the same names.
Profilo ProfiloInCartella(const std::string& cartella);

// Far beyond any file the game writes (the largest is a few hundred bytes).
inline constexpr std::size_t kLimiteFileProfilo = 64 << 10;

struct FileProfilo {
  enum class Esito { Assente, Letto, Guasto };
  Esito esito = Esito::Assente;
  std::string testo;
};

// Reads a player's file. Guasto when something else stands in its place (a
// folder, a device), when it cannot be read, or when it is larger than `limite`.
FileProfilo LeggiFileProfilo(const std::string& percorso, std::size_t limite);
// Text and nothing else: no control character but tab, CR and LF.
bool SoloTesto(const std::string& testo);
// Renames whatever is at `percorso` to the same name with ".guasto".
void MettiDaParte(const std::string& percorso);
// Creates the folders of a file that is to be written, private ones as XDG asks.
void PreparaCartella(const std::string& percorso);
// Writes the file whole, its folders made first.
bool ScriviFileProfilo(const std::string& percorso, const std::string& testo);
void RimuoviFileProfilo(const std::string& percorso);

}  // namespace quintello
