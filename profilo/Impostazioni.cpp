#include "profilo/Impostazioni.h"

#include <algorithm>
#include <charconv>

#include "profilo/Profilo.h"
#include "profilo/Statistiche.h"
#include "scoring/Obiettivo.h"

namespace quintello {

namespace {

constexpr const char* kVersione = "versione";
constexpr const char* kVersioneAttuale = "1";
constexpr const char* kAvversario = "partita/avversario";
constexpr const char* kObiettivo = "partita/obiettivo";
constexpr const char* kRegoleScelte = "partita/regole";
constexpr const char* kLarghezza = "finestra/larghezza";
constexpr const char* kAltezza = "finestra/altezza";
constexpr const char* kMassimizzata = "finestra/massimizzata";
constexpr const char* kGenerale = "General";
constexpr int kLatoMassimo = 100'000;

std::string_view Ripulita(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

std::optional<int> Intero(const Valori& valori, const char* chiave) {
  const auto trovato = valori.find(chiave);
  if (trovato == valori.end()) return std::nullopt;
  const std::string& testo = trovato->second;
  int valore = 0;
  const auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), valore);
  if (errore != std::errc{} || fine != testo.data() + testo.size()) return std::nullopt;
  return valore;
}

}  // namespace

Scelte ScelteDa(const Valori& valori) {
  Scelte scelte;
  if (const auto a = valori.find(kAvversario); a != valori.end())
    scelte.avversario = AvversarioDiNome(a->second).value_or(scelte.avversario);
  const auto punti = Intero(valori, kObiettivo);
  if (punti && std::ranges::find(kPuntiObiettivo, *punti) != kPuntiObiettivo.end())
    scelte.puntivittoria = static_cast<int16_t>(*punti);
  if (const auto r = valori.find(kRegoleScelte); r != valori.end())
    scelte.regole = LeggiNomiRegole(r->second).value_or(scelte.regole);
  return scelte;
}

Valori ValoriDi(const Scelte& scelte) {
  return {{kVersione, kVersioneAttuale},
          {kAvversario, NomeAvversario(scelte.avversario)},
          {kObiettivo, std::to_string(scelte.puntivittoria)},
          // Every switch, the sweep of the ace too when the ace itself is off: the
          // player's choice, kept for when the ace is chosen again.
          {kRegoleScelte, ElencoRegole(scelte.regole, NomeRegola, ",")}};
}

std::optional<DimensioniFinestra> FinestraDa(const Valori& valori) {
  const auto larghezza = Intero(valori, kLarghezza);
  const auto altezza = Intero(valori, kAltezza);
  auto lato = [](std::optional<int> l) { return l && *l > 0 && *l <= kLatoMassimo; };
  if (!lato(larghezza) || !lato(altezza)) return std::nullopt;
  const auto massimizzata = valori.find(kMassimizzata);
  return DimensioniFinestra{*larghezza, *altezza,
                            massimizzata != valori.end() && massimizzata->second == "true"};
}

Valori ValoriDi(const DimensioniFinestra& finestra) {
  return {{kVersione, kVersioneAttuale},
          {kLarghezza, std::to_string(finestra.larghezza)},
          {kAltezza, std::to_string(finestra.altezza)},
          {kMassimizzata, finestra.massimizzata ? "true" : "false"}};
}

bool ImpostazioniLeggibili(const std::string& testo) {
  if (testo.empty() || !SoloTesto(testo)) return false;  // never written empty
  const std::optional<Valori> valori = LeggiIni(testo);
  if (!valori) return false;
  const auto versione = valori->find(kVersione);
  return versione == valori->end() || versione->second == kVersioneAttuale;
}

std::optional<Valori> LeggiIni(std::string_view testo) {
  Valori valori;
  std::string sezione;
  while (!testo.empty()) {
    const std::size_t fine = std::min(testo.find('\n'), testo.size());
    const std::string_view riga = Ripulita(testo.substr(0, fine));
    testo.remove_prefix(std::min(fine + 1, testo.size()));
    if (riga.empty() || riga.front() == ';' || riga.front() == '#') continue;
    if (riga.front() == '[' && riga.back() == ']' && riga.size() > 2) {
      sezione = Ripulita(riga.substr(1, riga.size() - 2));
      if (sezione == kGenerale) sezione.clear();
      continue;
    }
    const std::size_t uguale = riga.find('=');
    if (uguale == std::string_view::npos || Ripulita(riga.substr(0, uguale)).empty())
      return std::nullopt;
    const std::string chiave(Ripulita(riga.substr(0, uguale)));
    valori[sezione.empty() ? chiave : sezione + "/" + chiave] = Ripulita(riga.substr(uguale + 1));
  }
  return valori;
}

std::string ScriviIni(const Valori& valori) {
  std::map<std::string, std::string> sezioni;  // each section's lines
  for (const auto& [chiave, valore] : valori) {
    const std::size_t barra = chiave.rfind('/');
    const std::string sezione = barra == std::string::npos ? kGenerale : chiave.substr(0, barra);
    sezioni[sezione] +=
        chiave.substr(barra == std::string::npos ? 0 : barra + 1) + "=" + valore + "\n";
  }
  std::string testo;
  if (const auto generale = sezioni.find(kGenerale); generale != sezioni.end()) {
    testo = "[General]\n" + generale->second;
    sezioni.erase(generale);
  }
  for (const auto& [sezione, righe] : sezioni)
    testo += (testo.empty() ? "[" : "\n[") + sezione + "]\n" + righe;
  return testo;
}

Valori ArchivioIni::Leggi(const std::string& percorso) {
  const FileProfilo file = LeggiFileProfilo(percorso, kLimiteFileProfilo);
  return LeggiIni(file.testo).value_or(Valori{});
}

void ArchivioIni::Scrivi(const std::string& percorso, const Valori& valori) {
  Valori tutti = Leggi(percorso);
  for (const auto& [chiave, valore] : valori) tutti[chiave] = valore;
  ScriviFileProfilo(percorso, ScriviIni(tutti));
}

}  // namespace quintello
