#!/usr/bin/env bash
# wbtool_cli_test.sh WBTOOL — the real tool run on the cases of
# wbtool_cases.sh, with the results each case must give.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tool=$(realpath "$1")
work=$(mktemp -d "${TMPDIR:-/tmp}/wbtool-cli.XXXXXX")
trap 'rm -rf "$work"' EXIT
bash "$here/wbtool_cases.sh" "$work/run" "$tool" || exit 1
cd "$work/run" || exit 1

failures=0
problem() { echo "FAIL $*" >&2; failures=$((failures + 1)); }

expect() {  # NAME STATUS [STDOUT]
  local name=$1 status=$2
  [ "$(cat "$name.rc")" = "$status" ] || problem "$name: status $(cat "$name.rc"), not $status ($(cat "$name.err"))"
  if [ $# -ge 3 ]; then
    local want got
    want=$(printf '%b' "$3"); got=$(cat "$name.out")
    [ "$got" = "$want" ] || problem "$name: stdout was"$'\n'"$got"$'\n'"not"$'\n'"$want"
  fi
}
expect_err() {  # NAME TEXT: stderr holds TEXT
  grep -qF -- "$2" "$1.err" || problem "$1: stderr lacks \"$2\": $(cat "$1.err")"
}
expect_size() {  # FILE BYTES
  [ "$(wc -c <"$1")" -eq "$2" ] || problem "$1: $(wc -c <"$1") bytes, not $2"
}

expect import_basic 0 ""
expect_size basic.wb $((6 * 84))
expect dump_basic 0 '0\tzebre\tzebra\t0\n1\tchien\tdog, hound\t0\n2\tAne\tdonkey\t0\n3\tchat\tcat\t0\n4\t\xc3\xa9t\xc3\xa9\tsummer\t0\n5\tback\\\\slash\ttab\\there\t0'
expect import_ru_1252 1; expect_err import_ru_1252 "line 1"; expect_err import_ru_1252 "U+0436"
[ -e ru_fail.wb ] && problem "a failed import created its output"
expect dump_ru 0 '0\t\xd0\xb6\xd1\x83\xd0\xba\tbeetle\t0\n1\t\xd0\x9a\xd0\xbe\xd1\x82\tcat\t0'
expect import_cyrillic_name 0 ""
expect sort_cyrillic_name 0 2
expect_size "$(printf '\xd0\xa0\xd1\x83\xd1\x81/\xd0\xa1\xd0\xbb\xd0\xbe\xd0\xb2\xd0\xb0\xd1\x80\xd1\x8c.wb')" $((2 * 84))
expect dump_eo 0 '0\t\xc4\x89evalo\thorse\t0\n1\t\xc4\x9dardeno\tgarden\t0'
expect import_notab 1; expect_err import_notab "line 2"
[ "$(cat kept.wb)" = keep ] || problem "a failed import changed its output"
expect import_long 1; expect_err import_long "line 2"
expect import_longt 1; expect_err import_longt "line 3"
expect import_badutf8 1; expect_err import_badutf8 "UTF-8"
expect import_missing 1

expect check_unsorted 1 'records: 6\nrecord 1: out of order (sorts before record 0)'
expect sort_basic 0 6
expect check_sorted 0 'records: 6'
expect dump_sorted 0 '0\tAne\tdonkey\t0\n1\tback\\\\slash\ttab\\there\t0\n2\tchat\tcat\t0\n3\tchien\tdog, hound\t0\n4\tzebre\tzebra\t0\n5\t\xc3\xa9t\xc3\xa9\tsummer\t0'
expect find_5_chien 0 3
expect find_5_CHIEN 0 3
expect find_2_ch 0 2
expect find_2_zz 0 5
expect find_1_a 0 0
expect find_0_ 0 0
expect "find_200_$(printf 'z%.0s' $(seq 200))" 0 5
expect find_ru 0 0
expect find_unmappable 1; expect_err find_unmappable "U+0436"
expect find_empty 0 0
expect sort_empty 0 0
expect check_empty 0 'records: 0'

expect check_marked 1 'records: 5\nrecord 1: out of order (sorts before record 0)\nrecord 2: deleted mark 2\nrecord 3: deleted mark -1'
expect sort_marked 0 2
expect dump_marked 0 '0\tane\tdonkey\t0\n1\tpomme\tapple\t0'
expect check_broken 1 'records: 4\ntrailing partial record: 7 bytes\nrecord 1: headword field has no NUL\nrecord 2: translation field has no NUL\nrecord 2: out of order (sorts before record 1)'

expect sort_table 0 6
expect dump_table 0 '0\tzoo\t\t0\n1\tapple\t\t0\n2\tmango#b\t\t0\n3\tmango#a\t\t0\n4\tto-day\t\t0\n5\ttoday\t\t0'
expect check_table 0 'records: 6'
expect check_table_az 1
expect find_table 0 0
expect find_table_ignored 0 4
expect check_short_table 1; expect_err check_short_table "100 bytes"
expect sort_missing_table 1; expect_err sort_missing_table "absent.stb"

expect reverse 0 ""
[ -e lang/temp.wb ] && problem "reverse left its temporary list"
expect dump_reverse 0 '0\t\tcat\t0\n1\tchat\tcat\t0\n2\tChat\tCat\t0\n3\tchien\tdog, hound\t0\n4\tminou\tcat\t0\n5\tqqqqqqqqqqqqqqqqq\tlong\t0\n6\ttoutou\tdog\t0'
expect reverse_missing 1; expect_err reverse_missing "Input file missing"
[ -e lang/to2.wb ] && problem "a failed reverse created its output"

expect import_many 0
expect sort_many 0 3000
expect check_many 0 'records: 3000'

for name in usage_none usage_command usage_charset usage_count usage_both; do
  expect "$name" 2
  [ "$(wc -l <"$name.err")" -eq 1 ] || problem "$name: the usage error is not one line"
done
expect help 0

if [ "$failures" -gt 0 ]; then echo "wbtool_cli_test: $failures failures" >&2; exit 1; fi
echo "wbtool_cli_test: all cases as expected"
