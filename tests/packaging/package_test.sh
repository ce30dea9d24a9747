#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks it the way a user
# meets it: the control fields and the files, an install under a staging root,
# the desktop entry, the manual pages, lintian, and finally (as root) an apt
# install into this machine with both programs started from /usr/bin.
#
# Usage: package_test.sh <build dir> <source dir>
set -euo pipefail

build=$(realpath "$1")
src=$(realpath "$2")
replies="$src/tests/packaging/worked_example.replies"

work=$(mktemp -d)
installed_here=no
cleanup() {
  if [ "$installed_here" = yes ]; then
    echo "== removing the package installed by this test"
    DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq koravel >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "== $*"; }
need() { command -v "$1" >/dev/null || fail "$1 is missing (scripts/deps.sh test installs it)"; }
for tool in cpack dpkg-deb desktop-file-validate man lintian file gzip; do need "$tool"; done

version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
[ -n "$version" ] || fail "no CPACK_PACKAGE_VERSION in $build/CPackConfig.cmake"

# Paths below the prefix that the package and the install must both hold.
expected=(
  bin/koravel
  bin/koravel-console
  share/applications/koravel.desktop
  share/icons/hicolor/scalable/apps/koravel.svg
  share/man/man1/koravel.1.gz
  share/man/man1/koravel-console.1.gz
  share/doc/koravel/copyright
  share/doc/koravel/changelog.gz
)
icon_sizes=(16 32 48 64 128 256)
for s in "${icon_sizes[@]}"; do expected+=("share/icons/hicolor/${s}x${s}/apps/koravel.png"); done

# Checks the installed tree under <root>/usr.
check_tree() {
  local usr=$1 p s
  for p in "${expected[@]}"; do
    [ -e "$usr/$p" ] || fail "missing $p under $usr"
  done
  for p in koravel koravel-console; do
    [ -x "$usr/bin/$p" ] || fail "$usr/bin/$p is not executable"
  done
  for s in "${icon_sizes[@]}"; do
    grep -q "PNG image data, $s x $s" <<<"$(file -b "$usr/share/icons/hicolor/${s}x${s}/apps/koravel.png")" \
      || fail "icon ${s}x${s} is not a ${s} x ${s} PNG"
  done
  grep -q '<svg' "$usr/share/icons/hicolor/scalable/apps/koravel.svg" || fail "the scalable icon is no SVG"

  local entry="$usr/share/applications/koravel.desktop"
  desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
  grep -qx 'Exec=koravel' "$entry" || fail "the desktop entry does not start koravel"
  grep -qx 'Icon=koravel' "$entry" || fail "the desktop entry does not name the koravel icon"
  grep -q '^Name\[zh_CN\]=' "$entry" || fail "the desktop entry has no Chinese name"

  local page warnings
  for page in "$usr"/share/man/man1/koravel*.1.gz; do
    gzip -t "$page" || fail "$page is not a valid gzip file"
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man reports for $page: $warnings"
    LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" >"$work/page.txt" 2>&1 || fail "man -l $page failed"
    grep -q '^SEE ALSO' "$work/page.txt" || fail "$page renders without its SEE ALSO section"
  done
  LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$usr/share/man/man1/koravel-console.1.gz" >"$work/page.txt"
  for section in NAME SYNOPSIS DESCRIPTION OPTIONS 'TRACE FORMAT' 'EXIT STATUS' EXAMPLE; do
    grep -q "^$section" "$work/page.txt" || fail "koravel-console(1) has no $section section"
  done
}

step "cpack"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/pkg/koravel_"$version"_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no koravel_${version}_*.deb"
deb=${debs[0]}
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"

step "control fields"
dpkg-deb -I "$deb" >"$work/info.txt"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = koravel ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version), expected $version"
[ "$(field Section)" = science ] || fail "Section is $(field Section)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is $(field Architecture)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
grep -q traverse <<<"$(field Description)" || fail "the description does not say what the package is"
depends=$(field Depends)
echo "Depends: $depends"
echo "Recommends: $(field Recommends)"
# The package names alone, one a line, without versions or alternatives.
dep_names=$(sed -e 's/([^)]*)//g' -e 's/[,|]/\n/g' <<<"$depends" | tr -d ' ')
for dep in libqt6widgets6 libqt6gui6 libqt6printsupport6 libqt6core6 libstdc++6 libc6 \
           fonts-arphic-uming qt6-translations-l10n; do
  grep -qxF "$dep" <<<"$dep_names" || fail "Depends lacks $dep: $depends"
done
grep -q cups <<<"$(field Recommends)" || fail "Recommends names no CUPS"
grep -q md5sums "$work/info.txt" || fail "the package has no md5sums"

step "package contents"
dpkg-deb -c "$deb" >"$work/contents.txt"
for p in "${expected[@]}"; do
  grep -q " ./usr/$p\$" "$work/contents.txt" || fail "the package lacks /usr/$p"
done
if grep -Ev ' \./usr/(bin|share/(applications|icons|man|doc))(/|$)|/$' "$work/contents.txt"; then
  fail "the package holds files outside its places (above)"
