// The target score of a match and its check marks in the menu.
#pragma once

#include <cstdint>

namespace quintello {

class Gioco;

// Sets the target and checks the one menu item that names it; a target that
// none of the items names (only a saved game can bring one) checks none.
void ImpostaPuntiVittoria(Gioco& gioco, int16_t punti);

// Moves the check marks to the item of the current target.
void SpuntaPuntiVittoria(Gioco& gioco);

}  // namespace quintello
