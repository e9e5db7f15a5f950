#!/usr/bin/env bash
# Fails, naming each package, where a finished build used a Debian package that the setup script neither
# installs nor pulls in: scripts/check-setup.sh BUILD_DIR [SETUP_SCRIPT]   (default scripts/setup.sh)
# It reads the build's package configurations, dependency files and link lines, and the programs and
# libraries that scripts/traced.sh recorded into BUILD_DIR/setup-trace/. scripts/test.sh runs it after
# each build, so that a step missing from the setup fails the test command on any machine.
set -euo pipefail
exec python3 "$(dirname "$0")/check_setup.py" "$@"
