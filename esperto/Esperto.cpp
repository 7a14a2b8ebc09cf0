#include "esperto/Esperto.h"

#include "esperto/Giudizio.h"

namespace quintello {

Scelta ScegliEsperto(const Vista& vista, Generatore& caso, const ParametriEsperto& parametri) {
  Giudizio giudizio(vista, parametri);
  // A single play needs no search and no draw.
  if (giudizio.Mosse().size() > 1) giudizio.CercaAlCaso(caso);
  return giudizio.Migliore();
}

}  // namespace quintello
