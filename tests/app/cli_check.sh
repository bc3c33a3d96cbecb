#!/usr/bin/env bash
# Runs the built program with no display: --help, --version, --backup, --restore, --export,
# --import, --sync and --print must each do their work and exit with their status, never reach for a window;
# the windows themselves are refused in one line.
# Usage: cli_check.sh TAVREL SAMPLE_NA_FILE
set -u
prog=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export TAVREL_HOME="$home"
cp "$2" "$home/n&a.mrk"
failed=0

# expect STATUS PATTERN ARGS...: runs tavrel ARGS, wants exit STATUS and PATTERN in its output.
expect() {
  local want=$1 pattern=$2 out status
  shift 2
  out=$("$prog" "$@" 2>&1)
  status=$?
  if [ "$status" -ne "$want" ] || ! grep -q -- "$pattern" <<<"$out"; then
    printf 'FAIL: tavrel %s: exit %s (wanted %s), output:\n%s\n' "$*" "$status" "$want" "$out"
    failed=1
  fi
}

expect 0 '^Usage: tavrel \[FILE\]' --help
expect 0 '^tavrel [0-9]' --version
expect 0 'tvl-' --backup
expect 0 'tvl-.*manual' --restore
expect 0 '' --export vcard "$home/out.vcf"
grep -q 'BEGIN:VCARD' "$home/out.vcf" 2>/dev/null || { echo "FAIL: --export wrote no vCard"; failed=1; }
cp "$home/n&a.mrk" "$home/before"
# Every entry of its own export looks like a record already in the file: 3, some skipped.
expect 3 'Dry run: nothing was written.' --import "$home/out.vcf" --dry-run
cmp -s "$home/before" "$home/n&a.mrk" || { echo "FAIL: --dry-run changed the N&A file"; failed=1; }
expect 1 'missing.vcf' --import "$home/missing.vcf"
# Sync with no account set up, and with no password, says so and changes nothing.
TAVREL_SYNC_PASSWORD=x expect 2 'No address book is set up' --sync
expect 2 'No password: set TAVREL_SYNC_PASSWORD' --sync
cmp -s "$home/before" "$home/n&a.mrk" || { echo "FAIL: --sync changed the N&A file"; failed=1; }
expect 0 'records, .* printed' --print labels --stock a4-3x7 --output "$home/labels.pdf"
[ "$(head -c 5 "$home/labels.pdf" 2>/dev/null)" = '%PDF-' ] || { echo "FAIL: --print wrote no PDF"; failed=1; }
expect 2 'does not take "poster"' --print poster

# Output into a pipe goes through it whole, with the report lines kept out of it; a folder is refused.
[ "$("$prog" --print phone --output /dev/stdout 2>/dev/null | head -c 5)" = '%PDF-' ] ||
  { echo "FAIL: --print --output /dev/stdout wrote no PDF into the pipe"; failed=1; }
[ "$("$prog" --export vcard /dev/stdout 2>/dev/null | head -c 11)" = 'BEGIN:VCARD' ] ||
  { echo "FAIL: --export to /dev/stdout wrote no vCard into the pipe"; failed=1; }
mkfifo "$home/pipe"
cat "$home/pipe" >"$home/from-pipe" &
expect 0 'Saved as' --print phone --output "$home/pipe"
wait
[ -p "$home/pipe" ] && [ "$(head -c 5 "$home/from-pipe")" = '%PDF-' ] ||
  { echo "FAIL: --print --output PIPE replaced the pipe or wrote nothing into it"; failed=1; }
mkdir "$home/folder"
expect 1 'It Is A Folder' --print phone --output "$home/folder"
expect 1 'It Is A Folder' --export csv "$home/folder"
ls -A "$home" | grep -q 'tavrel.*part' && { echo "FAIL: a .part file was left"; failed=1; }

# A print only reads: a damaged N&A file is named and left exactly as it was.
cp "$home/before" "$home/whole"
head -c 1000 "$home/whole" >"$home/n&a.mrk"
cp "$home/n&a.mrk" "$home/cut"
expect 1 'Its Length, 1000 Bytes, Is Not A Whole Number' --print phone --output "$home/cut.pdf"
cmp -s "$home/cut" "$home/n&a.mrk" || { echo "FAIL: --print changed a damaged N&A file"; failed=1; }
: >"$home/n&a.mrk"
expect 1 'It Is Empty: It Holds No Header Record.' --print phone --output "$home/cut.pdf"
[ -s "$home/n&a.mrk" ] && { echo "FAIL: --print wrote into an empty N&A file"; failed=1; }
cp "$home/whole" "$home/n&a.mrk"

