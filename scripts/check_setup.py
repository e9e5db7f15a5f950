#!/usr/bin/env python3
"""Fails where a build used a Debian package that the setup script neither installs nor pulls in.

A machine where someone once installed a package by hand builds and passes; a fresh one fails. This
reads what a finished CMake build used and asks dpkg which package owns each file:
- the package configurations CMake found (CMakeCache.txt), every header in the compilers' dependency
  files and every library on a link line, for Make and Ninja builds alike;
- the programs the build and the tests started, and the libraries they opened, from the traces that
  scripts/test.sh records with strace into BUILD_DIR/setup-trace/ (where there are any).
Each package must be named in the setup script's `packages=( ... )` list, or be pulled in by one that
is (Depends and Pre-Depends, recursively, as `apt-cache depends --recurse` lists them), or be part of
every Debian system (Essential or Priority required).

    check_setup.py BUILD_DIR [SETUP_SCRIPT]        (default scripts/setup.sh beside this file)

Exit status: 0 when every package is accounted for, 1 naming each one that is not, 2 when it cannot tell.
"""
import glob
import os
import re
import subprocess
import sys

# Where the packages' files live (Debian 12 merges /bin, /lib and /sbin into /usr).
SYSTEM_PREFIXES = ("/usr/", "/bin/", "/sbin/", "/lib/", "/lib64/", "/etc/", "/opt/")
# Places that hold programs but no package's: one started from there is reported, not failed on.
LOCAL_PREFIXES = ("/usr/local/", "/opt/")
# What a program runs: shared libraries, and the modules of Python and Node.js.
CODE = re.compile(r"(\.so(\.[0-9]+)*|\.py|\.pyc|\.js|\.mjs|\.cjs)$")
# Code that runs only because it is installed: setuptools' hook, which Python's start-up loads through
# a .pth file wherever setuptools is there, and which then serves `import distutils` (pybind11's CMake
# asks Python for its paths) from setuptools instead of the standard library. Nothing of ours imports it.
LOADED_WHEREVER_PRESENT = re.compile(r"/dist-packages/(_distutils_hack|setuptools|pkg_resources)/")


def declared_packages(setup):
    """The packages of the setup script's `packages=( ... )` array (comments allowed), and of any
    `packages+=(...)` after it."""
    text = open(setup, encoding="utf-8").read()
    block = re.search(r"^\s*packages=\((.*?)^\s*\)", text, re.S | re.M)
    if not block:
        return None
    names = []
    for line in block.group(1).splitlines():
        names += line.split("#", 1)[0].split()
    for extra in re.findall(r"packages\+=\(([^)]*)\)", text):
        names += extra.split()
    return names


def paths_in(text):
    return re.findall(r"((?:/usr|/bin|/sbin|/lib|/lib64|/opt)/[^\s:\\\"'();,]+)", text)


def build_files(build):
    """Files the build itself used: package configurations, headers, libraries on link lines, and
    programs the build rules and test definitions name by their full path."""
    files = set()
    for line in open(os.path.join(build, "CMakeCache.txt"), encoding="utf-8", errors="replace"):
        m = re.match(r"^([A-Za-z0-9_]+):PATH=(/\S+)$", line.strip())
        if m and m.group(1).endswith("_DIR") and os.path.isdir(m.group(2)):
            files.update(glob.glob(os.path.join(m.group(2), "*Config.cmake")))
            files.update(glob.glob(os.path.join(m.group(2), "*-config.cmake")))
    texts = []
    if os.path.isfile(os.path.join(build, "build.ninja")):
        texts.append(subprocess.run(["ninja", "-C", build, "-t", "deps"], capture_output=True, text=True).stdout)
    for pattern in ("build.ninja", "**/compiler_depend.make", "**/*.d", "**/link.txt", "**/build.make",
                    "**/CTestTestfile.cmake"):
        for name in glob.glob(os.path.join(build, pattern), recursive=True):
            try:
                texts.append(open(name, encoding="utf-8", errors="replace").read())
            except OSError:
                continue
    for text in texts:
        for path in paths_in(text):
            if os.path.isfile(path):
                files.add(path)
    return files


def traced_files(build):
    """Programs started (execve) and code loaded (openat of libraries and modules) successfully, from strace's logs.
    Other files opened are left out: a scan opens whatever is there (Python's entry points, the
    loader's configuration folder), which says nothing of what is needed."""
    programs, opened = set(), set()
    for log in glob.glob(os.path.join(build, "setup-trace", "*.log")):
        for line in open(log, encoding="utf-8", errors="replace"):
            m = re.search(r'\b(execve|openat)\((?:AT_FDCWD, )?"([^"]+)".*\)\s*=\s*(\d+)', line)
            if m and m.group(2).startswith("/") and os.path.isfile(m.group(2)):
                if m.group(1) == "execve":
                    programs.add(m.group(2))
                elif CODE.search(m.group(2)) and not LOADED_WHEREVER_PRESENT.search(m.group(2)):
                    # Python reads a module from its cache when it can: the package owns the source.
                    opened.add(re.sub(r"__pycache__/([^/.]+)\.[^/]*\.pyc$", r"\1.py", m.group(2)))
    return programs, opened


