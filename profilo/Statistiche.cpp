#include "profilo/Statistiche.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace quintello {

namespace {

constexpr std::string_view kIntestazione = "Quintello statistiche 2\n";
constexpr std::string_view kIntestazionePrima = "Quintello statistiche 1\n";
// Beyond any real count, and far enough from the top of 64 bits that no sum overflows.
constexpr uint64_t kMassimo = 999'999'999'999'999'999;
constexpr std::size_t kCifre = 18;

// Each count with its name in the file, in the file's order.
struct Campo {
  const char* nome;
  uint64_t Conteggi::*valore;
};
constexpr std::array<Campo, 10> kCampi{{{"vinte", &Conteggi::vinte},
                                        {"perse", &Conteggi::perse},
                                        {"abbandonate", &Conteggi::abbandonate},
                                        {"mani", &Conteggi::mani},
                                        {"punti-pc", &Conteggi::puntiPC},
                                        {"punti-utente", &Conteggi::puntiUtente},
                                        {"scope-pc", &Conteggi::scopePC},
                                        {"scope-utente", &Conteggi::scopeUtente},
                                        {"serie", &Conteggi::serie},
                                        {"serie-migliore", &Conteggi::serieMigliore}}};
constexpr const char* kCampoAvversario = "avversario";
constexpr std::string_view kCampoRegole = "regole=";

void Aggiungi(uint64_t& conteggio, int quanto) {
  if (quanto > 0) conteggio = std::min(kMassimo, conteggio + static_cast<uint64_t>(quanto));
}

std::optional<uint64_t> Numero(std::string_view testo) {
  if (testo.empty() || testo.size() > kCifre) return std::nullopt;
  uint64_t valore = 0;
  for (const char c : testo) {
    if (c < '0' || c > '9') return std::nullopt;
    valore = valore * 10 + static_cast<uint64_t>(c - '0');
  }
  return valore;
}

// The value of the field `nome` at the head of `riga`, which it then leaves.
std::optional<std::string_view> Prendi(std::string_view& riga, std::string_view nome) {
  const std::size_t fine = std::min(riga.find(' '), riga.size());
  const std::string_view campo = riga.substr(0, fine);
  riga.remove_prefix(fine == riga.size() ? fine : fine + 1);
  if (!campo.starts_with(nome) || campo.size() <= nome.size() || campo[nome.size()] != '=')
    return std::nullopt;
  return campo.substr(nome.size() + 1);
}

std::optional<std::pair<ChiaveStatistiche, Conteggi>> Riga(std::string_view riga, bool prima) {
  const auto nome = Prendi(riga, kCampoAvversario);
  const auto avversario = nome ? AvversarioDiNome(*nome) : std::nullopt;
  if (!avversario) return std::nullopt;
  Regole regole;
  if (!prima && riga.starts_with(kCampoRegole)) {
    const auto nomi = Prendi(riga, "regole");
    const auto lette = nomi ? LeggiNomiRegole(*nomi) : std::nullopt;
    // One way to write each set: the rules in force, never none.
    if (!lette || lette->Standard() || NomiRegole(*lette) != *nomi) return std::nullopt;
    regole = *lette;
  }
  Conteggi conteggi;
  for (const auto& [campo, valore] : kCampi) {
    const auto testo = Prendi(riga, campo);
    const auto numero = testo ? Numero(*testo) : std::nullopt;
    if (!numero) return std::nullopt;
    conteggi.*valore = *numero;
  }
  if (!riga.empty() || conteggi.serie > conteggi.serieMigliore ||
      conteggi.serieMigliore > conteggi.vinte)
    return std::nullopt;
  return std::pair{ChiaveStatistiche{*avversario, regole}, conteggi};
}

std::string Decimale(double valore, const char* formato) {
  std::array<char, 64> testo{};
  std::snprintf(testo.data(), testo.size(), formato, valore);
  std::string risultato = testo.data();
  std::replace(risultato.begin(), risultato.end(), '.', ',');
  return risultato;
}

// num / den with two decimals, "-" before anything has been counted.
std::string Media(uint64_t num, uint64_t den) {
  return den == 0 ? "-" : Decimale(static_cast<double>(num) / static_cast<double>(den), "%.2f");
}

}  // namespace

