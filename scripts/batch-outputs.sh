#!/bin/bash
# Usage: scripts/batch-outputs.sh VENDRIX_BINARY OUTDIR
# Compare two builds: run it for each, then `diff -r OUT1 OUT2` (needs
# poppler-utils; faketime, if installed, freezes the printed time).
# Writes every batch output of the initial project and the examples (both methods,
# both consolidation options) into OUTDIR, for `diff -r` against another build.
set -u
bin=$(readlink -f "$1"); out=$2; rm -rf "$out"; mkdir -p "$out"
# The report pages print the time; a frozen clock (faketime) keeps them comparable.
faketime=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
[ -e "$faketime" ] && export FAKETIME="2026-01-01 00:00:00" LD_PRELOAD=$faketime
ex=$(cd "$(dirname "$0")/../examples" && pwd)
export QT_QPA_PLATFORM=offscreen LC_ALL=C LANG=C
projects=("" "$ex/dewatering-tube-on-land.Vdx" "$ex/dike-tube-in-water.Vdx" "$ex/given-pressure-english.Vdx")
names=(initial dewatering dike pressure)
for i in 0 1 2 3; do
  p=${projects[$i]}; n=${names[$i]}
  for m in exact classic; do
    for c in 0 1 2; do
      d="$out/$n-$m-c$c"; mkdir -p "$d"
      cons=(); [ $c -gt 0 ] && cons=(--consolidate $c)
      (cd "$d" && "$bin" run $p --method $m "${cons[@]}" --json --profile > run.json 2>run.err; echo $? > status)
      (cd "$d" && "$bin" run $p --method $m "${cons[@]}" > run.txt 2>>run.err)
      (cd "$d" && "$bin" run $p --method $m "${cons[@]}" --results results.txt --xls profile.xls \
          --csv outline.csv --dxf cad.dxf --quantities quantities.txt --image cs.png \
          --sketch sketch.png --size 628x410 > files.txt 2>>run.err; echo $? >> status)
      (cd "$d" && "$bin" run $p --method $m "${cons[@]}" --image cs.bmp > /dev/null 2>>run.err)
      (cd "$d" && "$bin" run $p --method $m "${cons[@]}" --image small.png --size 300x200 > /dev/null 2>>run.err)
      (cd "$d" && "$bin" run $p --method $m "${cons[@]}" --image cs.svg > /dev/null 2>>run.err)
    done
  done
  d="$out/$n-envelope"; mkdir -p "$d"
  (cd "$d" && "$bin" run $p --json --envelope env.csv > env.json 2>run.err; echo $? > status
   "$bin" run $p --envelope env.png > /dev/null 2>>run.err)
  d="$out/$n-pdf"; mkdir -p "$d"
  (cd "$d" && "$bin" run $p --consolidate 1 --pdf report.pdf --paper a4 >/dev/null 2>run.err; echo $? > status
   pdftoppm -r 50 -png report.pdf page >/dev/null 2>&1; rm -f report.pdf)
done
# variants: English units, black and white, one layer, each objective
for v in "display.englishUnits=1" "printBlackWhite=1" "twoSlurryLayers=0" "analysisType=1" "analysisType=2" "asianPacific=1"; do
  f=${v##*.}; d="$out/var-${f//=/_}"; mkdir -p "$d"
  (cd "$d" && "$bin" run --set "$f" --consolidate 1 --json --profile > run.json 2>run.err; echo $? > status
   "$bin" run --set "$f" --consolidate 2 --results results.txt --quantities q.txt --image cs.png --sketch sk.png --dxf cad.dxf --pdf r.pdf --paper letter > run.txt 2>>run.err
   pdftoppm -r 50 -png r.pdf page >/dev/null 2>&1; rm -f r.pdf)
done
# svg files carry no dates; strip nothing. Report how many files.
find "$out" -type f | wc -l
