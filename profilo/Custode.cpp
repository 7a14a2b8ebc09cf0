#include "profilo/Custode.h"

#include <algorithm>

#include "controller/Comandi.h"
#include "engine/Mazzo.h"
#include "scoring/Obiettivo.h"

namespace quintello {

bool PartitaIniziata(const StatoPartita& s) {
  constexpr int kMazzoIntatto = kCarteMazzo - 2 * kCarteMano - kCarteTerraIniziali;
  return s.punteggiopc != 0 || s.punteggiouser != 0 || s.carte.Conta(Mazzo) != kMazzoIntatto ||
         s.carte.Conta(ManoUtente) != kCarteMano;
}

Custode::Custode(std::optional<Profilo> profilo, ArchivioImpostazioni& archivio)
    : profilo_(std::move(profilo)), archivio_(archivio) {
  LeggiImpostazioni();
}

void Custode::Avvia(Gioco& gioco) {
  statistiche_ = LeggiStatistiche();
  // The remembered opponent, chosen as its menu item would.
  (gioco.*Comandi().at(NomeAvversario(scelte_.avversario)))();
  for (Regola r : kTutteLeRegole) gioco.ImpostaRegola(r, scelte_.regole[r]);
  bool ripresa = false;
  if (profilo_) {
    const FileProfilo file = LeggiFileProfilo(profilo_->partita, kLimiteFileProfilo);
    ripresa = file.esito == FileProfilo::Esito::Letto && gioco.Riprendi(file.testo);
    if (ripresa) {
      conservata_ = file.testo;
      avvisi_.push_back(kAvvisoRipresa);
    } else if (file.esito != FileProfilo::Esito::Assente) {
      MettiDaParte(profilo_->partita);
    }
  }
  if (!ripresa) gioco.Form_Load(scelte_.puntivittoria);
  DopoEvento(gioco);
}

void Custode::LeggiImpostazioni() {
  if (!profilo_) return;
  const FileProfilo file = LeggiFileProfilo(profilo_->impostazioni, kLimiteFileProfilo);
  if (file.esito == FileProfilo::Esito::Assente) return;
  if (file.esito == FileProfilo::Esito::Guasto || !ImpostazioniLeggibili(file.testo)) {
    MettiDaParte(profilo_->impostazioni);
    return;
  }
  const Valori valori = archivio_.Leggi(profilo_->impostazioni);
  scelte_ = ScelteDa(valori);
  finestra_ = FinestraDa(valori);
}

void Custode::DopoEvento(Gioco& gioco) {
  const std::vector<Fatto> fatti = gioco.PrendiFatti();
  const bool finita = std::ranges::any_of(fatti, [](const Fatto& f) {
    return f.tipo == Fatto::Tipo::Vinta || f.tipo == Fatto::Tipo::Persa;
  });
  if (!fatti.empty()) {
    Statistiche statistiche = LeggiStatistiche();
    for (const Fatto& fatto : fatti)
      if (fatto.tipo != Fatto::Tipo::Abbandonata || PartitaIniziata(prima_))
        Registra(statistiche[{gioco.AvversarioScelto(), fatto.regole}], fatto);
    SalvaStatistiche(statistiche);
  }
  // A match over and not played again leaves nothing to resume.
  ConservaPartita(gioco.Chiusa() && finita ? "" : gioco.Salvataggio());
  prima_ = gioco.Stato();

  Scelte scelte{gioco.AvversarioScelto(), scelte_.puntivittoria, gioco.RegoleScelte()};
  // Only a target the menu offers: a loaded game may bring any.
  if (std::ranges::find(kPuntiObiettivo, gioco.Stato().puntivittoria) != kPuntiObiettivo.end())
    scelte.puntivittoria = gioco.Stato().puntivittoria;
  if (scelte != scelte_ && profilo_) archivio_.Scrivi(profilo_->impostazioni, ValoriDi(scelte));
  scelte_ = scelte;
}

void Custode::ConservaPartita(const std::string& righe) {
  if (righe == conservata_ || !profilo_) return;
  if (righe.empty()) {
    RimuoviFileProfilo(profilo_->partita);
  } else if (!ScriviFileProfilo(profilo_->partita, righe)) {
    return;  // tried again after the next event
  }
  conservata_ = righe;
}

Statistiche Custode::LeggiStatistiche() {
  if (!profilo_) return statistiche_;
  const FileProfilo file = LeggiFileProfilo(profilo_->statistiche, kLimiteFileProfilo);
  if (file.esito == FileProfilo::Esito::Assente) return {};
  if (file.esito == FileProfilo::Esito::Letto)
    if (std::optional<Statistiche> lette = quintello::LeggiStatistiche(file.testo)) return *lette;
  MettiDaParte(profilo_->statistiche);
  avvisi_.push_back(kAvvisoStatistiche);
  return {};
}

void Custode::AzzeraStatistiche() {
  SalvaStatistiche({});
}

void Custode::SalvaStatistiche(const Statistiche& statistiche) {
  statistiche_ = statistiche;
  if (profilo_) ScriviFileProfilo(profilo_->statistiche, ScriviStatistiche(statistiche));
}

void Custode::RicordaFinestra(const DimensioniFinestra& finestra) {
  if (finestra_ == finestra) return;
  finestra_ = finestra;
  if (profilo_) archivio_.Scrivi(profilo_->impostazioni, ValoriDi(finestra));
}

}  // namespace quintello
