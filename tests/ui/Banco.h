// The main window on a test bench: its dialogs answered in order from a script,
// what they showed kept, positions set up in a line.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "MettiCarte.h"
#include "controller/Gioco.h"
#include "ui/Cornice.h"
#include "ui/FinestraPrincipale.h"
#include "ui/PostoCarta.h"

namespace quintello::ui::prova {

// Answers the window's boxes and file dialogs and remembers what they showed.
struct Copione {
  std::vector<Messaggio> messaggi;
  std::function<std::optional<Risposta>(const Messaggio&)> rispondi;  // asked first
  std::deque<Risposta> risposte;  // in order; once used up, Ok (Sì for a Yes/No box)
  std::function<void(const Messaggio&)> alMessaggio;  // runs as each box "shows"

  std::vector<QStringList> filtri;
  std::vector<std::string> nomiIniziali;
  std::string fileScelto;

  Risposte Collega() {
    Risposte r;
    r.messaggio = [this](const Messaggio& m) {
      messaggi.push_back(m);
      if (alMessaggio) alMessaggio(m);
      if (rispondi) {
        if (const std::optional<Risposta> risposta = rispondi(m)) return *risposta;
      }
      if (!risposte.empty()) {
        const Risposta risposta = risposte.front();
        risposte.pop_front();
        return risposta;
      }
      return m.pulsanti == Pulsanti::SiNo ? Risposta::Si : Risposta::Ok;
    };
    r.file = [this](Dialogo, const QStringList& f, const std::string& nome) {
      filtri.push_back(f);
      nomiIniziali.push_back(nome);
      return fileScelto;
    };
    return r;
  }

  bool HaMostrato(std::string_view titolo) const {
    for (const Messaggio& m : messaggi)
      if (m.titolo == titolo) return true;
    return false;
  }
};

using quintello::prova::Metti;

inline QString Indicizzato(const char* nome, int i) {
  return QStringLiteral("%1(%2)").arg(QLatin1StringView(nome)).arg(i);
}

template <typename T>
T* Controllo(QWidget& finestra, const QString& nome) {
  T* controllo = finestra.findChild<T*>(nome);
  if (!controllo) qFatal("manca il controllo %s", qPrintable(nome));
  return controllo;
}

inline PostoCarta* Terra(QWidget& f, int i) {
  return Controllo<PostoCarta>(f, Indicizzato("terra", i));
}
inline PostoCarta* User(QWidget& f, int i) {
  return Controllo<PostoCarta>(f, Indicizzato("user", i));
}
inline PostoCarta* PC(QWidget& f, int i) {
  return Controllo<PostoCarta>(f, Indicizzato("pc", i));
}
inline Cornice* Shape1(QWidget& f, int i) {
  return Controllo<Cornice>(f, Indicizzato("Shape1", i));
}
inline Cornice* Shape2(QWidget& f, int i) {
  return Controllo<Cornice>(f, Indicizzato("Shape2", i));
}
inline QAbstractButton* Bottone(QWidget& f, const char* nome) {
  return Controllo<QAbstractButton>(f, QString::fromLatin1(nome));
}

// An empty match ready for the user's turn with this table and these hands; the
// other cards stay in the deck.
inline void Prepara(FinestraPrincipale& f, std::string_view terra, std::string_view pc,
                    std::string_view utente) {
  StatoPartita stato = f.gioco().Stato();
  stato.carte.Azzera();
  Metti(stato.carte, terra, quintello::Terra);
  Metti(stato.carte, pc, ManoPC);
  Metti(stato.carte, utente, ManoUtente);
  stato.RegistraManoUtente();
  stato.cartaselezionata = -1;
  stato.indicepresa = 0;
  stato.flag.shape1.fill(false);
  stato.flag.shape2.fill(false);
  stato.flag.user.fill(true);
  stato.flag.procedi = false;
  stato.flag.giocatautente = true;
  f.gioco().ImpostaPartita(stato);
}

// The table places whose frame is shown, from the widgets themselves.
inline QList<int> CorniciTerraVisibili(QWidget& f) {
  QList<int> posti;
  for (int i = 0; i < kPostiTerra; ++i)
    if (!Shape1(f, i)->isHidden()) posti << i;
  return posti;
}

// A window whose first hand the user (true) or the computer deals: after the deal
// the computer has played its first card, or the user's first card is selected.
inline uint64_t SemeCon(bool utenteDa) {
  for (uint64_t seme = 1;; ++seme) {
    Copione copione;
    FinestraPrincipale f(seme, copione.Collega());
    if (f.gioco().Stato().mazziere == (utenteDa ? 1 : 0)) return seme;
  }
}

// Runs `azione` on the modal widget once it is up, from inside its own event loop;
// closes it if `azione` left it open (a failed check), so the test cannot hang.
inline void QuandoModale(std::function<void(QWidget*)> azione) {
  auto* attesa = new QTimer(qApp);
  attesa->setInterval(10);
  QObject::connect(attesa, &QTimer::timeout, [attesa, azione] {
    QWidget* modale = QApplication::activeModalWidget();
    if (!modale || !modale->isVisible()) return;
    attesa->stop();
    attesa->deleteLater();
    const QPointer<QWidget> aperto(modale);
    azione(modale);
    if (aperto && aperto->isVisible()) aperto->close();
  });
  attesa->start();
}

}  // namespace quintello::ui::prova
