#include "salvataggio/ScritturaSicura.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

namespace quintello {

namespace {

std::string Motivo(int errore) {
  switch (errore) {
    case EACCES:
    case EPERM:
      return "accesso negato";
    case ENOENT:
      return "la cartella non esiste";
    case ENOTDIR:
      return "il percorso non è una cartella";
    case EISDIR:
      return "il nome indica una cartella";
    case ENOSPC:
      return "spazio su disco esaurito";
    case EDQUOT:
      return "quota del disco superata";
    case EROFS:
      return "il disco è in sola lettura";
    case ENAMETOOLONG:
      return "il nome è troppo lungo";
    case EIO:
      return "errore di lettura o scrittura sul disco";
    default:
      return "errore di sistema " + std::to_string(errore);
  }
}

// The permissions the new file gets: those of the file it replaces, or the
// ones a newly created file would have.
mode_t Permessi(const std::string& percorso) {
  struct stat info {};
  if (::stat(percorso.c_str(), &info) == 0) return info.st_mode & 07777;
  const mode_t maschera = ::umask(0);
  ::umask(maschera);
  return 0666 & ~maschera;
}

bool ScriviTutto(int fd, const std::string& contenuto) {
  std::size_t scritti = 0;
  while (scritti < contenuto.size()) {
    const ssize_t n = ::write(fd, contenuto.data() + scritti, contenuto.size() - scritti);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    scritti += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

std::string ScriviFileSicuro(const std::string& percorso, const std::string& contenuto) {
  const std::filesystem::path destinazione(percorso);
  std::filesystem::path cartella = destinazione.parent_path();
  if (cartella.empty()) cartella = ".";
  const std::string modello =
      (cartella / ("." + destinazione.filename().string() + ".XXXXXX")).string();
  std::vector<char> nome(modello.begin(), modello.end());
  nome.push_back('\0');

  const int fd = ::mkstemp(nome.data());
  if (fd < 0) return Motivo(errno);
  int errore = 0;
  if (::fchmod(fd, Permessi(percorso)) != 0 || !ScriviTutto(fd, contenuto) || ::fsync(fd) != 0) {
    errore = errno != 0 ? errno : EIO;
  }
  if (::close(fd) != 0 && errore == 0) errore = errno;
  if (errore == 0 && ::rename(nome.data(), percorso.c_str()) != 0) errore = errno;
  if (errore != 0) {
    ::unlink(nome.data());
    return Motivo(errore);
  }
  return "";
}

}  // namespace quintello
