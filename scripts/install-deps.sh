#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building and testing Panelwright need.
set -euo pipefail
packages=(
    build-essential cmake ninja-build pkg-config
    libgtest-dev
    qt6-base-dev qt6-svg-dev libgl-dev
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
