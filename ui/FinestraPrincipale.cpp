#include "ui/FinestraPrincipale.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <memory>

#include "controller/Comandi.h"
#include "controller/Gioco.h"
#include "engine/Generatore.h"
#include "scoring/Obiettivo.h"
#include "ui/Accessibilita.h"
#include "ui/Colori.h"
#include "ui/Cornice.h"
#include "ui/DialogoFile.h"
#include "ui/DialogoRevisione.h"
#include "ui/DialogoStatistiche.h"
#include "ui/Disposizione.h"
#include "ui/GuidaFuoco.h"
#include "ui/LaunchBrowser.h"
#include "ui/MsgBox.h"
#include "ui/PostoCarta.h"
#include "ui/Scalatura.h"

namespace quintello::ui {

namespace {

const QString kTestoOk = QStringLiteral("Ok");
const QString kDonazione = QStringLiteral("Ti piace questo programma? Fai una donazione!");
constexpr int kOmbraBordo = 133;  // QColor::darker factors for the donation buttons' border
constexpr int kOmbraFuoco = 266;

// A stylesheet, as the style's own button colour would not show through.
QString StileDonazione() {
  const QColor verde(kVerdeDonazione);
  return QStringLiteral(
             "QPushButton { background-color: %1; border: 2px outset %2; }"
             "QPushButton:pressed { border-style: inset; }"
             "QPushButton:focus { border-color: %3; }")
      .arg(verde.name(), verde.darker(kOmbraBordo).name(), verde.darker(kOmbraFuoco).name());
}

// What a screen reader says for the buttons, whose captions say little alone.
const QString kAccessibileGioca = QStringLiteral("Ok, gioca la carta scelta");
const QString kAccessibileProcedi = QStringLiteral("Ok, continua");
const std::array kAccessibileDonazione{QStringLiteral("Fai una donazione, in alto"),
                                       QStringLiteral("Fai una donazione, in basso")};

constexpr int kMargineTesto = 4;  // between a caption and the sides of its button
constexpr qreal kPassoCarattere = 0.5;
constexpr qreal kCarattereMinimo = 6;
constexpr int kDurataAvviso = 5000;  // ms a notice stays in the status line

// The captions were laid out for a narrower font than Linux desktops use: a caption
// that does not fit its button gets a smaller font rather than losing its ends.
void AdattaCarattere(QPushButton* bottone) {
  QFont carattere = bottone->font();
  const int spazio = bottone->width() - 2 * kMargineTesto;
  while (QFontMetrics(carattere).horizontalAdvance(bottone->text()) > spazio &&
         carattere.pointSizeF() - kPassoCarattere >= kCarattereMinimo) {
    carattere.setPointSizeF(carattere.pointSizeF() - kPassoCarattere);
  }
  bottone->setFont(carattere);
}

// The target menu's items: the points as caption, the command as name.
constexpr std::array<const char*, kObiettivi> kVociObiettivo{"sette", "undici", "sedici",
                                                             "ventuno"};

// The opponent menu's items.
struct VoceAvversario {
  const char* testo;
  const char* nome;
};
constexpr std::array<VoceAvversario, kAvversari> kVociAvversario{{{"&Principiante", "principiante"},
                                                                  {"&Classico", "classico"},
                                                                  {"&Esperto", "esperto"},
                                                                  {"Ca&mpione", "campione"}}};

QString Indicizzato(const char* nome, int indice) {
  return QStringLiteral("%1(%2)").arg(QLatin1StringView(nome)).arg(indice);
}

void ColoraSfondo(QWidget* widget, QColor colore) {
  QPalette colori = widget->palette();
  colori.setColor(QPalette::Window, colore);
  widget->setPalette(colori);
  widget->setAutoFillBackground(true);
}

template <std::size_t N>
void MostraInPosto(const std::array<PostoCarta*, N>& posti, int indice, Carta carta) {
  if (indice >= static_cast<int>(N)) return;  // more cards than places: never out of range
  posti[indice]->MostraCarta(carta);
  posti[indice]->show();
}

}  // namespace

FinestraPrincipale::FinestraPrincipale(std::optional<uint64_t> seme, Risposte risposte,
                                       std::optional<Profilo> profilo)
    : risposte(std::move(risposte)), custode_(std::move(profilo), archivio_) {
  InstallaAccessibilita();
  setWindowTitle(QString::fromLatin1(kTitoloApplicazione));
  ColoraSfondo(this, palette().color(QPalette::Button));
  CreaControlli();
  CreaMenu();
  CreaStatusBar();
  guida_ = std::make_unique<GuidaFuoco>(
      *this, GuidaFuoco::Controlli{user_, terra_, giocatautente_, procedi_, donazioni_,
                                   findChild<QFrame*>(QStringLiteral("Frame1")), status_,
                                   findChild<QAction*>(QStringLiteral("suggerimento"))});
  Dimensiona();
  // Placed before the start-up, so its first box shows over where the window will be.
  CentraSulloSchermo();
  gioco_ = std::make_unique<Gioco>(*this, seme ? *seme : Generatore::SemeCasuale());
  custode_.Avvia(*gioco_);
  SincronizzaObiettivi();
  SincronizzaAvversario();
  // Once the window shows: a status message set before would not hide the count under it.
  QTimer::singleShot(0, this, &FinestraPrincipale::MostraAvvisi);
}

FinestraPrincipale::~FinestraPrincipale() = default;

void FinestraPrincipale::CreaControlli() {
  tavolo_ = new TavoloScalabile(kAreaControlli.size(), kVerdeTavolo, this);
  QWidget* area = tavolo_->Area();
  ColoraSfondo(area, palette().color(QPalette::Button));
  setCentralWidget(tavolo_);
  CreaTavolo(area);
  CreaMani(area);
  CreaBottoni(area);
}

void FinestraPrincipale::CreaTavolo(QWidget* area) {
  auto* frame = new QFrame(area);
  frame->setObjectName(QStringLiteral("Frame1"));
  frame->setFrameShape(QFrame::NoFrame);
  frame->setGeometry(kFrame1);
  ColoraSfondo(frame, kVerdeTavolo);
  for (int i = 0; i < kPostiTerra; ++i) {
    terra_[i] = NuovoPosto(frame, Indicizzato("terra", i), InGriglia(kPrimaTerra, i));
  }
  // Created after the cards, so drawn over them.
  for (int i = 0; i < kPostiTerra; ++i) {
    shape1_[i] = NuovaCornice(frame, i == 0 ? kCianoChiaro : kCiano, Indicizzato("Shape1", i),
                              InGriglia(kPrimaShape1, i));
  }
}

void FinestraPrincipale::CreaMani(QWidget* area) {
  for (int i = 0; i < kPostiMano; ++i) {
    pc_[i] = NuovoPosto(area, Indicizzato("pc", i), InFila(kPrimoPC, i));
  }
  for (int i = 0; i < kPostiMano; ++i) {
    user_[i] = NuovoPosto(area, Indicizzato("user", i), InFila(kPrimoUser, i));
    connect(user_[i], &PostoCarta::cliccato, this, [this, i] { CliccaUser(i); });
  }
  for (int i = 0; i < kPostiMano; ++i) {
    shape2_[i] = NuovaCornice(area, kRosso, Indicizzato("Shape2", i), InFila(kPrimaShape2, i));
  }
}

void FinestraPrincipale::CreaBottoni(QWidget* area) {
  donazioni_ = {NuovoBottone(area, "Command1", kDonazione, kCommand1),
                NuovoBottone(area, "Command2", kDonazione, kCommand2)};
  for (std::size_t d = 0; d < donazioni_.size(); ++d) {
    donazioni_[d]->setStyleSheet(StileDonazione());
    AdattaCarattere(donazioni_[d]);
    donazioni_[d]->setAccessibleName(kAccessibileDonazione[d]);
  }
  giocatautente_ = NuovoBottone(area, "giocatautente", kTestoOk, kBottoneOk);
  giocatautente_->setAccessibleName(kAccessibileGioca);
  procedi_ = NuovoBottone(area, "procedi", kTestoOk, kBottoneOk);
  procedi_->setAccessibleName(kAccessibileProcedi);
}

void FinestraPrincipale::CreaMenu() {
  // In the window on every desktop, so the client area keeps its size.
  menuBar()->setNativeMenuBar(false);

  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  NuovaVoce(file, QStringLiteral("&Nuova partita"), "newpart");
  NuovaVoce(file, QStringLiteral("&Salva partita"), "salva");
  NuovaVoce(file, QStringLiteral("&Carica"), "carica");
  NuovaVoce(file, QStringLiteral("&Esci"), "esci");

  QMenu* punteggio = menuBar()->addMenu(QStringLiteral("&Punteggio"));
  for (int o = 0; o < kObiettivi; ++o) {
    QAction* azione = punteggio->addAction(QString::number(kPuntiObiettivo[o]));
    azione->setObjectName(QString::fromLatin1(kVociObiettivo[o]));
    azione->setCheckable(true);
    // Qt has already flipped the mark when this runs; the game's flags decide it.
    connect(azione, &QAction::triggered, this, [this, click = Comandi().at(kVociObiettivo[o])] {
      Inoltra(click);
      SincronizzaObiettivi();
    });
    obiettivi_[o] = azione;
  }
  SincronizzaObiettivi();

  QMenu* avversario = menuBar()->addMenu(QStringLiteral("&Avversario"));
  for (int a = 0; a < kAvversari; ++a) {
    QAction* azione = avversario->addAction(QString::fromUtf8(kVociAvversario[a].testo));
    azione->setObjectName(QString::fromLatin1(kVociAvversario[a].nome));
    azione->setCheckable(true);
    azione->setChecked(a == static_cast<int>(Avversario::Classico));
    connect(azione, &QAction::triggered, this,
            [this, click = Comandi().at(kVociAvversario[a].nome)] {
              Inoltra(click);
              SincronizzaAvversario();
            });
    avversari_[a] = azione;
  }

  QMenu* regole = menuBar()->addMenu(QStringLiteral("&Regole"));
  for (Regola r : kTutteLeRegole) {
    const std::string nome(NomeRegola(r));
    QAction* azione = NuovaVoce(regole, QString::fromUtf8(TitoloRegola(r)), nome.c_str());
    azione->setCheckable(true);
    regole_[static_cast<int>(r)] = azione;
  }

  QMenu* aiuto = menuBar()->addMenu(QStringLiteral("&?"));
  NuovaVoce(aiuto, QStringLiteral("&Informazioni"), "Info");
  NuovaVoce(aiuto, QStringLiteral("Fai una &donazione"), "mnuDona");
  // The guide reads the hint's choice once it is made.
  QAction* suggerimento = aiuto->addAction(QStringLiteral("&Suggerimento"));
  suggerimento->setObjectName(QStringLiteral("suggerimento"));
  suggerimento->setShortcut(QKeySequence(Qt::Key_S));
  connect(suggerimento, &QAction::triggered, this, [this, click = Comandi().at("suggerimento")] {
    guida_->Suggerisci([this, click] { Inoltra(click); });
  });
  rivedi_ = aiuto->addAction(QStringLiteral("&Rivedi la mano"));
  rivedi_->setObjectName(QStringLiteral("revisione"));
  rivedi_->setShortcut(QKeySequence(Qt::Key_R));
  rivedi_->setEnabled(false);
  connect(rivedi_, &QAction::triggered, this, &FinestraPrincipale::Rivedi);
  QAction* statistiche = aiuto->addAction(QStringLiteral("S&tatistiche..."));
  statistiche->setObjectName(QStringLiteral("statistiche"));
  connect(statistiche, &QAction::triggered, this, &FinestraPrincipale::ApriStatistiche);
}

void FinestraPrincipale::CreaStatusBar() {
  QStatusBar* barra = statusBar();
  barra->setSizeGripEnabled(false);
  barra->setFixedHeight(kStatusBar.height());
  status_ = new QLabel(barra);
  status_->setObjectName(QStringLiteral("StatusBar"));
  status_->setTextFormat(Qt::PlainText);
  QFont grassetto = status_->font();
  grassetto.setBold(true);
  status_->setFont(grassetto);
  barra->addWidget(status_, 1);
}

// Never smaller than the table at 1x; as large as it was left, within the screen.
void FinestraPrincipale::Dimensiona() {
  const QSize minima(kClient.width(), menuBar()->sizeHint().height() + kClient.height());
  setMinimumSize(minima);
  resize(minima);
  const std::optional<DimensioniFinestra> lasciata = custode_.Finestra();
  if (!lasciata) return;
  resize(QSize(lasciata->larghezza, lasciata->altezza)
             .boundedTo(screen()->availableGeometry().size())
             .expandedTo(minima));
  if (lasciata->massimizzata) setWindowState(Qt::WindowMaximized);
}

void FinestraPrincipale::resizeEvent(QResizeEvent* evento) {
  QMainWindow::resizeEvent(evento);
  // The status line grows with the table, as part of the client area at 1x.
  const qreal scala = std::min(qreal(width()) / kClient.width(),
                               qreal(height() - menuBar()->sizeHint().height()) / kClient.height());
  statusBar()->setFixedHeight(qRound(kStatusBar.height() * scala));
  Scala(statusBar(), scala);
}

void FinestraPrincipale::closeEvent(QCloseEvent* evento) {
  const QSize normale = isMaximized() ? normalGeometry().size() : size();
  custode_.RicordaFinestra({normale.width(), normale.height(), isMaximized()});
  QMainWindow::closeEvent(evento);
}

PostoCarta* FinestraPrincipale::NuovoPosto(QWidget* padre, const QString& nome, QPoint dove) {
  auto* posto = new PostoCarta(immagini_, padre);
  posto->setObjectName(nome);
  posto->setGeometry(QRect(dove, kPosto));
  return posto;
}

Cornice* FinestraPrincipale::NuovaCornice(QWidget* padre, QRgb colore, const QString& nome,
                                          QPoint dove) {
  auto* cornice = new Cornice(QColor(colore), kBordoCornice, padre);
  cornice->setObjectName(nome);
  cornice->setGeometry(QRect(dove, kCornice));
  return cornice;
}

QPushButton* FinestraPrincipale::NuovoBottone(QWidget* area, const char* nome, const QString& testo,
                                              QRect dove) {
  auto* bottone = new QPushButton(testo, area);
  bottone->setObjectName(QString::fromLatin1(nome));
  const Gestore click = Comandi().at(nome);
  bottone->setGeometry(dove);
  connect(bottone, &QPushButton::clicked, this, [this, click] { Inoltra(click); });
  return bottone;
}

QAction* FinestraPrincipale::NuovaVoce(QMenu* menu, const QString& testo, const char* nome) {
  QAction* azione = menu->addAction(testo);
  azione->setObjectName(QString::fromLatin1(nome));
  const Gestore click = Comandi().at(nome);
  connect(azione, &QAction::triggered, this, [this, click] { Inoltra(click); });
  return azione;
}

void FinestraPrincipale::CentraSulloSchermo() {
  // Before the first show the frame is unknown: the window's own size is close enough.
  QRect dove(QPoint(), frameGeometry().size());
  dove.moveCenter(screen()->availableGeometry().center());
  move(dove.topLeft());
}

void FinestraPrincipale::Inoltra(Gestore click) {
  (gioco_.get()->*click)();
  DopoEvento();
}

void FinestraPrincipale::SincronizzaRevisione() {
  rivedi_->setEnabled(!revisioneInCorso_ && gioco_->Azioni().revisione);
}

void FinestraPrincipale::Rivedi() {
  if (revisioneInCorso_ || !gioco_->Azioni().revisione) return;
  revisioneInCorso_ = true;
  SincronizzaRevisione();
  QGuiApplication::setOverrideCursor(Qt::BusyCursor);
  auto revisione = std::make_shared<Revisione>();
  QThread* lavoro =
      QThread::create([revisione, rivedi = gioco_->Revisore()] { *revisione = rivedi(); });
  connect(lavoro, &QThread::finished, this, [this, lavoro, revisione] {
    lavoro->deleteLater();
    QGuiApplication::restoreOverrideCursor();
    DialogoRevisione dialogo(*revisione, immagini_, this);
    dialogo.exec();
    TornaAttiva();
    revisioneInCorso_ = false;
    SincronizzaRevisione();
  });
  lavoro->start();
}

void FinestraPrincipale::DopoEvento() {
  custode_.DopoEvento(*gioco_);
  MostraAvvisi();
  SincronizzaRevisione();
}

// A notice takes the count's place in the status line for a few seconds; the count, kept up
// to date meanwhile, comes back after. (A status bar message of Qt's own would let the count
// show through it again whenever the scaled table changes the bar's font.)
void FinestraPrincipale::MostraAvvisi() {
  QStringList avvisi;
  for (const std::string& avviso : custode_.PrendiAvvisi())
    avvisi << QString::fromStdString(avviso);
  if (avvisi.isEmpty()) return;
  if (!avviso_) {
    avviso_ = new QLabel(statusBar());
    avviso_->setObjectName(QStringLiteral("Avviso"));
    statusBar()->addWidget(avviso_, 1);
    fineAvviso_.setSingleShot(true);
    connect(&fineAvviso_, &QTimer::timeout, this, [this] {
      avviso_->hide();
      status_->show();
    });
  }
  avviso_->setText(avvisi.join(QStringLiteral(" - ")));
  status_->hide();
  avviso_->show();
  fineAvviso_.start(kDurataAvviso);
}

void FinestraPrincipale::ApriStatistiche() {
  auto conferma = [this](QWidget* sopra) {
    const Messaggio domanda{.testo = "Vuoi azzerare le statistiche di tutti gli avversari?",
                            .titolo = "Sicuro?",
                            .pulsanti = Pulsanti::SiNo};
    return (risposte.messaggio ? risposte.messaggio(domanda) : MostraMsgBox(sopra, domanda)) !=
           Risposta::No;
  };
  DialogoStatistiche dialogo(custode_, conferma, this);
  dialogo.exec();
  MostraAvvisi();
}

void FinestraPrincipale::SincronizzaObiettivi() {
  // Before the game exists the marks are those a game starts with.
  const FlagFinestra flag = gioco_ ? gioco_->Stato().flag : FlagFinestra{};
  for (int o = 0; o < kObiettivi; ++o) obiettivi_[o]->setChecked(flag.obiettivo[o]);
}

void FinestraPrincipale::SincronizzaAvversario() {
  for (int a = 0; a < kAvversari; ++a)
    avversari_[a]->setChecked(a == static_cast<int>(gioco_->AvversarioScelto()));
}

void FinestraPrincipale::CliccaUser(int indice) {
  if (indice >= 0 && indice < kPostiMano && gioco_->Azioni().user[indice]) {
    gioco_->user_Click(indice);
    DopoEvento();
  }
}

void FinestraPrincipale::CliccaOk() {
  // procedi lies over giocatautente: the one on top is the one the user sees.
  if (!procedi_->isHidden()) {
    procedi_->click();
  } else if (!giocatautente_->isHidden()) {
    giocatautente_->click();
  }
}

void FinestraPrincipale::keyPressEvent(QKeyEvent* evento) {
  const int tasto = evento->key();
  // A held key would play on by itself.
  const bool nuovo = !evento->isAutoRepeat();
  if (tasto >= Qt::Key_1 && tasto < Qt::Key_1 + kPostiMano) {
    if (nuovo) CliccaUser(tasto - Qt::Key_1);
  } else if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
    if (nuovo) CliccaOk();
  } else if (tasto == Qt::Key_T && evento->modifiers() == Qt::NoModifier) {
    if (nuovo) guida_->LeggiTavola(gioco_->Stato().carte);
  } else if (tasto == Qt::Key_P && evento->modifiers() == Qt::NoModifier) {
    if (nuovo) guida_->LeggiPunteggio(gioco_->Stato());
  } else {
    QMainWindow::keyPressEvent(evento);
  }
}

