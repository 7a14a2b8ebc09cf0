#include "profilo/Profilo.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "salvataggio/ScritturaSicura.h"

namespace quintello {

namespace fs = std::filesystem;

namespace {

constexpr const char* kCartella = "quintello";
constexpr const char* kPartita = "partita.qnt";
constexpr const char* kImpostazioni = "quintello.conf";
constexpr const char* kStatistiche = "statistiche";
constexpr const char* kGuasto = ".guasto";

// $variable when it holds an absolute path, otherwise $HOME/predefinita.
std::string Base(const Ambiente& ambiente, const char* variabile, const std::string& casa,
                 const char* predefinita) {
  const char* valore = ambiente(variabile);
  if (valore != nullptr && valore[0] == '/') return valore;
  return casa + "/" + predefinita;
}

}  // namespace

std::optional<Profilo> ProfiloXdg(const Ambiente& ambiente) {
  const char* home = ambiente("HOME");
  const std::string casa = home != nullptr && home[0] == '/' ? home : "";
  auto cartella = [&](const char* variabile, const char* predefinita) -> std::optional<fs::path> {
    const std::string base = Base(ambiente, variabile, casa, predefinita);
    if (base.front() != '/') return std::nullopt;  // neither the variable nor a home
    return fs::path(base) / kCartella;
  };
  const auto stato = cartella("XDG_STATE_HOME", ".local/state");
  const auto configurazione = cartella("XDG_CONFIG_HOME", ".config");
  const auto dati = cartella("XDG_DATA_HOME", ".local/share");
  if (!stato || !configurazione || !dati) return std::nullopt;
  return Profilo{(*stato / kPartita).string(), (*configurazione / kImpostazioni).string(),
                 (*dati / kStatistiche).string()};
}

Profilo ProfiloInCartella(const std::string& cartella) {
  const fs::path c(cartella);
  return {(c / kPartita).string(), (c / kImpostazioni).string(), (c / kStatistiche).string()};
}

FileProfilo LeggiFileProfilo(const std::string& percorso, std::size_t limite) {
  std::error_code errore;
  const fs::file_status stato = fs::status(percorso, errore);
  if (stato.type() == fs::file_type::not_found) return {};
  if (errore || stato.type() != fs::file_type::regular) return {FileProfilo::Esito::Guasto, ""};
  std::ifstream file(percorso, std::ios::binary);
  FileProfilo letto{FileProfilo::Esito::Letto, ""};
  // Read no further than the limit, whatever the file has grown to meanwhile.
  std::istreambuf_iterator<char> da(file), fine;
  for (; file && da != fine && letto.testo.size() <= limite; ++da) letto.testo.push_back(*da);
  if (!file.is_open() || file.bad() || letto.testo.size() > limite)
    return {FileProfilo::Esito::Guasto, ""};
  return letto;
}

bool SoloTesto(const std::string& testo) {
  for (const char c : testo) {
    const auto u = static_cast<unsigned char>(c);
    if ((u < 0x20 && c != '\t' && c != '\r' && c != '\n') || u == 0x7f) return false;
  }
  return true;
}

void MettiDaParte(const std::string& percorso) {
  std::error_code errore;
  fs::rename(percorso, percorso + kGuasto, errore);
  // A folder left by an earlier damage is in the way of a rename: it goes first.
  if (errore && fs::is_directory(percorso + kGuasto, errore)) {
    fs::remove_all(percorso + kGuasto, errore);
    fs::rename(percorso, percorso + kGuasto, errore);
  }
}

void PreparaCartella(const std::string& percorso) {
  const fs::path cartella = fs::path(percorso).parent_path();
  std::error_code errore;
  if (cartella.empty() || fs::is_directory(cartella, errore)) return;
  const mode_t maschera = ::umask(077);
  fs::create_directories(cartella, errore);
  ::umask(maschera);
}

bool ScriviFileProfilo(const std::string& percorso, const std::string& testo) {
  PreparaCartella(percorso);
  return ScriviFileSicuro(percorso, testo).empty();
}

void RimuoviFileProfilo(const std::string& percorso) {
  std::error_code errore;
  if (fs::is_regular_file(percorso, errore)) fs::remove(percorso, errore);
}

}  // namespace quintello
