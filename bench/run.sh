#!/usr/bin/env bash
# Measures the program against the floor of its design (one system() call per
# numbered file), a shell loop and find -exec, and its listing of a large
# directory against find. Prints a table of medians and ratios.
#
# Wall-clock times on a shared machine wander by several per cent between
# runs, so the script also counts, with callgrind, the instructions that the
# program and the floor execute themselves (their children not included):
# that count repeats exactly, and it is what the program adds to a run.
#
# Needs hyperfine, /usr/bin/time, valgrind (Debian: hyperfine, time,
# valgrind), cmake, cc and python3. RUNS sets the number of timed runs of
# each command (default 10).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runs=${RUNS:-10}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake -S "$top" -B "$top/build-bench" -DCMAKE_BUILD_TYPE=Release \
  -DBUILD_TESTING=OFF >/dev/null
cmake --build "$top/build-bench" >/dev/null
program="$top/build-bench/skeinfold"
mkdir -p "$work/noop" "$work/stand-in"
cc -O2 -o "$work/noop/quarnel" "$top/bench/noop.c"
cp "$top/build-bench/quarnel" "$work/stand-in/quarnel"
cc -O2 -o "$work/floor" "$top/bench/floor.c"

# numbered DIR COUNT SIZE: COUNT numbered files of SIZE bytes each.
numbered() {
  mkdir -p "$1"
  for i in $(seq 1 "$2"); do
    head -c "$3" /dev/urandom >"$1/$(printf '%08d.001' "$i")"
  done
}
# ignored DIR COUNT: COUNT empty files that are not numbered.
ignored() {
  mkdir -p "$1"
  (cd "$1" && seq -f 'entry-%06g.txt' 1 "$2" | xargs touch)
}

results="$work/results"
mkdir -p "$results"
measure() { # measure NAME DIR TOOLDIR COMMAND...
  local name=$1 dir=$2 tools=$3
  shift 3
  (cd "$dir" && PATH="$tools:$PATH" hyperfine -N --warmup 2 --runs "$runs" \
    --export-json "$results/$name.json" "$@" >/dev/null)
}

# instructions NAME DIR TOOLDIR COMMAND...: what COMMAND itself executes.
instructions() {
  local name=$1 dir=$2 tools=$3
  shift 3
  (cd "$dir" && PATH="$tools:$PATH" valgrind --tool=callgrind \
    --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
    sed -n 's/.*refs: *//p' | tr -d , >"$results/ir-$name")
}

# paired NAME DIR TOOLDIR COUNT: runs the floor and the program in turn,
# PAIRS times, alternating which goes first, and keeps each pair's times.
# Drift on the machine then falls on both alike.
paired() {
  local name=$1 dir=$2 tools=$3 count=$4
  (cd "$dir" && PATH="$tools:$PATH" python3 - "$results/pairs-$name" \
    "${PAIRS:-10}" "$work/floor" "$count" "$program" "$out" <<'PY'
import subprocess, sys, time
path, pairs, floor, count, program, out = sys.argv[1:]
commands = {"floor": [floor, count, out], "program": [program, out]}
with open(path, "w") as f:
    for i in range(int(pairs)):
        times = {}
        for name in (("floor", "program") if i % 2 == 0 else ("program", "floor")):
            start = time.perf_counter()
            subprocess.run(commands[name], stdout=subprocess.DEVNULL, check=True)
            times[name] = time.perf_counter() - start
        print(times["program"], times["floor"], file=f)
PY
  )
}

# tree NAME DIR TOOLDIR COMMAND...: instructions of COMMAND and of every
# process it starts, as "count process-count".
tree() {
  local name=$1 dir=$2 tools=$3
  shift 3
  (cd "$dir" && PATH="$tools:$PATH" valgrind --tool=callgrind \
    --trace-children=yes --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
    sed -n 's/.*refs: *//p' | tr -d , |
    awk '{ sum += $1; n++ } END { print sum, n }' >"$results/tree-$name")
}

# Each command writes its output file outside the fixture directory.
out="$work/out.txt"
numbered "$work/runs-noop" 1000 16
measure runs-noop "$work/runs-noop" "$work/noop" \
  -n program "$program $out" \
  -n floor "$work/floor 1000 $out" \
  -n "sh loop" "sh $top/bench/loop.sh $out" \
  -n "find -exec" "sh -c 'find . -maxdepth 1 -name \"[0-9]*\" -exec quarnel {} -debug \\; >$out'"

