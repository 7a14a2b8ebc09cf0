#include "rules/Combinazioni.h"

#include <cassert>

namespace quintello {

Combinazioni::Combinazioni() {
  for (auto& lista : liste) lista.resize(1);  // index 0 is never used
}

void Combinazioni::Scrivi(int somma, int k, std::string_view presa) {
  assert(k >= 1 && k < kVociLista);
  auto& lista = liste[somma];
  // Entries are overwritten in place so a rebuild reuses their storage.
  if (static_cast<std::size_t>(k) >= lista.size()) lista.resize(k + 1);
  lista[k].assign(presa);
}

std::string CarteInTerra(const Carte& carte) {
  std::string terra;
  carte.PerOgniCarta([&](Carta c, int16_t luogo) {
    if (luogo == Terra) terra += CodiceCarta(c);
  });
  return terra;
}

int SommaCarte(std::string_view presa) {
  int somma = 0;
  for (std::size_t k = 0; k < NumeroCodici(presa); ++k) somma += ValoreCifra(presa[2 * k]);
  return somma;
}

void CalcolaCombinazioni(const Carte& carte, Combinazioni& comb) {
  comb.n.fill(0);
  const std::string terra = CarteInTerra(carte);
  const std::size_t quante = NumeroCodici(terra);
  comb.elencoterra.resize(quante + 1);
  for (std::size_t k = 1; k <= quante; ++k) comb.elencoterra[k] = CodiceN(terra, k - 1);
  std::string prefisso;
  prefisso.reserve(terra.size());
  CercaCombinazioni(prefisso, 1, comb);
}

void CercaCombinazioni(std::string& prefisso, int inizio, Combinazioni& comb) {
  const int quante = static_cast<int>(comb.elencoterra.size()) - 1;
  const int sommaPrefisso = SommaCarte(prefisso);
  for (int i = inizio; i <= quante; ++i) {
    const std::string& carta = comb.elencoterra[i];
    const int m = sommaPrefisso + ValoreCifra(carta[0]);
    // No superset of a set over ten can be stored: its branch is cut.
    if (m > kSommaMassima) continue;
    prefisso += carta;
    if (m >= 1) comb.Scrivi(m, ++comb.n[m], prefisso);
    CercaCombinazioni(prefisso, i + 1, comb);
    prefisso.resize(prefisso.size() - 2);
  }
}

void CombinazioniObbligate(const Carte& carte, Combinazioni& comb, int valorecarta) {
  assert(valorecarta >= 1 && valorecarta <= kSommaMassima);
  int16_t con = 0;
  for (int seme = 1; seme <= kSemi; ++seme) {
    if (carte(valorecarta, seme) != Terra) continue;
    comb.Scrivi(valorecarta, ++con, CodiceCarta(valorecarta, seme));
  }
  if (con > 0) comb.n[valorecarta] = con;
}

}  // namespace quintello