fi
dpkg-deb -x "$deb" "$work/extracted"
for p in koravel koravel-console; do
  grep -q ', stripped' <<<"$(file -b "$work/extracted/usr/bin/$p")" || fail "/usr/bin/$p is not stripped"
done
check_tree "$work/extracted/usr"

step "cmake --install into a staging root"
cmake --install "$build" --prefix "$work/stage/usr" >"$work/install.log" 2>&1 \
  || { cat "$work/install.log"; fail "cmake --install failed"; }
check_tree "$work/stage/usr"
# The staged programs run from their new place.
"$work/stage/usr/bin/koravel-console" --trace --report <"$replies" >"$work/staged-trace.txt" \
  || fail "the staged koravel-console exits $?"
grep -qxF "$(printf 'field\tText17\t1/35636')" "$work/staged-trace.txt" \
  || fail "the staged koravel-console does not end the worked example with 1/35636"

step "lintian"
lintian --tag-display-limit 0 "$deb" >"$work/lintian.txt" 2>&1 || true
cat "$work/lintian.txt"
echo "lintian: $(grep -c '^E:' "$work/lintian.txt" || true) errors, $(grep -c '^W:' "$work/lintian.txt" || true) warnings"
! grep -q '^E:' "$work/lintian.txt" || fail "lintian reports errors"

if [ "$(id -u)" -ne 0 ]; then
  echo "SKIPPED: installing the package into this machine needs root; the rest passed."
  exit 0
fi

step "apt-get install the package"
if [ "$(dpkg-query -W -f='${db:Status-Abbrev}' koravel 2>/dev/null)" != "ii " ]; then
  installed_here=yes
fi
cp "$deb" "$work/koravel.deb"
chmod 0755 "$work"
chmod 0644 "$work/koravel.deb"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "$work/koravel.deb" \
  >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get install of the package failed"; }
[ "$(dpkg-query -W -f='${Version}' koravel)" = "$version" ] || fail "dpkg does not list koravel $version"
check_tree /usr
# What the window needs at run time without linking it.
grep -q 'AR PL UMing' <<<"$(fc-list ':lang=zh' family)" || fail "no Song face for the Chinese text"
qm=$(dpkg -L qt6-translations-l10n | grep '/qtbase_zh_CN\.qm$' || true)
[ -n "$qm" ] || fail "qt6-translations-l10n brings no qtbase_zh_CN.qm"
grep -q 'printsupport/libcupsprintersupport\.so$' <<<"$(dpkg -L libqt6printsupport6)" \
  || fail "libqt6printsupport6 brings no CUPS print plugin"

step "koravel-console from /usr/bin"
rc=0
/usr/bin/koravel-console --trace --report <"$replies" >"$work/trace.txt" 2>"$work/trace.err" || rc=$?
[ $rc -eq 0 ] || { cat "$work/trace.err"; fail "koravel-console exits $rc on the worked example"; }
grep -qxF "$(printf 'field\tText17\t1/35636')" "$work/trace.txt" \
  || fail "the worked example does not end with the field line Text17 1/35636"
grep -q '^print' "$work/trace.txt" || fail "--report printed no report lines"
! grep -q '^notice' "$work/trace.txt" || fail "the worked example raised a notice: $(grep '^notice' "$work/trace.txt")"
rc=0
/usr/bin/koravel-console --no-such-option </dev/null >/dev/null 2>"$work/usage.err" || rc=$?
[ $rc -eq 2 ] && [ -s "$work/usage.err" ] || fail "a bad option exits $rc instead of 2 with a usage line"
rc=0
head -n 5 "$replies" | /usr/bin/koravel-console --trace >"$work/short.txt" 2>/dev/null || rc=$?
[ $rc -eq 3 ] || fail "input ending mid-run exits $rc instead of 3"
grep -q '^notice' "$work/short.txt" || fail "input ending mid-run gives no notice"

step "koravel from /usr/bin (offscreen)"
# KORAVEL_EXIT_AFTER_FIRST_PAINT makes the window program leave once its window
# has been painted: a clean exit means it started, found its platform plugin
# and drew the window.
window() {
  QT_QPA_PLATFORM=offscreen KORAVEL_EXIT_AFTER_FIRST_PAINT=1 timeout 60 "$@" /usr/bin/koravel \
    >"$work/window.out" 2>"$work/window.err"
}
rc=0
window || rc=$?
cat "$work/window.err"
[ $rc -eq 0 ] || fail "koravel exits $rc under the offscreen platform"
echo "koravel started, painted its window and quit"
if command -v strace >/dev/null; then
  # The installed program finds Qt's Chinese dialog texts and the Song face.
  window strace -f -qq -e trace=openat -o "$work/window.strace" || fail "koravel under strace failed"
  grep -v ENOENT "$work/window.strace" | grep -q '/qtbase_zh_CN\.qm"' \
    || fail "the installed koravel does not load qtbase_zh_CN.qm"
  grep -v ENOENT "$work/window.strace" | grep -q '/uming\.ttc"' \
    || fail "the installed koravel does not open the AR PL UMing face"
  echo "koravel loaded qtbase_zh_CN.qm and the AR PL UMing face"
else
  echo "NOT CHECKED: without strace, which files the window opens (translation, font)"
fi

echo "PASS: package $(basename "$deb") checked"
