// The Italian sentences a screen reader says while the game is played: card
// names, what the selected card would take, what a play did. No Qt, so they
// can be checked alone.
#pragma once

#include <string>
#include <string_view>

#include "engine/Carta.h"
#include "engine/Carte.h"
#include "engine/Giocatore.h"
#include "engine/NomiCarte.h"
#include "engine/StatoPartita.h"

namespace quintello::ui {

using quintello::kCartaCoperta;
inline constexpr const char* kNonSelezionata = "non selezionata";
inline constexpr const char* kPresaDallaScelta = "presa dalla carta scelta";
inline constexpr const char* kPresaDalComputer = "presa dal computer";
inline constexpr const char* kSuggerimento = "Suggerimento";
inline constexpr const char* kScopa = "Scopa!";

using quintello::NomeDellaCarta;

// The cards of a capture string in words: "due di denari, tre di coppe e re di spade".
std::string ElencoCarte(std::string_view presa);

// The selected hand card: "selezionata, prende due di denari, proposta 1 di 2",
// "selezionata, nessuna presa". The number only when there is more than one proposal.
std::string DescrizioneProposta(std::string_view presa, int numero, int totale);

// One play: "Hai giocato sette di denari e preso sette di coppe, scopa!",
// "Il computer ha giocato re di spade in tavola."
std::string FraseGiocata(Giocatore chi, Carta carta, std::string_view presa, bool scopa);


// "proposta 2 di 3" beside the hand; empty when the card has one capture or none.
std::string NumeroProposta(int numero, int totale);

// What the table holds, asked for by key: "In tavola: asso di denari e re di spade."
std::string LetturaTavola(const Carte& carte);

// The match as it stands, asked for by key: the score and the target, the cards
// and sweeps of each side in this hand, and whose move it is.
std::string LetturaPunteggio(const StatoPartita& stato);

}  // namespace quintello::ui