paired noop "$work/runs-noop" "$work/noop" 1000
instructions program "$work/runs-noop" "$work/noop" "$program" "$out"
instructions floor "$work/runs-noop" "$work/noop" "$work/floor" 1000 "$out"
numbered "$work/runs-20" 20 16
tree program "$work/runs-20" "$work/noop" "$program" "$out"
tree floor "$work/runs-20" "$work/noop" "$work/floor" 20 "$out"

numbered "$work/runs-stand-in" 200 65536
measure runs-stand-in "$work/runs-stand-in" "$work/stand-in" \
  -n program "$program $out" \
  -n floor "$work/floor 200 $out" \
  -n "sh loop" "sh $top/bench/loop.sh $out" \
  -n "find -exec" "sh -c 'find . -maxdepth 1 -name \"[0-9]*\" -exec quarnel {} -debug \\; >$out'"
paired stand-in "$work/runs-stand-in" "$work/stand-in" 200

for count in 1000 10000 100000; do
  ignored "$work/ignored-$count" "$count"
  (cd "$work/ignored-$count" &&
    /usr/bin/time -f %M -o "$results/rss-$count" "$program" "$out" >/dev/null)
done
instructions listing-program "$work/ignored-100000" "$work/noop" \
  "$program" "$out"
instructions listing-find "$work/ignored-100000" "$work/noop" \
  find . -maxdepth 1 -printf 'Ignoring %f\n'
measure listing "$work/ignored-100000" "$work/noop" \
  -n program "$program $out" \
  -n find "find . -maxdepth 1 -printf 'Ignoring %f\\n'"

python3 - "$results" <<'PY'
import json, sys, os
results = sys.argv[1]

def medians(name):
    with open(os.path.join(results, name + ".json")) as f:
        return {r["command"]: r["median"] for r in json.load(f)["results"]}

def stddevs(name):
    with open(os.path.join(results, name + ".json")) as f:
        return {r["command"]: r["stddev"] for r in json.load(f)["results"]}

def table(title, name, base):
    m, s = medians(name), stddevs(name)
    print(f"\n{title}\n")
    print(f"| command | median | σ | vs {base} |")
    print("| --- | ---: | ---: | ---: |")
    for command, t in m.items():
        print(f"| {command} | {t * 1000:.1f} ms | {s[command] * 1000:.1f} ms "
              f"| {t / m[base]:.3f} |")

def ir(name):
    return int(open(os.path.join(results, "ir-" + name)).read())

table("1,000 numbered files, no-op tool", "runs-noop", "floor")
table("200 numbered files of 64 KiB, stand-in tool", "runs-stand-in", "floor")
table("100,000 ignored entries", "listing", "find")

import statistics
print("\nProgram and floor run in turn, alternating which goes first\n")
print("| job | pairs | median of program / floor | lowest | highest |")
print("| --- | ---: | ---: | ---: | ---: |")
for job, name in (("1,000 runs, no-op tool", "noop"),
                  ("200 runs, stand-in tool", "stand-in")):
    ratios = [float(p) / float(f) for p, f in
              (line.split() for line in open(os.path.join(results, "pairs-" + name)))]
    print(f"| {job} | {len(ratios)} | {statistics.median(ratios):.3f} "
          f"| {min(ratios):.3f} | {max(ratios):.3f} |")

def tree(name):
    count, processes = open(os.path.join(results, "tree-" + name)).read().split()
    return int(count), int(processes)

print("\nInstructions of the whole process tree, 20 runs, no-op tool (callgrind)\n")
print("| command | processes | instructions |")
print("| --- | ---: | ---: |")
for name in ("program", "floor"):
    count, processes = tree(name)
    print(f"| {name} | {processes} | {count:,} |")

print("\nInstructions executed by the process itself (callgrind)\n")
print("| job | program | reference | difference |")
print("| --- | ---: | ---: | ---: |")
for job, a, b in (("1,000 runs, no-op tool (vs floor)", "program", "floor"),
                  ("100,000 ignored entries (vs find)", "listing-program",
                   "listing-find")):
    print(f"| {job} | {ir(a):,} | {ir(b):,} | {ir(a) - ir(b):+,} |")

rss = {n: int(open(os.path.join(results, f"rss-{n}")).read().split()[-1])
       for n in (1000, 10000, 100000)}
print("\nPeak resident memory\n")
print("| entries | peak RSS |")
print("| ---: | ---: |")
for n, kib in rss.items():
    print(f"| {n:,} | {kib:,} KiB |")
growth = (rss[100000] - rss[1000]) * 1024 / 99000
print(f"\nGrowth from 1,000 to 100,000 entries: {growth:.1f} bytes per entry")
PY
