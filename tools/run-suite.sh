#!/usr/bin/env bash
# Starts the suite from dist/. The programs come with later work; for now this shows the folder.
set -euo pipefail
cd "$(dirname "$0")/.."
ls -l dist
