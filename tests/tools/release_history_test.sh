#!/usr/bin/env bash
# The AppStream metainfo lists the same releases as the changelog, the
# version's one source: every entry's version with the day of its date line,
# newest first, and no release the changelog does not have.
set -u
changelog="$1"
metainfo="$2"
# shellcheck source=check.sh
. "$(dirname "$0")/check.sh"
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
check "entries read from $changelog" "yes" "$([ -n "$expected" ] && echo yes || echo no)"
check "releases of the metainfo" "${expected%$'\n'}" "$actual"
finish
