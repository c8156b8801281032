#!/usr/bin/env bash
# Builds the program optimised into build-bench/, writes the large data folders (1,000,
# 10,000 and 100,000 entries per category, and 1,000,000 entries in the measured custom
# table "Rw_laboratorio" only; seed 1) and runs every benchmark on them.
# The shared database's figures come from a throw-away PostgreSQL cluster (pg_virtualenv),
# or from the server of the connection string in ZELMAR_BENCH_SERVER, whose tables are
# replaced by the custom database of 100,000 entries.
# The figures are printed and kept in build-bench/risultati.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh build-bench -DCMAKE_BUILD_TYPE=Release -DZELMAR_BUILD_TESTS=OFF
b=build-bench
dati=$b/dati
for n in 1000 10000 100000 1000000; do
  if [ ! -f "$dati/$n/.completo" ] || [ "$dati/$n/.completo" -ot "$b/tools/zelmar-gendata" ]; then
    echo "Writing the data folder of $n entries..."
    rm -rf "$dati/$n"
    solo=()
    if [ "$n" = 1000000 ]; then solo=(--tabella Rw_laboratorio); fi
    "$b/tools/zelmar-gendata" "$dati/$n" "$n" --seed 1 --modello "$b/demo/ZELMARtek" "${solo[@]}"
    touch "$dati/$n/.completo"
  fi
done
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
{
  echo "# $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
  "$b/bench/zelmar-bench-elenco" "$dati/1000" "$dati/10000" "$dati/100000" "$dati/1000000"
  "$b/bench/zelmar-bench-azioni" "$dati/100000" "$dati/1000000"
  "$b/bench/zelmar-bench-avvio" "$b/bin/zelmartek" "$b/demo/ZELMARtek" "$dati/100000" "$dati/1000000"
  "$b/bench/zelmar-bench-salvataggio" "$dati/100000"
  "$b/bench/zelmar-bench-jet" tests/fixtures/jet/*.mdb
  "$b/bench/zelmar-bench-valutazione"
  "$b/bench/zelmar-bench-previsione"
  "$b/bench/zelmar-bench-candidati" "$dati/100000"
  "$b/bench/zelmar-bench-verifica" "$b/tools/zelmar-valuta" "$dati/100000"
  "$b/bench/zelmar-bench-ricerca" "$dati/100000"
  server='"$1/bench/zelmar-bench-condividi" "$1/tools/zelmar-condividi" "$2/Databases/Database/Database_sperimentale.mdb" "$3" &&
          "$1/tools/zelmar-condividi" --sostituisci --verso-server "$2/Databases/Database/Database_sperimentale.mdb" "$3" &&
          "$1/bench/zelmar-bench-condiviso" "$2" "$3"'
  if [ -n "${ZELMAR_BENCH_SERVER:-}" ]; then
    bash -c "$server" _ "$b" "$dati/100000" "$ZELMAR_BENCH_SERVER" || echo "shared database: not measured"
  else
    pg_virtualenv -t bash -c 'bash -c "$0" _ "$1" "$2" "dbname=$PGDATABASE"' "$server" "$b" "$dati/100000" ||
      echo "shared database: not measured (no pg_virtualenv cluster)"
  fi
} 2>&1 | tee "$b/risultati.txt"
