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
    timeout 10 "$cli" "${@:3}" >"$work/out" 2>"$work/err"
    local status=$?
    if [ "$status" -ne "$1" ]; then
        fail "${*:3}: exit status $status, expected $1"
    elif [ -n "$2" ] && ! diff <(printf '%s' "$2") "$work/out" >&2; then
        fail "${*:3}: output differs"
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

# says TEXT: the last run's error output holds TEXT.
says() { grep -qF -- "$1" "$work/err" && passed=$((passed + 1)) || fail "stderr lacks: $1"; }

missing="$work/no such profile.ini"
check 1 "" daily "$missing" 2005-09-09
says "$missing: no such file"
head -c 1048577 /dev/zero >"$work/big.ini"
for refused in "$work/big.ini: larger than 1 MiB" "$work: not a regular file" "/dev/null: not a regular file"; do
    check 1 "" daily "${refused%%: *}"
    says "$refused"
done
# Each refusal names the argument at fault.
check 2 "" single "$jane" 0 2005-09-09; says "KIND must be 1 to 5: 0"
check 2 "" single "$jane" 6 2005-09-09; says "KIND must be 1 to 5: 6"
check 2 "" single "$jane" -999999999 2005-09-09; says "KIND must be 1 to 5: -999999999"
check 2 "" single "$jane" 5 2005-02-31; says "(YYYY-MM-DD): 2005-02-31"
check 2 "" month "$jane" 367; says "DAYS must be 1 to 366: 367"
# Output that cannot be written (a full disk) is a failure.
timeout 10 "$cli" daily "$jane" 2005-09-09 >/dev/full 2>"$work/err"
[ $? -eq 1 ] && passed=$((passed + 1)) || fail "a failed write did not exit 1"
for bad in 2005-9-09 05-09-09 2005/09/09 2005-13-01 2005-02-29 2005-02-31 1900-02-29 2100-02-29 2005-04-31 \
           2005-09-00 '2005-09-09 '; do
    check 2 "" daily "$jane" "$bad"
done
check 0 "" daily "$jane" 2004-02-29
check 0 "" daily "$jane" 2000-02-29
check 2 "" single "$jane" x 2005-09-09

# A header and a row a day, the values as the daily set above.
check 0 "date,emotional,physical,intellectual,intuition,fortune,day
2005-09-09,42,99,62,70,50,Good Day
2005-09-10,35,99,68,10,10,Normal Day
" month "$jane" 2005-09-09 2
# Without a count, the thirty days of the Monthly Outlook.
check 0 "" month "$jane" 2005-09-09
lines=$(wc -l <"$work/out")
[ "$lines" -eq 31 ] && passed=$((passed + 1)) || fail "month without a count: $lines lines, expected 31"
for bad in "0" "367" "2025-02-29" "2005-09-09 x" "2005-09-09 30 1"; do
    # shellcheck disable=SC2086  # the words are the arguments
    check 2 "" month "$jane" $bad
done
check 1 "" month "$missing"
check 2 "" weekly "$jane"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
