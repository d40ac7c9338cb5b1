# Sourced by the command-line tests: `check NAME EXPECTED ACTUAL` counts a
# mismatch, `finish` reports and exits with the count.
failures=0
check() {
  if [ "$2" != "$3" ]; then
    echo "FAIL $1: expected [$2], got [$3]"
    failures=$((failures + 1))
  fi
}
finish() {
  if [ "$failures" -eq 0 ]; then echo "$(basename "$0" .sh): all checks passed"; fi
  exit "$failures"
}
