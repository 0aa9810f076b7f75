#!/usr/bin/env bash
# The program's command line, run without any display: --help and --version print and exit 0,
# a wrong command line prints one error line and the usage on stderr and exits 2.
#   command_line_test.sh <zandrel> <version>
set -uo pipefail
zandrel=$1
version=$2

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Runs zandrel with the arguments in a bare environment, where opening a window would fail.
run() {
    env -i PATH=/usr/bin:/bin HOME=/nonexistent "$zandrel" "$@" >"$tmp/out" 2>"$tmp/err"
}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
run --help
cp "$tmp/out" "$tmp/usage"

# arguments | status | first line of stdout | first line of stderr
cases=(
    "--version|0|zandrel $version|"
    "--user-data --version|0|zandrel $version|"
    "--help|0|Usage: zandrel [--user-data]|"
    "-h|0|Usage: zandrel [--user-data]|"
    "--version --help|0|Usage: zandrel [--user-data]|"
    "--bogus|2||zandrel: unknown option '--bogus'"
    "--help --bogus|2||zandrel: unknown option '--bogus'"
    "-x --version|2||zandrel: unknown option '-x'"
    "--user-data extra|2||zandrel: unexpected argument 'extra'"
    "--user-data=/tmp|2||zandrel: unknown option '--user-data=/tmp'"
    "-|2||zandrel: unexpected argument '-'"
    "--|2||zandrel: unknown option '--'"
    # Qt's own options are left to Qt, with their values.
    "-platform offscreen --version|0|zandrel $version|"
    "--style fusion -reverse --help|0|Usage: zandrel [--user-data]|"
    "-style=fusion -platform offscreen:fontengine=freetype --version|0|zandrel $version|"
    "-platform|2||zandrel: option '-platform' needs a value"
    "-platform offscreen -bogus|2||zandrel: unknown option '-bogus'"
)
for c in "${cases[@]}"; do
    IFS='|' read -r args status out err <<<"$c"
    read -ra argv <<<"$args"
    run "${argv[@]}"
    actual=$?
    [ "$actual" -eq "$status" ] || fail "$args: exit status $actual, expected $status"
    [ "$(head -n1 "$tmp/out")" = "$out" ] || fail "$args: stdout begins '$(head -n1 "$tmp/out")'"
    [ "$(head -n1 "$tmp/err")" = "$err" ] || fail "$args: stderr begins '$(head -n1 "$tmp/err")'"
    if [ "$status" -eq 2 ]; then
        # The error line, then the whole usage.
        tail -n +2 "$tmp/err" | cmp -s - "$tmp/usage" ||
            fail "$args: the usage does not follow the error line"
    fi
done

# With Qt's own options the window starts as it does without them: on the offscreen platform
# it runs until it is ended.
(cd "$tmp" && env -i PATH=/usr/bin:/bin HOME="$tmp" timeout 5 "$zandrel" -platform offscreen \
    -style fusion >/dev/null 2>"$tmp/err")
status=$?
[ "$status" -eq 124 ] || fail "-platform offscreen -style fusion: exit status $status, $(head -n1 "$tmp/err")"

# The help names every option.
for option in --user-data --help --version; do
    grep -q -- "$option" "$tmp/usage" || fail "--help does not mention $option"
done

# Output that cannot be written is an error, not a silent success.
if [ -w /dev/full ]; then
    env -i PATH=/usr/bin:/bin "$zandrel" --version >/dev/full 2>/dev/null
    [ $? -eq 1 ] || fail "--version into a full device did not fail"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures failed"
    exit 1
fi
echo "command line: all cases passed"
