#!/usr/bin/env bash
# Installs the Debian packages listed in pacchetti.txt that are not installed yet.
# Does nothing when everything is there; uses sudo only when not already root.
set -euo pipefail
cd "$(dirname "$0")"
mancanti=()
while read -r pacchetto; do
  [[ -z "$pacchetto" || "$pacchetto" == \#* ]] && continue
  if ! dpkg-query -W -f='${Status}' "$pacchetto" 2>/dev/null | grep -q 'install ok installed'; then
    mancanti+=("$pacchetto")
  fi
done < pacchetti.txt
[[ ${#mancanti[@]} -eq 0 ]] && exit 0
echo "Installo: ${mancanti[*]}"
if [[ $(id -u) -eq 0 ]]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${mancanti[@]}"
