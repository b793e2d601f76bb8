#!/usr/bin/env bash
# Checks that every file includes what it uses: every source file of the program, its
# tests, benchmarks, tools and fuzz targets compiles (syntax only) with the flags of its
# own target and nothing before it, and so does every header on its own. The project is
# configured for this without unity batches and without precompiled headers, in
# ./build-includes (or the folder named). Qt's generated files (moc, rcc) are left out;
# our headers that declare Q_OBJECT classes are checked like any other.
#
# Reading every file through all the Qt headers it uses would take minutes, so clang
# reads each file starting from a precompiled set of library headers (<QDialog>,
# <gtest/gtest.h>, <functional>, ...) that the file has in anyway when its first line of
# code is read: those it includes before its code, itself or through headers of ours.
# Such a set changes nothing that the file's own code sees, so whatever it uses without
# including it is still missing. Each header of ours is checked the same way, alone in a
# file that includes only it, or in a source file that opens with it and starts from no
# more than the header has in at its own first line of code. The sets are chosen to save
# the most reading; each is precompiled once, most of them on top of a smaller one. A
# file that clang rejects is compiled again by the build's own compiler, without any
# precompiled header, and that answer counts.
#
# Prints each file that does not compile, and fails. JOBS sets how many compilers run at
# once (default: every core).
set -euo pipefail

# One job of the check, run by make: precompile a set, or check a file.
if [ "${1:-}" = --job ]; then
  # shellcheck source=/dev/null
  source "$2"
  cd "$wd"
  if [ "$kind" = pch ]; then
    parent_pch=()
    [ -n "$parent" ] && [ -f "$parent.pch" ] && parent_pch=(-include-pch "$parent.pch")
    if ! eval "clang++ ${cmd#* } ${parent_pch[*]} -fpch-instantiate-templates -x c++-header $node.h -o $node.pch" \
         >"$node.log" 2>&1; then
      rm -f "$node.pch"
      echo "check-includes: could not precompile $(tr '\n' ' ' <"$node.h")(see $node.log);" \
           "the files that start from it are read without it"
    fi
    exit 0
  fi
  use=()
  [ -n "$node" ] && [ -f "$node.pch" ] && use=(-include-pch "$node.pch")
  eval "clang++ ${cmd#* } ${use[*]} -fsyntax-only $file" >/dev/null 2>&1 && exit 0
  if ! out=$(eval "$cmd -fsyntax-only $file" 2>&1); then
    lines=$(wc -l <<<"$out")
    [ "$lines" -gt 25 ] && out="$(head -n 25 <<<"$out")"$'\n'"... ($((lines - 25)) more lines)"
    printf 'check-includes: %s does not compile on what it includes:\n%s\n\n' "$name" "$out"
    exit 1
  fi
  exit 0
fi

cd "$(dirname "$0")/.."
root=$(pwd -P)
if [[ $root =~ [[:space:]] ]]; then
  echo "check-includes: the path $root has a blank in it, which the compile commands here cannot carry" >&2
  exit 2
fi
dir=${1:-build-includes}
jobs=${JOBS:-$(nproc)}
start=$SECONDS
for tool in clang++ jq make; do
  command -v "$tool" >/dev/null || { echo "check-includes: $tool is missing (bash scripts/setup.sh)" >&2; exit 2; }
done

cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_UNITY_BUILD=OFF \
  -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DPRIMER_FUZZ=OFF >/dev/null
dir=$(cd "$dir" && pwd -P)
work=$dir/check-includes
rm -rf "$work"
mkdir -p "$work/alone"

