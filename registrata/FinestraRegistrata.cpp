#include "registrata/FinestraRegistrata.h"

#include <utility>

namespace quintello {

namespace {

const char* NomeIcona(Icona icona) {
  switch (icona) {
    case Icona::Informazione:
      return "information";
    case Icona::Esclamazione:
      return "exclamation";
    case Icona::Critica:
      return "critical";
    case Icona::Nessuna:
      break;
  }
  return "none";
}

const char* NomeRisposta(Risposta r) {
  switch (r) {
    case Risposta::Si:
      return "si";
    case Risposta::No:
      return "no";
    case Risposta::Ok:
      break;
  }
  return "ok";
}

// A message on one line: every CR LF becomes the two characters "\n".
std::string SuUnaRiga(const std::string& testo) {
  std::string riga;
  for (std::size_t i = 0; i < testo.size(); ++i) {
    if (testo[i] == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n') {
      riga += "\\n";
      ++i;
    } else {
      riga += testo[i];
    }
  }
  return riga;
}

}  // namespace

void FinestraRegistrata::Registra(std::string riga) {
  // Once the window has closed nothing more reaches the user.
  if (!chiusa_) eventi_.push_back(std::move(riga));
}

void FinestraRegistrata::Ridisegna(const Carte& carte) {
  carte_ = carte;
  ++ridisegni_;
}

void FinestraRegistrata::DisegnaCartePC(Carta carta, int /*posto*/) {
  Registra("PC\t" + CodiceCarta(carta));
}

void FinestraRegistrata::AggiornaStatusBar(const std::string& testo) {
  status_ = testo;
  Registra("STATUS\t" + testo);
}

Risposta FinestraRegistrata::MsgBox(const Messaggio& m) {
  Risposta risposta = Risposta::Ok;
  if (m.pulsanti == Pulsanti::SiNo) {
    risposta = Risposta::Si;
    if (!risposte_.empty()) {
      risposta = risposte_.front();
      risposte_.pop_front();
    }
  }
  Registra("MSGBOX\t" + m.titolo + "\t" + NomeIcona(m.icona) + "\t" +
           (m.pulsanti == Pulsanti::SiNo ? "yesno" : "ok") + "\t" + SuUnaRiga(m.testo) + "\t" +
           NomeRisposta(risposta));
  return risposta;
}

std::string FinestraRegistrata::DialogoFile(Dialogo tipo, const std::string& /*filtro*/,
                                            const std::string& nomeIniziale) {
  std::string percorso;
  if (!file_.empty()) {
    percorso = file_.front();
    file_.pop_front();
  }
  Registra(std::string("DIALOG\t") + (tipo == Dialogo::Apri ? "open" : "save") + "\t" +
           nomeIniziale + "\t" + percorso);
  return percorso;
}

void FinestraRegistrata::LaunchBrowser(const std::string& indirizzo) {
  Registra("BROWSER\t" + indirizzo);
}

void FinestraRegistrata::AnnunciaProposta(int posto, const std::string& presa, int numero,
                                          int totale) {
  if (annunci_)
    Registra("PROPOSTA\t" + std::to_string(posto) + "\t" + presa + "\t" + std::to_string(numero) +
             "/" + std::to_string(totale));
}

void FinestraRegistrata::AnnunciaGiocata(Giocatore chi, Carta carta, const std::string& presa,
                                         bool scopa) {
  if (annunci_)
    Registra(std::string("GIOCATA\t") + (chi == Giocatore::PC ? "PC" : "USER") + "\t" +
             CodiceCarta(carta) + "\t" + presa + (scopa ? "\tscopa" : ""));
}

void FinestraRegistrata::AnnunciaSuggerimento(const std::string& perche) {
  if (annunci_) Registra("SUGGERIMENTO\t" + perche);
}

void FinestraRegistrata::Chiudi() {
  Registra("CHIUSO");
  chiusa_ = true;
}

}  // namespace quintello
