#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as CPack makes it from this build: the files it installs,
# what it depends on, the desktop entry, score type and AppStream file checked
# by the desktop's own validators, the manual page and changelog, and lintian
# (where it is installed), which must report no error and no warning.
#   package_test.sh BUILD_DIR
set -u
build=$1
source "$(dirname "${BASH_SOURCE[0]}")/../app/checks.sh"

for tool in dpkg-deb desktop-file-validate appstreamcli xmllint; do
    command -v "$tool" > /dev/null || { echo "FAILED: $tool is missing (scripts/setup.sh --tests)"; exit 1; }
done

if ! cpack --config "$build/CPackConfig.cmake" -B "$work/out" > "$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAILED: cpack"
    exit 1
fi
debs=("$work"/out/sorvel_*.deb)
check "one package named sorvel_VERSION_ARCH.deb" "[[ ${#debs[@]} == 1 && -f '${debs[0]}' ]]"
deb=${debs[0]}

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' > "$work/contents"
for path in /usr/bin/sorvel \
            /usr/share/applications/sorvel.desktop \
            /usr/share/icons/hicolor/48x48/apps/sorvel.png \
            /usr/share/icons/hicolor/256x256/apps/sorvel.png \
            /usr/share/icons/hicolor/scalable/apps/sorvel.svg \
            /usr/share/mime/packages/sorvel.xml \
            /usr/share/metainfo/io.github.sorvel.Sorvel.metainfo.xml \
            /usr/share/doc/sorvel/help/index.html \
            /usr/share/doc/sorvel/help/style.css \
            /usr/share/doc/sorvel/copyright \
            /usr/share/doc/sorvel/changelog.gz \
            /usr/share/man/man1/sorvel.1.gz \
            /usr/share/man/ja/man1/sorvel.1.gz \
            /usr/share/man/zh_CN/man1/sorvel.1.gz \
            /usr/share/man/zh_TW/man1/sorvel.1.gz; do
    check "the package holds $path" "grep -qx '$path' '$work/contents'"
done
check "nothing outside /usr" "! grep -v '^/usr\\(/\\|$\\)' '$work/contents' | grep -qv '^/$'"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libfluidsynth3 fonts-ipafont-gothic fonts-noto-cjk \
              "fluid-soundfont-gm | sf2-soundfont-gm" qt6-translations-l10n; do
    check "it depends on $needed" "[[ '$depends' == *'$needed'* ]]"
done
check "the architecture is this machine's" \
      "[[ \$(dpkg-deb -f '$deb' Architecture) == \$(dpkg --print-architecture) ]]"

dpkg-deb -x "$deb" "$work/root"
share=$work/root/usr/share
check "the binary runs its batch commands" \
      "'$work/root/usr/bin/sorvel' --help > /dev/null 2>&1"
check "desktop-file-validate passes" \
      "desktop-file-validate '$share/applications/sorvel.desktop' > '$work/desktop.log' 2>&1"
check "the entry starts the program from the PATH" \
      "grep -qx 'Exec=sorvel %f' '$share/applications/sorvel.desktop'"
check "appstreamcli validate --pedantic passes" \
      "appstreamcli validate --no-net --pedantic '$share/metainfo/io.github.sorvel.Sorvel.metainfo.xml' > '$work/appstream.log' 2>&1"
check "the score type is well-formed XML" "xmllint --noout '$share/mime/packages/sorvel.xml'"
for lang in ja zh_CN zh_TW; do
    for tag in name summary p; do
        check "the AppStream $tag is there in $lang" \
              "grep -q '<$tag xml:lang=\"$lang\">' '$share/metainfo/io.github.sorvel.Sorvel.metainfo.xml'"
    done
done
# Every screenshot the AppStream file names is one of the repository's.
for image in $(grep -o '<image>[^<]*</image>' "$share/metainfo/io.github.sorvel.Sorvel.metainfo.xml" |
               sed 's|</image>||; s|.*/||'); do
    check "screenshot $image is in the repository" \
          "[[ -s '$(dirname "${BASH_SOURCE[0]}")/../../resources/packaging/screenshots/$image' ]]"
done

