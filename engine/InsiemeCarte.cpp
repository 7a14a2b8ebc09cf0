#include "engine/InsiemeCarte.h"

namespace quintello {

InsiemeCarte InsiemeCarte::DaCodici(std::string_view presa) {
  InsiemeCarte insieme;
  for (std::size_t k = 0; k < NumeroCodici(presa); ++k) insieme |= LeggiCarta(CodiceN(presa, k));
  return insieme;
}

int InsiemeCarte::SommaValori() const {
  int somma = 0;
  for (Carta c : *this) somma += c.valore;
  return somma;
}

std::string InsiemeCarte::Codici() const {
  std::string codici;
  for (Carta c : *this) codici += CodiceCarta(c);
  return codici;
}

}  // namespace quintello
