#!/usr/bin/env bash
# Makes the Debian package with cpack, checks its control fields and contents, installs it
# with dpkg into a scratch root and removes it again:
#   deb_test.sh <cpack> <build folder> <version> <list of installed files>
#
# The scratch root starts with this machine's package database, so dpkg checks the package's
# computed dependencies against packages that are really installed here (the ones the program
# was built and tested with), while nothing outside the scratch root is touched.
set -uo pipefail
cpack=$1
build=$2
version=$3
list=$4

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1; then
    cat "$tmp/cpack.log"
    echo "FAIL: cpack -G DEB failed"
    exit 1
fi
deb=$tmp/out/zandrel_${version}_$(dpkg --print-architecture).deb
if [ ! -f "$deb" ]; then
    ls "$tmp/out"
    echo "FAIL: no $(basename "$deb")"
    exit 1
fi

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = zandrel ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
# Computed from the program's libraries (Qt and the C library at least, each with the lower
# version bound its package's symbols give, SQLite's among them), and the dialog font, which no
# library names.
depends=$(field Depends)
echo "Depends: $depends"
for package in libc6 libqt6widgets6 libqt6gui6 libqt6core6 libsqlite3-0 \
    fonts-liberation fonts-symbola \
    fonts-noto-cjk qt6-translations-l10n; do
    grep -qE "(^|, )$package( \(>= [^)]+\))?(,|$)" <<<"$depends" ||
        fail "Depends does not name $package"
done

# Qt's Wayland platform pulls in some 200 packages that the program does without.
[ -z "$(field Recommends)" ] || fail "Recommends '$(field Recommends)'"
[ "$(field Suggests)" = qt6-wayland ] || fail "Suggests is '$(field Suggests)', not qt6-wayland"

# The same files as `cmake --install`, under /usr.
diff <(sed 's|^|usr/|' "$list" | sort) \
    <(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | sort) ||
    fail "the package's files differ from $list (< missing, > not expected)"

root=$tmp/root
admin=$root/var/lib/dpkg
mkdir -p "$admin/info" "$admin/updates"
cp /var/lib/dpkg/status "$admin/status"
# Empty file lists for the packages of that database, whose files are not in the scratch root.
for installed in /var/lib/dpkg/info/*.list; do
    : >"$admin/info/$(basename "$installed")"
done
# dpkg looks for ldconfig and start-stop-daemon, which a user's PATH may lack; its log goes
# with the scratch root.
export PATH=$PATH:/usr/sbin:/sbin
dpkg=(dpkg --root="$root" --log="$tmp/dpkg.log")
if [ "$(id -u)" -ne 0 ]; then
    dpkg=(fakeroot "${dpkg[@]}" --force-not-root)
fi

if ! "${dpkg[@]}" --install "$deb"; then
    fail "dpkg --install failed"
else
    status=$(dpkg-query --admindir="$admin" --show --showformat='${Status}' zandrel)
    [ "$status" = "install ok installed" ] || fail "zandrel is '$status' after the install"
    while read -r file; do
        [ -f "$root/usr/$file" ] || fail "/usr/$file is not installed"
    done <"$list"
    out=$(env -i PATH=/usr/bin:/bin "$root/usr/bin/zandrel" --version)
    [ "$out" = "zandrel $version" ] || fail "the packaged zandrel --version printed '$out'"

    # A user's files are theirs: removing the package leaves them.
    mkdir -p "$root/home/ann/.local/share/zandrel"
    echo "a question" >"$root/home/ann/.local/share/zandrel/auvrel.log"
    "${dpkg[@]}" --purge zandrel || fail "dpkg --purge failed"
    while read -r file; do
        [ ! -e "$root/usr/$file" ] || fail "/usr/$file is still there after the removal"
    done <"$list"
    [ -f "$root/home/ann/.local/share/zandrel/auvrel.log" ] ||
        fail "the removal took the user's log"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures failed"
    exit 1
fi
echo "deb package: all checks passed"