def package_files():
    """Every file of every installed package, as dpkg -S knows them: one read of dpkg's own lists
    instead of one dpkg -S per file."""
    owner = {}
    for listing in glob.glob("/var/lib/dpkg/info/*.list"):
        package = os.path.basename(listing)[:-len(".list")].split(":")[0]
        for line in open(listing, encoding="utf-8", errors="replace"):
            owner.setdefault(line.rstrip("\n"), package)
    return owner


def owners(files):
    """The package of each file dpkg knows, and the files that no package owns."""
    owner = package_files()
    found, unowned = {}, set()
    for path in sorted(f for f in files if f.startswith(SYSTEM_PREFIXES)):
        # A file may be known by the name its package installed: /bin/sh as /usr/bin/sh, or a link's target.
        for name in (path, re.sub(r"^/usr/", "/", path), "/usr" + path, os.path.realpath(path)):
            if name in owner:
                found.setdefault(owner[name], path)
                break
        else:
            unowned.add(path)
    return found, unowned


def closure(names):
    """Every package that installing these brings, with every system's own (Essential or Priority
    required) and what they pull in."""
    installed = subprocess.run(["dpkg-query", "-W", "-f", "${Package}\t${Provides}\t${Essential}\t${Priority}\n"],
                               capture_output=True, text=True).stdout
    rows = [(line.split("\t") + ["", "", ""])[:4] for line in installed.splitlines()]
    base = [package for package, _, essential, priority in rows if essential == "yes" or priority == "required"]
    args = ["apt-cache", "depends", "--recurse", "--no-recommends", "--no-suggests", "--no-conflicts",
            "--no-breaks", "--no-replaces", "--no-enhances", *names, *base]
    out = subprocess.run(args, capture_output=True, text=True).stdout
    have = set(names) | set(base)
    for line in out.splitlines():
        line = line.strip()
        m = re.match(r"^\|?(?:Pre)?Depends: <?([^>\s]+)>?", line)
        if m:
            have.add(m.group(1).split(":")[0])
        elif line and not line.startswith(("|", "<")) and ":" not in line:
            have.add(line)
    # A virtual package is satisfied by what provides it: the installed provider counts as pulled in.
    for package, provides, _, _ in rows:
        if {p.strip().split(" ")[0] for p in provides.split(",") if p.strip()} & have:
            have.add(package)
    return have


def main():
    if len(sys.argv) < 2:
        print("usage: check-setup.sh BUILD_DIR [SETUP_SCRIPT]", file=sys.stderr)
        return 2
    build = sys.argv[1]
    setup = sys.argv[2] if len(sys.argv) > 2 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "setup.sh")
    if not os.path.isfile(os.path.join(build, "CMakeCache.txt")):
        print(f"check-setup: {build} is no finished CMake build", file=sys.stderr)
        return 2
    if not os.path.isfile(setup):
        print(f"check-setup: no setup script at {setup}", file=sys.stderr)
        return 2
    declared = declared_packages(setup)
    if not declared:
        print(f"check-setup: {setup} has no packages=( ... ) list", file=sys.stderr)
        return 2
    have = closure(declared)
    traces = glob.glob(os.path.join(build, "setup-trace", "*.log"))
    programs, opened = traced_files(build)
    used, unowned = owners(build_files(build) | programs | opened)
    # Files no package owns are the machine's own (generated caches, locales); a program among them
    # is worth a word: a fresh machine finds another one or none.
    for path in sorted(unowned & programs):
        if path.startswith(LOCAL_PREFIXES):
            print(f"check-setup: note: the program {path} comes from no Debian package")
    missing = {pkg: path for pkg, path in used.items() if pkg not in have}
    what = f"{len(used)} packages the build in {build} used" + (f" (and its {len(traces)} traces)" if traces else "")
    if not missing:
        print(f"check-setup: every one of the {what} is installed by {setup}")
        return 0
    print(f"check-setup: of the {what}, {setup} does not install:", file=sys.stderr)
    for pkg, path in sorted(missing.items()):
        print(f"  {pkg}  (for {path})", file=sys.stderr)
    print("A fresh machine fails without them: add each to the setup script's list, or a package that pulls it in.",
          file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