# One version everywhere: the package, its changelog and the newest AppStream
# release, all from CHANGELOG.md.
metainfo=$share/metainfo/io.github.sorvel.Sorvel.metainfo.xml
version=$(dpkg-deb -f "$deb" Version)
zcat "$share/doc/sorvel/changelog.gz" > "$work/changelog"
check "the changelog parses and its newest entry is the package's version" \
      "[[ \$(dpkg-parsechangelog -l '$work/changelog' -S Version) == '$version' ]]"
check "the changelog is signed by the package's maintainer" \
      "[[ \$(dpkg-parsechangelog -l '$work/changelog' -S Maintainer) == \$(dpkg-deb -f '$deb' Maintainer) ]]"
check "the maintainer has an address" "dpkg-deb -f '$deb' Maintainer | grep -q '^[^<]* <[^@>]*@[^>]*>$'"
check "the newest AppStream release is the package's version" \
      "grep -o '<release version=\"[^\"]*\"' '$metainfo' | head -n 1 | grep -qx '<release version=\"$version\"'"
check "the AppStream releases are the changelog's" \
      "[[ \$(grep -c '<release ' '$metainfo') == \$(grep -c '^sorvel (' '$work/changelog') ]]"
check "the copyright file is in Debian's machine-readable format" \
      "head -n 1 '$share/doc/sorvel/copyright' | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/'"
check "the compressed files carry no time stamp" \
      "[[ \$(od -An -tu4 -j4 -N4 '$share/doc/sorvel/changelog.gz' | tr -d ' ') == 0 && \$(od -An -tu4 -j4 -N4 '$share/man/man1/sorvel.1.gz' | tr -d ' ') == 0 ]]"

# The manual page shows every batch command the program's help names, in
# English without a Japanese word left; the Japanese one is Japanese.
LC_ALL=C.UTF-8 MANWIDTH=100 man -l "$share/man/man1/sorvel.1.gz" > "$work/man.txt" 2> "$work/man.log"
check "man shows the English page without a warning" "[[ -s '$work/man.txt' && ! -s '$work/man.log' ]]"
LC_ALL=C.UTF-8 "$work/root/usr/bin/sorvel" --help | grep -o '^  sorvel --[a-z-]*' | sed 's/^  sorvel //' |
    grep -v -- '--help' > "$work/commands"
check "the help names batch commands" "[[ \$(wc -l < '$work/commands') -ge 8 ]]"
while read -r command; do
    check "the manual page shows $command" "grep -qE -- '$command [A-Z]+\.' '$work/man.txt'"
done < "$work/commands"
check "the English manual page has no Japanese or Chinese" \
      "! LC_ALL=C.UTF-8 grep -qP '[\\x{3041}-\\x{30FA}\\x{3400}-\\x{9FFF}]' '$work/man.txt'"
LC_ALL=C.UTF-8 MANWIDTH=100 man -l "$share/man/ja/man1/sorvel.1.gz" > "$work/man-ja.txt" 2> "$work/man.log"
check "the Japanese manual page is Japanese, without a warning" \
      "[[ ! -s '$work/man.log' ]] && LC_ALL=C.UTF-8 grep -qP '[\\x{3041}-\\x{30FA}]' '$work/man-ja.txt'"
for section in 'EXIT STATUS' FILES ENVIRONMENT 'BATCH COMMANDS' OPTIONS; do
    check "the manual page has $section" "grep -qx '$section' '$work/man.txt'"
done

# lintian, Debian's own check of packages: no error and no warning. An
# override (usr/share/lintian/overrides/sorvel) must say why in a comment.
if command -v lintian > /dev/null; then
    lintian --fail-on error,warning --display-level '>=warning' "$deb" > "$work/lintian.log" 2>&1
    status=$?
    grep -v 'running with root privileges' "$work/lintian.log"
    check "lintian reports no error or warning" "[[ $status == 0 ]]"
else
    echo "lintian is not installed: not run (scripts/setup.sh --tests installs it)"
fi

cat "$work/desktop.log" "$work/appstream.log" 2> /dev/null | grep -v '^$' | grep -v 'Validation was successful'
finish package_test
