#!/usr/bin/env bash
# Builds the program and starts it. Until the reader window lands this is the
# command-line tool: arguments are passed on, and without any it shows its help.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ $# -eq 0 ]; then
  set -- --help
fi
exec build/app/cli/qmx "$@"
