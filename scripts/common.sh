# Sourced by run.sh and test.sh: installs what the project needs from
# Debian's packages when it is missing, as root or through sudo.

BUILD_PACKAGES=(cmake g++ make qt6-base-dev qt6-translations-l10n libqt6svg6 fonts-wqy-microhei)
TEST_PACKAGES=(libgtest-dev libbenchmark-dev desktop-file-utils appstream dpkg-dev file clang-14 libclang-rt-14-dev)

ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

configure_and_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@"
    cmake --build "$dir" -j "$(nproc)"
}
