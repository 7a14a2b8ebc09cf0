#include "Copione.h"

#include <cstdio>
#include <map>

#include "controller/Comandi.h"
#include "profilo/Custode.h"
#include "registrata/FinestraRegistrata.h"

namespace quintello {

namespace {

bool Spazio(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Ripulita(std::string_view s) {
  while (!s.empty() && Spazio(s.front())) s.remove_prefix(1);
  while (!s.empty() && Spazio(s.back())) s.remove_suffix(1);
  return s;
}

std::optional<Comando> LeggiRiga(std::string_view riga) {
  const std::size_t spazio = riga.find_first_of(" \t");
  Comando c;
  c.nome = riga.substr(0, spazio);
  const std::string_view argomento =
      spazio == std::string_view::npos ? std::string_view{} : Ripulita(riga.substr(spazio));
  if (c.nome == "user") {
    if (argomento.size() != 1 || argomento[0] < '0' || argomento[0] > '2') return std::nullopt;
    c.indice = argomento[0] - '0';
    return c;
  }
  if (c.nome == "regola") {
    const std::size_t spazio = argomento.find_first_of(" \t");
    const std::string_view nome = argomento.substr(0, spazio);
    const std::string_view si = spazio == std::string_view::npos
                                    ? std::string_view{}
                                    : Ripulita(argomento.substr(spazio));
    const std::optional<Regola> regola = RegolaDiNome(nome);
    if (!regola || (si != "si" && si != "no")) return std::nullopt;
    c.regola = *regola;
    c.attiva = si == "si";
    return c;
  }
  if (c.nome == "file") {
    if (argomento.empty()) return std::nullopt;
    c.percorso = argomento;
    return c;
  }
  const bool senzaArgomento = Comandi().contains(c.nome) || c.nome == "si" || c.nome == "no" ||
                              c.nome == "stato" || c.nome == "statistiche" || c.nome == "azzera" ||
                              c.nome == "regole" || c.nome == "revisione";
  if (!senzaArgomento || !argomento.empty()) return std::nullopt;
  return c;
}

std::string DueDecimali(double x) {
  char testo[32];
  std::snprintf(testo, sizeof testo, "%.2f", x);
  return testo;
}

// One line a play, the user's with its cost and, for a mistake, why.
std::string TestoRevisione(const Revisione& revisione) {
  std::string testo;
  int n = 0;
  for (const PassoRivisto& passo : revisione.passi) {
    const Giocata& g = passo.passo.giocata;
    testo += "MOSSA\t" + std::to_string(++n) + (g.chi == Giocatore::Utente ? "\tUSER\t" : "\tPC\t") +
             CodiceCarta(g.scelta.carta) + "\t" + g.scelta.presa.Codici();
    if (passo.giudizio) {
      testo += "\tCOSTO\t" + DueDecimali(passo.giudizio->costo);
      if (passo.giudizio->Errore()) testo += "\t" + passo.giudizio->motivo;
    }
    testo += "\n";
  }
  return testo + "TOTALE\t" + DueDecimali(revisione.costoTotale) + "\n";
}

// One line for each item of each opponent's record.
std::string TestoStatistiche(const Statistiche& statistiche) {
  std::string testo;
  for (const ChiaveStatistiche& chiave : ChiaviDaMostrare(statistiche)) {
    const auto trovati = statistiche.find(chiave);
    const Conteggi conteggi = trovati == statistiche.end() ? Conteggi{} : trovati->second;
    for (const VoceStatistiche& voce : Voci(conteggi))
      testo += "STATISTICHE\t" + TitoloChiave(chiave) + "\t" + voce.nome + "\t" +
               voce.valore + "\n";
  }
  return testo;
}

}  // namespace

std::string Comando::Testo() const {
  if (nome == "user") return nome + " " + std::to_string(indice);
  if (nome == "file") return nome + " " + percorso;
  if (nome == "regola")
    return nome + " " + std::string(NomeRegola(regola)) + (attiva ? " si" : " no");
  return nome;
}

std::optional<std::vector<Comando>> LeggiCopione(std::string_view testo, std::string& errore,
                                                 int prima) {
  std::vector<Comando> comandi;
  int numero = prima - 1;
  while (!testo.empty()) {
    const std::size_t fine = testo.find('\n');
    const std::string_view riga = Ripulita(testo.substr(0, fine));
    testo.remove_prefix(fine == std::string_view::npos ? testo.size() : fine + 1);
    ++numero;
    if (riga.empty() || riga.front() == '#') continue;
    std::optional<Comando> comando = LeggiRiga(riga);
    if (!comando) {
      errore = "riga " + std::to_string(numero) +
               ": comando sconosciuto o argomento errato: " + std::string(riga);
      return std::nullopt;
    }
    comandi.push_back(std::move(*comando));
  }
  return comandi;
}

void EseguiComando(const Comando& comando, Gioco& gioco, FinestraRegistrata& finestra,
                   Custode& custode, std::string& uscita) {
  const AzioniUtente azioni = gioco.Azioni();
  if (comando.nome == "si" || comando.nome == "no") {
    finestra.AccodaRisposta(comando.nome == "si" ? Risposta::Si : Risposta::No);
  } else if (comando.nome == "file") {
    finestra.AccodaFile(comando.percorso);
  } else if (comando.nome == "stato") {
    uscita += gioco.Salvataggio();
  } else if (comando.nome == "statistiche") {
    uscita += TestoStatistiche(custode.LeggiStatistiche());
  } else if (comando.nome == "azzera") {
    custode.AzzeraStatistiche();
  } else if (comando.nome == "revisione") {
    uscita += TestoRevisione(gioco.RivediUltimaMano());
  } else if (comando.nome == "regola") {
    gioco.ImpostaRegola(comando.regola, comando.attiva);
  } else if (comando.nome == "regole") {
    auto elenco = [](const Regole& r) { return r.Standard() ? "nessuna" : NomiRegole(r); };
    uscita += "Regole della mano: " + elenco(gioco.ManoInCorso().RegoleInVigore()) + "\n";
    uscita += "Regole scelte: " + elenco(gioco.RegoleScelte()) + "\n";
  } else if (comando.nome == "user") {
    if (azioni.user[comando.indice]) {
      gioco.user_Click(comando.indice);
    } else {
      finestra.Ignorato(comando.Testo());
    }
  } else if ((comando.nome == "giocatautente" && !azioni.giocatautente) ||
             (comando.nome == "procedi" && !azioni.procedi)) {
    finestra.Ignorato(comando.Testo());
  } else {
    (gioco.*Comandi().at(comando.nome))();
  }
}

}  // namespace quintello
