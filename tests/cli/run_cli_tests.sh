#!/usr/bin/env bash
# Checks oracline-cli end to end on real profile files: its arguments, exit
# statuses and output forms. The values are the engine's unit tests' concern.
# Usage: run_cli_tests.sh PATH/TO/oracline-cli
set -u
cli="${1:?usage: $0 PATH/TO/oracline-cli}"
work="$(mktemp -d "${TMPDIR:-/tmp}/oracline-cli-XXXXXX")"
trap 'rm -rf "$work"' EXIT
passed=0 failed=0
fail() { echo "FAIL: $*" >&2; failed=$((failed + 1)); }

# check STATUS EXPECTED-STDOUT-OR-EMPTY ARGS...: exit status and exact stdout.
check() {
    local want_status="$1" want_out="$2"
    shift 2
    timeout 10 "$cli" "$@" >"$work/out" 2>"$work/err"
    local status=$?
    if [ "$status" -ne "$want_status" ]; then
        fail "$*: exit status $status, expected $want_status"
    elif [ -n "$want_out" ] && [ "$(cat "$work/out"; echo .)" != "$want_out." ]; then
        fail "$*: output differs"
        diff <(printf '%s' "$want_out") "$work/out" >&2
    else
        passed=$((passed + 1))
    fi
}

jane="$(mktemp "$work/jane-XXXXXX.ini")"
printf 'Profile:Me\r\nName:Jane Doe\r\nYourMonth:7\r\nYourDate:15\r\nYourYear:1970\r\n' >"$jane"
title='September 9, 2005  - Jane Doe -  Automatic Calibration'
check 0 "Daily Analysis - $title
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
check 0 "" text "$jane" 2005-09-09
check 0 "35
Hourly Analysis - $title   Reading - Emotional
" single "$jane" 1 2005-09-10 2005-09-09

missing="$work/no such profile.ini"
check 1 "" daily "$missing" 2005-09-09
grep -qF "$missing" "$work/err" && passed=$((passed + 1)) || fail "missing profile not named on stderr"
# Devices and pipes would never end; a huge file is no profile.
mkfifo "$work/fifo"
truncate -s 2M "$work/huge.ini"
for odd in "$work" /dev/zero /dev/urandom "$work/fifo" "$work/huge.ini"; do
    check 1 "" daily "$odd" 2005-09-09
done
for bad in 2005-9-09 05-09-09 2005/09/09 2005-13-01 2005-02-29 2005-02-31 1900-02-29 2100-02-29 2005-04-31 \
           2005-09-00 '2005-09-09 '; do
    check 2 "" daily "$jane" "$bad"
done
check 0 "" daily "$jane" 2004-02-29
check 0 "" daily "$jane" 2000-02-29
check 2 "" single "$jane" x 2005-09-09

# Sixty days from late February of a leap year: a header, a row a day, the
# last row that day's daily set.
"$cli" month "$jane" 2024-02-25 60 >"$work/month" 2>/dev/null
"$cli" daily "$jane" 2024-04-24 >"$work/daily"
last="2024-04-24,$(sed -n 's/.*Reading: \([0-9]*\)%$/\1/p' "$work/daily" | paste -sd,),$(sed -n 's/^Day Reading: //p' "$work/daily")"
if [ "$(head -1 "$work/month")" = date,emotional,physical,intellectual,intuition,fortune,day ] &&
   [ "$(wc -l <"$work/month")" -eq 61 ] && [ "$(tail -1 "$work/month")" = "$last" ]; then
    passed=$((passed + 1))
else
    fail "month CSV differs from the daily sets"
fi
for bad in "0" "367" "2025-02-29" "2024-02-25 x" "2024-02-25 30 1"; do
    # shellcheck disable=SC2086  # the words are the arguments
    check 2 "" month "$jane" $bad
done
check 1 "" month "$missing"
check 2 "" weekly "$jane"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
