#!/usr/bin/env bash
# Installs the Debian packages listed in packages.txt that are not installed yet.
# As root it runs apt-get; otherwise it prints the command to run and fails.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
missing=()
while read -r pkg; do
  [[ -z "$pkg" || "$pkg" == \#* ]] && continue
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done < "$here/packages.txt"
[[ ${#missing[@]} -eq 0 ]] && exit 0
if [[ $(id -u) -ne 0 ]]; then
  echo "Mancano dei pacchetti. Installali con:" >&2
  echo "  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
echo "Installo: ${missing[*]}"
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
