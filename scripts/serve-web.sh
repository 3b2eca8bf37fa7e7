#!/usr/bin/env bash
# Serves the page that scripts/build-web.sh left in build/web/ on 127.0.0.1 and prints its
# address; Ctrl+C stops it. The page's address also works for installing it as a program.
#
#   scripts/serve-web.sh [PORT]     (8080 unless given; 0 takes any free port)
set -euo pipefail
cd "$(dirname "$0")/.."

if [ ! -f build/web/index.html ]; then
    echo "build/web/ holds no page yet: run scripts/build-web.sh first" >&2
    exit 1
fi
exec python3 -B scripts/serve_web.py build/web "${1:-8080}"
