#!/usr/bin/env bash
# Debian packages for building Pallox ("build"), building its Debian package ("package") or building
# and testing it ("test").
set -euo pipefail
build_packages=(build-essential cmake qt6-base-dev qt6-base-dev-tools libgl-dev qt6-image-formats-plugins libpugixml-dev libdeflate-dev pkg-config)
# What scripts/package.sh needs beyond the build: dpkg-shlibdeps and dpkg-buildflags, and file, which
# CPack's DEB generator uses to find the programs whose libraries become dependencies.
package_packages=(dpkg-dev file)
test_packages=(lintian appstream fonts-pc "${package_packages[@]}" ninja-build lld googletest libgtest-dev libbenchmark-dev xvfb xauth python3 xdotool x11-utils dosbox ccache libxml2-utils mono-mcs libmono-system-data4.0-cil libmono-system-xml4.0-cil desktop-file-utils time)
case "${1:-build}" in
  build) packages=("${build_packages[@]}") ;;
  package) packages=("${build_packages[@]}" "${package_packages[@]}") ;;
  test) packages=("${build_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 build|package|test" >&2; exit 2 ;;
esac
# Nothing to do when every package is there: apt-get update alone costs a round trip to the
# mirrors on every test run.
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
