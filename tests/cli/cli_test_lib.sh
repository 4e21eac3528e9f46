# Shared frame of the krzcheck end-to-end scripts, sourced after `set -u`:
# K is the krzcheck under test, dir a scratch directory removed on exit,
# fail records a failure, finish ends the script with its status; a script
# may define cleanup_extra before sourcing, run on exit before the removal.
K="$1"
dir=$(mktemp -d)
trap '{ command -v cleanup_extra >/dev/null && cleanup_extra; } 2>/dev/null; rm -rf "$dir"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures failure(s)"
        exit 1
    fi
    echo "$1"
}
