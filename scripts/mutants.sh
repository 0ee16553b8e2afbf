#!/usr/bin/env bash
# Hand-placed faults, one at a time: each line of the list names a file, a text
# that occurs exactly once in it and what to put there instead. Every fault is
# applied to a scratch copy of the tree, which is built and tested; a fault that
# no test notices "survived". Exits 1 when any survived, 2 when the list or the
# unchanged tree is broken.
#
#   scripts/mutants.sh [LIST] [REGEX]     only the lines that match REGEX (grep -E)
#   scripts/mutants.sh --check [LIST]     only check that every line still fits the code
#
# The scratch copy and its build live in build-mutants/ and are kept between
# runs, so only what a fault touches is rebuilt (through ccache when installed).
# The Qt window and its tests are left out: the faults are in the core.
set -euo pipefail
shopt -u patsub_replacement 2>/dev/null || true  # "&" in a replacement is a plain "&"
repo=$(cd "$(dirname "$0")/.." && pwd)
check_only=false
if [ "${1:-}" = --check ]; then check_only=true; shift; fi
list=${1:-$repo/scripts/mutants.list}
pattern=${2:-}
scratch=${MUTANTS_DIR:-$repo/build-mutants}
tree=$scratch/tree
build=$scratch/build
dirty=$scratch/dirty          # files a fault was written into: their objects may be stale
lock=${KESTROVA_BUILD_LOCK:-/tmp/kestrova-build.lock}
jobs=${JOBS:-2}
started=$SECONDS


# Fields are separated by "@@"; blanks around a field are not part of it.
trim() {
    local s=$1
    s=${s#"${s%%[![:space:]]*}"}
    printf '%s' "${s%"${s##*[![:space:]]}"}"
}
occurrences() {  # of $2 in $1
    local rest=${1//"$2"/}
    echo $(((${#1} - ${#rest}) / ${#2}))
}
read_file() { IFS= read -r -d '' "$1" <"$2" || true; }

# Check the whole list before building anything.
entries=()
errors=0
lineno=0
while IFS= read -r line || [ -n "$line" ]; do
    lineno=$((lineno + 1))
    [[ $line =~ ^[[:space:]]*(#|$) ]] && continue
    [ -n "$pattern" ] && ! grep -qE -- "$pattern" <<<"$line" && continue
    rest=$line
    file=$(trim "${rest%%@@*}"); rest=${rest#*@@}
    find=$(trim "${rest%%@@*}"); rest=${rest#*@@}
    repl=$(trim "$rest")
    if [[ $line != *@@*@@* ]] || [ -z "$file" ] || [ -z "$find" ]; then
        echo "$list:$lineno: expected: file @@ text to find @@ replacement"
        errors=$((errors + 1)); continue
    fi
    if [ ! -f "$repo/$file" ]; then
        echo "$list:$lineno: no file $file"
        errors=$((errors + 1)); continue
    fi
    read_file content "$repo/$file"
    n=$(occurrences "$content" "$find")
    if [ "$n" -ne 1 ]; then
        echo "$list:$lineno: \"$find\" occurs $n times in $file, not once"
        errors=$((errors + 1)); continue
    fi
    entries+=("$lineno"$'\x1f'"$file"$'\x1f'"$find"$'\x1f'"$repl")
done <"$list"
[ "$errors" -eq 0 ] || { echo "$errors broken line(s) in $list"; exit 2; }
[ ${#entries[@]} -gt 0 ] || { echo "no faults to try"; exit 2; }
if $check_only; then echo "${#entries[@]} faults, each found once"; exit 0; fi

# A fresh copy of the sources. Copies keep their times, so unchanged files are
# not rebuilt; a file a fault was written into last time is rebuilt.
mkdir -p "$scratch"
rm -rf "$tree"
mkdir -p "$tree"
cp -a "$repo/CMakeLists.txt" "$repo/src" "$repo/tests" "$repo/tools" "$repo/scripts" "$tree/"
if [ -f "$dirty" ]; then
    while IFS= read -r f; do [ -f "$tree/$f" ] && touch "$tree/$f"; done <"$dirty"
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$tree" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTROVA_WERROR=ON \
    -DKESTROVA_GUI=OFF -DKESTROVA_BENCH=OFF "${launcher[@]}" >/dev/null

# The machine's shared build lock: a fault takes seconds to build and test, so
# the lock is kept for up to $hold seconds of faults, then let go so that
# other builds can run in between.
hold=${MUTANTS_LOCK_SECONDS:-60}
exec 9>>"$lock"
held_since=
take_lock() { if [ -z "$held_since" ]; then flock 9; held_since=$SECONDS; fi; }
ease_lock() {
    if [ -n "$held_since" ] && { [ "${1:-}" = now ] || [ $((SECONDS - held_since)) -ge "$hold" ]; }; then
        flock -u 9
        held_since=
        sleep 1  # a waiting build gets its turn
    fi
}
build_and_test() {  # 0: all passed, 1: a test failed, 3: no build
    take_lock
    cmake --build "$build" -j "$jobs" >"$scratch/build.log" 2>&1 || { ease_lock; return 3; }
    ctest --test-dir "$build" -j "$jobs" --stop-on-failure >"$scratch/test.log" 2>&1 || { ease_lock; return 1; }
    ease_lock
    return 0
}

echo "== the unchanged tree"
status=0; build_and_test || status=$?
ease_lock now
if [ "$status" -ne 0 ]; then
    echo "the unchanged tree does not build or pass its tests; see $scratch/build.log and $scratch/test.log"
    exit 2
fi
: >"$dirty"

total=${#entries[@]}
caught=0
survivors=()
i=0
for entry in "${entries[@]}"; do
    i=$((i + 1))
    IFS=$'\x1f' read -r lineno file find repl <<<"$entry"
    target=$tree/$file
    read_file original "$target"
    echo "$file" >>"$dirty"
    printf '%s' "${original/"$find"/"$repl"}" >"$target"
    status=0; build_and_test || status=$?
    printf '%s' "$original" >"$target"
    what="$file: $find  ->  $repl"
    case $status in
        0) survivors+=("line $lineno, $what"); printf '[%d/%d] SURVIVED %s\n' "$i" "$total" "$what" ;;
        1) caught=$((caught + 1))
           failed=$(sed -n 's/^[[:space:]]*[0-9]* - \(.*\) (\(Failed\|Timeout\|SEGFAULT\|Subprocess aborted\|Exception\)).*/\1/p' "$scratch/test.log" | head -n 3 | paste -sd, -)
           printf '[%d/%d] caught   %s  (%s)\n' "$i" "$total" "$what" "${failed:-a test failed}" ;;
        3) caught=$((caught + 1)); printf '[%d/%d] caught   %s  (does not compile)\n' "$i" "$total" "$what" ;;
    esac
done

ease_lock now

echo
if [ ${#survivors[@]} -gt 0 ]; then
    echo "No test caught:"
    printf '  %s\n' "${survivors[@]}"
fi
echo "$caught of $total caught ($((SECONDS - started)) s)"
[ ${#survivors[@]} -eq 0 ]
