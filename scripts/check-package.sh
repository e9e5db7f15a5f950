#!/usr/bin/env bash
# Builds the Debian package from a built build folder and checks it: the file name, what it holds,
# its dependencies, the desktop file, the AppStream metainfo, the man page, and quorlan-cli run from
# an unpacked copy in a folder without tables. Run by CTest (label "package").
# Usage: scripts/check-package.sh BUILD_DIR
set -euo pipefail

build=$(realpath "${1:?usage: scripts/check-package.sh BUILD_DIR}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

for tool in cpack dpkg-deb desktop-file-validate appstreamcli groff; do
    command -v "$tool" >/dev/null || { echo "check-package.sh needs $tool (scripts/setup.sh installs it)" >&2; exit 1; }
done

# Packaged into a folder of its own, so that runs never see each other's or older packages.
if ! (cd "$build" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack" >&2
    exit 1
fi
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb=$work/out/quorlan_${version}_$(dpkg --print-architecture).deb
if [ ! -f "$deb" ]; then
    echo "FAIL: no $(basename "$deb"); cpack wrote: $(cd "$work/out" && echo *.deb)" >&2
    exit 1
fi
echo "package: $(basename "$deb")"

# Contents: every path the package must hold, and nothing outside /usr.
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' >"$work/contents"
expected=(
    /usr/bin/quorlan
    /usr/bin/quorlan-cli
    /usr/share/quorlan/es_ei_z.ini
    /usr/share/quorlan/ES_EI_H.ini
    /usr/share/quorlan/es_ei_j_k_z.ini
    /usr/share/quorlan/ES_EI_J_K_H.ini
    /usr/share/quorlan/ES_EI_H_BT.ini
    /usr/share/applications/io.github.quorlan.Quorlan.desktop
    /usr/share/applications/io.github.quorlan.Quorlan.Workbench.desktop
    /usr/share/metainfo/io.github.quorlan.Quorlan.metainfo.xml
    /usr/share/icons/hicolor/scalable/apps/quorlan.svg
    /usr/share/man/man1/quorlan-cli.1.gz
    /usr/share/doc/quorlan/copyright
    /usr/share/doc/quorlan/README.md
    /usr/share/doc/quorlan/CHANGELOG.md
    /usr/share/doc/quorlan/docs/tables.md
)
for size_px in 16 22 24 32 48 64 128 256; do
    expected+=("/usr/share/icons/hicolor/${size_px}x${size_px}/apps/quorlan.png")
done
for path in "${expected[@]}"; do
    grep -qxF "$path" "$work/contents" || fail "the package lacks $path"
done
# The report library, which quorlan loads from bin/../LIBDIR/quorlan on the first report.
grep -qE '^/usr/lib/(.*/)?quorlan/libquorlan_report\.so$' "$work/contents" || fail "the package lacks libquorlan_report.so"
if grep -v -e '^/$' -e '^/usr/$' -e '^/usr/' "$work/contents"; then
    fail "the package holds files outside /usr (above)"
fi

# The library dependencies are dpkg-shlibdeps' work: without it there would be no libc6 and no Qt.
depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libqt6widgets6 fonts-wqy-microhei libqt6svg6; do
    [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] ||
        fail "Depends lacks $package: $depends"
done

root=$work/root
dpkg-deb -x "$deb" "$root"

# The licence, machine-readable (DEP-5), and the same MIT terms as the LICENSE file.
copyright=$root/usr/share/doc/quorlan/copyright
if [ -f "$copyright" ]; then
    head -n1 "$copyright" | grep -qxF 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
        fail "the copyright file is not in the machine-readable format"
    grep -qx 'License: MIT' "$copyright" || fail "the copyright file names no MIT licence"
    grep -qx 'Copyright: 2026 The Quorlan developers' "$copyright" || fail "the copyright file names no holder"
fi

# The Python module, when the build made one: installed into the system's Python 3, and importable.
if compgen -G "$build/python/quorlan*.so" >/dev/null; then
    module_dir=$root/usr/lib/python3/dist-packages
    compgen -G "$module_dir/quorlan*.so" >/dev/null || fail "the package lacks the Python module"
    [ -f "$module_dir/quorlan.pyi" ] || fail "the package lacks the Python module's type stubs"
    clearance=$(cd "$work" && PYTHONPATH=$module_dir /usr/bin/python3 -c \
        'import quorlan; print(quorlan.fit("H7/g6", 40)["max_clearance_um"])' 2>&1) ||
        fail "the packaged Python module does not import: $clearance"
    [ "$clearance" = 50 ] || fail "the packaged quorlan.fit('H7/g6', 40) gives a largest clearance of '$clearance'"
fi

# Both desktop files (the dialog; the workbench alone) start the program in the tables
# folder, with an icon that exists.
entry() { sed -n "s/^$1=//p" "$desktop"; }
for name in Quorlan Quorlan.Workbench; do
    desktop=$root/usr/share/applications/io.github.quorlan.$name.desktop
    desktop-file-validate "$desktop" || fail "desktop-file-validate $name"
    [ "$(entry Path)" = /usr/share/quorlan ] || fail "$name: Path= is '$(entry Path)', not /usr/share/quorlan"
    [ -x "$root/usr/bin/$(entry Exec | head -n1 | cut -d' ' -f1)" ] || fail "$name: Exec= names no packaged program"
    [ -f "$root/usr/share/icons/hicolor/scalable/apps/$(entry Icon).svg" ] || fail "$name: no icon named by Icon="
done
[[ "$(entry Exec)" == *--workbench* ]] || fail "the second desktop file does not start the workbench"
[ "$(sed -n 's/^Name\[en\]=//p' "$desktop")" = "Quorlan Workbench" ] || fail "the workbench entry lacks its English name"
grep -q 'io.github.quorlan.Quorlan.Workbench.desktop' "$root/usr/share/metainfo/io.github.quorlan.Quorlan.metainfo.xml" ||
    fail "the metainfo does not name the workbench's desktop file"

# The metainfo, alone and with the desktop file and icons beside it.
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.quorlan.Quorlan.metainfo.xml" ||
    fail "appstreamcli validate"
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"

# Every program the package installs finds its libraries.
for program in quorlan quorlan-cli; do
    if ldd "$root/usr/bin/$program" | grep 'not found'; then
        fail "$program misses libraries (above)"
    fi
done

# The man page renders without a warning and names every command and option of quorlan-cli.
cli=$root/usr/bin/quorlan-cli
man_text=$work/quorlan-cli.txt
zcat "$root/usr/share/man/man1/quorlan-cli.1.gz" >"$work/quorlan-cli.1"
groff -man -Tutf8 -ww -z "$work/quorlan-cli.1" 2>"$work/groff.log"
[ ! -s "$work/groff.log" ] || fail "groff warns about the man page: $(cat "$work/groff.log")"
groff -man -Tascii -P-cbou "$work/quorlan-cli.1" >"$man_text" 2>/dev/null
options_of() { # the long options a --help text lists
    grep -oE '(^|[ ,])--[a-z][a-z-]*' | tr -d ' ,' | sort -u
}
documented() { # OPTION_OR_TEXT: whether the man page holds it as a whole word
    grep -qE -- "$1([^a-z-]|\$)" "$man_text"
}
commands=$("$cli" --help | awk '/^[A-Za-z]*[Ss]ubcommands:/ { listed = 1; next } /^$/ { listed = 0 }
                                 listed && /^  [a-z]/ { print $1 }')
[ -n "$commands" ] || fail "quorlan-cli --help lists no commands"
for option in $("$cli" --help | options_of); do
    documented "$option" || fail "the man page lacks the option $option"
done
for command in $commands; do
    documented "quorlan-cli +$command" || fail "the man page lacks the command $command"
    for option in $("$cli" "$command" --help | options_of); do
        documented "$option" || fail "the man page lacks $command's option $option"
    done
done

# The unpacked quorlan-cli answers from a folder that holds no tables.
elsewhere=$work/elsewhere
mkdir "$elsewhere"
if grep -qx fit <<<"$commands"; then
    # The tables are found through bin/../share/quorlan beside the program.
    if answer=$(cd "$elsewhere" && env -u QUORLAN_TABLES "$cli" fit H7/g6 40); then
        # H7/g6 at 40 mm: the largest clearance is 50 um, H7's +25 less g6's -25.
        grep -qiE 'clearance[^0-9]*(0\.0500*|50(\.0*)?)([^0-9.]|$)' <<<"$answer" ||
            fail "quorlan-cli fit H7/g6 40 does not give a largest clearance of 50 um: $answer"
    else
        fail "quorlan-cli fit H7/g6 40, run from a folder without tables, failed (above)"
    fi
else
    answer=$(cd "$elsewhere" && "$cli" deviation H7 40 --tables "$root/usr/share/quorlan") ||
        fail "quorlan-cli deviation H7 40 failed"
    [ "$answer" = "0.0250 0.0000" ] || fail "quorlan-cli deviation H7 40 gives '$answer', not '0.0250 0.0000'"
fi

# The unpacked quorlan writes a report: it finds its report library where the package put it.
if ! (cd "$elsewhere" && QT_QPA_PLATFORM=offscreen "$root/usr/bin/quorlan" --report "$work/report.pdf" --fit H7/g6 \
    --size 40 --tables "$root/usr/share/quorlan" 2>"$work/report.log") || [ ! -s "$work/report.pdf" ]; then
    fail "quorlan --report from the package wrote no report: $(cat "$work/report.log")"
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) of $(basename "$deb") failed" >&2
    exit 1
fi
echo "$(basename "$deb"): all checks passed"
