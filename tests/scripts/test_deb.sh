#!/usr/bin/env bash
# The Debian package holds what an install under /usr holds, and names the libraries it needs.
source "$(dirname "$0")/lib.sh"
setup_home
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1 ||
    fail "cpack failed"
debs=("$work"/pkg/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "cpack made ${#debs[@]} packages: ${debs[*]}"
# The linked libraries come from dpkg-shlibdeps; the X11 platform plugin, loaded
# at run time, must be named by hand.
depends=$(dpkg-deb -f "${debs[0]}" Depends)
# SQLite is linked into the program where the build machine has its archive;
# only a program that loads the shared library needs its package.
sqlite=
readelf -d "$dunok" | grep -q 'NEEDED.*libsqlite3' && sqlite=libsqlite3-0
for package in libqt6widgets6 libqt6dbus6 libqt6multimedia6 libsndfile1 $sqlite \
    libwayland-client0 qt6-qpa-plugins; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done
DESTDIR=$work/stage cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
    fail "cmake --install failed"
sort "$build/install_manifest.txt" >"$work/installed"
grep -qx '/usr/bin/dunok' "$work/installed" || fail "the install has no /usr/bin/dunok"
# Everything the desktop looks up by the application id is there by that name.
for file in applications/org.dunok.Dunok.desktop metainfo/org.dunok.Dunok.metainfo.xml \
    icons/hicolor/scalable/apps/org.dunok.Dunok.svg icons/hicolor/48x48/apps/org.dunok.Dunok.png; do
    grep -qx "/usr/share/$file" "$work/installed" || fail "the install has no /usr/share/$file"
done
! grep -E '/(dunok\.desktop|dunok\.svg|dunok\.png)$' "$work/installed" || fail "files of the old names"
dpkg-deb --fsys-tarfile "${debs[0]}" | tar -t | grep -v '/$' | sed 's:^\./:/:' | sort >"$work/packaged"
diff "$work/installed" "$work/packaged" || fail "package and install differ (< installed, > packaged)"
echo "PASS"
