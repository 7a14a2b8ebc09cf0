// The capture proposed to the user for the selected hand card.
#pragma once

#include <string>

namespace quintello {

class Gioco;

// Proposes the next possible capture of a card of this value (the first one
// after a change of selection, and the first again after the last), frames
// its table cards and leaves it in `presautente`; "" when the card can take
// nothing and would be laid on the table.
void ProponiPresa(Gioco& gioco, int valore, int seme);

// Shows the frame of every table card of a capture string.
void IncorniciaPresa(Gioco& gioco, const std::string& presa);

}  // namespace quintello
