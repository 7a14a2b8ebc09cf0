#include "scoring/SalvataggioPartita.h"

#include <filesystem>
#include <fstream>

#include "engine/Gioco.h"
#include "scoring/FormatoSalvataggio.h"
#include "scoring/Obiettivo.h"
#include "scoring/PartitaGiocabile.h"
#include "scoring/ScritturaSicura.h"

namespace quintello {

namespace {

bool Conferma(Gioco& gioco, const std::string& domanda) {
  return gioco.finestra.MsgBox(
             {.testo = domanda, .titolo = "Sicuro?", .pulsanti = Pulsanti::SiNo}) != Risposta::No;
}

void Errore(Gioco& gioco, const std::string& testo) {
  gioco.finestra.MsgBox({.testo = testo, .titolo = "Errore", .icona = Icona::Critica});
}

// Puts what was read into the game, item by item as the file orders them.
void Applica(Gioco& gioco, const PartitaLetta& letta) {
  gioco.stato = letta.stato;
  Finestra& finestra = gioco.finestra;
  const FlagFinestra& flag = letta.flag;
  const int righe = letta.righe;
  if (righe >= kRigaPuntiVittoria) SpuntaPuntiVittoria(gioco);
  if (righe >= 15) finestra.MostraBottone(Bottone::Procedi, flag.procedi);
  if (righe >= 16) finestra.MostraBottone(Bottone::GiocaUtente, flag.giocatautente);
  for (int p = 0; p < kPostiTerra && righe >= 57 + p; ++p) finestra.MostraShape1(p, flag.shape1[p]);
  for (int i = 0; i < kPostiMano && righe >= 72 + i; ++i) finestra.MostraShape2(i, flag.shape2[i]);
  for (int i = 0; i < kPostiMano && righe >= 75 + i; ++i) finestra.AbilitaUser(i, flag.user[i]);
}

void CaricamentoFallito(Gioco& gioco) {
  Errore(gioco, "Errore durante il caricamento, sarà avviata una nuova partita");
  // What was read stays, but never a selection that names no hand slot.
  int16_t& slot = gioco.stato.cartaselezionata;
  if (slot < -1 || slot >= kPostiMano) slot = -1;
  gioco.NuovaPartitaDaCapo();
}

}  // namespace

bool FileExists(const std::string& nome) {
  std::error_code errore;
  return !nome.empty() && std::filesystem::is_regular_file(nome, errore);
}

void SalvaPartita(Gioco& gioco) {
  const std::string nome = gioco.finestra.DialogoFile(Dialogo::Salva, kFiltroFile, gioco.nomefile);
  if (nome.empty()) return;
  gioco.nomefile = nome;
  if (FileExists(nome) && !Conferma(gioco, "Sei sicuro di voler sovrascrivere " + nome + "?"))
    return;
  const std::string motivo =
      ScriviFileSicuro(nome, ScriviPartita(gioco.stato, gioco.finestra.Flag()));
  if (!motivo.empty())
    Errore(gioco, "Impossibile salvare la partita nel file " + nome + ": " + motivo + ".");
}

void CaricaPartita(Gioco& gioco) {
  gioco.nomefile = gioco.finestra.DialogoFile(Dialogo::Apri, kFiltroFile, "");
  const std::string nome = gioco.nomefile;
  if (nome.empty()) return;
  if (!FileExists(nome)) {
    Errore(gioco, "Il file specificato non esiste");
    return;
  }
  if (!Conferma(gioco,
                "Sei sicuro di voler interrompere la partita in corso e caricare quella "
                "salvata in " +
                    nome + "?"))
    return;

  PartitaLetta letta{gioco.stato, gioco.finestra.Flag()};
  std::ifstream file(nome, std::ios::binary);
  if (file) LeggiPartita(file, letta);
  file.close();
  Applica(gioco, letta);
  if (!letta.Completa() || !PartitaGiocabile(letta.stato, letta.flag)) {
    CaricamentoFallito(gioco);
    return;
  }
  if (gioco.finestra.Flag().procedi) {
    gioco.procedi_Click();
    if (gioco.finestra.Chiusa()) return;
  }
  gioco.Ridisegna();
  gioco.AggiornaStatusBar();
  CalcolaCombinazioni(gioco.stato.carte, gioco.combinazioni);
}

}  // namespace quintello
