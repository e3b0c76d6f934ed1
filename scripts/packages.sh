# Debian 12 packages Vorenda needs to build, run and test. Sourced by run.sh and test.sh.
VORENDA_PACKAGES=(
    cmake make ninja-build g++ pkg-config
    qtbase5-dev qtbase5-dev-tools libqt5svg5-dev libqt5x11extras5-dev libqt5webkit5-dev
    qttools5-dev qttools5-dev-tools qttranslations5-l10n
    libxcb1-dev libxcb-keysyms1-dev libplist-dev
    zlib1g-dev # Dovalin deflates PNG thumbnails itself
    libjpeg62-turbo-dev # Dovalin's JPEG tests write pictures of every sampling
    libqt5sql5-sqlite
    # Qt's readers of WebP and TIFF, and of HEIF, AVIF, JPEG XL and camera RAW photos.
    qt5-image-formats-plugins kimageformat-plugins
    libavformat-dev libavcodec-dev libswscale-dev libavutil-dev
    fonts-dejavu-core
    xdg-utils # xdg-open opens the items
    # Loaded at run time by Qt's network module for https: the update check and web pages.
    # ca-certificates is only recommended, so --no-install-recommends would leave it out.
    libssl3 ca-certificates
)
# fonts-dejavu-extra: the oblique and condensed faces, so tests draw no synthesized ones.
VORENDA_TEST_PACKAGES=(xvfb xauth xdotool x11-utils xclip openbox dbus-daemon fonts-dejavu-extra)

# install_missing PACKAGE...: installs what dpkg does not know yet, with sudo when not root.
install_missing() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}
