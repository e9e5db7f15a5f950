#!/usr/bin/env bash
# Installs what Quorlan needs to build, test and run on Debian 12, from Debian's packages only.
# Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
    g++ cmake make pkg-config
    qt6-base-dev            # the dialog (Qt 6 Widgets) and its tests (Qt Test)
    qt6-translations-l10n   # Qt's own button texts (确定) in Chinese, like the rest of the dialog
    qt6-svg-dev             # Qt SVG: its image plugin draws the workbench's diagram, loaded on first use
    qt6-l10n-tools          # lupdate and lrelease: the workbench's English catalogue
    qt6-tools-dev           # Qt's LinguistTools CMake package, which runs lupdate and lrelease in the build
    libgtest-dev            # engine and command-line tests
    libcli11-dev            # the command line's argument parsing
    nlohmann-json3-dev      # the command line's JSON output
    libbenchmark-dev        # the engine's benchmark
    fonts-wqy-microhei      # one pinned CJK font: the dialog's Chinese texts
    xvfb xauth x11-utils xdotool imagemagick  # screenshots and start-up measurements without a display
    locales                 # a German locale, to prove numbers keep their decimal point
    dpkg-dev file           # the Debian package: CPack's dependency scan runs dpkg-shlibdeps, which needs file
    desktop-file-utils appstream groff-base  # the package test: desktop file, AppStream metainfo, man page
    poppler-utils           # pdftotext: the report test reads its PDF back (without it, that test skips)
    librsvg2-bin            # ui/res/make-icons.sh: the icon's PNG sizes from its SVG
    pybind11-dev python3-pybind11 python3-dev python3-pytest  # the Python module quorlan and its tests
    python3-numpy           # scripts/benchmark.sh: the dimension chain's Monte Carlo against NumPy's
    emscripten              # the browser page: the engine in WebAssembly (scripts/build-web.sh)
    chromium                # the browser page's tests, in headless Chromium
    clang libclang-rt-14-dev  # the fuzz targets: clang's libFuzzer and sanitizer runtimes
    llvm                    # llvm-ar and llvm-ranlib, which CMake takes for a clang build
    strace                  # the test command's setup check: which programs the build and the tests start
    clang-format            # the test cpp_format: the C++ sources as .clang-format lays them out
)
# The browser tests' driver (puppeteer-core, from npm) runs on Node.js: Debian's, unless the machine
# has its own.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    $sudo sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
fi
