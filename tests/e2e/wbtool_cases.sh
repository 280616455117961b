#!/usr/bin/env bash
# wbtool_cases.sh WORKDIR COMMAND... — runs a fixed set of wbtool cases in
# WORKDIR (made afresh) with COMMAND (e.g. "path/wbtool" or "wine path/wbtool.exe").
# For each case NAME it leaves NAME.out (stdout), NAME.err (stderr) and
# NAME.rc (exit status); the word files the cases make stay in WORKDIR.
# The same inputs go to every build, so two runs can be compared file by file.
set -uo pipefail
export LC_ALL=C

work=$1; shift
tool=("$@")
rm -rf "$work" && mkdir -p "$work/lang" && cd "$work" || exit 1

# The script counts bytes (LC_ALL=C); the tool runs in a UTF-8 locale, from
# which Wine takes the encoding of the command line.
run() {  # NAME ARGS...
  local name=$1; shift
  LC_ALL=C.UTF-8 "${tool[@]}" "$@" >"$name.out" 2>"$name.err" </dev/null
  echo $? >"$name.rc"
}

# NUL bytes filling a field of WIDTH after TEXT; a text too long for its
# field stops the script (head -c with a negative count would never end).
pad() {  # WIDTH TEXT
  local n=$(($1 - ${#2}))
  if [ "$n" -lt 0 ]; then echo "wbtool_cases: \"$2\" is longer than $1 bytes" >&2; exit 1; fi
  head -c "$n" /dev/zero
}

# One 84-byte record: headword, translation (raw bytes), deleted mark as
# printf escapes of two little-endian bytes.
record() {
  printf '%s' "$1"; pad 31 "$1"
  printf '%s' "$2"; pad 51 "$2"
  printf "$3"
}

# --- import ---------------------------------------------------------------
printf '\xef\xbb\xbfzebre\tzebra\r\nchien\tdog, hound\r\n\r\nAne\tdonkey\r\nchat\tcat\r\n\xc3\xa9t\xc3\xa9\tsummer\nback\\slash\ttab\there\n' >words.tsv
run import_basic import words.tsv basic.wb
printf '\xd0\xb6\xd1\x83\xd0\xba\tbeetle\n\xd0\x9a\xd0\xbe\xd1\x82\tcat\n' >ru.tsv
run import_ru_1252 import ru.tsv ru_fail.wb
run import_ru import ru.tsv ru.wb --charset 204
# A file named in Cyrillic ("Словарь.wb", "Рус"): the same name on disk from
# either build, whatever the system's code page.
cyrillic=$(printf '\xd0\xa1\xd0\xbb\xd0\xbe\xd0\xb2\xd0\xb0\xd1\x80\xd1\x8c.wb')
mkdir -p "$(printf '\xd0\xa0\xd1\x83\xd1\x81')"
run import_cyrillic_name import ru.tsv "$(printf '\xd0\xa0\xd1\x83\xd1\x81')/$cyrillic" --charset 204
printf '\xc4\x89evalo\thorse\n\xc4\x9dardeno\tgarden\n' >eo.tsv
run import_eo import eo.tsv eo.wb --charset 500
printf 'one\tun\nno tab\n' >notab.tsv
printf 'keep' >kept.wb
run import_notab import notab.tsv kept.wb
printf 'ok\tfine\n%s\tlong\n' "$(printf 'h%.0s' $(seq 31))" >long.tsv
run import_long import long.tsv long.wb
printf 'ok\tfine\n\nx\t%s\n' "$(printf 't%.0s' $(seq 51))" >longt.tsv
run import_longt import longt.tsv longt.wb
printf 'caf\xe9\tcoffee\n' >latin1.tsv
run import_badutf8 import latin1.tsv bad.wb
run import_missing import absent.tsv absent.wb

# --- dump -----------------------------------------------------------------
run dump_basic dump basic.wb
run dump_ru dump ru.wb --charset 204
run dump_eo dump eo.wb --charset 500
run dump_missing dump absent.wb
run sort_cyrillic_name sort "$(printf '\xd0\xa0\xd1\x83\xd1\x81')/$cyrillic"

# --- check, sort, find ----------------------------------------------------
run check_unsorted check basic.wb
cp basic.wb sorted.wb
run sort_basic sort sorted.wb
run check_sorted check sorted.wb
run dump_sorted dump sorted.wb
for key in chien CHIEN ch zz a "" "$(printf 'z%.0s' $(seq 200))"; do
  run "find_${#key}_$key" find sorted.wb "$key"
done
run find_ru find ru.wb "$(printf '\xd0\x96\xd0\xa3\xd0\x9a')" --charset 204
run find_unmappable find sorted.wb "$(printf '\xd0\xb6')"
: >empty.wb
run find_empty find empty.wb word
run sort_empty sort empty.wb
run check_empty check empty.wb

# Marked records are dropped by a sort, whatever the mark.
{ record pomme apple '\x00\x00'; record chat cat '\x01\x00'; record abeille bee '\x02\x00'
  record zut damn '\xff\xff'; record ane donkey '\x00\x00'; } >marked.wb
run check_marked check marked.wb
run sort_marked sort marked.wb
run dump_marked dump marked.wb

# A file with every kind of problem check knows.
{ record a '' '\x00\x00'; record "$(printf 'x%.0s' $(seq 31))" t '\x00\x00'
  record b "$(printf 'y%.0s' $(seq 51))" '\x00\x00'; record a '' '\x00\x00'; printf 'partial'; } >broken.wb
run check_broken check broken.wb
run dump_broken dump broken.wb

# --- sort tables ----------------------------------------------------------
# Identity, except: z sorts first, the hyphen is ignored, '#' ends a text.
{ for i in $(seq 0 255); do
    case $i in 122) printf '\x02' ;; 45) printf '\x01' ;; 35) printf '\x00' ;; *) printf "\\x$(printf %02x "$i")" ;; esac
  done; } >table.stb
{ record apple '' '\x00\x00'; record zoo '' '\x00\x00'; record 'to-day' '' '\x00\x00'
  record today '' '\x00\x00'; record 'mango#b' '' '\x00\x00'; record 'mango#a' '' '\x00\x00'; } >tabled.wb
