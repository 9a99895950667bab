#!/usr/bin/env bash
# cmake --install into a temporary prefix: the program, the licence text, the user guide, the
# launcher, the metainfo and the icon land in the standard places and validate; the installed
# program starts and finds its licence; the About tab's guide button finds the installed guide.
# Then CPack's .deb is built and inspected with dpkg-deb: its files, its dependencies, its size
# (the lists carried once) and, where lintian is installed, Debian's checks.
#   install_test.sh BUILD_DIR ABOUT_TAB_TEST SOURCE_DIR
set -u
build=$1 about_test=$2 source=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passes=0 failures=0
check() {  # check NAME COMMAND...
    local name=$1; shift
    if "$@" >"$work/out" 2>&1; then passes=$((passes + 1)); else
        failures=$((failures + 1)); echo "FAIL $name"; sed 's/^/  /' "$work/out" | head -20; fi
}
for tool in desktop-file-validate appstreamcli dpkg-deb; do
    command -v "$tool" >/dev/null || { echo "$tool not installed: skipped"; exit 77; }
done

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL install"; exit 1; }
id=io.github.quillex.Quillex
for file in bin/quillex bin/quillex-cli share/quillex/Licence.rtf share/applications/$id.desktop \
            share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
            share/doc/quillex/copyright share/doc/quillex/README \
            share/quillex/guide/index.html share/quillex/guide/guide.css \
            share/man/man1/quillex.1.gz share/man/man1/quillex-cli.1.gz; do
    check "installed $file" test -s "$prefix/$file"
done
guide=$prefix/share/quillex/guide
# Every picture the page names is installed beside it.
guide_pictures_installed() {
    local picture count=0
    for picture in $(grep -o 'src="[^"]*"' "$guide/index.html" | cut -d'"' -f2); do
        test -s "$guide/$picture" || { echo "missing $picture"; return 1; }
        count=$((count + 1))
    done
    [ "$count" -ge 5 ] || { echo "only $count pictures"; return 1; }
}
check "guide pictures installed" guide_pictures_installed
check "guide holds no script and no outside resource" bash -c \
    "! grep -EHn '<script|(src|href)=\"(https?:)?//|url\\(' '$guide/index.html' '$guide/guide.css'"
# The guide lives in the program's data folder, so that a system without /usr/share/doc still
# has it.
rm -rf "$prefix/share/doc"
check "guide button opens the installed guide without the doc folder" env QT_QPA_PLATFORM=offscreen \
    XDG_RUNTIME_DIR="$work" QUILLEX_SOURCE_DIR="$source" QUILLEX_PROGRAM_DIR="$prefix/bin" \
    QUILLEX_GUIDE_PAGE="$prefix/share/quillex/guide/index.html" "$about_test" \
    guide_button_opens_the_guide_found_from_the_program
check desktop-file-validate desktop-file-validate "$prefix/share/applications/$id.desktop"
check appstream-validate appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
check "installed cli runs" bash -c "'$prefix/bin/quillex-cli' --version | grep -q '^quillex-cli 1.00$'"
# The metainfo's newest release and the guide are filled with the program's own version.
version=$("$prefix/bin/quillex-cli" --version | cut -d' ' -f2)
check "metainfo and guide give the program's version" bash -c "
    grep -q '<release version=\"$version\"' '$prefix/share/metainfo/$id.metainfo.xml' &&
    grep -q '— version $version<' '$guide/index.html' && ! grep -q '@[A-Z_]*@' '$guide/index.html'"
# Started from a folder without the licence, the installed program runs and reports nothing;
# it is stopped after a few seconds, which is the expected end (status 124).
check "installed program starts" bash -c "cd '$work' && XDG_RUNTIME_DIR='$work' \
    QT_QPA_PLATFORM=offscreen timeout 4 '$prefix/bin/quillex'; [ \$? = 124 ]"

# Every command and option --help lists has its entry in the manual page.
manual_documents_every_command() {
    local page word
    page=$(zcat "$prefix/share/man/man1/quillex-cli.1.gz" | sed 's/\\-/-/g')
    for word in $("$prefix/bin/quillex-cli" --help | grep -oE '^  [a-z]+|--[a-z]+' | tr -d ' ' | sort -u); do
        grep -qF "fB$word" <<<"$page" || { echo "$word not documented"; return 1; }
    done
}
check "manual page documents every command and option" manual_documents_every_command

# The maintainer is the packager's to give: without one, cpack refuses and says how.
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/unset" \
    -D CPACK_PACKAGE_CONTACT= >"$work/unset.log" 2>&1)
check "no package without a maintainer" grep -q QUILLEX_PACKAGE_MAINTAINER "$work/unset.log"
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/package" \
    -D "CPACK_PACKAGE_CONTACT=Quillex test <quillex-test@example.org>" >/dev/null 2>&1)
deb=$(ls "$work"/package/*.deb 2>/dev/null | head -1)
check "deb built" test -n "$deb"
if [ -n "$deb" ]; then
    check "deb depends on Qt and the fonts" bash -c "dpkg-deb -f '$deb' Depends | grep -q libqt6widgets6 &&
        dpkg-deb -f '$deb' Depends | grep -q fonts-crosextra-carlito &&
        dpkg-deb -f '$deb' Depends | grep -q fonts-urw-base35"
    check "deb holds the files in /usr" bash -c "dpkg-deb -c '$deb' | grep -q './usr/bin/quillex\$' &&
        dpkg-deb -c '$deb' | grep -q './usr/share/quillex/Licence.rtf' &&
        dpkg-deb -c '$deb' | grep -q './usr/share/applications/$id.desktop' &&
        dpkg-deb -c '$deb' | grep -q './usr/share/quillex/guide/index.html\$' &&
        dpkg-deb -c '$deb' | grep -q './usr/share/quillex/guide/rechercher.png\$' &&
        dpkg-deb -c '$deb' | grep -q './usr/share/doc/quillex/changelog.gz\$'"
    # The lists are embedded once, in the core library both programs load.
    check "installed size at most 16 MB" bash -c "[ \$(dpkg-deb -f '$deb' Installed-Size) -le 16384 ]"
    if command -v lintian >/dev/null; then
        check "lintian: no error, no warning" lintian --fail-on error,warning "$deb"
    else
        echo "lintian not installed: its checks skipped"
    fi
fi
echo "$passes passed, $failures failed"
[ "$failures" = 0 ]
