#!/usr/bin/env bash
# Failure injection for kestravon-cli: writes cut short by a file-size limit (as on a full
# disk), targets that cannot be written, and inputs that are devices or far too large.
# Every failure must exit 1 and leave the folder exactly as it was.
# Usage: failsafe.sh KESTRAVON-CLI TESTDATA-FOLDER
set -u
cli=$1
data=$2
work=$(mktemp -d)
trap 'chattr -i "$work/readonly" 2>/dev/null; rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Runs the program with a file-size limit in KiB. SIGXFSZ is ignored (the program inherits
# that), so a write past the limit fails with EFBIG as on a full disk. Standard error goes
# through a pipe, which the limit does not cut.
limited() {
  local kib=$1
  shift
  (ulimit -f "$kib" && trap '' XFSZ && exec "$cli" "$@" 2>&1 >/dev/null) | cat >"$work/err"
  return "${PIPESTATUS[0]}"
}

# A CSV file of n records: UTF-16 little-endian with byte-order mark, texts hard to pack.
csv() {
  {
    printf 'last;first;note;street;numb;zip;city;country;coord;phone1;phone2;phone3;phone4;phone5;'
    printf 'email1;email2;email3;email4;email5\r\n'
    for ((i = 0; i < $1; i++)); do
      printf 'N%05d;X%d%d;note %d %d;;;;;;;+39 %d%d;;;;;;;;;\r\n' $i $RANDOM $RANDOM $i $RANDOM $RANDOM $RANDOM
    done
  } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; }
}

# Every file below a folder with its checksum, and every folder.
snapshot() {
  (cd "$1" && find . -type f -exec md5sum {} + | sort && find . -type d | sort)
}

