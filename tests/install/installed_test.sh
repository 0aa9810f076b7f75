#!/usr/bin/env bash
# Checks of Zandrel installed by `cmake --install` into a prefix of its own:
#   installed_test.sh install <cmake> <build folder> <prefix>
#   installed_test.sh files <prefix> <list of files>
#   installed_test.sh desktop <prefix>
#   installed_test.sh metainfo <prefix> <version>
#   installed_test.sh program <prefix> <version> <build folder>
set -uo pipefail

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures failed"
        exit 1
    fi
    echo "$1: all checks passed"
    exit 0
}

app_id=io.github.zandrel.Zandrel

# A fresh prefix each time, so that a file left from an earlier run cannot stand in for one
# the install rules no longer install.
install() {
    local cmake=$1 build=$2 prefix=$3
    rm -rf "$prefix"
    "$cmake" --install "$build" --prefix "$prefix" || fail "cmake --install failed"
    finish install
}

# Every file in its place, and nothing else.
files() {
    local prefix=$1 list=$2
    diff <(sort "$list") <(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort) ||
        fail "the installed files differ from $list (< missing, > not expected)"
    [ -x "$prefix/bin/zandrel" ] || fail "bin/zandrel is not executable"
    finish files
}

# The menu entry is valid, and what it names is there: the program with the options it
# passes, and the icon.
desktop() {
    local prefix=$1
    local entry=$prefix/share/applications/$app_id.desktop
    desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"

    local exec icon
    exec=$(sed -n 's/^Exec=//p' "$entry")
    icon=$(sed -n 's/^Icon=//p' "$entry")
    read -ra command <<<"$exec"
    [ "${command[0]}" = zandrel ] || fail "Exec starts '${command[0]}', not the installed program"
    # The options of the Exec line are ones the program takes.
    env -i PATH="$prefix/bin" zandrel "${command[@]:1}" --version >/dev/null ||
        fail "the installed program rejects the Exec line's options: ${command[*]:1}"
    [ "$icon" = "$app_id" ] || fail "Icon is '$icon', not the application id"
    for size in 16 32 48 64 128 256; do
        [ -f "$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png" ] ||
            fail "no ${size}x${size} icon named $icon"
    done
    finish desktop
}

# The AppStream metadata is valid on its own and with the tree it describes (its desktop
# entry), and its release is this version.
metainfo() {
    local prefix=$1 version=$2
    local file=$prefix/share/metainfo/$app_id.metainfo.xml
    appstreamcli validate --no-net "$file" || fail "appstreamcli validate rejects $file"
    appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli validate-tree fails"
    grep -q "<id>$app_id</id>" "$file" || fail "the component id is not $app_id"
    grep -q "<release version=\"$version\"" "$file" || fail "no release $version in $file"
    finish metainfo
}

# The installed program runs from its own place, with no display, and says its version.
program() {
    local prefix=$1 version=$2 build=$3
    local out
    out=$(env -i PATH=/usr/bin:/bin "$prefix/bin/zandrel" --version) ||
        fail "the installed zandrel --version failed"
    [ "$out" = "zandrel $version" ] || fail "the installed zandrel --version printed '$out'"
    # Nothing ties it to the build folder.
    if readelf -d "$prefix/bin/zandrel" | grep -E "R(UN)?PATH" | grep -qF "$build"; then
        fail "the installed program looks for libraries in the build folder"
    fi
    finish program
}

"$@"
