#!/usr/bin/env bash
# Builds the program and starts Quiralis Reader. "run.sh qmx <arguments>" runs the
# command-line tool instead (without arguments it shows its help).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ "${1-}" = qmx ]; then
  shift
  [ $# -gt 0 ] || set -- --help
  exec build/app/cli/qmx "$@"
fi
exec build/app/reader/quiralis-reader "$@"
