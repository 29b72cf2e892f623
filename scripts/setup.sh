#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run and test Vespin. Safe to run again.
# It looks first and needs root (or sudo) only when something is missing; without either it
# prints the commands to run as root and exits 1.
set -euo pipefail

packages=(
  cmake make g++ gcc-multilib googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  wine wine32:i386 wine64 fonts-wine
  xvfb xauth x11-utils xdotool imagemagick openbox
  fonts-ipafont-gothic locales
  python3 python3-pefile
)

need_arch=
dpkg --print-foreign-architectures | grep -qx i386 || need_arch=1
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# Wine must run with code page 932, which needs the Japanese locale.
need_locale=
locale -a 2>/dev/null | grep -qiE '^ja_JP\.utf-?8$' || need_locale=1

if [ ${#missing[@]} -eq 0 ] && [ -z "$need_arch$need_locale" ]; then
  echo "setup: ready"
  exit 0
fi

# What a root shell has to do, one line each.
steps=()
[ -z "$need_arch" ] || steps+=("dpkg --add-architecture i386")
[ ${#missing[@]} -eq 0 ] ||
  steps+=("apt-get update && apt-get install -y --no-install-recommends ${missing[*]}")
[ -z "$need_locale" ] || steps+=("echo 'ja_JP.UTF-8 UTF-8' >>/etc/locale.gen && locale-gen")
print_steps() {
  echo "setup: as root, run:" >&2
  printf '  %s\n' "${steps[@]}" >&2
  echo "setup: then run this again" >&2
}

[ ${#missing[@]} -eq 0 ] || echo "setup: missing: ${missing[*]}"
[ -z "$need_arch" ] || echo "setup: missing: the i386 architecture (for 32-bit Wine)"
[ -z "$need_locale" ] || echo "setup: missing: the ja_JP.UTF-8 locale"
if [ "$(id -u)" -eq 0 ]; then
  as_root() { "$@"; }
elif command -v sudo >/dev/null 2>&1; then
  as_root() { sudo "$@"; }
else
  echo "setup: installing needs root, and there is no sudo" >&2
  print_steps
  exit 1
fi
trap 'print_steps' ERR

[ -z "$need_arch" ] || as_root dpkg --add-architecture i386
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]} (a few minutes on a fresh machine)"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if [ -n "$need_locale" ]; then
  as_root sed -i 's/^# *ja_JP.UTF-8/ja_JP.UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi
trap - ERR
echo "setup: ready"
