#!/bin/sh
# The manual pages format without a warning, and kestravon-cli(1) describes every command
# and every option that the program's help lists (so a new command cannot be forgotten).
#   manpages.sh KESTRAVON-CLI PAGE...   (the kestravon-cli page among the PAGEs)
set -u
cli=$1
shift
if ! command -v man >/dev/null; then
    echo "SKIP: man (Debian package man-db) is not installed"
    exit 77
fi
status=0
for page in "$@"; do
    warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    if [ -n "$warnings" ]; then
        echo "FAIL: $page: man --warnings reports:"
        echo "$warnings"
        status=1
    fi
    case $page in *kestravon-cli.1) cli_page=$page ;; esac
done

# First words of the lines of a "Title:" section of a help text.
section() {
    awk -v title="$1:" '$0 == title { on = 1; next } on && /^  [^ ]/ { print $1; next } { on = 0 }' | tr -d ,
}
words=$("$cli" --help | section Commands)
for command in $words; do
    words="$words $("$cli" "$command" --help | section Options)"
done
for word in $(printf '%s\n' $words | sort -u); do
    case $word in -h | --help | --version) continue ;; esac
    # A tagged paragraph of its own: ".B \-\-keep\-long", ".BI export\-vcf " FILE ..."".
    pattern=$(printf '%s' "$word" | sed 's/-/\\\\-/g')
    if ! grep -Eq "^\\.(B|BI|BR) +$pattern( |\"|\$)" "$cli_page"; then
        echo "FAIL: $cli_page does not describe $word"
        status=1
    fi
done
[ $status -eq 0 ] && echo "manual pages: no warnings, every command and option described"
exit $status
