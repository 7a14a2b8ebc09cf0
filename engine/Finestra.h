// Everything the game asks of its window, and the window states it reads back.
//
// The game logic never draws: it makes these requests, and the Qt window, the
// headless driver and the tests' recorder each carry them out. The flags the
// logic switches are kept here, once, so every implementation reads them back
// the same way; a subclass that overrides a flag request calls the base first
// and then shows the change.
#pragma once

#include <array>
#include <string>

#include "engine/Carta.h"
#include "engine/Carte.h"
#include "engine/Giocatore.h"
#include "engine/StatoPartita.h"

namespace quintello {

inline constexpr int kPostiTerra = 15;
inline constexpr int kObiettivi = 4;

enum class Bottone { GiocaUtente, Procedi };              // the two "Ok" buttons
enum class Obiettivo { Sette, Undici, Sedici, Ventuno };  // the target menu's items
enum class Pulsanti { Ok, SiNo };
enum class Icona { Nessuna, Informazione, Esclamazione, Critica };
enum class Risposta { Ok, Si, No };
enum class Dialogo { Apri, Salva };

// The filter list of the saved-game dialogs, pairs of "description|pattern".
inline constexpr const char* kFiltroFile = "File .qnt|*.qnt|Tutti i file (*.*)|*.*";
// The title of every box that has none of its own.
inline constexpr const char* kTitoloApplicazione = "Quintello";

struct FlagFinestra {
  bool giocatautente = true;
  bool procedi = true;
  std::array<bool, kPostiTerra> shape1;  // frames around the table places
  std::array<bool, kPostiMano> shape2;   // frames around the user's hand places
  std::array<bool, kPostiMano> user;     // the user's hand places accept clicks
  std::array<bool, kObiettivi> obiettivo{false, true, false, false};  // 11 at start

  FlagFinestra() {
    shape1.fill(true);
    shape2.fill(true);
    user.fill(true);
  }
  bool operator==(const FlagFinestra&) const = default;
};

struct Messaggio {
  std::string testo;
  std::string titolo = kTitoloApplicazione;
  Pulsanti pulsanti = Pulsanti::Ok;
  Icona icona = Icona::Nessuna;
};

class Finestra {
 public:
  virtual ~Finestra() = default;

  // Shows the table places, the user's and the computer's hand from `carte`:
  // table and user cards face up in card order, as many hidden computer cards
  // as it holds, every place beyond them empty.
  virtual void Ridisegna(const Carte& carte) = 0;
  // Shows a card the computer plays face up in its hand place `posto`.
  virtual void DisegnaCartePC(Carta carta, int posto) = 0;
  virtual void AggiornaStatusBar(const std::string& testo) = 0;

  virtual void MostraShape1(int posto, bool visibile) { flag_.shape1.at(posto) = visibile; }
  virtual void MostraShape2(int posto, bool visibile) { flag_.shape2.at(posto) = visibile; }
  virtual void MostraBottone(Bottone b, bool visibile) {
    (b == Bottone::GiocaUtente ? flag_.giocatautente : flag_.procedi) = visibile;
  }
  virtual void AbilitaUser(int posto, bool abilitato) { flag_.user.at(posto) = abilitato; }
  virtual void SpuntaObiettivo(Obiettivo o, bool spuntato) {
    flag_.obiettivo.at(static_cast<int>(o)) = spuntato;
  }
  const FlagFinestra& Flag() const { return flag_; }

  void ShapeTerraInvisibili() {
    for (int p = 0; p < kPostiTerra; ++p) MostraShape1(p, false);
  }
  void ShapeUserInvisibili() {
    for (int i = 0; i < kPostiMano; ++i) MostraShape2(i, false);
  }

  // For those who follow the game by ear rather than by sight. The card in the
  // user's hand place `posto` is selected and would take `presa` (a capture
  // string, "" for nothing), proposal `numero` of `totale` (0 of 0 for none).
  virtual void AnnunciaProposta(int /*posto*/, const std::string& /*presa*/, int /*numero*/,
                                int /*totale*/) {}
  // A play has been made: who played which card, what it took ("" when the
  // card was laid on the table), and whether it swept the table.
  virtual void AnnunciaGiocata(Giocatore /*chi*/, Carta /*carta*/, const std::string& /*presa*/,
                               bool /*scopa*/) {}

  // Modal; returns once the user has closed the box, with the button pressed.
  virtual Risposta MsgBox(const Messaggio& messaggio) = 0;
  // Modal; the chosen path, or "" when cancelled.
  virtual std::string DialogoFile(Dialogo tipo, const std::string& filtro,
                                  const std::string& nomeIniziale) = 0;
  // Opens the address in the user's browser, telling the user when it cannot.
  virtual void LaunchBrowser(const std::string& indirizzo) = 0;

  // Closes the window and ends the program once the running handler returns.
  virtual void Chiudi() { chiusa_ = true; }
  bool Chiusa() const { return chiusa_; }

 private:
  FlagFinestra flag_;
  bool chiusa_ = false;
};

}  // namespace quintello