void FinestraPrincipale::Ridisegna(const Carte& carte) {
  for (PostoCarta* posto : pc_) posto->hide();
  int inTerra = 0;
  int inMano = 0;
  int delPC = 0;
  carte.PerOgniCarta([&](Carta carta, int16_t luogo) {
    if (luogo == Terra) MostraInPosto(terra_, inTerra++, carta);
    if (luogo == ManoUtente) MostraInPosto(user_, inMano++, carta);
    if (luogo == ManoPC) ++delPC;
  });
  for (int i = inTerra; i < kPostiTerra; ++i) terra_[i]->hide();
  // Hidden only when empty: hiding the focused card, even for a moment, would move the focus.
  for (int i = inMano; i < kPostiMano; ++i) user_[i]->hide();
  for (int i = 0; i < kPostiMano; ++i) {
    pc_[i]->MostraCarta(Carta{});
    pc_[i]->setVisible(i < delPC);
  }
}

void FinestraPrincipale::DisegnaCartePC(Carta carta, int posto) {
  if (posto < 0 || posto >= kPostiMano) return;
  pc_[posto]->show();
  if (carta.valida()) pc_[posto]->MostraCarta(carta);
}

void FinestraPrincipale::AggiornaStatusBar(const std::string& testo) {
  status_->setText(QString::fromStdString(testo));
}

