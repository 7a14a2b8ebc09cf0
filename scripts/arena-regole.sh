#!/usr/bin/env bash
# Esperto against the fixed player under every combination of house rules:
# scripts/arena-regole.sh ARENA [MANI] [SEME]
set -euo pipefail
arena=$1
mani=${2:-2000}
seme=${3:-1}
nomi=(assopigliatutto assoscopa rebello napola)
printf '%-44s %-18s %s\n' "regole" "punti per mano" "mossa peggiore (processore)"
for maschera in $(seq 0 15); do
  scelte=()
  for i in 0 1 2 3; do
    if (( maschera >> i & 1 )); then scelte+=("${nomi[$i]}"); fi
  done
  elenco=$(IFS=,; echo "${scelte[*]}")
  uscita=$("$arena" --mani "$mani" --seme "$seme" ${elenco:+--regole "$elenco"} esperto classico)
  punti=$(sed -n 's/.*secondo: \([^ ]* +\/- [^ ]*\).*/\1/p' <<<"$uscita")
  peggiore=$(sed -n 's/.*esperto:.*processore: media [^,]*, peggiore \([^ ]* ms\).*/\1/p' <<<"$uscita")
  printf '%-44s %-18s %s\n' "${elenco:-nessuna}" "$punti" "$peggiore"
done
