#!/usr/bin/env bash
# The Debian package as CPack makes it from this build: the files it installs,
# what it depends on, and the desktop entry, score type and AppStream file
# checked by the desktop's own validators.
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
            /usr/share/doc/sorvel/help/style.css; do
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
check "appstreamcli validate passes" \
      "appstreamcli validate --no-net '$share/metainfo/io.github.sorvel.Sorvel.metainfo.xml' > '$work/appstream.log' 2>&1"
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

cat "$work/desktop.log" "$work/appstream.log" 2> /dev/null | grep -v '^$' | grep -v 'Validation was successful'
finish package_test
