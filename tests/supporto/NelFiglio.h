// Runs a check in a child process, for what would change the test's own process.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

namespace quintello::prova {

// True when `prova` returned true in the child.
template <typename F>
bool NelFiglio(F prova) {
  const pid_t figlio = ::fork();
  if (figlio == 0) ::_exit(prova() ? 0 : 1);
  int stato = 0;
  ::waitpid(figlio, &stato, 0);
  return WIFEXITED(stato) && WEXITSTATUS(stato) == 0;
}

// Root reads any file: a check of an unreadable one runs as an ordinary user.
inline bool SenzaPrivilegi() {
  return ::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0);
}

}  // namespace quintello::prova