void FinestraPrincipale::MostraShape1(int posto, bool visibile) {
  shape1_[posto]->setVisible(visibile);
}

void FinestraPrincipale::MostraShape2(int posto, bool visibile) {
  shape2_[posto]->setVisible(visibile);
}

void FinestraPrincipale::MostraBottone(Bottone bottone, bool visibile) {
  (bottone == Bottone::GiocaUtente ? giocatautente_ : procedi_)->setVisible(visibile);
  guida_->SeguiBottone(bottone, visibile);
}

void FinestraPrincipale::AbilitaUser(int posto, bool abilitato) {
  user_[posto]->setEnabled(abilitato);
}

void FinestraPrincipale::SpuntaObiettivo(Obiettivo obiettivo, bool spuntato) {
  obiettivi_[static_cast<int>(obiettivo)]->setChecked(spuntato);
}

// A rule changed in the middle of a hand says so on its item until the next
// hand; the title names the rules the hand is played by.
void FinestraPrincipale::MostraRegole(const Regole& scelte, const Regole& inVigore) {
  const Regole prossime = scelte.InVigore();
  for (Regola r : kTutteLeRegole) {
    QAction* azione = regole_[static_cast<int>(r)];
    QString testo = QString::fromUtf8(TitoloRegola(r));
    if (prossime[r] != inVigore[r]) testo += QStringLiteral(" (dalla prossima mano)");
    azione->setText(testo);
    azione->setChecked(scelte[r]);
  }
  regole_[static_cast<int>(Regola::AssoScopa)]->setEnabled(scelte.assoPigliaTutto);
  QString titolo = QString::fromLatin1(kTitoloApplicazione);
  if (!inVigore.Standard())
    titolo += QStringLiteral(" \u2013 regole: ") +
              QString::fromUtf8(ElencoRegole(inVigore, BreveRegola, ", "));
  setWindowTitle(titolo);
}

