// Everything the game asks of its window.
//
// The game logic never draws: its controller makes these requests, and the Qt
// window, the headless driver and the tests' recorder each carry them out.
// What is switched on and off is kept in the match state, not here.
#pragma once

#include <string>

#include "engine/Carta.h"
#include "engine/Carte.h"
#include "engine/Giocatore.h"
#include "engine/Regole.h"

namespace quintello {

enum class Bottone { GiocaUtente, Procedi };              // the two "Ok" buttons
enum class Obiettivo { Sette, Undici, Sedici, Ventuno };  // the target menu's items
// The computer's way of playing, in the order of its menu, weakest first.
enum class Avversario { Principiante, Classico, Esperto, Campione };
inline constexpr int kAvversari = 4;
enum class Pulsanti { Ok, SiNo };
enum class Icona { Nessuna, Informazione, Esclamazione, Critica };
enum class Risposta { Ok, Si, No };
enum class Dialogo { Apri, Salva };

// The filter list of the saved-game dialogs, pairs of "description|pattern".
inline constexpr const char* kFiltroFile = "File .qnt|*.qnt|Tutti i file (*.*)|*.*";
// The title of every box that has none of its own.
inline constexpr const char* kTitoloApplicazione = "Quintello";

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

  virtual void MostraShape1(int posto, bool visibile) = 0;  // a table place's frame
  virtual void MostraShape2(int posto, bool visibile) = 0;  // a user's hand place's frame
  virtual void MostraBottone(Bottone bottone, bool visibile) = 0;
  virtual void AbilitaUser(int posto, bool abilitato) = 0;
  virtual void SpuntaObiettivo(Obiettivo obiettivo, bool spuntato) = 0;
  // The house rules: those chosen, which the menu shows, and those of the
  // hand in play; a choice made during a hand holds from the next one.
  virtual void MostraRegole(const Regole& /*scelte*/, const Regole& /*inVigore*/) {}

  // For those who follow the game by ear rather than by sight. The card in the
  // user's hand place `posto` is selected and would take `presa` (a capture
  // string, "" for nothing), proposal `numero` of `totale` (0 of 0 for none).
  virtual void AnnunciaProposta(int /*posto*/, const std::string& /*presa*/, int /*numero*/,
                                int /*totale*/) {}
  // A play has been made: who played which card, what it took ("" when the
  // card was laid on the table), and whether it swept the table.
  virtual void AnnunciaGiocata(Giocatore /*chi*/, Carta /*carta*/, const std::string& /*presa*/,
                               bool /*scopa*/) {}
  // The hint has selected its choice: why it is the play to make.
  virtual void AnnunciaSuggerimento(const std::string& /*perche*/) {}

  // Modal; returns once the user has closed the box, with the button pressed.
  virtual Risposta MsgBox(const Messaggio& messaggio) = 0;
  // Modal; the chosen path, or "" when cancelled.
  virtual std::string DialogoFile(Dialogo tipo, const std::string& filtro,
                                  const std::string& nomeIniziale) = 0;
  // Opens the address in the user's browser, telling the user when it cannot.
  virtual void LaunchBrowser(const std::string& indirizzo) = 0;
  // Closes the window and ends the program once the running handler returns.
  virtual void Chiudi() = 0;
};

}  // namespace quintello
