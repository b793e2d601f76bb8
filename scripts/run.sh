#!/usr/bin/env bash
# Sets up the machine, builds the program with its manual and documents (not the
# tests), and starts Tessolan Primer (arguments: a project file).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh tessolan-primer documents
exec ./build/tessolan-primer "$@"
