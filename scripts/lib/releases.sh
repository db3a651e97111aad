# The Debian releases this project supports, and what differs between them. Sourced by common.sh;
# scripts/test, .ci/run and packaging/check-deb read it, so a release is added or dropped here only.

# Oldest first. .ci/run tests the machine's own release, then every other one in a fresh chroot.
ZODIAC_RELEASES=(bookworm trixie)

# The release of this machine (or chroot), by its code name.
ZODIAC_THIS_RELEASE=$(. /etc/os-release 2>/dev/null && echo "${VERSION_CODENAME:-}")

# Packages whose names or need differ between the releases, per purpose.
case $ZODIAC_THIS_RELEASE in
bookworm)
    # Orca 43 reaches the accessibility bus through pyatspi.
    ZODIAC_RELEASE_TEST_PACKAGES=(python3-pyatspi)
    ZODIAC_RELEASE_CI_PACKAGES=(libclang-rt-14-dev)
    ;;
*)
    # Orca 48 talks to AT-SPI through gi alone. Debian 13's clang is 19. KDE's Breeze style for
    # Qt 6, which the windows are checked in, is packaged from Debian 13 on (some 50 packages of
    # KDE Frameworks with it).
    ZODIAC_RELEASE_TEST_PACKAGES=(kde-style-breeze)
    ZODIAC_RELEASE_CI_PACKAGES=(libclang-rt-19-dev)
    ;;
esac
