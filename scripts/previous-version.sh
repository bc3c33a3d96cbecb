#!/usr/bin/env bash
# Gives the folder this program writes to the version before it, which knows
# nothing of tvlspell.dat, the file that keeps people's own spellings. That
# version must read the transliterations from n&a.mrk and leave the file as it
# was; after it has written a record of its own, this program must still show
# the others in their own spelling.
#
#   bash scripts/previous-version.sh [THIS_PROGRAM]
#
# Builds the previous version (commit PREVIOUS below, or $TAVREL_PREVIOUS) from
# this checkout's history into build-previous/. Exit 0: every check held.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
previous=${TAVREL_PREVIOUS:-d41fb4a}
new=$(realpath "${1:-build-test/src/app/tavrel}")

if ! git cat-file -e "$previous^{commit}" 2>/dev/null; then
    echo "previous-version: commit $previous is not in this checkout (a shallow clone?); not checked"
    exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "previous-version: FAILED: $*"
    failures=$((failures + 1))
}

# The previous version, built once and kept.
if [[ ! -x build-previous/bin/tavrel || "$(cat build-previous/commit 2>/dev/null)" != "$previous" ]]; then
    rm -rf build-previous
    mkdir -p build-previous/src
    git archive "$previous" | tar -x -C build-previous/src
    (cd build-previous/src && export CCACHE_BASEDIR=$PWD &&
        cmake -S . -B ../build -DCMAKE_BUILD_TYPE=Release -DTAVREL_TESTS=OFF \
            -DTAVREL_BENCHMARKS=OFF > ../configure.log &&
        cmake --build ../build --target tavrel -j"$(nproc)" > ../build.log)
    mkdir -p build-previous/bin
    cp "$(find build-previous/build -name tavrel -type f -perm -u+x | head -1)" build-previous/bin/
    echo "$previous" > build-previous/commit
fi
old=$root/build-previous/bin/tavrel

export QT_QPA_PLATFORM=offscreen TAVREL_HOME=$work/home
mkdir -p "$TAVREL_HOME"
cp fuzz/corpus/open_file/good "$TAVREL_HOME/n&a.mrk" # seven records in Latin letters
cd "$work"

card() { printf 'BEGIN:VCARD\r\nVERSION:3.0\r\nFN:%s\r\nADR:;;%s;;;;\r\nEND:VCARD\r\n' "$1" "$2"; }
{
    card "Иван Петров" "ул. Ленина 5"
    card "Γιώργος Παπαδόπουλος" "Οδός Ερμού 10"
    card "דוד כהן" "רחוב הרצל 12"
    card "王小明" "建国门外大街"
} > people.vcf
card "Anna Smith" "1 High Street" > latin.vcf

"$new" --import people.vcf --no-backup > import.out || fail "this program did not import the cards"
[[ -s home/tvlspell.dat ]] || fail "this program kept no spellings beside the file"
written=$(sha256sum < "home/n&a.mrk")

# What the N&A file holds, as this program reads it without the spellings.
mkdir bare
cp "home/n&a.mrk" bare/
TAVREL_HOME=$work/bare "$new" --export csv bare.csv --encoding utf8 > /dev/null ||
    fail "this program could not export the file without its spellings"

"$old" --export csv old.csv --encoding utf8 > old.out || fail "the previous version could not export"
[[ "$(sha256sum < "home/n&a.mrk")" == "$written" ]] || fail "the previous version changed n&a.mrk by reading it"
cmp -s old.csv bare.csv || fail "the previous version read other text than the file's bytes: $(diff old.csv bare.csv | head -5)"
for name in "Иван" "Γιώργος" "דוד" "王小明"; do
    grep -q "$name" old.csv && fail "the previous version saw the original spelling $name"
done
grep -q "Ivan Petrov" old.csv || fail "the previous version did not see the transliteration Ivan Petrov"
grep -q '?' old.csv && fail "the previous version saw a question mark: $(grep '?' old.csv | head -2)"

# The previous version writes a record of its own; the others keep their spelling here.
"$old" --import latin.vcf --no-backup > old-import.out || fail "the previous version did not import"
"$new" --export csv new.csv --encoding utf8 > /dev/null || fail "this program could not export"
for name in "Иван Петров" "Γιώργος Παπαδόπουλος" "דוד כהן" "王小明" "Anna Smith"; do
    grep -q "$name" new.csv || fail "this program lost $name after the previous version wrote"
done

if ((failures > 0)); then
    exit 1
fi
echo "previous-version: $previous reads the transliterations, leaves n&a.mrk alone, and the spellings survive its writes"
