#!/usr/bin/env bash
# The Debian package holds exactly what an install under /usr holds, and its
# control data lets apt pull in the libraries the program needs.
source "$(dirname "$0")/lib.sh"
build=$2
setup_home

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$work/cpack.log")"
debs=("$work"/pkg/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "cpack made ${#debs[@]} packages: ${debs[*]}"
deb=${debs[0]}

control() { dpkg-deb -f "$deb" "$1"; }
[[ $(control Package) == dunok ]] || fail "package name '$(control Package)'"
[[ $(control Section) == utils ]] || fail "section '$(control Section)'"
[[ $(control Maintainer) == "Dunok developers" ]] || fail "maintainer '$(control Maintainer)'"
[[ $(control Architecture) == "$(dpkg --print-architecture)" ]] || fail "architecture '$(control Architecture)'"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[[ $(control Version) == "$version" ]] || fail "version '$(control Version)', project '$version'"
# The linked libraries come from dpkg-shlibdeps; the X11 platform plugin,
# loaded at run time, must be named by hand.
depends=$(control Depends)
for package in libc6 libqt6core6 libqt6widgets6 libqt6dbus6 libqt6multimedia6 libsndfile1 \
               libsqlite3-0 qt6-qpa-plugins; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done

# Compare the package's files with the install manifest of the same tree.
DESTDIR=$work/stage cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$work/install.log")"
sort "$build/install_manifest.txt" >"$work/installed"
[[ -s "$work/installed" ]] || fail "the install manifest is empty"
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's:^\./:/:' | sort >"$work/packaged"
diff "$work/installed" "$work/packaged" >"$work/contents.diff" ||
    fail "package and install differ (< installed only, > packaged only): $(cat "$work/contents.diff")"
grep -qx '/usr/bin/dunok' "$work/packaged" || fail "the package has no /usr/bin/dunok"
echo "PASS"
