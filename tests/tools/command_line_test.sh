#!/usr/bin/env bash
# --help and --version of the game and the simulator: printed without a
# window or a display, and the simulator's seeded records carrying the stamp
# a reproducible build gives them.
set -u
game="$1"
sim="$2"
version="$3"
# shellcheck source=check.sh
. "$(dirname "$0")/check.sh"
nodisplay() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }

check "game version" "tallimor $version" "$(nodisplay "$game" --version)"
check "game version status" "0" "$(nodisplay "$game" --version >/dev/null 2>&1; echo $?)"
help=$(nodisplay "$game" --help 2>/dev/null)
check "game help status" "0" "$(nodisplay "$game" --help >/dev/null 2>&1; echo $?)"
check "game help usage" "usage: tallimor [--help | --version]" "$(echo "$help" | head -1)"
check "game help names the data folder" "1" "$(echo "$help" | grep -c 'XDG_DATA_HOME/Tallimor/')"
check "game help on stderr" "" "$(nodisplay "$game" --help 2>&1 >/dev/null)"

check "sim version" "tallimor-sim $version" "$("$sim" --version)"
check "sim help status" "0" "$("$sim" --help >/dev/null 2>&1; echo $?)"
help=$("$sim" --help)
for command in play claim simulate mark init-stats bench; do
  check "sim help names $command" "1" "$(echo "$help" | grep -c "^  $command ")"
done
# Anything else keeps its usage error of one line and status 2.
check "help after a command is an option" "2" "$("$sim" mark --help >/dev/null 2>&1; echo $?)"
check "help with more is a usage error" "2" "$("$sim" --help play >/dev/null 2>&1; echo $?)"

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# Seeded twice a second apart with the same epoch: the same bytes, and the
# stamp (bytes 0 to 7, days since 30 December 1899) is that epoch's, in UTC.
SOURCE_DATE_EPOCH=1796644800 TZ=America/New_York "$sim" init-stats --dir "$dir/one" --games 1 --seed 3 >/dev/null
sleep 1
SOURCE_DATE_EPOCH=1796644800 TZ=Asia/Tokyo "$sim" init-stats --dir "$dir/two" --games 1 --seed 3 >/dev/null
for colours in 5 6 7 8 9 10; do
  check "same bytes for $colours colours" "" \
    "$(cmp "$dir/one/Winners/Winners$colours" "$dir/two/Winners/Winners$colours" 2>&1)"
done
check "stamp of the epoch" "46363.5" "$(od -An -t f8 -N8 "$dir/one/Winners/Winners7" | tr -d ' ')"
check "length kept" "32392" "$(stat -c %s "$dir/one/Winners/Winners7")"
check "a bad epoch stops the run" "2" \
  "$(SOURCE_DATE_EPOCH=yesterday "$sim" init-stats --dir "$dir/three" --games 1 --seed 3 >/dev/null 2>&1; echo $?)"
check "nothing written for a bad epoch" "no" "$([ -e "$dir/three" ] && echo yes || echo no)"

finish
