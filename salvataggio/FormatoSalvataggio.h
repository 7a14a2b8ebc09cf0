// The saved-game file: 77 lines, one item a line, every line ended by CR LF.
//
//  1-6   the user's hand slots 0..2 (value, suit)   integer
//  7     target score                                integer
//  8     which capture is proposed                   integer
//  9     the proposed capture                        text
//  10    the selected hand slot                      integer
//  11-14 computer's score, user's score, dealer, last capturer
//  15,16 `procedi` shown, `giocatautente` shown      flag
//  17-56 the location of each card, value-then-suit order
//  57-71 the table frames; 72-74 the hand frames; 75-77 hand places enabled
//  78    "Regole: " and the house rules of the hand, only when any is in force
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/StatoPartita.h"

namespace quintello {

inline constexpr int kRigheFile = 77;
inline constexpr int kRigaPuntiVittoria = 7;
inline constexpr int kRigaProcedi = 15;
inline constexpr std::string_view kTestaRegole = "Regole:";

// " 11 ", " 0 ", "-1 ".
std::string FormatoIntero(int valore);
// "Vero" for true, "Falso" for false.
std::string bwrap(bool b);

// The whole file as the game writes it.
std::string ScriviPartita(const StatoPartita& stato);

// An integer item: the number on the line, blanks around it ignored; a line
// without a number reads 0; a number beyond 16 bits is an error (nullopt).
std::optional<int16_t> LeggiIntero(std::string_view riga);

// What a load has read: a copy of the game it replaces, overwritten item by
// item, how many items were read before the end or the first error, and
// whether a rules line named a rule this game does not know.
struct PartitaLetta {
  StatoPartita stato;
  int righe = 0;
  bool regoleIgnote = false;
  bool Completa() const { return righe == kRigheFile && !regoleIgnote; }
};

// Reads the items of a file's bytes in order over `base`, stopping at the
// 77th, at the end or at the first error. Lines may end in CR LF, LF or CR.
// A complete file plays by the standard rules unless the line after the
// 77th names house rules; any other line there is ignored.
PartitaLetta LeggiPartita(std::string_view file, const StatoPartita& base);

}  // namespace quintello
