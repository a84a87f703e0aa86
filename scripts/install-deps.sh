#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building and testing Panelwright need.
set -euo pipefail
packages=(
    build-essential cmake ninja-build pkg-config
    libgtest-dev
    qt6-base-dev qt6-svg-dev libgl-dev
    xvfb dbus-daemon at-spi2-core python3-pyatspi
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n locales
    libpng-dev poppler-utils
    clang libclang-rt-14-dev
    desktop-file-utils appstream shared-mime-info libxml2-utils dpkg-dev file
    help2man man-db bsdextrautils lintian
)
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${packages[@]}"
# The locale tests run under German and French; without these locales they could not fail.
for locale in de_DE fr_FR; do
    if ! locale -a | grep -qix "${locale}.utf-\?8"; then
        $sudo localedef -i "$locale" -f UTF-8 "${locale}.UTF-8"
    fi
done
