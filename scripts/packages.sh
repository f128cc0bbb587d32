# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the set-up scripts: the Debian packages each build needs, and their installation.

# The Linux build and its tests: compilers, Qt, the benchmark library, cmark for the user guide's page and the fonts
# the window tests measure with; the installed files' checks (the icon's PNG sizes, the .deb's library dependencies,
# the desktop entry, the AppStream file, the man page, the PDF report); the accessibility test's display, bus and
# AT-SPI client.
linux_packages=(build-essential cmake ninja-build ccache qt6-base-dev libbenchmark-dev cmark fonts-liberation
    librsvg2-bin dpkg-dev desktop-file-utils appstream man-db groff-base poppler-utils
    xvfb dbus at-spi2-core python3-pyatspi)

# The Windows build: MinGW-w64, Wine to run the tests and the installer, NSIS, Qt's host tools, and cmark, which
# makes the user guide's page on the build machine.
windows_packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 nsis ninja-build cmake qt6-base-dev cmark
    qt6-base-dev-tools dpkg-dev librsvg2-bin icoutils zip unzip fonts-dejavu-core xvfb)

# Installs those of the packages given that are not installed yet, in one run of apt-get.
install_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -gt 0 ] || return 0
    local sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