# The windows without a display: one line saying so and what works instead, never Qt's abort.
# one_line STATUS LINE ARGS...: wants exit STATUS and exactly LINE on standard error, nothing else.
one_line() {
  local want=$1 line=$2 out status
  shift 2
  out=$("$prog" "$@" 2>&1 >/dev/null)
  status=$?
  if [ "$status" -ne "$want" ] || [ "$out" != "$line" ]; then
    printf 'FAIL: tavrel %s: exit %s (wanted %s), output:\n%s\n' "$*" "$status" "$want" "$out"
    failed=1
  fi
}
no_display='tavrel: the windows need a graphical session (neither DISPLAY nor WAYLAND_DISPLAY is set); without one, use --print, --envelopes, --export, --import, --backup, --restore or --sync (tavrel --help lists them).'
one_line 1 "$no_display"
one_line 1 "$no_display" "$home/out.vcf"
# A word no form takes is refused the same way with a display or without, and by every verb.
copies=$("$prog" --restore | grep -c manual)
two_lines() {
  one_line 2 "$(printf '%s\n%s' "$1" "$2")" "${@:3}"
}
two_lines 'tavrel: unknown option --frobnicate' "Try 'tavrel --help'." --frobnicate
DISPLAY=:99 two_lines 'tavrel: unknown option --frobnicate' "Try 'tavrel --help'." --frobnicate
two_lines 'tavrel: unknown option --bogus' "Try 'tavrel --export --help'." --export csv "$home/bogus.csv" --bogus
two_lines 'tavrel: unknown option --frobnicate' "Try 'tavrel --import --help'." --import "$home/out.vcf" --frobnicate
two_lines 'tavrel: unknown option --bogus' "Try 'tavrel --print --help'." --print phone --output "$home/bogus.pdf" --bogus
two_lines 'tavrel: unknown option --bogus' "Try 'tavrel --envelopes --help'." --envelopes --output "$home/bogus.pdf" --bogus
TAVREL_SYNC_PASSWORD=x two_lines 'tavrel: unknown option --bogus' "Try 'tavrel --sync --help'." --sync --bogus
two_lines 'tavrel: unknown option --bogus' "Try 'tavrel --backup --help'." --backup --bogus
two_lines 'tavrel: unknown option --bogus' "Try 'tavrel --restore --help'." --restore --bogus
two_lines 'tavrel: --list needs a value (ID)' "Try 'tavrel --export --help'." --export csv "$home/bogus.csv" --list
two_lines 'tavrel: unexpected word stray' "Try 'tavrel --print --help'." --print phone --output "$home/bogus.pdf" stray
two_lines 'tavrel: --dry-run takes no value' "Try 'tavrel --import --help'." --import "$home/out.vcf" --dry-run=yes
ls "$home" | grep -q bogus && { echo "FAIL: a refused command wrote a file"; failed=1; }
[ "$("$prog" --restore | grep -c manual)" = "$copies" ] || { echo "FAIL: a refused --backup took a copy"; failed=1; }
# --name=VALUE is --name VALUE.
expect 0 'records exported' --export=csv "$home/a.csv" --encoding=utf8 --separator=semicolon
expect 0 'records exported' --export csv "$home/b.csv" --encoding utf8 --separator semicolon
cmp -s "$home/a.csv" "$home/b.csv" && [ "$(head -c 3 "$home/a.csv" | od -An -tx1 | tr -d ' ')" != efbbbf ] ||
  { echo "FAIL: --encoding=utf8 was not taken as --encoding utf8"; failed=1; }
# Each form's help: its usage and options, exit 0.
expect 0 '^Usage: tavrel --print KIND' --print --help
expect 0 '^  --quantity N' --print --help
expect 0 '^  --confirm-deletions' --sync --help
expect 0 '^  --no-backup' --import -h
expect 0 'tavrel --VERB --help' --help
cmp -s "$home/before" "$home/n&a.mrk" || { echo "FAIL: a refused start changed the N&A file"; failed=1; }
exit $failed