# Sets `dir` to a new folder holding a copy of a sample phonebook (plain or compressed),
# already saved once so that its sidecar and backup exist.
phonebook() {
  local form=$2
  dir=$work/$1
  mkdir -p "$dir"
  if [ "$form" = compressed ]; then
    cp "$data/agenda/compressed/Agenda.dat" "$data/agenda/compressed/Agenda.dat.inf" "$dir/"
  else
    cp "$data/agenda/Agenda.dat" "$dir/"
  fi
  chmod u+w "$dir"/*
  "$cli" resave "$dir/Agenda.dat" 2>/dev/null || fail "$1: first save failed"
}

# Whether the error output holds MESSAGE (the start of a line) followed by the line REASON.
# Usage: reason_follows NAME MESSAGE REASON
reason_follows() {
  local after
  after=$(grep -A1 "^$2" "$work/err" | sed -n 2p)
  [ "$after" = "$3" ] || fail "$1: no \"$2\" with the reason \"$3\": $(cat "$work/err")"
}

# Runs one limited command that must fail with the message of a failed write and the reason
# (the file that could not be written: "File too large"), then checks the folder and that
# the same command succeeds without the limit (so the limit, and nothing else, made it fail).
# Usage: cut_short NAME DIR KIB MESSAGE FILE COMMAND ARGS...
cut_short() {
  local name=$1 dir=$2 kib=$3 message=$4 file=$5
  shift 5
  local before status
  before=$(snapshot "$dir")
  limited "$kib" "$@"
  status=$?
  [ "$status" = 1 ] || fail "$name: exit status $status, expected 1: $(cat "$work/err")"
  reason_follows "$name" "$message" "$file: File too large"
  [ "$(snapshot "$dir")" = "$before" ] || fail "$name: files changed or left behind: $(ls -A "$dir")"
  "$cli" info "$dir/Agenda.dat" >/dev/null 2>&1 || fail "$name: the phonebook no longer loads"
  "$cli" "$@" 2>/dev/null || fail "$name: fails without the limit too"
}

csv 150 >"$work/big.csv"
csv 3 >"$work/small.csv"

phonebook plain plain
cut_short "plain phonebook" "$dir" 10 "Error saving file : " "$dir/Agenda.dat" insert-csv "$dir/Agenda.dat" 1 "$work/big.csv"

phonebook plain-old-backup plain
echo "older backup" >"$dir/Agenda.BAK"
cut_short "plain phonebook, backup cut too" "$dir" 4 "Error saving file : " "$dir/Agenda.dat" insert-csv "$dir/Agenda.dat" 1 "$work/big.csv"

phonebook compressed compressed
cut_short "compressed phonebook" "$dir" 2 "Error saving file : " "$dir/Agenda.dat" insert-csv "$dir/Agenda.dat" 1 "$work/big.csv"

# A sidecar far larger than the packed phonebook (it carries a long line of another key).
phonebook sidecar compressed
head -c 30000 /dev/zero | tr '\0' 'x' | sed 's/^/PADDING:/' >>"$dir/Agenda.dat.inf"
printf '\r\n' >>"$dir/Agenda.dat.inf"
"$cli" resave "$dir/Agenda.dat" 2>/dev/null || fail "sidecar: save with a long sidecar failed"
cut_short "sidecar" "$dir" 20 "Error saving file : " "$dir/Agenda.dat.inf" insert-csv "$dir/Agenda.dat" 1 "$work/small.csv"

phonebook exports plain
echo "older export" >"$dir/out.vcf"
echo "older export" >"$dir/out.csv"
cut_short "vCard export" "$dir" 0 "Error exporting file : " "$dir/out.vcf" export-vcf "$dir/Agenda.dat" 1 "$dir/out.vcf"
cut_short "CSV export" "$dir" 2 "Error creating file : " "$dir/out.csv" export-csv "$dir/Agenda.dat" "$dir/out.csv"

# A sidecar path that is a folder: refused with the reason, nothing written.
phonebook sidecar-folder plain
rm "$dir/Agenda.dat.inf"
mkdir "$dir/Agenda.dat.inf"
before=$(snapshot "$dir")
"$cli" resave "$dir/Agenda.dat" 2>"$work/err"
status=$?
[ "$status" = 1 ] || fail "sidecar folder: exit status $status, expected 1"
grep -qx "The sidecar file Agenda.dat.inf cannot be read." "$work/err" || fail "sidecar folder: no reason: $(cat "$work/err")"
[ "$(snapshot "$dir")" = "$before" ] || fail "sidecar folder: files changed"

# A folder that cannot be written (made immutable, which stops root too, where the file
# system allows it): saving and exporting fail with the system's reason and change nothing.
phonebook readonly plain
if chattr +i "$dir" 2>/dev/null; then
  before=$(snapshot "$dir")
  for command in "resave $dir/Agenda.dat|Error saving file : |$dir/Agenda.dat" \
                 "export-vcards $dir/Agenda.dat $dir/new.vcf|Error exporting file : |$dir/new.vcf"; do
    IFS='|' read -r args message file <<<"$command"
    # shellcheck disable=SC2086
    "$cli" $args 2>"$work/err"
    status=$?
    [ "$status" = 1 ] || fail "read-only folder: $args: exit status $status, expected 1"
    reason_follows "read-only folder: $args" "$message" "$file: Operation not permitted"
  done
  [ "$(snapshot "$dir")" = "$before" ] || fail "read-only folder: files changed"
  chattr -i "$dir"
else
  echo "SKIP read-only folder: chattr +i is not available here"
fi

# A private phonebook reached through a symbolic link: the link stays, the file it leads to
# is saved with its permission bits (and, for root, its owner), and the new backup is as
# private.
phonebook link plain
mkdir "$dir/real"
mv "$dir/Agenda.dat" "$dir/real/"
ln -s real/Agenda.dat "$dir/Agenda.dat"
chmod 600 "$dir/real/Agenda.dat"
owner=$(id -u):$(id -g)
if [ "$(id -u)" = 0 ]; then
  owner=65534:65534
  chown "$owner" "$dir/real/Agenda.dat"
fi
rm -f "$dir/Agenda.BAK"
"$cli" insert-csv "$dir/Agenda.dat" 1 "$work/small.csv" 2>/dev/null || fail "link: save failed"
[ -L "$dir/Agenda.dat" ] || fail "link: replaced by a file"
modes=$(stat -c %a "$dir/real/Agenda.dat" "$dir/Agenda.BAK" | tr '\n' ' ')
[ "$modes" = "600 600 " ] || fail "link: modes of phonebook and backup are $modes"
owners=$(stat -c %u:%g "$dir/real/Agenda.dat" "$dir/Agenda.BAK" | tr '\n' ' ')
[ "$owners" = "$owner $owner " ] || fail "link: owners of phonebook and backup are $owners, not $owner"

# Pipes that nobody reads: a backup there is left out, an export there fails; neither waits.
phonebook pipes plain
rm "$dir/Agenda.BAK"
mkfifo "$dir/Agenda.BAK" "$dir/out.vcf"
timeout 10 "$cli" resave "$dir/Agenda.dat" 2>/dev/null || fail "pipes: save with a pipe as backup: status $?"
timeout 10 "$cli" export-vcards "$dir/Agenda.dat" "$dir/out.vcf" 2>/dev/null
status=$?
[ "$status" = 1 ] || fail "pipes: export into a pipe: status $status, expected 1"

# Devices and a 100 MB file as input: refused at once, with the reason, in little memory.
phonebook inputs plain
truncate -s 100M "$work/huge.vcf"
measure=()
if [ -x /usr/bin/time ]; then
  measure=(/usr/bin/time -f %M -o "$work/rss")
  "${measure[@]}" "$cli" info "$dir/Agenda.dat" >/dev/null 2>&1
  baseline=$(tail -n 1 "$work/rss")
else
  echo "SKIP memory checks: /usr/bin/time is missing (Debian package time)"
fi
before=$(snapshot "$dir")
for command in insert-vcf insert-csv; do
  for input in /dev/zero /dev/urandom "$work/huge.vcf"; do
    name="$command $input"
    start=$(date +%s%N)
    "${measure[@]}" "$cli" "$command" "$dir/Agenda.dat" 1 "$input" 2>"$work/err"
    status=$?
    ms=$((($(date +%s%N) - start) / 1000000))
    [ "$status" = 1 ] || fail "$name: exit status $status, expected 1"
    [ "$ms" -lt 1000 ] || fail "$name: took $ms ms"
    grep -qE "^The file (is not a regular file|is larger than 64 MiB)\.$" "$work/err" \
      || fail "$name: no reason: $(cat "$work/err")"
    if [ ${#measure[@]} -gt 0 ]; then
      rss=$(tail -n 1 "$work/rss")
      [ "$rss" -lt $((baseline + 65536)) ] || fail "$name: peak memory $rss KiB, baseline $baseline KiB"
    fi
  done
done
[ "$(snapshot "$dir")" = "$before" ] || fail "inputs: files changed"

if [ "$failures" -gt 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "all cases passed"
