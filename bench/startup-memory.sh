#!/usr/bin/env bash
# Peak resident memory of the program's start beside a bare Qt main window with the
# same menus (ProgramStart and BareWindowStart, built with the benchmarks).
#   bench/startup-memory.sh [build folder, default build] [runs, default 5]
# Each runs on the offscreen platform in a private HOME whose settings file skips the
# disclaimer and the update check, without network (unshare -n when root), shows its
# window and closes it. Prints the median peak RSS of each and their ratio.
set -euo pipefail
cd "$(dirname "$0")/.."
build="$(realpath "${1:-build}")"
runs="${2:-5}"
cmake --build "$build" --target ProgramStart BareWindowStart >/dev/null

home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/Documents/MyKorvendo"
printf '[Version]\r\nINIFileVersion=080122\r\n[Settings]\r\nShowDisclaim=0\r\nRemindAnnualUpdates=0\r\n' \
  >"$home/Documents/MyKorvendo/Korvendo.INI"

isolate=()
[ "$(id -u)" -eq 0 ] && isolate=(unshare -n)

# Median peak RSS in KiB of one program over the runs.
peak() {
  local values=()
  for _ in $(seq "$runs"); do
    values+=("$(cd "$home" && env -i PATH="$PATH" HOME="$home" XDG_CONFIG_HOME="$home/.config" \
      XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$home/run" \
      LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
      "${isolate[@]}" /usr/bin/time -f '%x %M' "$1" 2>&1 >/dev/null | tail -1)")
    case "${values[-1]}" in
      "0 "*) values[-1]="${values[-1]#0 }" ;;
      *) echo "$1 failed: ${values[-1]}" >&2; exit 1 ;;
    esac
  done
  printf '%s\n' "${values[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p"
}

mkdir -p -m 700 "$home/run"
program="$(peak "$build/bench/ProgramStart")"
bare="$(peak "$build/bench/BareWindowStart")"
awk -v p="$program" -v b="$bare" 'BEGIN {
  printf "program start     %6.1f MiB\nbare main window  %6.1f MiB\nratio             %6.3f\n", p / 1024, b / 1024, p / b }'
