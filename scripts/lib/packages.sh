# The Debian packages each purpose needs, one list per purpose. Sourced by common.sh.
# Each list adds to the ones before it: scripts/test installs the run and test lists, .ci/run all
# three. Names that differ between the supported releases come from releases.sh.

source "$(dirname "${BASH_SOURCE[0]}")/releases.sh"

# scripts/run: building the program and running it as the installed package does, with what the
# package recommends: web links open through xdg-open (xdg-utils), Wayland sessions get Qt's
# Wayland plugin, X sessions get themed cursors.
ZODIAC_RUN_PACKAGES=(
    build-essential cmake qt6-base-dev
    fonts-dejavu-core
    xdg-utils qt6-wayland libxcursor1
)

# scripts/test: what the tests use beyond that.
ZODIAC_TEST_PACKAGES=(
    libicu-dev python3-ephem                                # the calendar checks: ICU, new moons
    xvfb xauth x11-utils                                    # private X servers, xwininfo
    weston                                                  # the walkthrough on Wayland
    dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0    # the accessibility walkthrough
    cups cups-client printer-driver-cups-pdf poppler-utils  # a real print queue, pdftotext
    desktop-file-utils appstream                            # checks of the installed desktop files
    shared-mime-info libglib2.0-bin                         # the record's file type, looked up as GNOME does
    adwaita-qt6                                             # the windows checked in GNOME's style too
    # The Orca walkthrough: the screen reader, a window manager, key presses, and xkbcomp, which
    # Orca runs at start-up but does not depend on.
    orca openbox xdotool x11-xkb-utils
    "${ZODIAC_RELEASE_TEST_PACKAGES[@]}"
)

# .ci/run: what CI adds: the Debian package and its checks, and the sanitizer and fuzzing builds.
ZODIAC_CI_PACKAGES=(
    debhelper lintian devscripts # dpkg-buildpackage, lintian, hardening-check
    autopkgtest                  # the package's own test (debian/tests) on the installed package
    clang "${ZODIAC_RELEASE_CI_PACKAGES[@]}"
    mmdebstrap iproute2 # the other releases' pass in a fresh chroot (scripts/in-release)
)

# scripts/bench, on top of the run and test lists (it measures the tree scripts/test builds, on
# a private X server): the X map-notification timer is a plain xcb client.
ZODIAC_BENCH_PACKAGES=(
    pkg-config libxcb1-dev
)
