#!/bin/sh
# Makes the Debian package from an already built tree (cpack, programs under /usr) in a
# temporary folder; checks that it holds every file it should and nothing else, that
# lintian finds no error and that its AppStream metadata is valid; unpacks it into a
# throw-away root and runs both programs from there.
#   package.sh BUILD_DIR SOURCE_DIR APP_ID
set -u
build=$1
source=$2
appid=$3

missing=
for tool in cpack dpkg-deb dpkg-shlibdeps file lintian appstreamcli man readelf dpkg-architecture; do
    command -v "$tool" >/dev/null || missing="$missing $tool"
done
if [ -n "$missing" ]; then
    echo "SKIP: not installed:$missing (scripts/deps.sh installs them)"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() {
    echo "FAIL: $*"
    status=1
}

# The package, from the binaries of this build.
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    fail "cpack"
    exit 1
fi
deb=$(ls "$work"/out/kestravon_*.deb)
echo "package: $(basename "$deb")"

# Every file, and no other.
arch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
cat >"$work/expected" <<LIST
./usr/bin/kestravon
./usr/bin/kestravon-cli
./usr/lib/$arch/kestravon/kestravon-online.so
./usr/lib/$arch/kestravon/kestravon-phone.so
./usr/share/applications/$appid.desktop
./usr/share/bash-completion/completions/kestravon-cli
./usr/share/doc/kestravon/changelog.gz
./usr/share/doc/kestravon/copyright
./usr/share/icons/hicolor/scalable/apps/kestravon.svg
./usr/share/man/man1/kestravon-cli.1.gz
./usr/share/man/man1/kestravon.1.gz
./usr/share/metainfo/$appid.metainfo.xml
LIST
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | LC_ALL=C sort >"$work/contents"
if ! LC_ALL=C sort "$work/expected" | diff -u - "$work/contents"; then
    fail "the package's files differ from the list (- expected, + in the package)"
fi
depends=$(dpkg-deb --field "$deb" Depends)
case $depends in
    *libqt6widgets6*libzip*|*libzip*libqt6widgets6*) ;;
    *) fail "Depends from dpkg-shlibdeps lacks Qt Widgets or libzip: $depends" ;;
esac
case $depends in
    *qt6-translations-l10n*) ;;
    *) fail "Depends lacks Qt's translations: $depends" ;;
esac
case $depends in
    *libphonenumber8*) ;;
    *) fail "Depends from dpkg-shlibdeps lacks libphonenumber: $depends" ;;
esac

# lintian: errors fail, warnings are shown.
lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian" 2>&1 || fail "lintian reports errors"
cat "$work/lintian"

# A throw-away root.
root=$work/root
dpkg-deb -x "$deb" "$root"
appstreamcli validate --no-net "$root/usr/share/metainfo/$appid.metainfo.xml" || fail "appstreamcli validate"
for page in "$root"/usr/share/man/man1/*.1.gz; do
    warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page: $warnings"
done

# The programs from the root: --help and --version without a display, info on the sample.
version=$(dpkg-deb --field "$deb" Version)
run() {
    # run EXPECTED_STATUS PATTERN PROGRAM ARG...: standard output must match PATTERN.
    expected=$1 pattern=$2
    shift 2
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" 2>"$work/err")
    got=$?
    if [ $got -ne "$expected" ] || ! printf '%s\n' "$out" | grep -q -- "$pattern"; then
        fail "$* : exit $got, output:"
        printf '%s\n' "$out" | head -5
        cat "$work/err"
    fi
}
run 0 "^kestravon $version " "$root/usr/bin/kestravon" --version
run 0 "^usage: kestravon " "$root/usr/bin/kestravon" --help
run 0 "^kestravon-cli $version " "$root/usr/bin/kestravon-cli" --version
run 0 "^usage: kestravon-cli " "$root/usr/bin/kestravon-cli" --help
run 0 "^usage: kestravon-cli info " "$root/usr/bin/kestravon-cli" info --help
mkdir "$work/data"
cp "$source/tests/data/agenda/Agenda.dat" "$work/data/"
run 0 "^slots: 403" "$root/usr/bin/kestravon-cli" info "$work/data/Agenda.dat"
run 2 "" "$root/usr/bin/kestravon-cli" info --no-such-option "$work/data/Agenda.dat"
# The window starts without the network libraries: only the online module needs them.
for lib in libQt6Network libzip libcrypto; do
    if readelf -d "$root/usr/bin/kestravon" | grep -q "NEEDED.*$lib"; then
        fail "kestravon is linked with $lib"
    fi
    readelf -d "$root/usr/lib/$arch/kestravon/kestravon-online.so" | grep -q "NEEDED.*$lib" \
        || fail "the online module is not linked with $lib"
done
# Nor with the phone number library: the phone module is.
if readelf -d "$root/usr/bin/kestravon" | grep -q "NEEDED.*libphonenumber"; then
    fail "kestravon is linked with libphonenumber"
fi
readelf -d "$root/usr/lib/$arch/kestravon/kestravon-phone.so" | grep -q "NEEDED.*libphonenumber" \
    || fail "the phone module is not linked with libphonenumber"
# Nothing was written next to the programs.
[ "$(ls -A "$root/usr/bin" | tr '\n' ' ')" = "kestravon kestravon-cli " ] || fail "files appeared in usr/bin: $(ls -A "$root/usr/bin")"

# The completion offers the commands, and a command's options.
if [ -f /usr/share/bash-completion/bash_completion ]; then
    got=$(bash -c '
        . /usr/share/bash-completion/bash_completion
        . "$1"
        complete_line() {
            COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
            COMPREPLY=(); _kestravon_cli kestravon-cli "${COMP_WORDS[-1]}" "${COMP_WORDS[-2]}"
            echo "${COMPREPLY[*]}"
        }
        complete_line kestravon-cli export-
        complete_line kestravon-cli info --k' _ "$root/usr/share/bash-completion/completions/kestravon-cli")
    [ "$got" = "export-vcf export-vcards export-csv
--keep-long" ] || fail "bash completion offers: $got"
else
    echo "bash completion not tried: bash-completion is not installed"
fi

[ $status -eq 0 ] && echo "package: contents, lintian, AppStream, manual pages and programs checked"
exit $status
