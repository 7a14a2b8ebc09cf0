#include "scoring/FormatoSalvataggio.h"

#include <array>
#include <limits>

namespace quintello {

namespace {

constexpr const char* kAcapo = "\r\n";
constexpr std::size_t kRigaMassima = 1 << 20;  // longer lines are cut: no game writes one

bool Spazio(char c) {
  return c == ' ' || c == '\t';
}

std::string_view SenzaSpaziIniziali(std::string_view riga) {
  while (!riga.empty() && Spazio(riga.front())) riga.remove_prefix(1);
  return riga;
}

// Reads one line, whatever its ending; false at the end of the file. Every
// item ignores the blanks that lead its line, so they are not even kept: a
// line of any length costs no more than its text after them.
bool ProssimaRiga(std::istream& file, std::string& riga) {
  riga.clear();
  std::streambuf* buffer = file.rdbuf();
  if (buffer == nullptr) return false;
  using Tratti = std::char_traits<char>;
  int c = buffer->sbumpc();
  if (c == Tratti::eof()) return false;
  for (; c != Tratti::eof(); c = buffer->sbumpc()) {
    if (c == '\n') break;
    if (c == '\r') {
      if (buffer->sgetc() == '\n') buffer->sbumpc();
      break;
    }
    if (riga.empty() && Spazio(static_cast<char>(c))) continue;
    if (riga.size() < kRigaMassima) riga.push_back(static_cast<char>(c));
  }
  return true;
}

// The items of the file in order, each a place in the state or the flags.
class Elementi {
 public:
  explicit Elementi(PartitaLetta& l) : l_(l) {}

  int16_t* Intero(int riga) {
    StatoPartita& s = l_.stato;
    if (riga <= 6) {
      const int slot = (riga - 1) / 2;
      return riga % 2 == 1 ? &s.manoutentevalore[slot] : &s.manoutenteseme[slot];
    }
    switch (riga) {
      case 7:
        return &s.puntivittoria;
      case 8:
        return &s.indicepresa;
      case 10:
        return &s.cartaselezionata;
      case 11:
        return &s.punteggiopc;
      case 12:
        return &s.punteggiouser;
      case 13:
        return &s.mazziere;
      case 14:
        return &s.ultimapresa;
      default:
        break;
    }
    if (riga >= 17 && riga <= 56) return &s.carte((riga - 13) / 4, (riga - 13) % 4 + 1);
    return nullptr;
  }

  bool* Flag(int riga) {
    FlagFinestra& f = l_.flag;
    if (riga == 15) return &f.procedi;
    if (riga == 16) return &f.giocatautente;
    if (riga >= 57 && riga <= 71) return &f.shape1[riga - 57];
    if (riga >= 72 && riga <= 74) return &f.shape2[riga - 72];
    if (riga >= 75 && riga <= 77) return &f.user[riga - 75];
    return nullptr;
  }

 private:
  PartitaLetta& l_;
};

}  // namespace

std::string FormatoIntero(int valore) {
  return (valore < 0 ? "" : " ") + std::to_string(valore) + " ";
}

std::string bwrap(bool b) {
  return b ? "Vero" : "Falso";
}

std::string ScriviPartita(const StatoPartita& stato, const FlagFinestra& flag) {
  PartitaLetta copia{stato, flag};
  Elementi elementi(copia);
  std::string file;
  for (int riga = 1; riga <= kRigheFile; ++riga) {
    if (const int16_t* intero = elementi.Intero(riga)) {
      file += FormatoIntero(*intero);
    } else if (const bool* b = elementi.Flag(riga)) {
      file += bwrap(*b);
    } else {
      file += stato.presautente;
    }
    file += kAcapo;
  }
  return file;
}

std::optional<int16_t> LeggiIntero(std::string_view riga) {
  riga = SenzaSpaziIniziali(riga);
  bool negativo = false;
  if (!riga.empty() && (riga.front() == '-' || riga.front() == '+')) {
    negativo = riga.front() == '-';
    riga.remove_prefix(1);
  }
  long valore = 0;
  constexpr long kOltre = long{std::numeric_limits<int16_t>::max()} + 2;
  for (char c : riga) {
    if (c < '0' || c > '9') break;
    valore = std::min(valore * 10 + (c - '0'), kOltre);  // stays bounded on any length
  }
  if (negativo) valore = -valore;
  if (valore < std::numeric_limits<int16_t>::min() || valore > std::numeric_limits<int16_t>::max())
    return std::nullopt;
  return static_cast<int16_t>(valore);
}

void LeggiPartita(std::istream& file, PartitaLetta& letta) {
  Elementi elementi(letta);
  bool flagPrecedente = false;
  std::string riga;
  for (int n = 1; n <= kRigheFile; ++n) {
    if (!ProssimaRiga(file, riga)) return;
    if (int16_t* intero = elementi.Intero(n)) {
      const std::optional<int16_t> valore = LeggiIntero(riga);
      if (!valore) return;
      *intero = *valore;
    } else if (bool* flag = elementi.Flag(n)) {
      // A flag that is neither word repeats the flag read before it.
      const std::string_view testo = SenzaSpaziIniziali(riga);
      if (testo == "Vero") flagPrecedente = true;
      if (testo == "Falso") flagPrecedente = false;
      *flag = flagPrecedente;
    } else {
      letta.stato.presautente = SenzaSpaziIniziali(riga);
    }
    letta.righe = n;
  }
}

}  // namespace quintello
