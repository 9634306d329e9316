#!/usr/bin/env bash
# Builds the programs in a fresh minimal Debian 12 root, as README promises:
# debootstraps a bare minbase bookworm root, copies the working tree in, runs
# scripts/setup.sh there (its packages are all the root gets), builds without
# optimisation the programs and one test or benchmark for each library they
# link with (GoogleTest, Qt Test and Charts, Google Benchmark, CBC), so that a
# -dev package a link needs and setup.sh forgets stops here, then starts the
# runner and both desktop programs offscreen. README's test command builds
# the rest next, on this machine.
#
# Kept between runs, in build/fresh-root/: the .debs of the bare minbase root
# (debootstrap --make-tarball), apt's downloaded packages and a compiler cache
# of its own. None of them installs anything: every run starts from a root
# with nothing beyond minbase.
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD

[ "$(id -u)" -eq 0 ] || { echo "fresh-root-check: needs root (debootstrap, chroot)" >&2; exit 1; }
command -v debootstrap >/dev/null || ./scripts/setup.sh debootstrap

mirror=http://deb.debian.org/debian
cache=$source/build/fresh-root
root=$cache/root
minbase=$cache/bookworm-minbase.tar
mkdir -p "$cache/apt-archives" "$cache/ccache"
started=$SECONDS

say() { echo "fresh-root-check: [$((SECONDS - started)) s] $*"; }

mounted_in_root() { awk -v root="$root/" 'index($2, root) == 1 { print $2 }' /proc/mounts | sort -r; }
unmount_root() { mounted_in_root | xargs -r -n1 umount -l; }
# Only once nothing is mounted in it: a bind mount would take the caches along.
remove_root() {
  unmount_root
  [ -z "$(mounted_in_root)" ] || { echo "fresh-root-check: $root is still mounted" >&2; exit 1; }
  rm -rf "$root"
}
trap unmount_root EXIT
mount_into() {  # mount_into TARGET MOUNT-ARGUMENTS...
  mkdir -p "$1"
  mount "${@:2}" "$1"
}

remove_root  # left by an earlier run

if [ ! -s "$minbase" ]; then
  say "fetching the minbase packages into $minbase"
  rm -rf "$cache/make-tarball"
  debootstrap --variant=minbase --make-tarball="$minbase" bookworm "$cache/make-tarball" "$mirror" >/dev/null
  rm -rf "$cache/make-tarball"
fi
say "debootstrapping a bare minbase root"
debootstrap --variant=minbase --unpack-tarball="$minbase" bookworm "$root" "$mirror" >"$cache/debootstrap.log" ||
  { tail -20 "$cache/debootstrap.log"; exit 1; }

mount_into "$root/proc" -t proc proc
mount_into "$root/var/cache/apt/archives" --bind "$cache/apt-archives"
mount_into "$root/root/.ccache" --bind "$cache/ccache"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# dpkg without a sync after each file, as debootstrap itself unpacks: a root
# thrown away after the run needs no crash safety, and the install takes
# minutes less. It changes how packages are written, not which.
echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/fresh-root-unsafe-io"

# The working tree as it is, commits or not, without build/ and ignored files.
mkdir "$root/src"
git ls-files -z --cached --others --exclude-standard |
  xargs -0 sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh |
  tar -C "$source" --null -T - -cf - | tar -C "$root/src" -xf -

in_root() {
  chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    /bin/bash -euo pipefail -c "cd /src && $1"
}

say "scripts/setup.sh"
in_root './scripts/setup.sh' >"$cache/setup.log" 2>&1 || { tail -30 "$cache/setup.log"; exit 1; }
# The compiler cache only saves time on later runs; it comes after setup.sh, so
# it cannot stand in for anything setup.sh should have installed.
in_root 'DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends ccache' >>"$cache/setup.log" 2>&1

# Between them they link every library the build finds.
targets="quorvel quorvel_any5 quorvel_front3 reducer_tests history_window_tests bench_reducer bench_gui"
say "configuring, and building $targets"
in_root 'cmake -S . -B build/fresh -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null'
in_root "cmake --build build/fresh -j2 --target $targets >build/fresh/build.log 2>&1" || in_root '{
  grep -E "error|cannot find|undefined reference" build/fresh/build.log | head -20
  tail -8 build/fresh/build.log
  exit 1
}'

say "starting the programs"
in_root '
  bin=build/fresh/bin
  fail() { echo "fresh-root-check: $*" >&2; exit 1; }
  $bin/quorvel --help >/dev/null || fail "quorvel --help failed"
  count=$($bin/quorvel filter --count docs/schemes/any5-example.json)
  [ "$count" = 9 ] || fail "quorvel filter --count of the any-5 example says \"$count\", not 9"
  # The reducer solves with CBC: its shared libraries load and answer.
  tickets=$($bin/quorvel reduce docs/schemes/any5-example.json --play 任选六 --time-limit 10 | wc -l)
  [ "$tickets" = 4 ] || fail "quorvel reduce of the any-5 example gave $tickets tickets of 任选六, not 4"
  export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp/runtime
  mkdir -m 700 -p $XDG_RUNTIME_DIR
  for program in quorvel_any5 quorvel_front3; do
    said=$(timeout 60 $bin/$program --check) || fail "$program --check did not come up and quit with 0"
    echo "$program: $said"
  done'
remove_root
say "passed"