# Each source file of ours once: its folder of compilation and its compile command
# without the object file and the source file (which end every command here).
declare -A flags where header_of
while IFS=$'\t' read -r wd file cmd; do
  case $file in "$dir"/*) continue ;; esac
  [ -n "${flags[$file]:-}" ] && continue
  prefix=${cmd% -o * -c *}
  if [ "$prefix" = "$cmd" ]; then
    echo "check-includes: unexpected compile command for $file" >&2
    exit 2
  fi
  flags[$file]=$prefix
  where[$file]=$wd
done < <(jq -r '.[] | .directory + "\t" + .file + "\t" + .command' "$dir/compile_commands.json")

# The fuzz targets need clang to build; their harnesses use the core library's flags.
core_any=$(printf '%s\n' "${!flags[@]}" | grep "^$root/src/core/" | sort | head -n1)
for f in "$root"/fuzz/*.cpp; do
  [ -e "$f" ] || continue
  flags[$f]=${flags[$core_any]}
  where[$f]=${where[$core_any]}
done
mapfile -t sources < <(printf '%s\n' "${!flags[@]}" | sort)
mapfile -t headers < <(find "$root"/src "$root"/app "$root"/tests "$root"/bench "$root"/tools \
                         "$root"/fuzz -name '*.h' 2>/dev/null | sort)

# Every header alone, with the flags of the source file of the same name or of another
# source file in its folder.
units=("${sources[@]}")
for h in "${headers[@]}"; do
  twin=${h%.h}.cpp
  if [ -z "${flags[$twin]:-}" ]; then
    twin=
    for f in "${sources[@]}"; do
      if [ "${f%/*}" = "${h%/*}" ]; then twin=$f; break; fi
    done
  fi
  if [ -z "$twin" ]; then
    echo "check-includes: no source file beside $h gives it compile flags" >&2
    exit 2
  fi
  rel=${h#"$root"/}
  unit=$work/alone/${rel//\//_}.cpp
  header_of[$unit]=$rel
  printf '#include "%s"\n' "$h" >"$unit"
  flags[$unit]=${flags[$twin]}
  where[$unit]=${where[$twin]}
  units+=("$unit")
done

# What each file of ours includes: a file of ours (found beside it or in our include
# folders, in the order the compile commands give them) or a library header; and
# whether the #include comes before any code of the file (L) or after some (T).
mapfile -t incdirs < <(for f in "${sources[@]}"; do
                         for w in ${flags[$f]}; do
                           case $w in -I"$root"/*) echo "${w#-I}" ;; esac
                         done
                       done | awk '!seen[$0]++')
while IFS=$'\t' read -r file lead text; do
  if [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<([^\>]+)\> ]]; then
    printf '%s\ta\t%s\t%s\n' "$file" "$lead" "${BASH_REMATCH[1]}"
  elif [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]+)\" ]]; then
    name=${BASH_REMATCH[1]}
    if [[ $name = /* ]]; then
      if [ -f "$name" ]; then kind=q; else kind=x; fi
      printf '%s\t%s\t%s\t%s\n' "$file" "$kind" "$lead" "$name"
      continue
    fi
    found=
    for base in "${file%/*}" "${incdirs[@]}"; do
      if [ -f "$base/$name" ]; then
        found=$base/$name
        break
      fi
    done
    if [ -n "$found" ]; then
      printf '%s\tq\t%s\t%s\n' "$file" "$lead" "$found"
    else
      printf '%s\tx\t%s\t%s\n' "$file" "$lead" "$name"   # generated, or not there
    fi
  fi
done < <(awk '
  FNR == 1 { code = 0; incomment = 0 }
  incomment { if ($0 ~ /\*\//) incomment = 0; next }
  /^[ \t]*$/ || /^[ \t]*\/\// || /^[ \t]*#[ \t]*pragma[ \t]+once[ \t]*$/ { next }
  /^[ \t]*\/\*/ { if ($0 !~ /\*\//) incomment = 1; next }
  /^[ \t]*#[ \t]*include/ { print FILENAME "\t" (code ? "T" : "L") "\t" $0; next }
  { code = 1 }' "${units[@]}" "${headers[@]}") >"$work/includes"

# The library each library header belongs to (a Qt module, GoogleTest, or the rest),
# which tells roughly how much reading it costs.
mapfile -t sysdirs < <(for f in "${sources[@]}"; do
                         set -- ${flags[$f]}
                         while [ $# -gt 0 ]; do
                           [ "$1" = -isystem ] && [ $# -gt 1 ] && echo "$2"
                           shift
                         done
                       done | awk '!seen[$0]++')
awk -F'\t' '$2 == "a" { print $4 }' "$work/includes" | sort -u | while IFS= read -r name; do
  lib=other
  case $name in gtest/* | gmock/*) lib=gtest ;; esac
  for d in "${sysdirs[@]}"; do
    if [ -f "$d/$name" ]; then
      case ${d##*/} in Qt*) lib=${d##*/} ;; esac
      break
    fi
  done
  printf '%s\t%s\n' "$name" "$lib"
done >"$work/libraries"

# Each target is a group: the same flags, leaving out Qt's generated include folders and
# our own macros, which no library header reads (a precompiled set is built without them).
shared_flags() {
  local w
  shared=
  for w in $1; do
    case $w in
      -I*_autogen/include | -DPRIMER_*) ;;
      *) shared+=${shared:+ }$w ;;
    esac
  done
}
declare -A groupof
groups=()
for i in "${!units[@]}"; do
  u=${units[$i]}
  shared_flags "${flags[$u]}"
  g=$shared
  if [ -z "${groupof[$g]:-}" ]; then
    groups+=("$i")
    groupof[$g]=${#groups[@]}
  fi
  case $u in "$work"/alone/*) kind=alone ;; *) kind=source ;; esac
  printf '%s\t%s\t%s\t%s\n' "$i" "${groupof[$g]}" "$kind" "$u"
done >"$work/units"

# The sets of library headers to precompile. What a file may start from is what it has
# in anyway when its first line of code is read: the library headers it includes before
# that code, and all that the headers of ours it includes before that code bring in.
# (For a header alone: what it has in at its own first line of code.) The candidates
# are these sets, each library header alone, and what the source files of a folder have
# in common; a candidate serves every file of its target that has all of it. Candidates
# are taken one by one, the one that saves the most reading first (as weighed below),
# each precompiled alone or on top of a smaller one already taken, while they save more
# than they cost. Each file starts from the largest taken set it can use.
awk -F'\t' -v alpha=1.0 -v overhead=0.5 -v maxdepth=4 '
  function full(f,   j) {       # every library header that file f brings in
    if (f in seen) return
    seen[f] = 1
    for (j = 1; j <= nlib[f]; j++) add(lib[f, j])
    for (j = 1; j <= nours[f]; j++) full(ours[f, j])
  }
  function add(name) { if (!(name in have)) { have[name] = 1; list[++n] = name } }
  function start(f,   j) {      # what is in when the first code line of f is read
    split("", seen); split("", have); n = 0
    seen[f] = 1
    for (j = 1; j <= nlib[f]; j++) if (liblead[f, j]) add(lib[f, j])
    for (j = 1; j <= nours[f]; j++) if (ourslead[f, j]) full(ours[f, j])
  }
  function candidate(g, f) {   # the set of file f as a candidate for group g
    start(f)
    setcandidate(g)
  }
  function setcandidate(g,   k, m, x, key, w) {   # list[1..n] as a candidate for group g
    for (k = 2; k <= n; k++) {
      x = list[k]
      for (m = k - 1; m >= 1 && x < list[m]; m--) list[m + 1] = list[m]
      list[m + 1] = x
    }
    key = g
    for (k = 1; k <= n; k++) key = key SUBSEP list[k]
    w = weigh()
    if (n == 0 || (key in cand)) return
    cand[key] = ++nc; cgrp[nc] = g; cw[nc] = w; cn[nc] = n
    for (k = 1; k <= n; k++) { cname[nc, k] = list[k]; cm[nc, list[k]] = 1 }
  }
  function weigh(   k, m, w, in_) {   # about how many seconds reading list[1..n] takes
    split("", in_); w = 0
    for (k = 1; k <= n; k++) {
      m = (list[k] in library) ? library[list[k]] : "other"
      if (m ~ /^Qt/) in_["QtCore"] = 1
      if (m ~ /^Qt(Gui|Widgets|PrintSupport|Charts|Svg|OpenGL|Test)/) in_["QtGui"] = 1
      in_[m] = 1
      w += (m in each) ? each[m] : 0.3
    }
    for (m in in_) w += (m in base) ? base[m] : 0
    return w
  }
  BEGIN {
    # measured roughly: the first header of a library, then each further one
    base["QtCore"] = 2; base["QtGui"] = 1.5; base["gtest"] = 1.2; base["QtTest"] = 2
    base["QtCharts"] = 0.5; base["QtNetwork"] = 0.4
    each["other"] = 0.05; each["gtest"] = 0; each["QtCore"] = 0.5; each["QtWidgets"] = 0.5; each["QtGui"] = 0.5
  }
  FILENAME == ARGV[1] { library[$1] = $2; next }
  FILENAME == ARGV[2] {
    if ($2 == "a") { lib[$1, ++nlib[$1]] = $4; liblead[$1, nlib[$1]] = ($3 == "L") }
    if ($2 == "q") { ours[$1, ++nours[$1]] = $4; ourslead[$1, nours[$1]] = ($3 == "L") }
    if (!($1 in first)) { first[$1] = $4; firstlead[$1] = ($2 == "q" && $3 == "L") }
    if ($1 ~ /\.h$/ && !($1 in isheader)) { isheader[$1] = 1; header[++nh] = $1 }
    next
  }
  {
    u = $1; unit[++nu] = u; grp[u] = $2; ingroup[$2] = 1
    if ($3 == "alone") aloneof[first[$4]] = u; else { opener[u] = first[$4]; openlead[u] = firstlead[$4] }
    start($3 == "alone" ? first[$4] : $4)
    for (k = 1; k <= n; k++) has[u, list[k]] = 1
    vw[u] = weigh()
    candidate($2, $3 == "alone" ? first[$4] : $4)
    # what the source files of one folder of a target all have in common
    if ($3 == "source") {
      fold = $4; sub(/\/[^\/]*$/, "", fold); fold = $2 SUBSEP fold
      if (!(fold in common)) {
        common[fold] = 1; folder[++nfold] = fold
        for (k = 1; k <= n; k++) shared[fold, list[k]] = 1
      } else {
        for (k in shared) { split(k, part, SUBSEP); if (part[1] SUBSEP part[2] == fold && !((u, part[3]) in has)) delete shared[k] }
      }
    }
  }
  END {
    for (g in ingroup) for (j = 1; j <= nh; j++) candidate(g, header[j])
    for (g in ingroup) for (x in library) { n = 1; list[1] = x; setcandidate(g) }
    for (k in shared) { split(k, part, SUBSEP); fl = part[1] SUBSEP part[2]; sharedlist[fl] = sharedlist[fl] SUBSEP part[3] }
    for (j = 1; j <= nfold; j++) {
      fl = folder[j]; split(fl, part, SUBSEP)
      n = split(substr(sharedlist[fl], 2), list, SUBSEP)
      setcandidate(part[1])
    }
    for (i = 1; i <= nu; i++) best[unit[i]] = 0
    for (c = 1; c <= nc; c++) {
      for (i = 1; i <= nu; i++) {
        u = unit[i]
        if (grp[u] != cgrp[c]) continue
        ok = 1
        for (k = 1; k <= cn[c] && ok; k++) if (!((u, cname[c, k]) in has)) ok = 0
        if (ok) users[c, ++nusers[c]] = u
      }
      if (nusers[c] == 0) continue
      for (d = 1; d <= nc; d++) {
        if (d == c || cgrp[d] != cgrp[c] || cn[d] >= cn[c]) continue
        ok = 1
        for (k = 1; k <= cn[d] && ok; k++) if (!((c, cname[d, k]) in cm)) ok = 0
        if (ok) within[c, ++nwithin[c]] = d
      }
    }
    while (1) {
      top = 0; topgain = 0
      for (c = 1; c <= nc; c++) {
        if (c in taken) continue
        cost = cw[c]; on = 0
        for (k = 1; k <= nwithin[c]; k++) {
          d = within[c, k]
          if ((d in taken) && depth[d] < maxdepth && cw[c] - cw[d] < cost) { cost = cw[c] - cw[d]; on = d }
        }
        gain = -alpha * cost - overhead
        for (k = 1; k <= nusers[c]; k++) { u = users[c, k]; if (cw[c] > best[u]) gain += cw[c] - best[u] }
        if (gain > topgain) { topgain = gain; top = c; topon = on }
      }
      if (top == 0) break
      taken[top] = 1; parent[top] = topon; depth[top] = topon ? depth[topon] + 1 : 1
      for (k = 1; k <= nusers[top]; k++) { u = users[top, k]; if (cw[top] > best[u]) { best[u] = cw[top]; from[u] = top } }
    }
    # A header that a source file opens with is checked there, exactly as alone, when
    # that file starts from no more than the header has in at its own first line of
    # code. Where the set of the file is larger, it gives it up for the largest set within
    # what the header has, if the reading it loses is less than the header alone costs.
    for (i = 1; i <= nu; i++) {
      u = unit[i]
      if (!(u in opener) || !openlead[u] || !(opener[u] in aloneof)) continue
      a = aloneof[opener[u]]
      if (a in covered) continue
      within_a = 0; wa = 0
      for (c in taken) {
        if (cgrp[c] != grp[u] || cw[c] <= wa) continue
        ok = 1
        for (k = 1; k <= cn[c] && ok; k++) if (!((a, cname[c, k]) in has) || !((u, cname[c, k]) in has)) ok = 0
        if (ok) { within_a = c; wa = cw[c] }
      }
      wu = (u in from) ? cw[from[u]] : 0
      if (wu == wa) { covered[a] = 1; continue }
      if (wu - wa < vw[a] - best[a] + 0.3) {
        covered[a] = 1
        if (within_a) from[u] = within_a; else delete from[u]
      }
    }
    # The sets that some file starts from, and those they are built on; then the files,
    # those that start from no set first (they can run while the sets are built).
    for (i = 1; i <= nu; i++) {
      u = unit[i]
      if ((u in covered) || !(u in from)) continue
      for (c = from[u]; c && !(c in used); c = parent[c]) used[c] = 1
    }
    for (c = 1; c <= nc; c++) {
      if (!(c in used)) continue
      names = cname[c, 1]
      for (k = 2; k <= cn[c]; k++) names = names " " cname[c, k]
      print "set\t" c "\t" parent[c] "\t" cgrp[c] "\t" names
    }
    for (i = 1; i <= nu; i++) if (!(unit[i] in covered) && !(unit[i] in from)) print "unit\t" unit[i] "\t0"
    for (i = 1; i <= nu; i++) if (!(unit[i] in covered) && (unit[i] in from)) print "unit\t" unit[i] "\t" from[unit[i]]
  }' "$work/libraries" "$work/includes" "$work/units" >"$work/plan"

# The jobs, and a makefile that runs them in order (a set after the set it builds on,
# a file after its set) and side by side.
makefile=$work/Makefile
self=$root/scripts/check-includes.sh
nsets=0
nalone=0
targets=()
{
  echo ".PHONY: all"
  while IFS=$'\t' read -r what a b c d; do
    if [ "$what" = set ]; then
      nsets=$((nsets + 1))
      rep=${units[${groups[$((c - 1))]}]}
      printf '#include <%s>\n' $d >"$work/set$a.h"
      {
        printf 'kind=pch\n'
        printf 'wd=%q\n' "${where[$rep]}"
        shared_flags "${flags[$rep]}"
        printf 'cmd=%q\n' "$shared"
        printf 'node=%q\n' "$work/set$a"
        if [ "$b" != 0 ]; then printf 'parent=%q\n' "$work/set$b"; else printf 'parent=\n'; fi
      } >"$work/set$a.job"
      if [ "$b" != 0 ]; then echo "$work/set$a.pch: $work/set$b.pch"; else echo "$work/set$a.pch:"; fi
      printf '\t@bash %s --job %s\n' "$self" "$work/set$a.job"
      targets+=("$work/set$a.pch")
    else
      u=${units[$a]}
      name=${u#"$root"/}
      case $u in
        "$work"/alone/*)
          name="${header_of[$u]} (alone)"
          nalone=$((nalone + 1)) ;;
      esac
      {
        printf 'kind=unit\n'
        printf 'wd=%q\n' "${where[$u]}"
        printf 'cmd=%q\n' "${flags[$u]}"
        printf 'file=%q\n' "$u"
        printf 'name=%q\n' "$name"
        if [ "$b" != 0 ]; then printf 'node=%q\n' "$work/set$b"; else printf 'node=\n'; fi
      } >"$work/unit$a.job"
      if [ "$b" != 0 ]; then echo "unit$a: $work/set$b.pch"; else echo "unit$a:"; fi
      printf '\t@bash %s --job %s\n' "$self" "$work/unit$a.job"
      echo ".PHONY: unit$a"
      targets+=("unit$a")
    fi
  done <"$work/plan"
  echo "all: ${targets[*]}"
} >"$makefile.body"
{ echo "all:"; cat "$makefile.body"; } >"$makefile"

echo "check-includes: ${#sources[@]} source files, ${#headers[@]} headers" \
     "($((${#headers[@]} - nalone)) checked in the source file they open, $nalone alone);" \
     "$nsets sets of library headers precompiled; $jobs at once"
if ! make -s -k -j"$jobs" -f "$makefile" -C "$work" all; then
  echo "check-includes: FAILED (add the #include lines that the files named above lack)" >&2
  exit 1
fi
echo "check-includes: every file includes what it uses ($((SECONDS - start)) s)"
