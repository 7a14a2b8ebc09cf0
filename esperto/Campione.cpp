#include "esperto/Campione.h"

#include <algorithm>
#include <vector>

#include "esperto/Giudizio.h"
#include "esperto/RicercaControFisso.h"

namespace quintello {

namespace {

// Past this many hands to weigh, Campione does not read the plays: no deal
// dealt by the rules comes near it once the other side has played.
constexpr long kManiMassime = 20000;

// The plays the search against the fixed player may make over all its deals,
// about 10 ms: nearly four times the most any move needed in 300 deals of
// the arena.
constexpr long kGiocateMassime = 40000;

struct Ipotesi {
  InsiemeCarte sue;
  double peso;
};

// `campioni` hands of the other side drawn alike, or every hand when there
// are no more.
std::vector<Ipotesi> AlCaso(const Vista& vista, int sue, int campioni, Generatore& caso) {
  std::vector<Ipotesi> ipotesi;
  if (QuanteScelte(vista.nonViste.Quante(), sue, campioni) <= campioni) {
    OgniMano(vista.nonViste, sue, [&](InsiemeCarte mano) { ipotesi.push_back({mano, 1}); });
    return ipotesi;
  }
  std::vector<Carta> mescolate;
  for (Carta c : vista.nonViste) mescolate.push_back(c);
  for (int c = 0; c < campioni; ++c) {
    InsiemeCarte mano;
    for (int i = 0; i < sue; ++i) {
      const int j = i + caso.ParteIntera(static_cast<int>(mescolate.size()) - i);
      std::swap(mescolate[i], mescolate[j]);
      mano |= mescolate[i];
    }
    ipotesi.push_back({mano, 1});
  }
  return ipotesi;
}

// Every hand the other side may hold, weighed by its plays; `campioni` of
// them drawn by weight when there are more, with one draw, evenly spaced
// along the weights: a hand drawn several times counts as many. None when
// no hand fits the plays.
std::vector<Ipotesi> Pesate(const Vista& vista, const ModelloAvversario& avversario, int sue,
                            int campioni, Generatore& caso) {
  std::vector<Ipotesi> tutte;
  double totale = 0;
  OgniMano(vista.nonViste, sue, [&](InsiemeCarte mano) {
    const double peso = avversario.Verosimiglianza(mano);
    if (peso <= 0) return;
    tutte.push_back({mano, peso});
    totale += peso;
  });
  // The likeliest first: when the budget runs out, the least likely go unsearched.
  std::ranges::stable_sort(tutte,
                           [](const Ipotesi& a, const Ipotesi& b) { return a.peso > b.peso; });
  if (static_cast<int>(tutte.size()) <= campioni) {
    for (Ipotesi& h : tutte) h.peso /= totale;
    return tutte;
  }
  std::vector<Ipotesi> scelte;
  const double passo = totale / campioni;
  double soglia = caso.Uniforme() * passo, finora = 0;
  for (const Ipotesi& h : tutte) {
    finora += h.peso;
    int volte = 0;
    for (; soglia < finora && volte < campioni; soglia += passo) ++volte;
    if (volte > 0) scelte.push_back({h.sue, double(volte)});
  }
  return scelte;
}

}  // namespace

Scelta ScegliCampione(const Vista& vista, Modello modello, Generatore& caso,
                      const ParametriCampione& parametri) {
  const bool fisso = modello == Modello::Classico;
  Giudizio giudizio(vista, parametri.ricerca, fisso ? 0 : parametri.fiducia);
  const std::vector<Scelta>& mosse = giudizio.Mosse();
  if (mosse.size() <= 1) return giudizio.Migliore();
  const ModelloAvversario avversario(vista, modello, parametri.temperatura);
  const int ignote = vista.nonViste.Quante(), sue = std::min(vista.carteSue, ignote);
  const int campioni = std::max(1, parametri.ricerca.campioni);
  const bool letto =
      avversario.HaGiocato() && QuanteScelte(ignote, sue, kManiMassime) <= kManiMassime;
  const std::vector<Ipotesi> ipotesi =
      letto ? Pesate(vista, avversario, sue, campioni, caso) : AlCaso(vista, sue, campioni, caso);
  // Its plays fit no hand: it is not the player modelled.
  if (ipotesi.empty()) return ScegliEsperto(vista, caso, parametri.ricerca);
  if (fisso) {
    // A first search over every tenth deal tells how much work all of them
    // would take; past the budget, the search goes over every k-th deal.
    auto cerca = [&](std::size_t passo, long& giocate) {
      RicercaControFisso ricerca(vista);
      for (std::size_t i = 0; i < ipotesi.size(); i += passo)
        ricerca.Aggiungi(ipotesi[i].sue, ipotesi[i].peso);
      std::vector<double> valori = ricerca.Valori(mosse);
      giocate = ricerca.Giocate();
      return valori;
    };
    constexpr std::size_t kProva = 10;
    long giocate = 0;
    std::vector<double> valori = cerca(kProva, giocate);
    const auto passo = static_cast<std::size_t>((giocate * kProva - 1) / kGiocateMassime + 1);
    if (passo < kProva) valori = cerca(passo, giocate);
    std::size_t migliore = 0;
    for (std::size_t i = 1; i < mosse.size(); ++i)
      if (valori[i] > valori[migliore] + 1e-9) migliore = i;
    return mosse[migliore];
  }
  for (const Ipotesi& h : ipotesi) giudizio.Cerca(h.sue, h.peso);
  return giudizio.Migliore();
}

}  // namespace quintello
