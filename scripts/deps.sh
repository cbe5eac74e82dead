#!/usr/bin/env bash
# Installs, without prompts, every Debian package Kovia needs that dpkg-query reports
# missing: the compiler, CMake and Ninja included. Uses sudo only when not already root.
# Usage: scripts/deps.sh [--screenshots]
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-translations-l10n libqcustomplot-dev
  fonts-liberation fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev
  locales
)
if [[ "${1:-}" == "--screenshots" ]]; then
  packages+=(xvfb xauth imagemagick)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]})); then
  if [[ $(id -u) -eq 0 ]]; then
    as_root=()
  elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
  else
    echo "Faltan paquetes (${missing[*]}) y no hay permisos de administrador ni sudo para instalarlos." >&2
    echo "Instálelos como root con: apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
  echo "Instalando paquetes: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The Spanish locale lets the tests check that no number text depends on the C locale.
if ! locale -a 2>/dev/null | grep -qi '^es_ES\.utf-\?8$'; then
  if [[ $(id -u) -eq 0 ]] || command -v sudo >/dev/null 2>&1; then
    as_root=(); [[ $(id -u) -eq 0 ]] || as_root=(sudo)
    if ! grep -q '^es_ES.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
      echo 'es_ES.UTF-8 UTF-8' | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
    fi
    "${as_root[@]}" locale-gen >/dev/null 2>&1 || true
  fi
fi
