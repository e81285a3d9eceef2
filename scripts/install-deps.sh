#!/usr/bin/env bash
# Installs the Debian packages Vendrix needs to build, test and run.
# Does nothing when every package is already present.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libxlsxwriter-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation poppler-utils xvfb xauth
    desktop-file-utils shared-mime-info locales
    clang libclang-rt-14-dev clang-format clang-tidy
    dpkg-dev file appstream man-db groff-base python3-ezdxf python3-openpyxl
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null 2>&1; then
    sudo=(sudo)
else
    echo "These packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
    exit 1
fi
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
