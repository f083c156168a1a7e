#!/usr/bin/env bash
# First run: creates the demo collection and the agg.ini beside the program.
# Later runs find agg.ini and change nothing.
set -euo pipefail
bin=$1
collezione=${ALBORA_DEMO:-$HOME/AlboraDemo}
[[ -f "$bin/agg.ini" ]] && exit 0
"$bin/crea_demo" "$bin" "$collezione"
