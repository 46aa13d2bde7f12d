# Shared by the README commands: the Debian packages the build needs, installed when
# missing (as root), or the exact command to run otherwise.

KEYLIGHT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# desktop-file-utils and appstream give the validators the desktop-file tests run.
KEYLIGHT_PACKAGES=(build-essential cmake qtbase5-dev qttools5-dev qttools5-dev-tools
                   libgtest-dev libbenchmark-dev fonts-dejavu-core
                   desktop-file-utils appstream)

keylight_install_packages() {
    local missing=() pkg
    for pkg in "${KEYLIGHT_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$pkg")
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

keylight_jobs() {
    nproc 2>/dev/null || echo 2
}
