#include "salvataggio/FormatoSalvataggio.h"

#include <algorithm>
#include <limits>

namespace quintello {

namespace {

constexpr const char* kAcapo = "\r\n";

bool Spazio(char c) {
  return c == ' ' || c == '\t';
}

std::string_view SenzaSpaziIniziali(std::string_view riga) {
  while (!riga.empty() && Spazio(riga.front())) riga.remove_prefix(1);
  return riga;
}

// Takes the next line off `file`, whatever its ending; false at the end.
bool ProssimaRiga(std::string_view& file, std::string_view& riga) {
  if (file.empty()) return false;
  const std::size_t fine = std::min(file.find_first_of("\r\n"), file.size());
  riga = file.substr(0, fine);
  std::size_t dopo = fine;
  if (dopo < file.size()) dopo += file.compare(dopo, 2, "\r\n") == 0 ? 2 : 1;
  file.remove_prefix(dopo);
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
    FlagFinestra& f = l_.stato.flag;
    if (riga == 15) return &f.procedi;
    if (riga == 16) return &f.giocatautente;
    if (riga >= 57 && riga <= 71) return &f.shape1[riga - 57];
    if (riga >= 72 && riga <= 74) return &f.shape2[riga - 72];
    if (riga >= 75) return &f.user[riga - 75];  // the last three lines
    return nullptr;
  }

 private:
  PartitaLetta& l_;
};

// The line after the last item: the rules when it names them.
void LeggiRegole(std::string_view file, PartitaLetta& letta) {
  letta.stato.regole = {};
  std::string_view riga;
  if (!ProssimaRiga(file, riga) || !riga.starts_with(kTestaRegole)) return;
  riga.remove_prefix(kTestaRegole.size());
  const std::optional<Regole> regole = LeggiNomiRegole(riga);
  letta.regoleIgnote = !regole;
  if (regole) letta.stato.regole = regole->InVigore();
}

}  // namespace

std::string FormatoIntero(int valore) {
  return (valore < 0 ? "" : " ") + std::to_string(valore) + " ";
}

std::string bwrap(bool b) {
  return b ? "Vero" : "Falso";
}

std::string ScriviPartita(const StatoPartita& stato) {
  PartitaLetta copia{stato};
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
  if (!stato.regole.Standard())
    file += std::string(kTestaRegole) + " " + NomiRegole(stato.regole) + kAcapo;
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

PartitaLetta LeggiPartita(std::string_view file, const StatoPartita& base) {
  PartitaLetta letta{base};
  Elementi elementi(letta);
  bool flagPrecedente = false;
  std::string_view riga;
  for (int n = 1; n <= kRigheFile; ++n) {
    if (!ProssimaRiga(file, riga)) break;
    riga = SenzaSpaziIniziali(riga);
    if (int16_t* intero = elementi.Intero(n)) {
      const std::optional<int16_t> valore = LeggiIntero(riga);
      if (!valore) break;
      *intero = *valore;
    } else if (bool* flag = elementi.Flag(n)) {
      // A flag that is neither word repeats the flag read before it.
      if (riga == "Vero") flagPrecedente = true;
      if (riga == "Falso") flagPrecedente = false;
      *flag = flagPrecedente;
    } else {
      letta.stato.presautente = riga;
    }
    letta.righe = n;
  }
  if (letta.righe == kRigheFile) LeggiRegole(file, letta);
  return letta;
}

}  // namespace quintello
