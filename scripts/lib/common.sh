# Shared set-up for scripts/run, scripts/test and .ci/run. Source it; do not run it.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Debian packages the build, the program and the tests need.
ZODIAC_PACKAGES=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libicu-dev
    fonts-dejavu-core xvfb xauth x11-utils
    cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
    clang libclang-rt-14-dev
    desktop-file-utils appstream dpkg-dev file
    dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0
    # The Orca walkthrough: the screen reader, a window manager, key presses, and xkbcomp, which
    # Orca runs at start-up but does not depend on.
    orca openbox xdotool x11-xkb-utils
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

# Installs whatever of the given packages is missing.
ensure_packages() {
    local missing=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    as_root apt-get update -qq
    as_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures and builds one tree. configure_and_build DIR [cmake options...]
configure_and_build() {
    local dir=$1
    shift
    cmake -S "$ROOT" -B "$dir" "$@"
    cmake --build "$dir" -j"$(nproc)"
}
