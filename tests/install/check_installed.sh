#!/usr/bin/env bash
# Checks an installed Vantrel under PREFIX (a folder `cmake --install` or
# `dpkg-deb -x` filled, or /usr after `dpkg -i`): exactly the files it should
# have, the desktop entry, AppStream data and manual pages valid, the icons
# of the right sizes, both programs' --version, and the example pipeline run
# by the installed command line on the installed examples.
#   check_installed.sh PREFIX VERSION [LIST]
# LIST: a file naming the installed files (dpkg -L); without it every file
# under PREFIX is taken.
set -euo pipefail
prefix=$1 version=$2 list=${3:-}
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

expected="bin/vantrel
bin/vantrel-cli
lib/vantrel/modules/vantrel-cli-outputs.so
share/applications/com.selvo_software.vantrel.desktop
share/doc/vantrel/changelog.gz
share/doc/vantrel/copyright
share/doc/vantrel/examples/line1.dat
share/doc/vantrel/examples/line2.csv
share/icons/hicolor/128x128/apps/vantrel.png
share/icons/hicolor/256x256/apps/vantrel.png
share/icons/hicolor/48x48/apps/vantrel.png
share/icons/hicolor/scalable/apps/vantrel.svg
share/man/man1/vantrel-cli.1.gz
share/man/man1/vantrel.1.gz
share/metainfo/com.selvo_software.vantrel.metainfo.xml
share/mime/packages/vantrel.xml
share/vantrel/translations/vantrel_en.qm
share/vantrel/translations/vantrel_zh_CN.qm"

if [ -n "$list" ]; then
  found=$(while read -r f; do [ -f "$f" ] && echo "${f#"$prefix"/}"; done < "$list" | LC_ALL=C sort)
else
  found=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
fi
if [ "$found" != "$(echo "$expected" | LC_ALL=C sort)" ]; then
  fail "installed files differ from the expected list:"
  diff <(echo "$expected" | LC_ALL=C sort) <(echo "$found") >&2 || true
fi

share=$prefix/share
desktop-file-validate "$share/applications/com.selvo_software.vantrel.desktop" || fail "desktop entry"
appstreamcli validate --no-net --explain "$share/metainfo/com.selvo_software.vantrel.metainfo.xml" >/dev/null ||
  fail "AppStream data: $(appstreamcli validate --no-net "$share/metainfo/com.selvo_software.vantrel.metainfo.xml")"
xmllint --noout "$share/mime/packages/vantrel.xml" || fail "file types"
for size in 48 128 256; do
  file "$share/icons/hicolor/${size}x$size/apps/vantrel.png" | grep -q "PNG image data, $size x $size," ||
    fail "the ${size} px icon: $(file "$share/icons/hicolor/${size}x$size/apps/vantrel.png")"
done
for page in vantrel vantrel-cli; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page(1) warns: $warnings"
  zcat "$share/man/man1/$page.1.gz" | grep -qF '\fB\-\-version\fR' || fail "$page(1) lists no --version"
done

for program in vantrel vantrel-cli; do
  out=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/$program" --version) || fail "$program --version failed"
  [ "$(echo "$out" | head -n1)" = "$program $version" ] || fail "$program --version says: $out"
done
# The installed program reads its own catalogues: its help in Chinese.
VANTREL_UI_LANGUAGE=zh "$prefix/bin/vantrel" --help | grep -q '用法' || fail "vantrel --help in Chinese"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
examples=$share/doc/vantrel/examples
if "$prefix/bin/vantrel-cli" "$examples/line1.dat" --correct-bad-points --search-bad-points --select all \
  --field-source --depth --save-original "$work/line1-repaired.dat" --save-depth "$work/line1-depth.csv" \
  2>"$work/messages"; then
  [ "$(head -n1 "$work/line1-depth.csv" | tr -d '\r')" = "Increment Value,Height,Value,FileID" ] ||
    fail "depth table: $(head -n1 "$work/line1-depth.csv")"
  [ "$(wc -l < "$work/line1-repaired.dat")" = "$(wc -l < "$examples/line1.dat")" ] || fail "repaired rows"
else
  fail "the example pipeline: $(cat "$work/messages")"
fi
# Pictures and grids come from the installed output module.
if QT_QPA_PLATFORM=offscreen "$prefix/bin/vantrel-cli" "$examples/line1.dat" --select all --depth \
  --graph section "$work/section.png" --export-grid "$work/section.grd" 2>"$work/messages"; then
  file "$work/section.png" | grep -q "PNG image data" || fail "section picture: $(file "$work/section.png")"
  [ "$(head -c 4 "$work/section.grd")" = "DSAA" ] || fail "section grid: $(head -c 40 "$work/section.grd")"
else
  fail "a picture and a grid: $(cat "$work/messages")"
fi

[ "$failures" -eq 0 ] && echo "installed Vantrel $version under $prefix: all checks passed"
exit $((failures > 0))
