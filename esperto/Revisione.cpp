#include "esperto/Revisione.h"

#include <algorithm>
#include <limits>

#include "esperto/Campioni.h"
#include "esperto/Motivo.h"
#include "esperto/Vista.h"

namespace quintello {

namespace {

constexpr double kInfinito = std::numeric_limits<double>::infinity();

struct Valore {
  double v = 0;
  Parti parti{};
};

// Alpha-beta to the end of the deal, as Esperto searches, carrying along the
// parts of the position at the end of the line the value comes from.
class RicercaPerParti {
 public:
  RicercaPerParti(Giocatore io, long limite) : io_(io), limite_(limite) {}

  Valore Dopo(Mano& mano, Giocatore chi, const Scelta& scelta, double alfa, double beta) {
    const Giocata giocata = mano.Gioca(chi, scelta);
    const Valore v = Cerca(mano, alfa, beta);
    mano.Annulla(giocata);
    return v;
  }

  long nodi = 0;
  bool interrotta = false;

 private:
  // The value for `io_`, who maximizes while the other side minimizes.
  Valore Cerca(Mano& mano, double alfa, double beta) {
    if (++nodi > limite_) interrotta = true;
    if (interrotta) return {};
    if (mano.SmazzataFinita()) {
      const Parti parti = ValutaPerParti(mano, io_);
      return {Somma(parti), parti};
    }
    const Giocatore chi = mano.Turno();
    const bool mio = chi == io_;
    Valore migliore{mio ? -kInfinito : kInfinito, {}};
    mano.PerOgniMossa(chi, [&](const Scelta& scelta) {
      const Valore v = Dopo(mano, chi, scelta, alfa, beta);
      if (mio ? v.v > migliore.v : v.v < migliore.v) migliore = v;
      (mio ? alfa : beta) = mio ? std::max(alfa, v.v) : std::min(beta, v.v);
      return alfa < beta && !interrotta;
    });
    return migliore;
  }

  Giocatore io_;
  long limite_;
};

}  // namespace

Verdetto Giudica(const Mano& mano, Giocatore chi, const Scelta& scelta, Generatore& caso,
                 const ParametriRevisione& parametri) {
  const std::vector<Scelta> mosse = mano.MosseLegali(chi);
  Verdetto giudizio;
  for (const Scelta& s : mosse) giudizio.mosse.push_back({s});
  if (mosse.size() < 2) return giudizio;

  const Vista vista = VistaDi(mano, chi);
  Mano completa = vista.mano;
  std::vector<Valore> campione(mosse.size());
  long nodi = 0;
  int contati = 0;
  PerOgniCampione(vista, parametri.campioni, caso, [&](InsiemeCarte sue) {
    Completa(completa, vista, sue);
    RicercaPerParti ricerca(chi, parametri.nodiMassimi - nodi);
    // A full window for every play: its value, never a bound.
    for (std::size_t i = 0; i < mosse.size(); ++i)
      campione[i] = ricerca.Dopo(completa, chi, mosse[i], -kInfinito, kInfinito);
    nodi += ricerca.nodi;
    if (ricerca.interrotta) return false;
    ++contati;
    for (std::size_t i = 0; i < mosse.size(); ++i) {
      giudizio.mosse[i].valore += campione[i].v;
      for (int k = 0; k < kParti; ++k) giudizio.mosse[i].parti[k] += campione[i].parti[k];
    }
    return nodi < parametri.nodiMassimi;
  });
  for (MossaGiudicata& m : giudizio.mosse) {
    m.valore /= std::max(1, contati);
    for (double& parte : m.parti) parte /= std::max(1, contati);
  }

  std::stable_sort(giudizio.mosse.begin(), giudizio.mosse.end(),
                   [](const MossaGiudicata& a, const MossaGiudicata& b) {
                     return a.valore > b.valore + 1e-9;
                   });
  const MossaGiudicata& migliore = giudizio.mosse.front();
  for (const MossaGiudicata& fatta : giudizio.mosse) {
    if (fatta.scelta != scelta) continue;
    giudizio.costo = &fatta == &migliore ? 0 : migliore.valore - fatta.valore;
    if (giudizio.Errore())
      giudizio.motivo =
          Motivo(mano, chi, migliore.scelta, migliore.parti, fatta.scelta, fatta.parti);
  }
  return giudizio;
}

std::string PercheScegliere(const Mano& mano, Giocatore chi, const Scelta& scelta,
                            Generatore& caso, const ParametriRevisione& parametri) {
  const Verdetto giudizio = Giudica(mano, chi, scelta, caso, parametri);
  const MossaGiudicata* questa = nullptr;
  const MossaGiudicata* altra = nullptr;
  for (const MossaGiudicata& m : giudizio.mosse) {
    if (m.scelta == scelta) {
      questa = &m;
    } else if (altra == nullptr) {
      altra = &m;  // the best of the others: the list runs from the best
    }
  }
  if (questa == nullptr || altra == nullptr || questa->valore - altra->valore < kSoglia)
    return kScelteEquivalenti;
  return Motivo(mano, chi, questa->scelta, questa->parti, altra->scelta, altra->parti);
}

Revisione RivediMano(const std::vector<Passo>& passi, Giocatore chi, uint64_t seme,
                     const ParametriRevisione& parametri) {
  Generatore caso(seme);
  Revisione revisione;
  for (const Passo& passo : passi) {
    PassoRivisto rivisto{passo, std::nullopt};
    if (passo.giocata.chi == chi) {
      rivisto.giudizio = Giudica(passo.prima, chi, passo.giocata.scelta, caso, parametri);
      revisione.costoTotale += rivisto.giudizio->costo;
    }
    revisione.passi.push_back(std::move(rivisto));
  }
  return revisione;
}

}  // namespace quintello
