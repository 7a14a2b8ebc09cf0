// The main window: carries out what the game asks and forwards every user action to it.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "controller/Comandi.h"
#include "controller/Finestra.h"
#include "controller/Gioco.h"
#include "engine/StatoPartita.h"
#include "pittore/CacheCarte.h"
#include "profilo/Custode.h"
#include "ui/ArchivioQSettings.h"
#include "ui/Risposte.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace quintello::ui {

class Cornice;
class GuidaFuoco;
class PostoCarta;
class TavoloScalabile;

class FinestraPrincipale : public QMainWindow, public Finestra {
  Q_OBJECT

 public:
  // Builds the controls, centred on the screen, then runs the game's start-up: its first
  // box shows before the window does. Without a seed the game takes one from the system.
  // With a profile the match left open there is resumed and kept after every event,
  // the choices and the window's size remembered, the statistics kept; without one,
  // nothing is read or written.
  explicit FinestraPrincipale(std::optional<uint64_t> seme = std::nullopt, Risposte risposte = {},
                              std::optional<Profilo> profilo = std::nullopt);
  ~FinestraPrincipale() override;

  Gioco& gioco() { return *gioco_; }
  Custode& custode() { return custode_; }
  // True once the game has closed the window, maybe already during start-up.
  bool Chiusa() const { return gioco_ && gioco_->Chiusa(); }
  // When set, these answer in place of the modal dialogs.
  Risposte risposte;

  void Ridisegna(const Carte& carte) override;
  void DisegnaCartePC(Carta carta, int posto) override;
  void AggiornaStatusBar(const std::string& testo) override;
  void MostraShape1(int posto, bool visibile) override;
  void MostraShape2(int posto, bool visibile) override;
  void MostraBottone(Bottone bottone, bool visibile) override;
  void AbilitaUser(int posto, bool abilitato) override;
  void SpuntaObiettivo(Obiettivo obiettivo, bool spuntato) override;
  void MostraRegole(const Regole& scelte, const Regole& inVigore) override;
  Risposta MsgBox(const Messaggio& messaggio) override;
  std::string DialogoFile(Dialogo tipo, const std::string& filtro,
                          const std::string& nomeIniziale) override;
  void LaunchBrowser(const std::string& indirizzo) override;
  void Chiudi() override;
  void AnnunciaProposta(int posto, const std::string& presa, int numero, int totale) override;
  void AnnunciaGiocata(Giocatore chi, Carta carta, const std::string& presa, bool scopa) override;
  void AnnunciaSuggerimento(const std::string& perche) override;

 protected:
  void keyPressEvent(QKeyEvent* evento) override;
  bool focusNextPrevChild(bool avanti) override;
  void changeEvent(QEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;

 private:
  void CreaControlli();
  void CreaTavolo(QWidget* area);
  void CreaMani(QWidget* area);
  void CreaBottoni(QWidget* area);
  void CreaMenu();
  void CreaStatusBar();
  void Dimensiona();
  void CentraSulloSchermo();

  PostoCarta* NuovoPosto(QWidget* padre, const QString& nome, QPoint dove);
  Cornice* NuovaCornice(QWidget* padre, QRgb colore, const QString& nome, QPoint dove);
  // Each control is named after its command, whose handler it calls.
  QPushButton* NuovoBottone(QWidget* area, const char* nome, const QString& testo, QRect dove);
  QAction* NuovaVoce(QMenu* menu, const QString& testo, const char* nome);

  void Inoltra(Gestore click);
  // The review of the last hand, worked out away from the window's thread.
  void Rivedi();
  void SincronizzaRevisione();
  // Once an event is over: the match kept, and anything to tell in the status line.
  void DopoEvento();
  void MostraAvvisi();
  void ApriStatistiche();
  void SincronizzaObiettivi();
  void SincronizzaAvversario();
  void CliccaUser(int indice);
  void CliccaOk();
  void TornaAttiva();

  ArchivioQSettings archivio_;
  Custode custode_;
  pittore::CacheCarte immagini_;
  TavoloScalabile* tavolo_ = nullptr;
  std::array<PostoCarta*, kPostiTerra> terra_{};
  std::array<Cornice*, kPostiTerra> shape1_{};
  std::array<PostoCarta*, kPostiMano> user_{};
  std::array<PostoCarta*, kPostiMano> pc_{};
  std::array<Cornice*, kPostiMano> shape2_{};
  QPushButton* giocatautente_ = nullptr;
  QPushButton* procedi_ = nullptr;
  std::array<QPushButton*, 2> donazioni_{};  // Command1, Command2
  std::array<QAction*, kObiettivi> obiettivi_{};
  std::array<QAction*, kAvversari> avversari_{};
  std::array<QAction*, kRegole> regole_{};
  QAction* rivedi_ = nullptr;
  bool revisioneInCorso_ = false;
  QLabel* status_ = nullptr;
  QLabel* avviso_ = nullptr;  // a notice in the status line, in the count's place for a while
  QTimer fineAvviso_;
  // Keyboard focus and what a screen reader says, beyond the controls' looks.
  std::unique_ptr<GuidaFuoco> guida_;
  std::unique_ptr<Gioco> gioco_;
};

}  // namespace quintello::ui
