#!/usr/bin/env bash
# Sets up the machine, builds, checks that every file includes what it uses, and runs
# every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
bash scripts/check-includes.sh
cd build
ctest --output-on-failure -j"$(nproc)" --timeout 300
