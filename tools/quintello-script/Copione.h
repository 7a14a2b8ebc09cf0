// The script language of the headless driver: one command a line.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Regole.h"

namespace quintello {

class Custode;
class Gioco;
class FinestraRegistrata;

struct Comando {
  std::string nome;           // "user", "procedi", "file", ...
  int indice = 0;             // for `user`
  std::string percorso;       // for `file`
  Regola regola{};            // for `regola`: the rule and its switch
  bool attiva = false;
  std::string Testo() const;  // the command in its normal form: "user 2"
};

// Reads a whole script, whose first line is numbered `prima`. Blank lines and
// lines starting with '#' are skipped; on an unknown command or a bad
// argument, `errore` names the line.
std::optional<std::vector<Comando>> LeggiCopione(std::string_view testo, std::string& errore,
                                                 int prima = 1);

// Carries out one command on the game, as the window would on that click.
// `stato` prints the saved-game lines to `uscita`, `regole` the house rules
// of the hand in play and those chosen for the next, `revisione` the review
// of the last hand, `statistiche` the record of play the custode keeps,
// which `azzera` clears.
void EseguiComando(const Comando& comando, Gioco& gioco, FinestraRegistrata& finestra,
                   Custode& custode, std::string& uscita);

}  // namespace quintello
