#!/usr/bin/env bash
# Runs a command and records into LOG every program it starts and every file it opens, for
# scripts/check-setup.sh: scripts/traced.sh LOG COMMAND [ARG...]. Its exit status is the command's.
# Not for sanitizer runs: LeakSanitizer does not work under a tracer.
set -euo pipefail
log=$1
shift
mkdir -p "$(dirname "$log")"
if strace -f -qq -o /dev/null true 2>/dev/null; then
    # Only the calls that succeeded, whole paths, and through seccomp so that other calls cost nothing.
    exec strace -f --seccomp-bpf -qq -z -s 4096 -e trace=execve,openat -e signal=none -o "$log" "$@"
fi
echo "traced.sh: this machine does not let strace trace: what '$*' starts is not checked" >&2
exec "$@"
