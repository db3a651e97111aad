# Shared set-up for scripts/run, scripts/test and .ci/run. Source it; do not run it.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

source "$ROOT/scripts/lib/packages.sh"

# The version, from the newest entry of debian/changelog (the build reads it there too), and the
# window caption that carries it.
ZODIAC_VERSION=$(sed -n '1s/^[^ ]* (\([0-9]*:\)\{0,1\}\([^)-]*\).*/\2/p' "$ROOT/debian/changelog")
ZODIAC_CAPTION="Nerro Chinese Zodiac Software v$ZODIAC_VERSION"

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
