#!/usr/bin/env bash
# misura-avvio.sh PROGRAMMA
# Start-up time and memory of the game beside Debian's Aisleriot, a desktop card game users
# know. On a private Xvfb each program is started in turn, with a fresh HOME and its own
# session bus every run; the time runs from the start until its first top-level window is
# mapped and viewable (the game's dealer box counts), and the resident memory (VmRSS) is
# read 1.5 s later, with its anonymous part (RssAnon): the program's own heap and data, as
# against the pages of the libraries it maps. Prints every run, the medians and the ratios
# game/Aisleriot, and exits 0 when both ratios are within the target, 1 when one is not,
# 2 on errors. The first run of each is a warm-up and is not counted.
# RIPETIZIONI (7), ATTESA_MS (1500), LIMITE_MS (20000) and OBIETTIVO (0.5) may be set.
set -euo pipefail

if [[ $# -ne 1 ]]; then
  echo "uso: $0 PROGRAMMA" >&2
  exit 2
fi
gioco=$(realpath "$1" 2>/dev/null || true)
if [[ -z $gioco || ! -x $gioco ]]; then
  echo "ERRORE: $1 non è un programma eseguibile" >&2
  exit 2
fi
solitario=/usr/games/sol
ripetizioni=${RIPETIZIONI:-7}
attesa_ms=${ATTESA_MS:-1500}
limite_ms=${LIMITE_MS:-20000}
obiettivo=${OBIETTIVO:-0.5}

# Measuring tools only: installed here, not by the project's set-up.
strumenti=(xvfb aisleriot dbus libx11-dev gcc libc6-dev)
mancanti=()
for pacchetto in "${strumenti[@]}"; do
  dpkg-query -W -f='${Status}' "$pacchetto" 2>/dev/null | grep -q 'install ok installed' ||
    mancanti+=("$pacchetto")
done
if [[ ${#mancanti[@]} -gt 0 ]]; then
  echo "Installo: ${mancanti[*]}"
  if [[ $(id -u) -eq 0 ]]; then sudo=(); else sudo=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get install -y -q --no-install-recommends "${mancanti[@]}" >/dev/null ||
    { "${sudo[@]}" apt-get update -q >/dev/null &&
      "${sudo[@]}" apt-get install -y -q --no-install-recommends "${mancanti[@]}" >/dev/null; }
fi

lavoro=$(mktemp -d)
xvfb_pid=
chiudi() {
  if [[ -n $xvfb_pid ]]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$lavoro"
}
trap chiudi EXIT
trap 'exit 2' INT TERM

# The stopwatch: it listens for windows mapped on the root before it starts the program,
# so no map can be missed, and it runs inside the program's session bus so that starting
# the bus is not timed.
cat >"$lavoro/prima-finestra.c" <<'EOF'
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double Ora(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

/* A window gone before it is asked about is no reason to stop. */
static int IgnoraErrore(Display* d, XErrorEvent* e) {
  (void)d;
  (void)e;
  return 0;
}

/* One "Nome: N kB" line of /proc/PID/status. */
static long StatoKib(pid_t pid, const char* campo) {
  char percorso[64];
  snprintf(percorso, sizeof percorso, "/proc/%d/status", (int)pid);
  FILE* f = fopen(percorso, "r");
  if (!f) return -1;
  char riga[256];
  long kib = -1;
  const size_t lunghezza = strlen(campo);
  while (fgets(riga, sizeof riga, f))
    if (strncmp(riga, campo, lunghezza) == 0 && riga[lunghezza] == ':' &&
        sscanf(riga + lunghezza + 1, "%ld", &kib) == 1)
      break;
  fclose(f);
  return kib;
}

static int Vivo(pid_t pid) {
  int stato;
  return waitpid(pid, &stato, WNOHANG) == 0;
}

static void Termina(pid_t pid) {
  kill(-pid, SIGTERM);
  for (int i = 0; i < 100 && Vivo(pid); ++i) usleep(10000);
  kill(-pid, SIGKILL);
  waitpid(pid, NULL, 0);
}

int main(int argc, char* argv[]) {
  if (argc < 5) {
    fprintf(stderr, "uso: prima-finestra LIMITE_MS ATTESA_MS LOG PROGRAMMA [ARG...]\n");
    return 2;
  }
  const double limite = atof(argv[1]);
  const useconds_t attesa = (useconds_t)(atof(argv[2]) * 1000);
  Display* d = XOpenDisplay(NULL);
  if (!d) {
    fprintf(stderr, "nessun display\n");
    return 2;
  }
  XSetErrorHandler(IgnoraErrore);
  const Window radice = DefaultRootWindow(d);
  XSelectInput(d, radice, SubstructureNotifyMask);
  XSync(d, False);
  fcntl(ConnectionNumber(d), F_SETFD, FD_CLOEXEC);

  const double inizio = Ora();
  const pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);
    int log = open(argv[3], O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (log >= 0) {
      dup2(log, 1);
      dup2(log, 2);
    }
    execvp(argv[4], argv + 4);
    _exit(127);
  }
  setpgid(pid, pid);

  double comparsa = -1;
  char nome[128] = "";
  int larghezza = 0, altezza = 0;
  while (comparsa < 0) {
    while (comparsa < 0 && XPending(d)) {
      XEvent e;
      XNextEvent(d, &e);
      const double quando = Ora();
      if (e.type != MapNotify || e.xmap.event != radice) continue;
      XWindowAttributes a;
      if (!XGetWindowAttributes(d, e.xmap.window, &a)) continue;
      if (a.map_state != IsViewable || a.class != InputOutput || a.width < 2 || a.height < 2)
        continue;
      comparsa = quando;
      larghezza = a.width;
      altezza = a.height;
      char* titolo = NULL;
      if (XFetchName(d, e.xmap.window, &titolo) && titolo) {
        snprintf(nome, sizeof nome, "%s", titolo);
        XFree(titolo);
      }
    }
    if (comparsa >= 0) break;
    if (!Vivo(pid)) {
      printf("esito=terminato\n");
      return 3;
    }
    const double resta = inizio + limite - Ora();
    if (resta <= 0) {
      Termina(pid);
      printf("esito=nessuna-finestra\n");
      return 4;
    }
    struct pollfd p = {ConnectionNumber(d), POLLIN, 0};
    poll(&p, 1, resta < 10 ? (int)resta + 1 : 10);
  }

  usleep(attesa);
  if (!Vivo(pid)) {
    printf("esito=terminato\n");
    return 3;
  }
  const long kib = StatoKib(pid, "VmRSS");
  const long anonima = StatoKib(pid, "RssAnon");
  Termina(pid);
  for (char* c = nome; *c; ++c)
    if (*c == '"' || *c == '\n') *c = ' ';
  printf("esito=ok ms=%.1f rss_kib=%ld anon_kib=%ld finestra=%dx%d titolo=\"%s\"\n",
         comparsa - inizio, kib, anonima, larghezza, altezza, nome);
  return 0;
}
EOF
cc -O2 -o "$lavoro/prima-finestra" "$lavoro/prima-finestra.c" -lX11

# One server for every run, on a display number of its own well away from the usual ones;
# -noreset keeps it from resetting each time a client leaves.
numero=
for candidato in $(seq 73 140); do
  [[ -e /tmp/.X$candidato-lock || -e /tmp/.X11-unix/X$candidato ]] && continue
  Xvfb ":$candidato" -noreset -nolisten tcp -screen 0 1280x1024x24 >"$lavoro/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [[ -S /tmp/.X11-unix/X$candidato ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.05
  done
  if [[ -S /tmp/.X11-unix/X$candidato ]] && kill -0 "$xvfb_pid" 2>/dev/null; then
    numero=$candidato
    break
  fi
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=
done
[[ -n $numero ]] || { echo "ERRORE: Xvfb non è partito" >&2; cat "$lavoro/xvfb.log" >&2; exit 2; }
display=":$numero"

# One run: a new HOME and runtime folder, nothing of the caller's environment. Services the
# bus starts write on the same output, so only the stopwatch's line is kept.
misura() {
  local programma=$1 casa esito
  casa=$(mktemp -d -p "$lavoro")
  mkdir -m 700 "$casa/run"
  esito=$(env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/games HOME="$casa" \
    XDG_RUNTIME_DIR="$casa/run" DISPLAY="$display" LANG=C.UTF-8 \
    dbus-run-session -- "$lavoro/prima-finestra" "$limite_ms" "$attesa_ms" \
    "$lavoro/ultimo.log" "$programma" 2>>"$lavoro/dbus.log" | grep '^esito=' || true)
  rm -rf "$casa"
  echo "$esito"
}

mediana() { sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

declare -A ms rss anonima
errori=0
echo "Display $display, $ripetizioni prove ciascuno (più una di riscaldamento non contata)"
for giro in $(seq 0 "$ripetizioni"); do
  for nome in quintello aisleriot; do
    if [[ $nome == quintello ]]; then programma=$gioco; else programma=$solitario; fi
    riga=$(misura "$programma")
    if [[ $riga != esito=ok* ]]; then
      echo "ERRORE: $nome, prova $giro: ${riga:-nessun risultato}" >&2
      tail -n 20 "$lavoro/ultimo.log" >&2 || true
      errori=$((errori + 1))
      continue
    fi
    tempo=$(sed -E 's/.* ms=([0-9.]+).*/\1/' <<<"$riga")
    kib=$(sed -E 's/.* rss_kib=([0-9-]+).*/\1/' <<<"$riga")
    mib=$(awk -v k="$kib" 'BEGIN {printf "%.1f", k / 1024}')
    anon=$(sed -E 's/.* anon_kib=([0-9-]+).*/\1/' <<<"$riga" | awk '{printf "%.1f", $1 / 1024}')
    finestra=$(sed -E 's/.* (finestra=.*)/\1/' <<<"$riga")
    if [[ $giro -eq 0 ]]; then
      printf '  %-10s riscaldamento  %7.1f ms  %6.1f MiB (anonima %4.1f)  %s\n' "$nome" "$tempo" "$mib" "$anon" "$finestra"
      continue
    fi
    printf '  %-10s prova %-2d       %7.1f ms  %6.1f MiB (anonima %4.1f)  %s\n' "$nome" "$giro" "$tempo" "$mib" "$anon" "$finestra"
    ms[$nome]+="$tempo "
    rss[$nome]+="$mib "
    anonima[$nome]+="$anon "
  done
done
if [[ $errori -gt 0 ]]; then
  echo "ERRORE: $errori prove senza una finestra misurata" >&2
  exit 2
fi

tempo_q=$(tr ' ' '\n' <<<"${ms[quintello]}" | grep . | mediana)
tempo_a=$(tr ' ' '\n' <<<"${ms[aisleriot]}" | grep . | mediana)
mem_q=$(tr ' ' '\n' <<<"${rss[quintello]}" | grep . | mediana)
mem_a=$(tr ' ' '\n' <<<"${rss[aisleriot]}" | grep . | mediana)
anon_q=$(tr ' ' '\n' <<<"${anonima[quintello]}" | grep . | mediana)
anon_a=$(tr ' ' '\n' <<<"${anonima[aisleriot]}" | grep . | mediana)
rapporto_t=$(awk -v a="$tempo_q" -v b="$tempo_a" 'BEGIN {printf "%.2f", a / b}')
rapporto_m=$(awk -v a="$mem_q" -v b="$mem_a" 'BEGIN {printf "%.2f", a / b}')
esito_t=$(awk -v r="$rapporto_t" -v o="$obiettivo" 'BEGIN {print (r <= o) ? "raggiunto" : "MANCATO"}')
esito_m=$(awk -v r="$rapporto_m" -v o="$obiettivo" 'BEGIN {print (r <= o) ? "raggiunto" : "MANCATO"}')

echo
echo "Mediane su $ripetizioni prove (memoria letta ${attesa_ms} ms dopo la prima finestra):"
printf '  Quintello  prima finestra %7.1f ms   memoria residente %6.1f MiB, di cui anonima %4.1f\n' "$tempo_q" "$mem_q" "$anon_q"
printf '  Aisleriot  prima finestra %7.1f ms   memoria residente %6.1f MiB, di cui anonima %4.1f\n' "$tempo_a" "$mem_a" "$anon_a"
echo "Rapporti Quintello/Aisleriot (obiettivo al più $obiettivo):"
echo "  tempo   $rapporto_t  $esito_t"
echo "  memoria $rapporto_m  $esito_m"
[[ $esito_t == raggiunto && $esito_m == raggiunto ]]
