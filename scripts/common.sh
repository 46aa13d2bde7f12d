# SPDX-License-Identifier: MIT
# Shared by the README commands: the Debian packages the build needs, installed when
# missing (as root), or the exact command to run otherwise.

KEYLIGHT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# desktop-file-utils and appstream give the validators the desktop-file tests run;
# qttranslations5-l10n translates Qt's own dialog buttons; dbus-daemon gives the D-Bus suite
# a private session bus (dbus-run-session).
# KEYLIGHT_QT=6 builds with Qt 6 and installs its packages, KEYLIGHT_QT=5 with Qt 5.15; without
# it the Qt 5 packages are installed when missing and CMake takes Qt 6 where it finds it.
KEYLIGHT_QT5_PACKAGES=(qtbase5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n)
KEYLIGHT_QT6_PACKAGES=(qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
                       qt6-translations-l10n)
# CMake takes Qt 6 wherever its development package is installed, so the rest of Qt 6's
# packages come with it then.
keylight_has_package() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}
if [ "${KEYLIGHT_QT:-}" = 6 ] \
    || { [ -z "${KEYLIGHT_QT:-}" ] && keylight_has_package qt6-base-dev; }; then
    KEYLIGHT_QT_PACKAGES=("${KEYLIGHT_QT6_PACKAGES[@]}")
else
    KEYLIGHT_QT_PACKAGES=("${KEYLIGHT_QT5_PACKAGES[@]}")
fi
KEYLIGHT_PACKAGES=(build-essential cmake "${KEYLIGHT_QT_PACKAGES[@]}" libgtest-dev
                   libbenchmark-dev fonts-dejavu-core desktop-file-utils appstream dbus-daemon)

keylight_install_packages() {
    local missing=() pkg
    for pkg in "${KEYLIGHT_PACKAGES[@]}" "$@"; do
        keylight_has_package "$pkg" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing missing packages: ${missing[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
    else
        echo "Missing packages. Run as root:" >&2
        echo "  apt-get install -y ${missing[*]}" >&2
        return 1
    fi
}

# The OpenRGB client from npm that the SDK server's tests drive, installed with npm ci from
# tests/npm's lock file into folder $1. node and npm come from Debian when missing.
keylight_install_node_client() {
    local folder="$1"
    if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
        keylight_install_packages nodejs npm || return 1
    fi
    mkdir -p "$folder"
    cp "$KEYLIGHT_ROOT/tests/npm/package.json" "$KEYLIGHT_ROOT/tests/npm/package-lock.json" \
       "$folder/"
    (cd "$folder" && npm ci --no-audit --no-fund --loglevel=error)
}

keylight_jobs() {
    nproc 2>/dev/null || echo 2
}

# The sanitizer build that scripts/test.sh runs, configured in $1.
keylight_configure_test_build() {
    cmake -S "$KEYLIGHT_ROOT" -B "$1" -DCMAKE_BUILD_TYPE=Debug -DKEYLIGHT_SANITIZE=ON \
          -DKEYLIGHT_BUILD_BENCH=OFF
}

# What the tests run with: the offscreen platform and the sanitizers' settings.
keylight_test_environment() {
    export QT_QPA_PLATFORM=offscreen
    export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
    export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$KEYLIGHT_ROOT/tests/lsan.supp}"
    export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
}
