#!/usr/bin/env bash
# Installs everything the build and the Wine test runs need on a Debian 12 machine.
# Idempotent: each step checks before it acts, so re-running is cheap.
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

need_pkgs=(cmake make g++-mingw-w64-i686-posix wine wine32:i386 xvfb xauth locales
           fonts-wqy-microhei googletest python3 xdotool imagemagick x11-utils clang-format openbox)

missing=()
for p in "${need_pkgs[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  # A mirror caught mid-sync fails one index now and then; try again, and if one
  # index still fails, let the install say whether anything it needs is missing.
  indexes_ok=1
  for attempt in 1 2 3; do
    if $SUDO apt-get update -q; then break; fi
    if [ "$attempt" -eq 3 ]; then
      indexes_ok=0
      echo "setup: apt-get update failed; installing from the indexes it did fetch" >&2
    fi
    sleep 10
  done
  install=($SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends)
  if ! "${install[@]}" "${missing[@]}"; then
    # With one architecture's security index missing, the other architecture's
    # candidates run ahead of it and multi-arch libraries cannot match; the
    # release's own suite holds both at one version.
    [ "$indexes_ok" -eq 0 ] || exit 1
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
    echo "setup: retrying the install from the $codename suite's versions" >&2
    "${install[@]}" -t "$codename" "${missing[@]}"
  fi
fi

# Wine takes its ANSI code page from the Unix locale; without a generated
# zh_CN.UTF-8 it silently falls back to 1252 and GBK texts turn to garbage.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  $SUDO sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen
fi
