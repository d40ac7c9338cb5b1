#!/usr/bin/env bash
# The command line of tallimor-sim, as a script would use it.
set -u
sim="$1"
failures=0
check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then
    echo "FAIL $1: expected [$2], got [$3]"
    failures=$((failures + 1))
  fi
}
status() { "$@" >/dev/null 2>&1; echo $?; }

check "mark" "1 3 0" "$("$sim" mark --colours 6 --length 4 --order random --repeat 4 --answer 1123 --guess 1312)"
check "mark blanks" "1 2 1" "$("$sim" mark --colours 7 --length 5 --unspecified --order random --repeat 5 --answer 012bb --guess 0b12b)"

check "play" "1 012 0 1
2 340 0 2
3 134 2 0
4 234 3 0
win 4" "$("$sim" play --colours 5 --length 3 --order random --repeat 1 --colour-order 01234 --answer 234)"
middle=$("$sim" play --colours 5 --length 3 --order random --repeat 1 --colour-order 01234 --answer 234 --start 3 --given 012,340)
check "play middle" "1 012 0 1
2 340 0 2
3 134 2 0
4 234 3 0
win 2" "$middle"

for bad in "play --colours 4 --length 3 --order random --repeat 1 --colour-order 0123 --answer 012" \
           "play --colours 5 --length 3 --order random --repeat 1 --colour-order 01234 --answer 011" \
           "play --colours 5 --length 3 --order random --repeat 1 --colour-order 01233 --answer 012" \
           "play --colours 5 --length 3 --order random --repeat 1 --colour-order 01234 --answer 234 --start 3 --given 012" \
           "mark --colours 6 --length 5 --order sideways --repeat 1 --answer 01234 --guess 01234" \
           "simulate --colours 6 --length 4 --order random --repeat 4 --threads zero" \
           "bench --games" "frobnicate" ""; do
  # shellcheck disable=SC2086
  check "usage error: $bad" "2" "$(status "$sim" $bad)"
  # shellcheck disable=SC2086
  check "one line: $bad" "1" "$("$sim" $bad 2>&1 >/dev/null | wc -l)"
done

summary=$("$sim" simulate --colours 5 --length 3 --order random --repeat 1 --seed 7)
case "$summary" in
  "Average number of attempts: "*" / 60 = "*) ;;
  *) echo "FAIL simulate count: $summary"; failures=$((failures + 1)) ;;
esac
check "simulate lines" "3" "$(echo "$summary" | wc -l)"
check "simulate fixed order" "10" "$("$sim" simulate --colours 5 --length 3 --order fixed --repeat 1 --seed 7 | sed -n 's/.* \/ \([0-9]*\) = .*/\1/p')"
one=$("$sim" simulate --colours 7 --length 4 --unspecified --order random --repeat 2 --seed 11 --threads 1)
two=$("$sim" simulate --colours 7 --length 4 --unspecified --order random --repeat 2 --seed 11 --threads 2)
check "threads do not change the games" "$one" "$two"

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
check "init-stats" "0" "$(status "$sim" init-stats --dir "$dir" --games 1 --seed 3)"
check "records files" "6" "$(ls "$dir/Winners" | grep -c '^Winners\(5\|6\|7\|8\|9\|10\)$')"
check "record length" "32392" "$(stat -c %s "$dir/Winners/Winners10")"
before=$(cksum < "$dir/Winners/Winners7")
printf 'garbage' | dd of="$dir/Winners/Winners8" bs=1 seek=8 conv=notrunc 2>/dev/null
printf '\377\377' | dd of="$dir/Winners/Winners8" bs=1 seek=8 conv=notrunc 2>/dev/null
damaged=$(cksum < "$dir/Winners/Winners8")
check "damaged file stops the run" "1" "$(status "$sim" init-stats --dir "$dir" --games 1 --seed 3)"
check "damaged file kept" "$damaged" "$(cksum < "$dir/Winners/Winners8")"
check "other files kept" "$before" "$(cksum < "$dir/Winners/Winners7")"

if [ "$failures" -eq 0 ]; then echo "sim_cli_test: all checks passed"; fi
exit "$failures"
