// The record of play: for each opponent, the matches and hands played and how
// they went, and the text file that keeps it.
//
//   Quintello statistiche 2
//   avversario=classico vinte=3 perse=2 abbandonate=1 mani=41 punti-pc=160 ...
//   avversario=esperto regole=rebello,napola vinte=1 ...
//
// The house rules, named as in a saved game, only where any is in force; a
// file of the first version, which had no rules, reads as it did.
// A first line naming the format and its version, then one line for each
// opponent that has played: its key and the counts, as name=value fields in
// a fixed order, every line ended by LF. Whatever differs from that is not
// read at all: the file is set aside and the record starts again from zero.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controller/Fatto.h"
#include "controller/Finestra.h"

namespace quintello {

// Whose record a count belongs to: the opponent and the house rules in force.
struct ChiaveStatistiche {
  Avversario avversario = Avversario::Classico;
  Regole regole;
  auto operator<=>(const ChiaveStatistiche&) const = default;
};

struct Conteggi {
  uint64_t vinte = 0;
  uint64_t perse = 0;
  uint64_t abbandonate = 0;
  uint64_t mani = 0;
  uint64_t puntiPC = 0;
  uint64_t puntiUtente = 0;
  uint64_t scopePC = 0;
  uint64_t scopeUtente = 0;
  uint64_t serie = 0;          // matches won in a row up to the last one
  uint64_t serieMigliore = 0;  // the longest such run
  uint64_t Giocate() const { return vinte + perse + abbandonate; }
  bool operator==(const Conteggi&) const = default;
};

using Statistiche = std::map<ChiaveStatistiche, Conteggi>;

// Adds what a match has come to. A match left unfinished breaks a run of wins
// as a lost one does.
void Registra(Conteggi& conteggi, const Fatto& fatto);

std::string ScriviStatistiche(const Statistiche& statistiche);
// Nullopt for anything but a file as ScriviStatistiche writes one.
std::optional<Statistiche> LeggiStatistiche(std::string_view testo);

// The names by which opponents are written in the file, the settings and the driver.
const char* NomeAvversario(Avversario avversario);
std::optional<Avversario> AvversarioDiNome(std::string_view nome);
// The name the window shows: "Classico", "Esperto".
std::string TitoloAvversario(Avversario avversario);

// The records to show: every opponent's with the standard rules, played or
// not, then those of each set of house rules played; and their titles,
// "Esperto (re bello, napola)".
std::vector<ChiaveStatistiche> ChiaviDaMostrare(const Statistiche& statistiche);
std::string TitoloChiave(const ChiaveStatistiche& chiave);

// The record as the user reads it, line by line: "Vinte", "3".
struct VoceStatistiche {
  std::string nome;
  std::string valore;
};
std::vector<VoceStatistiche> Voci(const Conteggi& conteggi);

}  // namespace quintello
