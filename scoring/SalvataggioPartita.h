// The File menu's "Salva partita" and "Carica".
#pragma once

#include <string>

namespace quintello {

class Gioco;

// Asks for a name, asks before overwriting, writes the 77 lines. A file that
// cannot be written is reported, and the file that was there stays intact.
void SalvaPartita(Gioco& gioco);

// Asks for a name and a confirmation, then replaces the match with the saved
// one; a file that cannot be read or played on starts a new match instead.
void CaricaPartita(Gioco& gioco);

// True when the name is an existing ordinary file.
bool FileExists(const std::string& nome);

}  // namespace quintello
