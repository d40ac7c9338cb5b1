#!/usr/bin/env bash
# The AppStream metainfo lists the same releases as the changelog, the
# version's one source: every entry's version with the day of its date line,
# newest first, and no release the changelog does not have.
set -u
changelog="$1"
metainfo="$2"
failures=0
expected=""
version=""
while IFS= read -r line; do
  case "$line" in
    "tallimor ("*) version=${line#tallimor (}; version=${version%%)*} ;;
    " -- "*)
      day=$(date -u -d "${line##*>  }" +%F) || { echo "FAIL bad date line: $line"; failures=$((failures + 1)); }
      expected+="$version $day"$'\n' ;;
  esac
done < "$changelog"
actual=$(sed -n 's/.*<release version="\([^"]*\)" date="\([^"]*\)".*/\1 \2/p' "$metainfo")
if [ -z "$expected" ]; then
  echo "FAIL no entries read from $changelog"
  failures=$((failures + 1))
elif [ "${expected%$'\n'}" != "$actual" ]; then
  echo "FAIL releases: changelog has [${expected%$'\n'}], metainfo has [$actual]"
  failures=$((failures + 1))
fi
if [ "$failures" -eq 0 ]; then echo "release_history_test: all checks passed"; fi
exit "$failures"
