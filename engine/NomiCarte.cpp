#include "engine/NomiCarte.h"

#include <array>

namespace quintello {

namespace {

constexpr std::array<const char*, kValori> kNomiValori{
    "asso", "due", "tre", "quattro", "cinque", "sei", "sette", "fante", "cavallo", "re"};
constexpr std::array<const char*, kSemi> kNomiSemi{"denari", "spade", "coppe", "bastoni"};

}  // namespace

std::string NomeDelValore(int valore) {
  return valore >= 1 && valore <= kValori ? kNomiValori[valore - 1] : "";
}

std::string NomeDellaCarta(Carta carta) {
  if (!carta.valida()) return kCartaCoperta;
  return NomeDelValore(carta.valore) + " di " + kNomiSemi[carta.seme - 1];
}

namespace {
const char* Articolo(int valore) {
  return valore == 1 ? "l'" : "il ";
}
}  // namespace

std::string ConArticolo(Carta carta) {
  return Articolo(carta.valore) + NomeDellaCarta(carta);
}
std::string ConArticolo(int valore) {
  return Articolo(valore) + NomeDelValore(valore);
}

}  // namespace quintello
