#include "Traccia.h"

#include <string>

#include "scoring/ContaPunti.h"

namespace quintello::arena {

namespace {

const char* Nome(Giocatore chi) {
  return chi == Giocatore::PC ? "PC" : "USER";
}

// "1o 3c 4b", or "-" for no card.
std::string Elenco(InsiemeCarte carte) {
  std::string testo;
  for (Carta c : carte) testo += (testo.empty() ? "" : " ") + CodiceCarta(c);
  return testo.empty() ? "-" : testo;
}

// "7c" for a card laid, "7c:3c4b" for a capture.
std::string Mossa(const Scelta& s) {
  return CodiceCarta(s.carta) + (s.presa.Vuoto() ? "" : ":" + s.presa.Codici());
}

}  // namespace

void StampaTraccia(const Strategia& pc, const Strategia& utente, uint64_t seme, bool utenteDa,
                   const Regole& regole, std::FILE* uscita) {
  const Giocatore mazziere = utenteDa ? Giocatore::Utente : Giocatore::PC;
  Mano mano(mazziere, mazziere, regole);
  Generatore mazzo(seme), casoPC(seme + 1), casoUtente(seme + 2);
  mano.DaiPrimaSmazzata(mazzo);
  if (!regole.Standard()) std::fprintf(uscita, "REGOLE\t%s\n", NomiRegole(regole).c_str());
  std::fprintf(uscita, "MAZZIERE\t%s\n", Nome(mazziere));
  GiocaMano(mano, mazzo, [&](const Mano& m) {
    const Giocatore chi = m.Turno();
    std::string mosse;
    for (const Scelta& s : m.MosseLegali()) mosse += (mosse.empty() ? "" : " ") + Mossa(s);
    std::fprintf(uscita, "TERRA\t%s\nMANO\t%s\t%s\tmazzo %d\nMOSSE\t%s\n",
                 Elenco(m.Terra()).c_str(), Nome(chi), Elenco(m.CarteIn(chi)).c_str(),
                 m.Mazzo().Quante(), mosse.c_str());
    const Scelta s =
        (chi == Giocatore::PC ? pc : utente)(m, chi == Giocatore::PC ? casoPC : casoUtente);
    Mano dopo = m;
    std::fprintf(uscita, "GIOCA\t%s\t%s%s\n", Nome(chi), Mossa(s).c_str(),
                 dopo.Gioca(chi, s).scopa ? "\tSCOPA" : "");
    return s;
  });
  std::fprintf(uscita, "TERRA\t%s\tall'ultima presa: %s\n", Elenco(mano.Terra()).c_str(),
               Nome(mano.UltimaPresa()));
  for (Giocatore chi : {Giocatore::PC, Giocatore::Utente}) {
    std::fprintf(uscita, "PRESE\t%s\t%s\n", Nome(chi), Elenco(mano.PreseFinali(chi)).c_str());
  }
  const PuntiMano punti = PuntiDellaMano(mano);
  std::fprintf(uscita, "%s\n", TestoPunti(mano, punti, punti.pc, punti.utente).c_str());
}

}  // namespace quintello::arena
