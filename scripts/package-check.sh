#!/usr/bin/env bash
# Builds the Debian package (the `package` preset), unpacks it into a scratch
# folder and tries what it installed: the menu entries and metadata validate,
# each program a menu entry starts comes up offscreen and finds the installed
# help pages, and the runner answers --version.
#
# The package is unpacked with `dpkg-deb -x`, not installed with `dpkg -i`: the
# check then needs no root, leaves the machine's /usr as it was (CI runs on a
# machine that is kept), and still runs the programs from the installed layout
# (<root>/usr/bin beside <root>/usr/share), which is all the lookups depend on.
# That the dependencies resolve is checked with `apt-get --simulate`.
set -euo pipefail
cd "$(dirname "$0")/.."

# Tools for the checks only, so README's commands do not need them.
packages=(dpkg-dev appstream desktop-file-utils)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
./scripts/setup.sh
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake --preset package >/dev/null
cmake --build --preset package -j"$(nproc)"
rm -f build/package/quorvel_*.deb
cpack --preset package >/dev/null
deb=$(echo build/package/quorvel_*.deb)
[ -f "$deb" ] || { echo "package-check: cpack made no .deb" >&2; exit 1; }
version=$(dpkg-deb --field "$deb" Version)
echo "package-check: $deb, $(stat -c %s "$deb") bytes, version $version"
echo "package-check: Depends: $(dpkg-deb --field "$deb" Depends)"

fail() {
  echo "package-check: $*" >&2
  exit 1
}

apt-get install --simulate --no-install-recommends "./$deb" >/dev/null ||
  fail "the package's dependencies do not resolve"

# The programs know their folder from /proc/self/exe, where links are resolved.
scratch=$(realpath "$(mktemp -d)")
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
dpkg-deb -x "$deb" "$root"
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

runner_says=$("$root/usr/bin/quorvel" --version)
[ "$runner_says" = "quorvel $version" ] ||
  fail "quorvel --version says '$runner_says', the package is $version"

for metainfo in "$root"/usr/share/metainfo/*.metainfo.xml; do
  appstreamcli validate --no-net "$metainfo" >/dev/null || {
    appstreamcli validate --no-net "$metainfo"
    fail "$metainfo does not validate"
  }
  grep -q "<release version=\"$version\"" "$metainfo" ||
    fail "$(basename "$metainfo") lists no release $version"
  launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
  [ -f "$root/usr/share/applications/$launchable" ] ||
    fail "$(basename "$metainfo") launches $launchable, which is not installed"
done

help=$root/usr/share/quorvel/help
entries=0
for entry in "$root"/usr/share/applications/*.desktop; do
  entries=$((entries + 1))
  desktop-file-validate "$entry" || fail "$entry does not validate"
  icon=$(sed -n 's/^Icon=//p' "$entry")
  [ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] ||
    fail "$(basename "$entry") names icon '$icon', which is not installed"
  command=$(sed -n 's/^Exec=//p' "$entry")
  read -r -a words <<<"$command"
  program=$root/usr/bin/${words[0]}
  [ -x "$program" ] || fail "$(basename "$entry") starts '$command', which is not installed"
  said=$(QT_QPA_PLATFORM=offscreen timeout 60 "$program" "${words[@]:1}" --check) ||
    fail "'$command --check' from $(basename "$entry") did not come up and quit with 0"
  [ "$said" = "help: $help" ] ||
    fail "'$command' looks for its help pages in '${said#help: }', not in $help"
  echo "package-check: $(basename "$entry"): '$command' came up, help pages in /usr/share/quorvel/help"
done
[ "$entries" -eq 2 ] || fail "expected the two menu entries, found $entries"
for page in rules tutorial download tips; do
  [ -s "$help/$page.html" ] || fail "help page $page.html is not installed"
done
echo "package-check: passed"
