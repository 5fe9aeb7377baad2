#!/usr/bin/env bash
# The Debian package of a build: its file list and control fields, the desktop entry and the
# project file type, and the programs run from the unpacked package (korva from another
# folder, korvawin finding the engine in the installed library folder).
# Usage: PackageTest.sh BUILD_DIR PACKAGING_SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/korva-package-test-XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack could not build the package"; }
debs=("$work"/out/korva_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single korva_*.deb: ${debs[*]}"
deb=${debs[0]}
echo "package: $(basename "$deb")"

# File list: every path under /usr, the programs, the engine, desktop integration, examples.
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$work/files"
grep -v '^/usr/' "$work/files" | grep -v '^/$' && fail "files outside /usr"
for expected in /usr/bin/korva /usr/bin/korvawin /usr/share/applications/korva.desktop \
  /usr/share/mime/packages/korva.xml /usr/share/icons/hicolor/scalable/apps/korva.svg \
  /usr/share/icons/hicolor/48x48/apps/korva.png /usr/share/icons/hicolor/256x256/apps/korva.png \
  /usr/share/icons/hicolor/48x48/mimetypes/application-x-korva-project.png \
  /usr/share/man/man1/korva.1.gz /usr/share/korva/examples/Example.kv8d; do
  grep -qx "$expected" "$work/files" || fail "$expected is not in the package"
done
grep -Eqx '/usr/lib/([a-z0-9_-]+/)?korva/libkorvacalc\.so' "$work/files" ||
  fail "the engine library is not in the installed library folder"
examples=$(grep -c '^/usr/share/korva/examples/.*\.kv8d$' "$work/files")
[ "$examples" -eq "$(ls "$source"/../examples/*.kv8d | wc -l)" ] || fail "$examples examples"
grep -q '^/usr/share/korva/validation/.*\.kv8d$' "$work/files" || fail "no validation ledger"

# Control fields: the Qt 6 runtime, libxlsxwriter, OpenGL, the MIME database.
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6openglwidgets6 libxlsxwriter \
  libgl1-mesa-dri shared-mime-info "libstdc[+][+]6"; do
  grep -Eq "(^|, )$package[0-9a-z.-]*( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done
grep -Eq '(^|, )(libgl1|libopengl0)( |,|$)' <<<"$depends" || fail "Depends lacks OpenGL: $depends"
[ "$(dpkg-deb -f "$deb" Package)" = korva ] || fail "package name"

dpkg-deb -x "$deb" "$work/root"
root=$work/root

# The desktop entry and the project file type.
desktop-file-validate "$root/usr/share/applications/korva.desktop" || fail "desktop entry"
grep -qx 'Exec=korvawin %f' "$root/usr/share/applications/korva.desktop" || fail "Exec line"
grep -qx 'MimeType=application/x-korva-project;' "$root/usr/share/applications/korva.desktop" ||
  fail "MimeType line"
mkdir -p "$work/mime/packages"
cp "$root/usr/share/mime/packages/korva.xml" "$work/mime/packages/"
XDG_DATA_HOME="$work" update-mime-database "$work/mime" >"$work/mime.log" 2>&1 || { cat "$work/mime.log"; fail "MIME file"; }
[ ! -s "$work/mime.log" ] || { cat "$work/mime.log"; fail "MIME database warnings"; }
grep -q 'application/x-korva-project:\*\.kv8d' "$work/mime/globs2" || fail "no *.kv8d glob"

# korva from another folder, on a copy of an installed example.
mkdir "$work/projects"
cp "$root/usr/share/korva/examples/Example.kv8d" "$work/projects/"
(cd / && "$root/usr/bin/korva" run "$work/projects/Example.kv8d" >"$work/run.log") ||
  { cat "$work/run.log"; fail "korva run"; }
grep -q '^Status 0:' "$work/run.log" || fail "korva run status"
zcat "$root/usr/share/man/man1/korva.1.gz" | grep -q 'korva run \[--json\] \[-j N\]' ||
  fail "manual page without the --help text"

# korvawin without an engine beside it: the one of the installed library folder runs.
[ ! -e "$root/usr/bin/libkorvacalc.so" ] || fail "engine beside the installed program"
QT_QPA_PLATFORM=offscreen "$root/usr/bin/korvawin" --export-pdf "$work/projects/out.pdf" \
  "$work/projects/Example.kv8d" >"$work/win.log" 2>&1 || { cat "$work/win.log"; fail "korvawin run"; }
[ -s "$work/projects/out.pdf" ] || fail "korvawin wrote no document"
echo "package checked: $(wc -l <"$work/files") entries"
