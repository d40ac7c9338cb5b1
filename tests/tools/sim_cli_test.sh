#!/usr/bin/env bash
# The command line of tallimor-sim, as a script would use it.
set -u
sim="$1"
# shellcheck source=check.sh
. "$(dirname "$0")/check.sh"
status() { "$@" >/dev/null 2>&1; echo $?; }

check "mark" "1 3 0" "$("$sim" mark --colours 6 --length 4 --order random --repeat 4 --answer 1123 --guess 1312)"
check "mark blanks" "1 2 1" "$("$sim" mark --colours 7 --length 5 --unspecified --order random --repeat 5 --answer 012bb --guess 0b12b)"

set53="--colours 5 --length 3 --order random --repeat 1 --colour-order 01234"
# The whole game from trial 1 is read below, with a wrong hint in it.
check "play middle" "1 012 0 1
2 340 0 2
3 134 2 0
4 234 3 0
win 2" "$("$sim" play $set53 --answer 234 --start 3 --given 012,340)"
check "play with a wrong hint" "1 012 0 1
2 340 0 1
inconsistent 2
corrected 2:0:2
3 134 2 0
4 234 3 0
win 4" "$("$sim" play $set53 --answer 234 --errors 2)"
check "play with a hidden win" "1 012 2 0
2 013 2 0
3 014 2 0
inconsistent 3
corrected 1:3:0
win 3 hidden 1" "$("$sim" play $set53 --answer 012 --errors 1)"
check "fixed order shows the count and the whites" "1 012 0 1" \
  "$("$sim" play --colours 5 --length 3 --order fixed --repeat 1 --colour-order 01234 --answer 234 --errors 1 | head -1)"
set64="--colours 6 --length 4 --order random --repeat 1 --colour-order 012345 --answer 2541 --errors 1"
# The first three hints fit some colours but no placing of them (the text of
# this verdict is read in the computer's game tests).
check "claim right" "1 4051 0 2
2 5204 0 3
3 2543 3 0
right" "$("$sim" claim $set64 --guesses 4051,5204,2543 | head -4)"
check "claim late" "late 3
text Too late!  In fact, the error occurred in Trial 1. You should have detected it in Trial 3.\\nChoose one option below." \
  "$("$sim" claim $set64 --guesses 4051,5204,2543,2105 | tail -2)"
check "claim consistent" "consistent 0124
text Sorry!  The hint I gave you is consistent. You may see a possible answer in the Possible Answer Frame.\\nChoose one option below." \
  "$("$sim" claim --colours 6 --length 4 --order random --repeat 1 --colour-order 012345 --answer 0123 --errors 1 --guesses 0123 | tail -2)"
check "claim before the first own guess" "1 01234 0 0
2 56789 0 4
right" "$("$sim" claim --colours 10 --length 5 --order random --repeat 1 --colour-order 3105246789 --answer 98765 --errors 2 --start 3 --given 01234,56789 --guesses '' | head -3)"
check "a claim needs a trial" "2" "$(status "$sim" claim $set53 --answer 234 --errors 1 --guesses '')"
check "claim won first" "win 2" "$("$sim" claim $set53 --answer 234 --errors 1 --guesses 012,234 | tail -1)"

# shellcheck disable=SC2086  # each command split into its words
for bad in "play --colours 4 --length 3 --order random --repeat 1 --colour-order 0123 --answer 012" \
           "play --colours 5 --length 3 --order random --repeat 1 --colour-order 01234 --answer 011" \
           "play --colours 5 --length 3 --order random --repeat 1 --colour-order 01233 --answer 012" \
           "play --colours 5 --length 3 --order random --repeat 1 --colour-order 01234 --answer 234 --start 3 --given 012" \
           "mark --colours 6 --length 5 --order sideways --repeat 1 --answer 01234 --guess 01234" \
           "simulate --colours 6 --length 4 --order random --repeat 4 --threads zero" \
           "play $set53 --answer 234 --errors 0" "play $set53 --answer 234 --errors 123" \
           "play $set53 --answer 234 --errors 31" "play $set53 --answer 234 --errors 33" \
           "play $set53 --answer 234 --errors a" "claim $set53 --answer 234 --errors 1 --guesses 012,012" \
           "bench --games" "frobnicate" ""; do
  check "usage error: $bad" "2" "$(status "$sim" $bad)"
  check "one line: $bad" "1" "$("$sim" $bad 2>&1 >/dev/null | wc -l)"
done

summary=$("$sim" simulate --colours 5 --length 3 --order random --repeat 1 --seed 7)
check "simulate count" "60" "$(echo "$summary" | sed -n 's/^Average number of attempts: .* \/ \([0-9]*\) = .*/\1/p')"
check "simulate lines" "3" "$(echo "$summary" | wc -l)"
check "simulate fixed order" "10" "$("$sim" simulate --colours 5 --length 3 --order fixed --repeat 1 --seed 7 | sed -n 's/.* \/ \([0-9]*\) = .*/\1/p')"
one=$("$sim" simulate --colours 7 --length 4 --unspecified --order random --repeat 2 --seed 11 --threads 1)
two=$("$sim" simulate --colours 7 --length 4 --unspecified --order random --repeat 2 --seed 11 --threads 2)
check "threads do not change the games" "$one" "$two"

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
check "init-stats" "0" "$(status "$sim" init-stats --dir "$dir" --games 1 --seed 3)"
check "records files" "6" "$(ls "$dir/Winners" | grep -c '^Winners\(5\|6\|7\|8\|9\|10\)$')"
before=$(cksum < "$dir/Winners/Winners7")
printf 'garbage' | dd of="$dir/Winners/Winners8" bs=1 seek=8 conv=notrunc 2>/dev/null
printf '\377\377' | dd of="$dir/Winners/Winners8" bs=1 seek=8 conv=notrunc 2>/dev/null
damaged=$(cksum < "$dir/Winners/Winners8")
check "damaged file stops the run" "1" "$(status "$sim" init-stats --dir "$dir" --games 1 --seed 3)"
check "damaged file kept" "$damaged" "$(cksum < "$dir/Winners/Winners8")"
check "other files kept" "$before" "$(cksum < "$dir/Winners/Winners7")"

finish
