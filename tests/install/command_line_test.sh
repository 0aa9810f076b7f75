#!/usr/bin/env bash
# The program's command line, run without any display: --help and --version print and exit 0,
# a wrong command line prints one error line and the usage on stderr and exits 2; the commands
# print what they are asked for, or one error line with exit status 2 for bad input and 1 for a
# file error.
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

# A wrong line is told in the language it names, even after the fault, and so is the usage.
run --language zh_CN --help
cp "$tmp/out" "$tmp/usage_zh_CN"
run --bogus --language zh_CN
status=$?
[ "$status" -eq 2 ] || fail "--bogus --language zh_CN: exit status $status, expected 2"
[ "$(head -n1 "$tmp/err")" = "zandrel: 未知选项“--bogus”" ] ||
    fail "--bogus --language zh_CN: stderr begins '$(head -n1 "$tmp/err")'"
tail -n +2 "$tmp/err" | cmp -s - "$tmp/usage_zh_CN" ||
    fail "--bogus --language zh_CN: the Chinese usage does not follow the error line"

# With Qt's own options the window starts as it does without them: on the offscreen platform
# it runs until it is ended.
(cd "$tmp" && env -i PATH=/usr/bin:/bin HOME="$tmp" timeout 5 "$zandrel" -platform offscreen \
    -style fusion >/dev/null 2>"$tmp/err")
status=$?
[ "$status" -eq 124 ] || fail "-platform offscreen -style fusion: exit status $status, $(head -n1 "$tmp/err")"

# The help names every option.
for option in --user-data --help --version cast lunar text --date --period --time --question \
    --traditional --json --log; do
    grep -q -- "$option" "$tmp/usage" || fail "--help does not mention $option"
done

# The commands. arguments | status | first line of stdout | stderr (one line at most)
command_cases=(
    "lunar 1998-01-01 23:00|0|Year 丁丑 (Ox), month 12, day 3, hour 子 (11PM–1AM)|"
    "cast --date 2024-02-10 --time 12:00 --traditional|0|Traditional time query: 2024-02-10 12:00, Year 甲辰 (Dragon), month 1, day 1, hour 午 (11AM–1PM)|"
    "cast --date 2001-03-15 --period 5 --question abc|0|Target time query: 2001-03-15, period 5 (7AM - 9AM)|"
    "text 64|0|Hexagram 64 Before Completion|"
    "cast --help|0|Usage: zandrel [--user-data]|"
    "cast --date 2024-02-30 --period 1|2||zandrel cast: 2024-02-30 does not exist: February 2024 has 29 days."
    "cast --date 2100-01-01 --time 12:00|2||zandrel cast: 2100-01-01 is outside the calendar, which runs from 1998-01-01 to 2099-12-31."
    "cast --date 2024-02-10 --period 13|2||zandrel cast: '13' is not a period: give 1 (11PM - 1AM) to 12 (9PM - 11PM)"
    "cast --date 2024-02-10 --period|2||zandrel cast: option '--period' needs a value"
    "cast --date 2024-02-10 --period 1 --bogus|2||zandrel cast: unknown option '--bogus'"
    "lunar 2024-02-10 -platform|2||zandrel lunar: unknown option '-platform'"
    "text 65|2||zandrel text: '65' is not a hexagram: give 1 to 64"
    # The program's --language and --user-data may come before the command too.
    "--language zh_CN lunar 2024-02-10|0|甲辰年 正月 初一|"
    "--language=zh_TW --user-data text 1|0|第一卦　乾為天|"
    "--user-data lunar 2024-02-10|2||zandrel lunar: unknown option '--user-data'"
    "--language fr lunar 2024-02-10|2||zandrel lunar: unknown language 'fr': give en, zh_CN or zh_TW"
)
mkdir "$tmp/data"
for c in "${command_cases[@]}"; do
    IFS='|' read -r args status out err <<<"$c"
    read -ra argv <<<"$args"
    (cd "$tmp/data" && run "${argv[@]}")
    actual=$?
    [ "$actual" -eq "$status" ] || fail "$args: exit status $actual, expected $status"
    [ "$(head -n1 "$tmp/out")" = "$out" ] || fail "$args: stdout begins '$(head -n1 "$tmp/out")'"
    [ "$(cat "$tmp/err")" = "$err" ] || fail "$args: stderr is '$(cat "$tmp/err")'"
    if grep -q $'\r' "$tmp/out"; then
        fail "$args: a line of the output ends in CR LF"
    fi
done
[ -z "$(ls -A "$tmp/data")" ] || fail "the commands without --log wrote files: $(ls -A "$tmp/data")"

# --json prints one object; --log appends the entry to the log of the current directory.
(cd "$tmp/data" && run cast --date 2001-03-15 --period 5 --question abc --json --log)
[ $? -eq 0 ] || fail "cast --json --log failed: $(cat "$tmp/err")"
[ "$(wc -l <"$tmp/out")" -eq 1 ] || fail "cast --json printed more than one line"
for field in '"outer":1' '"inner":6' '"change_line":2' '"original":' '"final":'; do
    grep -q -- "$field" "$tmp/out" || fail "cast --json has no $field: $(cat "$tmp/out")"
done
head -c 15 "$tmp/data/auvrel.log" | grep -q '^\[Your query on ' || fail "cast --log wrote no entry"

# A log that cannot be written: the reading is printed, the window's error text follows, exit 1.
mkdir "$tmp/folder-log" "$tmp/folder-log/auvrel.log"
(cd "$tmp/folder-log" && run cast --date 2001-03-15 --period 5 --log)
status=$?
[ "$status" -eq 1 ] || fail "cast --log into a folder: exit status $status"
[ "$(wc -l <"$tmp/err")" -eq 1 ] && grep -q 'auvrel.log' "$tmp/err" ||
    fail "cast --log into a folder: stderr is '$(cat "$tmp/err")'"

# Output that cannot be written is an error, not a silent success.
if [ -w /dev/full ]; then
    env -i PATH=/usr/bin:/bin "$zandrel" --version >/dev/full 2>/dev/null
    [ $? -eq 1 ] || fail "--version into a full device did not fail"
    (cd "$tmp/data" && env -i PATH=/usr/bin:/bin "$zandrel" lunar 2024-02-10 >/dev/full 2>/dev/null)
    [ $? -eq 1 ] || fail "lunar into a full device did not fail"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures failed"
    exit 1
fi
echo "command line: all cases passed"
