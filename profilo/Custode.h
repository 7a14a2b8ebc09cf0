// Keeps a player's things for the game that runs: at start-up it resumes the
// match left in progress and sets the remembered choices; after every event
// it keeps the match, adds what happened to the statistics and remembers the
// choices that changed.
//
// The match is written only once an event has run to its end, never while a
// message box of it is open; so a match cut off at any moment (a crash, a
// kill, a power cut) resumes at the last event completed, and the statistics,
// counted at the same moments, never count a hand that the match resumed will
// play again. Without a profile nothing is read or written, and the
// statistics last for the run.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "controller/Gioco.h"
#include "profilo/Impostazioni.h"
#include "profilo/Profilo.h"
#include "profilo/Statistiche.h"

namespace quintello {

inline constexpr const char* kAvvisoRipresa = "Partita ripresa";
inline constexpr const char* kAvvisoStatistiche =
    "Statistiche illeggibili: messe da parte, si riparte da zero";

// Whether the user has played a card in the match: leaving it before costs nothing.
bool PartitaIniziata(const StatoPartita& stato);

class Custode {
 public:
  // Reads the remembered choices at once: the window's size is needed before the game starts.
  Custode(std::optional<Profilo> profilo, ArchivioImpostazioni& archivio);

  // Runs the game's start-up: the remembered opponent, then the kept match
  // resumed as a load shows it or, without one, the first hand dealt with the
  // remembered target. A kept file that does not load is set aside.
  void Avvia(Gioco& gioco);
  // After each event that has run to its end: takes what the match has come to.
  void DopoEvento(Gioco& gioco);

  Statistiche LeggiStatistiche();
  void AzzeraStatistiche();
  // The window's size as it was last left, when known.
  std::optional<DimensioniFinestra> Finestra() const { return finestra_; }
  void RicordaFinestra(const DimensioniFinestra& finestra);
  // What the user should be told once, in the status line.
  std::vector<std::string> PrendiAvvisi() { return std::exchange(avvisi_, {}); }

 private:
  void LeggiImpostazioni();
  void ConservaPartita(const std::string& righe);
  void SalvaStatistiche(const Statistiche& statistiche);

  std::optional<Profilo> profilo_;
  ArchivioImpostazioni& archivio_;
  Scelte scelte_;
  std::optional<DimensioniFinestra> finestra_;
  std::string conservata_;   // the kept match as last written, "" for none
  StatoPartita prima_;       // the match as the last event left it
  Statistiche statistiche_;  // as last written
  std::vector<std::string> avvisi_;
};

}  // namespace quintello
