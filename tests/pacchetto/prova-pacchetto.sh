#!/usr/bin/env bash
# prova-pacchetto.sh PACCHETTO.deb | CARTELLA_BUILD
# Installs the Debian package with apt-get, checks what it put on the system, starts the
# installed program headless and removes the package again. Whatever apt pulled in for it
# is purged too, so the machine is left with the packages it had. With a build folder, the
# package is made there with CPack first. Exit status 77 means the test could not run here.
set -euo pipefail

if [[ $# -ne 1 ]]; then
  echo "uso: $0 PACCHETTO.deb | CARTELLA_BUILD" >&2
  exit 2
fi
if [[ $(id -u) -ne 0 ]]; then
  echo "SALTATO: serve root per installare il pacchetto"
  exit 77
fi
export DEBIAN_FRONTEND=noninteractive

if [[ -d $1 ]]; then
  (cd "$1" && rm -f quintello_*.deb && cpack -G DEB >/dev/null)
  pacchetti=("$1"/quintello_*.deb)
else
  pacchetti=("$1")
fi
if [[ ${#pacchetti[@]} -ne 1 || ! -f ${pacchetti[0]} ]]; then
  echo "ERRORE: nessun pacchetto unico in $1" >&2
  exit 1
fi
deb=$(realpath "${pacchetti[0]}")

installato() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
elenco_installati() {
  dpkg-query -W -f='${Package}:${Architecture} ${Status}\n' | awk '/ install ok installed$/ {print $1}' | sort
}

# Someone's own copy of the game is not ours to replace and then remove.
if installato quintello || [[ -e /usr/bin/quintello ]]; then
  echo "SALTATO: quintello è già installato su questa macchina"
  exit 77
fi

lavoro=$(mktemp -d)
chmod 755 "$lavoro"
elenco_installati >"$lavoro/prima"

ripristina() {
  local esito=$?
  set +e
  if dpkg-query -W -f='${Status}' quintello 2>/dev/null | grep -qv ' not-installed$'; then
    apt-get remove -y -q quintello >"$lavoro/rimozione.log" 2>&1 || {
      echo "ERRORE: apt-get remove quintello non riuscito" >&2
      cat "$lavoro/rimozione.log" >&2
      esito=1
    }
  fi
  elenco_installati >"$lavoro/dopo"
  mapfile -t aggiunti < <(comm -13 "$lavoro/prima" "$lavoro/dopo")
  if [[ ${#aggiunti[@]} -gt 0 ]]; then
    echo "Tolgo i pacchetti installati per la prova: ${aggiunti[*]}"
    apt-get purge -y -q "${aggiunti[@]}" >>"$lavoro/rimozione.log" 2>&1
    elenco_installati >"$lavoro/dopo"
  fi
  if ! cmp -s "$lavoro/prima" "$lavoro/dopo"; then
    echo "ERRORE: i pacchetti installati non sono più quelli di prima:" >&2
    diff "$lavoro/prima" "$lavoro/dopo" >&2
    esito=1
  fi
  if [[ -e /usr/bin/quintello ]]; then
    echo "ERRORE: /usr/bin/quintello è rimasto dopo la rimozione" >&2
    esito=1
  fi
  rm -rf "$lavoro"
  exit "$esito"
}
trap ripristina EXIT

# apt reads the file as its own unprivileged user: a private copy it may read.
cp "$deb" "$lavoro/"
chmod 644 "$lavoro/$(basename "$deb")"
if ! apt-get install -y -q "$lavoro/$(basename "$deb")" >"$lavoro/installazione.log" 2>&1; then
  echo "ERRORE: apt-get install del pacchetto non riuscito" >&2
  cat "$lavoro/installazione.log" >&2
  exit 1
fi

errori=0
sbaglio() { echo "ERRORE: $*" >&2; errori=$((errori + 1)); }

# What a desktop looks for, where it looks for it.
attesi=(/usr/bin/quintello
  /usr/share/applications/it.example.quintello.desktop
  /usr/share/metainfo/it.example.quintello.metainfo.xml
  /usr/share/icons/hicolor/scalable/apps/quintello.svg
  /usr/share/doc/quintello/copyright)
for lato in 16 32 48 64 128; do
  attesi+=("/usr/share/icons/hicolor/${lato}x${lato}/apps/quintello.png")
done
contenuto=$(dpkg -L quintello)
for file in "${attesi[@]}"; do
  grep -qx "$file" <<<"$contenuto" || sbaglio "il pacchetto non contiene $file"
  [[ -f $file ]] || sbaglio "$file non è sul sistema"
done
[[ -x /usr/bin/quintello ]] || sbaglio "/usr/bin/quintello non è eseguibile"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate /usr/share/applications/it.example.quintello.desktop ||
    sbaglio "la voce del menu installata non è valida"
fi

# The run-time pieces no linker names: the platform plugins and Qt's Italian translations.
dipendenze=$(dpkg-query -W -f='${Depends}' quintello)
for dipendenza in libqt6widgets6 qt6-qpa-plugins qt6-translations-l10n; do
  grep -qE "(^|, )$dipendenza( |,|$)" <<<"$dipendenze" ||
    sbaglio "il pacchetto non dipende da $dipendenza ($dipendenze)"
done
for plugin in /usr/lib/*/qt6/plugins/platforms/libqoffscreen.so /usr/lib/*/qt6/plugins/platforms/libqxcb.so; do
  [[ -f $plugin ]] || sbaglio "manca il plugin $plugin"
done
[[ -f /usr/share/qt6/translations/qtbase_it.qm ]] || sbaglio "mancano le traduzioni italiane di Qt"

# The installed program, as a user would start it: the dealer's box waits for an answer, so
# a program still running after 3 s (timeout's 124) got to its first window and stayed.
casa=$(mktemp -d -p "$lavoro")
set +e
env -i PATH=/usr/bin:/bin HOME="$casa" XDG_RUNTIME_DIR="$casa" LANG=C.UTF-8 \
  QT_QPA_PLATFORM=offscreen timeout 3 /usr/bin/quintello >"$lavoro/programma.log" 2>&1
uscita=$?
set -e
if [[ $uscita -ne 124 ]]; then
  sbaglio "/usr/bin/quintello è terminato con stato $uscita prima dei 3 s"
  cat "$lavoro/programma.log" >&2
fi

if [[ $errori -gt 0 ]]; then
  echo "Pacchetto $(basename "$deb"): $errori errori"
  exit 1
fi
echo "Pacchetto $(basename "$deb"): installato, avviato e rimosso"
