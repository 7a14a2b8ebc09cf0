#include "salvataggio/FileSalvataggio.h"

#include <filesystem>
#include <fstream>

#include "salvataggio/FormatoSalvataggio.h"

namespace quintello {

namespace {

constexpr std::size_t kRigaMassima = 1 << 20;  // longer lines are cut: no game writes one

// Appends one line of `file` to `righe`, whatever its ending; false at the end.
bool ProssimaRiga(std::streambuf& file, std::string& righe, bool senzaSpazi) {
  using Tratti = std::char_traits<char>;
  int c = file.sbumpc();
  if (c == Tratti::eof()) return false;
  std::size_t lunghezza = 0;
  for (; c != Tratti::eof(); c = file.sbumpc()) {
    if (c == '\n') break;
    if (c == '\r') {
      if (file.sgetc() == '\n') file.sbumpc();
      break;
    }
    if (senzaSpazi && lunghezza == 0 && (c == ' ' || c == '\t')) continue;
    if (lunghezza < kRigaMassima) {
      righe.push_back(static_cast<char>(c));
      ++lunghezza;
    }
  }
  righe.push_back('\n');
  return true;
}

}  // namespace

bool FileExists(const std::string& nome) {
  std::error_code errore;
  return !nome.empty() && std::filesystem::is_regular_file(nome, errore);
}

std::string LeggiFileSalvataggio(const std::string& nome) {
  std::ifstream file(nome, std::ios::binary);
  std::string righe;
  if (!file || file.rdbuf() == nullptr) return righe;
  // The items, and the line of house rules after them, which must begin
  // with its word and so keeps its blanks.
  for (int n = 0; n <= kRigheFile && ProssimaRiga(*file.rdbuf(), righe, n < kRigheFile); ++n) {
  }
  return righe;
}

}  // namespace quintello
