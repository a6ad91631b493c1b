#!/usr/bin/env bash
# Installs the build into a temporary root, checks the files, the menu entry
# and the software-centre data, then runs the installed program headless for
# a user of its own and closes it: the settings must be written into that
# user's configuration folder, never beside the installed program.
# Usage: InstallTest.sh CMAKE BUILD_FOLDER PLUGIN_FOLDER VERSION
set -euo pipefail
cmake=$1 build=$2 plugins=$3 version=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
DESTDIR="$work/root" "$cmake" --install "$build" --prefix /usr >/dev/null
usr=$work/root/usr
id=org.kelvo.kelvo

for file in bin/kelvo share/kelvo/KelvoGuide.html \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/{48x48,128x128,256x256}/apps/$id.png \
    share/man/man1/kelvo.1.gz share/doc/kelvo/copyright share/doc/kelvo/changelog.gz; do
    [ -f "$usr/$file" ] || { echo "not installed: $file"; exit 1; }
done

report=$(desktop-file-validate "$usr/share/applications/$id.desktop" 2>&1) || true
[ -z "$report" ] || { echo "$report"; exit 1; }
appstreamcli validate --no-net --strict --pedantic "$usr/share/metainfo/$id.metainfo.xml" >"$work/appstream" ||
    { cat "$work/appstream"; exit 1; }

[ "$("$usr/bin/kelvo" --version)" = "kelvo $version" ]

mkdir "$work/home" && mkdir -m 700 "$work/runtime"
HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen \
    QT_PLUGIN_PATH=$plugins QT_QPA_GENERIC_PLUGINS=kelvoclose "$usr/bin/kelvo"
[ -s "$work/config/kelvo/Kelvo.ini" ] || { echo "no settings in the configuration folder"; exit 1; }
[ ! -e "$usr/bin/Kelvo.ini" ] || { echo "settings written beside the installed program"; exit 1; }