void Registra(Conteggi& c, const Fatto& fatto) {
  switch (fatto.tipo) {
    case Fatto::Tipo::Mano:
      Aggiungi(c.mani, 1);
      Aggiungi(c.puntiPC, fatto.puntiPC);
      Aggiungi(c.puntiUtente, fatto.puntiUtente);
      Aggiungi(c.scopePC, fatto.scopePC);
      Aggiungi(c.scopeUtente, fatto.scopeUtente);
      return;
    case Fatto::Tipo::Vinta:
      Aggiungi(c.vinte, 1);
      Aggiungi(c.serie, 1);
      c.serieMigliore = std::max(c.serieMigliore, c.serie);
      return;
    case Fatto::Tipo::Persa:
      Aggiungi(c.perse, 1);
      c.serie = 0;
      return;
    case Fatto::Tipo::Abbandonata:
      Aggiungi(c.abbandonate, 1);
      c.serie = 0;
      return;
  }
}

std::string ScriviStatistiche(const Statistiche& statistiche) {
  std::string testo(kIntestazione);
  for (const auto& [chiave, conteggi] : statistiche) {
    testo += std::string(kCampoAvversario) + "=" + NomeAvversario(chiave.avversario);
    if (!chiave.regole.Standard()) testo += " " + std::string(kCampoRegole) + NomiRegole(chiave.regole);
    for (const auto& [campo, valore] : kCampi)
      testo += std::string(" ") + campo + "=" + std::to_string(conteggi.*valore);
    testo += "\n";
  }
  return testo;
}

std::optional<Statistiche> LeggiStatistiche(std::string_view testo) {
  const bool prima = testo.starts_with(kIntestazionePrima);
  if (!prima && !testo.starts_with(kIntestazione)) return std::nullopt;
  testo.remove_prefix(kIntestazione.size());
  Statistiche statistiche;
  while (!testo.empty()) {
    const std::size_t fine = testo.find('\n');
    if (fine == std::string_view::npos) return std::nullopt;  // cut short
    const auto riga = Riga(testo.substr(0, fine), prima);
    if (!riga || !statistiche.insert(*riga).second) return std::nullopt;
    testo.remove_prefix(fine + 1);
  }
  return statistiche;
}

namespace {

struct NomiAvversario {
  Avversario avversario;
  const char* nome;    // as the file, the settings and the driver write it
  const char* titolo;  // as the window shows it
};
constexpr std::array<NomiAvversario, kAvversari> kNomiAvversari{{
    {Avversario::Principiante, "principiante", "Principiante"},
    {Avversario::Classico, "classico", "Classico"},
    {Avversario::Esperto, "esperto", "Esperto"},
    {Avversario::Campione, "campione", "Campione"},
}};

const NomiAvversario& NomiDi(Avversario avversario) {
  for (const NomiAvversario& n : kNomiAvversari)
    if (n.avversario == avversario) return n;
  return kNomiAvversari[1];
}

}  // namespace

const char* NomeAvversario(Avversario avversario) {
  return NomiDi(avversario).nome;
}

std::optional<Avversario> AvversarioDiNome(std::string_view nome) {
  for (const NomiAvversario& n : kNomiAvversari)
    if (nome == n.nome) return n.avversario;
  return std::nullopt;
}

std::string TitoloAvversario(Avversario avversario) {
  return NomiDi(avversario).titolo;
}

std::vector<ChiaveStatistiche> ChiaviDaMostrare(const Statistiche& statistiche) {
  std::vector<ChiaveStatistiche> chiavi;
  for (const NomiAvversario& n : kNomiAvversari) chiavi.push_back({n.avversario});
  for (const auto& [chiave, conteggi] : statistiche)
    if (!chiave.regole.Standard()) chiavi.push_back(chiave);
  return chiavi;
}

std::string TitoloChiave(const ChiaveStatistiche& chiave) {
  std::string titolo = TitoloAvversario(chiave.avversario);
  if (!chiave.regole.Standard())
    titolo += " (" + ElencoRegole(chiave.regole, BreveRegola, ", ") + ")";
  return titolo;
}

std::vector<VoceStatistiche> Voci(const Conteggi& c) {
  const uint64_t giocate = c.Giocate();
  return {
      {"Partite giocate", std::to_string(giocate)},
      {"Vinte", std::to_string(c.vinte)},
      {"Perse", std::to_string(c.perse)},
      {"Abbandonate", std::to_string(c.abbandonate)},
      {"Vinte sul totale",
       giocate == 0 ? "-" : Decimale(100.0 * c.vinte / static_cast<double>(giocate), "%.0f%%")},
      {"Mani giocate", std::to_string(c.mani)},
      {"Punti per mano, tu", Media(c.puntiUtente, c.mani)},
      {"Punti per mano, computer", Media(c.puntiPC, c.mani)},
      {"Scope per mano, tu", Media(c.scopeUtente, c.mani)},
      {"Scope per mano, computer", Media(c.scopePC, c.mani)},
      {"Migliore serie di vittorie", std::to_string(c.serieMigliore)},
      {"Serie di vittorie in corso", std::to_string(c.serie)},
  };
}

}  // namespace quintello