Risposta FinestraPrincipale::MsgBox(const Messaggio& messaggio) {
  const QString premessa = guida_->PrimaDelMessaggio();
  if (risposte.messaggio) return risposte.messaggio(messaggio);
  const Risposta risposta = MostraMsgBox(this, messaggio, premessa);
  TornaAttiva();
  return risposta;
}

std::string FinestraPrincipale::DialogoFile(Dialogo tipo, const std::string& filtro,
                                            const std::string& nomeIniziale) {
  const QStringList filtri = FiltriDialogo(filtro);
  if (risposte.file) return risposte.file(tipo, filtri, nomeIniziale);
  std::string percorso = ScegliFile(this, tipo, filtri, nomeIniziale);
  TornaAttiva();
  return percorso;
}

void FinestraPrincipale::LaunchBrowser(const std::string& indirizzo) {
  ui::LaunchBrowser(indirizzo, CartellaFileProva(), *this);
}

void FinestraPrincipale::Chiudi() {
  // Only closed: this may run inside one of the game's handlers, which must unwind first.
  close();
}

void FinestraPrincipale::TornaAttiva() {
  // A window manager gives the keyboard back once a box has gone; without one, or when it
  // would not, nothing else does, and the keys would reach nobody.
  if (isVisible()) activateWindow();
}

void FinestraPrincipale::changeEvent(QEvent* evento) {
  QMainWindow::changeEvent(evento);
  if (evento->type() == QEvent::ActivationChange && isActiveWindow() && guida_)
    guida_->FinestraAttivata();
}

bool FinestraPrincipale::focusNextPrevChild(bool avanti) {
  if (guida_->TrattieniFuoco()) return true;
  return QMainWindow::focusNextPrevChild(avanti);
}

void FinestraPrincipale::AnnunciaProposta(int posto, const std::string& presa, int numero,
                                          int totale) {
  guida_->AnnunciaProposta(posto, presa, numero, totale);
}

void FinestraPrincipale::AnnunciaSuggerimento(const std::string& perche) {
  guida_->PercheSuggerimento(perche);
}

void FinestraPrincipale::AnnunciaGiocata(Giocatore chi, Carta carta, const std::string& presa,
                                         bool scopa) {
  guida_->AnnunciaGiocata(chi, carta, presa, scopa);
}

}  // namespace quintello::ui
