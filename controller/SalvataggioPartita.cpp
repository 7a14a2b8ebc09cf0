// The File menu's "Salva partita" and "Carica".
#include "controller/Gioco.h"
#include "rules/ProponiPresa.h"
#include "salvataggio/FileSalvataggio.h"
#include "salvataggio/FormatoSalvataggio.h"
#include "salvataggio/PartitaGiocabile.h"
#include "salvataggio/ScritturaSicura.h"

namespace quintello {

bool Gioco::Conferma(const std::string& domanda) {
  return finestra_.MsgBox({.testo = domanda, .titolo = "Sicuro?", .pulsanti = Pulsanti::SiNo}) !=
         Risposta::No;
}

void Gioco::Errore(const std::string& testo) {
  finestra_.MsgBox({.testo = testo, .titolo = "Errore", .icona = Icona::Critica});
}

// Asks for a name, asks before overwriting, writes the 77 lines. A file that
// cannot be written is reported, and the file that was there stays intact.
void Gioco::salva_Click() {
  const std::string nome = finestra_.DialogoFile(Dialogo::Salva, kFiltroFile, nomefile_);
  if (nome.empty()) return;
  nomefile_ = nome;
  if (FileExists(nome) && !Conferma("Sei sicuro di voler sovrascrivere " + nome + "?")) return;
  const std::string motivo = ScriviFileSicuro(nome, Salvataggio());
  if (!motivo.empty())
    Errore("Impossibile salvare la partita nel file " + nome + ": " + motivo + ".");
}

// Asks for a name and a confirmation, then replaces the match with the saved
// one; a file that cannot be read or played on starts a new match instead.
void Gioco::carica_Click() {
  nomefile_ = finestra_.DialogoFile(Dialogo::Apri, kFiltroFile, "");
  const std::string nome = nomefile_;
  if (nome.empty()) return;
  if (!FileExists(nome)) {
    Errore("Il file specificato non esiste");
    return;
  }
  if (!Conferma("Sei sicuro di voler interrompere la partita in corso e caricare quella "
                "salvata in " +
                nome + "?"))
    return;

  fatti_.push_back({.tipo = Fatto::Tipo::Abbandonata, .regole = mano_.RegoleInVigore()});
  const PartitaLetta letta = LeggiPartita(LeggiFileSalvataggio(nome), stato_);
  stato_ = letta.stato;
  MostraFlag();
  if (!letta.Completa() || !PartitaGiocabile(letta.stato)) {
    CaricamentoFallito();
    return;
  }
  ContinuaPartitaLetta();
}

bool Gioco::Riprendi(std::string_view file) {
  const PartitaLetta letta = LeggiPartita(file, stato_);
  if (!letta.Completa() || !PartitaGiocabile(letta.stato)) return false;
  stato_ = letta.stato;
  MostraFlag();
  ContinuaPartitaLetta();
  return true;
}

void Gioco::ContinuaPartitaLetta() {
  RiprendiMano();
  if (stato_.flag.procedi) {
    procedi_Click();
    if (Chiusa()) return;
    MostraCarteEConto();
    return;
  }
  MostraCarteEConto();
  // A loaded turn keeps its selection and proposal: told as the click that made them.
  const int slot = stato_.cartaselezionata;
  if (!stato_.flag.giocatautente || slot < 0 || slot >= kPostiMano) return;
  const Proposta proposta =
      ProponiPresa(mano_.Terra(), stato_.SlotUtente(slot).valore,
                   static_cast<int16_t>(stato_.indicepresa - 1), mano_.RegoleInVigore());
  finestra_.AnnunciaProposta(slot, stato_.presautente,
                             proposta.totale > 0 ? proposta.indicepresa : 0, proposta.totale);
}

std::string Gioco::Salvataggio() const {
  return ScriviPartita(stato_);
}

void Gioco::MostraCarteEConto() {
  Ridisegna();
  AggiornaStatusBar();
}

// Shows every switch of the state. Those a short file did not reach are the
// ones already shown, so showing them again changes nothing.
void Gioco::MostraFlag() {
  const FlagFinestra flag = stato_.flag;
  SpuntaPuntiVittoria();
  MostraBottone(Bottone::Procedi, flag.procedi);
  MostraBottone(Bottone::GiocaUtente, flag.giocatautente);
  for (int p = 0; p < kPostiTerra; ++p) MostraShape1(p, flag.shape1[p]);
  for (int i = 0; i < kPostiMano; ++i) MostraShape2(i, flag.shape2[i]);
  for (int i = 0; i < kPostiMano; ++i) AbilitaUser(i, flag.user[i]);
}

void Gioco::ImpostaPartita(const StatoPartita& stato) {
  stato_ = stato;
  RiprendiMano();
  MostraFlag();
  MostraCarteEConto();
}

void Gioco::CaricamentoFallito() {
  Errore("Errore durante il caricamento, sarà avviata una nuova partita");
  // What was read stays, but never a selection that names no hand slot.
  int16_t& slot = stato_.cartaselezionata;
  if (slot < -1 || slot >= kPostiMano) slot = -1;
  NuovaPartitaDaCapo();
}

}  // namespace quintello
