#!/usr/bin/env bash
# Sets up the machine, builds, and starts Tessolan Primer (arguments: a project file).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
exec ./build/tessolan-primer "$@"
