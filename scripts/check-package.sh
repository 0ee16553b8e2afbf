#!/usr/bin/env bash
# Checks what the program installs and packages: installs into a scratch
# prefix, validates the desktop entry, the AppStream metainfo and the man
# pages, and looks inside the .deb that `make package` built.
# usage: scripts/check-package.sh BUILD_DIR
set -euo pipefail
build=${1:-build}
scripts/install-deps.sh desktop-file-utils appstream groff-base
app=org.kestrova.Kestrova
installed=(bin/kestrova bin/kestrova-rigsim share/applications/$app.desktop
           share/icons/hicolor/scalable/apps/$app.svg share/metainfo/$app.metainfo.xml
           share/man/man1/kestrova.1 share/man/man1/kestrova-rigsim.1)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
passed=0
check() { echo "ok: $1"; passed=$((passed + 1)); }
fail() { echo "FAIL: $*"; echo "0 passed, 1 failed"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in "${installed[@]}"; do [ -f "$prefix/$f" ] || fail "cmake --install put no $f"; done
check "cmake --install puts every file in place"

desktop-file-validate "$prefix/share/applications/$app.desktop" || fail "desktop-file-validate"
grep -qx 'Exec=kestrova --user-folder' "$prefix/share/applications/$app.desktop" \
  || fail "the desktop entry does not start the program in the per-user folder"
check "desktop entry"
appstreamcli validate --no-net --strict "$prefix/share/metainfo/$app.metainfo.xml" || fail "appstreamcli validate"
appstreamcli validate-tree --no-net --strict "$prefix" || fail "appstreamcli validate-tree"
check "AppStream metainfo"
for page in kestrova kestrova-rigsim; do
  warnings=$(groff -man -Tutf8 -ww -z "$prefix/share/man/man1/$page.1" 2>&1)
  [ -z "$warnings" ] || fail "man page $page.1: $warnings"
done
check "man pages"
version=$(env -i "$prefix/bin/kestrova" --version) || fail "the installed program's --version"
check "installed program says '$version' without a display"

deb=$(ls -t "$build"/kestrova_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no .deb in $build (make package)"
contents=$(dpkg-deb -c "$deb")
for f in "${installed[@]}"; do
  grep -q " \./usr/$f\$" <<<"$contents" || fail "$deb holds no /usr/$f"
done
check "$(basename "$deb") holds the program, the simulator, desktop entry, icon, metainfo and man pages"
# No setuid or setgid file; file capabilities would need a maintainer script, which there is none of.
! awk '{print $1}' <<<"$contents" | grep -q '[sS]' || fail "a setuid or setgid file in $deb"
[ -z "$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -E 'inst$|rm$')" ] || fail "maintainer scripts in $deb"
check "no setuid, setgid or maintainer scripts"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "the dependencies were not taken from the shared libraries"
check "dependencies from the shared libraries: $(dpkg-deb -f "$deb" Depends)"
echo "package: $passed passed, 0 failed"