run sort_table sort tabled.wb --table table.stb
run dump_table dump tabled.wb
run check_table check tabled.wb --table table.stb
run check_table_az check tabled.wb
run find_table find tabled.wb zoo --table table.stb
run find_table_ignored find tabled.wb t-o-d-a-y --table table.stb
head -c 100 table.stb >short.stb
run check_short_table check tabled.wb --table short.stb
run sort_missing_table sort tabled.wb --table absent.stb

# --- reverse --------------------------------------------------------------
{ record dog 'chien, toutou' '\x00\x00'; record hound 'chien' '\x01\x00'
  record cat 'chat,,minou,  ' '\x00\x00'; record Cat 'Chat' '\x00\x00'
  record long "$(printf 'p%.0s' $(seq 31)), $(printf 'q%.0s' $(seq 17))" '\x00\x00'; } >lang/from.wb
run reverse reverse lang/from.wb lang/to.wb
run dump_reverse dump lang/to.wb
run reverse_missing reverse lang/absent.wb lang/to2.wb

# --- a few thousand words: sort, check and look-up ------------------------
awk 'BEGIN { srand(7); for (i = 0; i < 3000; i++) { w = ""; n = 3 + int(rand() * 12);
       for (j = 0; j < n; j++) w = w sprintf("%c", (rand() < 0.2 ? 65 : 97) + int(rand() * 26));
       if (i % 5 == 0) w = "prefixed" w; printf "%s\t%d\n", substr(w, 1, 30), i } }' >many.tsv
run import_many import many.tsv many.wb
run sort_many sort many.wb
run check_many check many.wb
run find_many find many.wb prefixedm

# --- usage ----------------------------------------------------------------
run usage_none
run usage_command frobnicate
run usage_charset dump basic.wb --charset 7
run usage_count sort
run usage_both find basic.wb k --table table.stb --locale french
run help --help
exit 0
