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
  if (totale > 1) testo += ", " + NumeroProposta(numero, totale);
  return testo;
}

std::string NumeroProposta(int numero, int totale) {
  if (totale < 2) return {};
  return "proposta " + std::to_string(numero) + " di " + std::to_string(totale);
}

std::string FraseGiocata(Giocatore chi, Carta carta, std::string_view presa, bool scopa) {
  std::string frase = chi == Giocatore::Utente ? "Hai giocato " : "Il computer ha giocato ";
  frase += NomeDellaCarta(carta);
  if (presa.empty()) return frase + " in tavola.";
  frase += " e preso " + ElencoCarte(presa);
  return frase + (scopa ? ", scopa!" : ".");
}


std::string LetturaTavola(const Carte& carte) {
  const std::string codici = carte.Insieme(Terra).Codici();
  return codici.empty() ? "La tavola è vuota." : "In tavola: " + ElencoCarte(codici) + ".";
}

std::string LetturaPunteggio(const StatoPartita& stato) {
  const auto conta = [&](int presa, int scopa) {
    const int scope = stato.carte.Conta(scopa);
    return std::to_string(stato.carte.Conta(presa) + scope) + " carte e " +
           std::to_string(scope) + (scope == 1 ? " scopa" : " scope");
  };
  std::string testo = "Punteggio: tu " + std::to_string(stato.punteggiouser) + ", computer " +
                      std::to_string(stato.punteggiopc) + ", si gioca a " +
                      std::to_string(stato.puntivittoria) + ". In questa mano hai preso " +
                      conta(PresaUtente, ScopaUtente) + ", il computer " +
                      conta(PresaPC, ScopaPC) + ". ";
  if (stato.flag.procedi) return testo + "Il computer ha giocato: Invio per continuare.";
  return testo + (stato.flag.giocatautente ? "Tocca a te." : "La mano è finita.");
}

}  // namespace quintello::ui
