#!/usr/bin/env bash
# Checks oracline-cli end to end on real profile files.
# Usage: run_cli_tests.sh PATH/TO/oracline-cli
set -u
cli="${1:?usage: $0 PATH/TO/oracline-cli}"
work="$(mktemp -d "${TMPDIR:-/tmp}/oracline-cli-XXXXXX")"
trap 'rm -rf "$work"' EXIT
passed=0
failed=0

# check NAME STATUS EXPECTED-STDOUT-OR-EMPTY ARGS...: exit status and exact stdout.
check() {
    local name="$1" want_status="$2" want_out="$3"
    shift 3
    timeout 10 "$cli" "$@" >"$work/out" 2>"$work/err"
    local status=$?
    if [ "$status" -ne "$want_status" ]; then
        echo "FAIL: $name: exit status $status, expected $want_status" >&2
        failed=$((failed + 1))
    elif [ -n "$want_out" ] && [ "$(cat "$work/out"; echo .)" != "$want_out." ]; then
        echo "FAIL: $name: output differs" >&2
        diff <(printf '%s' "$want_out") "$work/out" >&2
        failed=$((failed + 1))
    else
        passed=$((passed + 1))
    fi
}

jane="$(mktemp "$work/jane-XXXXXX.ini")"
printf 'Profile:Me\r\nName:Jane Doe\r\nYourMonth:7\r\nYourDate:15\r\nYourYear:1970\r\n' >"$jane"
title='September 9, 2005  - Jane Doe -  Automatic Calibration'
check "daily" 0 "Daily Analysis - $title
Emotional Reading: 42%
Physical Reading: 99%
Intellectual Reading: 62%
Intuition Reading: 70%
Fortune Reading: 50%
Day Reading: Good Day
Evil Eye Reading: Not susceptible to the Evil Eye
Lottery Numbers: 2  10  24  32  53  21 
Soul Number: 2
Zodiac Sign: Cancer
" daily "$jane" 2005-09-09
# The text itself is the engine's (its unit tests pin it).
check "text" 0 "" text "$jane" 2005-09-09
check "single kind 3" 0 "62
Hourly Analysis - $title   Reading -Intellectual
" single "$jane" 3 2005-09-09
check "single, day after" 0 "35
Hourly Analysis - $title   Reading - Emotional
" single "$jane" 1 2005-09-10 2005-09-09

missing="$work/no such profile.ini"
check "missing profile" 1 "" daily "$missing" 2005-09-09
if grep -qF "$missing" "$work/err"; then passed=$((passed + 1)); else
    echo "FAIL: missing profile not named on stderr" >&2
    failed=$((failed + 1))
fi
check "directory as profile" 1 "" text "$work"
# Devices and pipes would never end; a huge file is no profile.
mkfifo "$work/fifo"
for odd in /dev/zero /dev/urandom "$work/fifo"; do
    check "$odd as profile" 1 "" daily "$odd" 2005-09-09
done
truncate -s 2M "$work/huge.ini"
check "huge profile" 1 "" daily "$work/huge.ini" 2005-09-09

for bad in 2005-9-09 05-09-09 2005/09/09 2005-13-01 2005-02-29 2005-02-31 1900-02-29 2100-02-29 2005-04-31 \
           2005-09-00 '2005-09-09 '; do
    check "bad date '$bad'" 2 "" daily "$jane" "$bad"
done
check "leap day" 0 "" daily "$jane" 2004-02-29
check "leap day of a century" 0 "" daily "$jane" 2000-02-29
check "bad kind" 2 "" single "$jane" x 2005-09-09

# Sixty days from late February of a leap year: each row is the day after the
# one before in the real calendar and carries that day's daily set.
"$cli" month "$jane" 2024-02-25 60 >"$work/month" 2>/dev/null
rows=0 mismatches=0
expected=2024-02-25
while IFS=, read -r day e p b i f reading; do
    [ "$day" = date ] && continue
    rows=$((rows + 1))
    "$cli" daily "$jane" "$day" >"$work/daily"
    want="$expected,$(sed -n 's/.*Reading: \([0-9]*\)%$/\1/p' "$work/daily" | paste -sd,),$(sed -n 's/^Day Reading: //p' "$work/daily")"
    [ "$day,$e,$p,$b,$i,$f,$reading" = "$want" ] || { mismatches=$((mismatches + 1)); echo "month row $day != $want" >&2; }
    expected=$(date -u -d "$expected + 1 day" +%F)
done <"$work/month"
if [ "$rows" -eq 60 ] && [ "$mismatches" -eq 0 ] && [ "$(head -1 "$work/month")" = date,emotional,physical,intellectual,intuition,fortune,day ]; then
    passed=$((passed + 1))
else
    echo "FAIL: month CSV: $rows rows, $mismatches differ from daily" >&2
    failed=$((failed + 1))
fi
for bad in "0" "367" "2025-02-29" "2024-02-25 x" "2024-02-25 30 1"; do
    # shellcheck disable=SC2086  # the words are the arguments
    check "month refuses '$bad'" 2 "" month "$jane" $bad
done
check "month of a missing profile" 1 "" month "$missing"
check "unknown command" 2 "" weekly "$jane"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
