#include "ui/Descrizioni.h"

namespace quintello::ui {

std::string ElencoCarte(std::string_view presa) {
  const std::size_t n = NumeroCodici(presa);
  std::string elenco;
  for (std::size_t k = 0; k < n; ++k) {
    if (k > 0) elenco += k + 1 == n ? " e " : ", ";
    elenco += NomeDellaCarta(LeggiCarta(CodiceN(presa, k)));
  }
  return elenco;
}

std::string DescrizioneProposta(std::string_view presa, int numero, int totale) {
  if (presa.empty()) return "selezionata, nessuna presa";
  std::string testo = "selezionata, prende " + ElencoCarte(presa);
  if (totale > 1) {
    testo += ", proposta " + std::to_string(numero) + " di " + std::to_string(totale);
  }
  return testo;
}

std::string FraseGiocata(Giocatore chi, Carta carta, std::string_view presa, bool scopa) {
  std::string frase = chi == Giocatore::Utente ? "Hai giocato " : "Il computer ha giocato ";
  frase += NomeDellaCarta(carta);
  if (presa.empty()) return frase + " in tavola.";
  frase += " e preso " + ElencoCarte(presa);
  return frase + (scopa ? ", scopa!" : ".");
}

}  // namespace quintello::ui
