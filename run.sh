#!/usr/bin/env bash
# Installs what is missing, builds, starts Vorelis.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
exec "${BUILD_DIR:-build}/vorelis"
