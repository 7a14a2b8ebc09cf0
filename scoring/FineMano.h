// The end of a hand and of a match.
#pragma once

namespace quintello {

class Gioco;

// The table goes to the last capturer, the hand is counted, and then the next
// hand starts, or a tie at or above the target starts a tie-break hand, or
// the side with more points wins the match.
void FineMano(Gioco& gioco);

// After a won match: a new match at 0 to 0, or the end of the program.
void GiocaAncora(Gioco& gioco);

}  // namespace quintello
