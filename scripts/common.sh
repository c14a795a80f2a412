# Shared by ./run and ./test: install what is missing, configure and build.
set -euo pipefail
QV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
JOBS=${JOBS:-$(nproc 2>/dev/null || echo 4)}

qv_install_packages() {
  local missing=()
  local pkg
  while read -r pkg; do
    [[ -z "$pkg" || "$pkg" == \#* ]] && continue
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$pkg")
    fi
  done < "$QV_ROOT/packages.txt"
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    if ! command -v apt-get >/dev/null; then
      echo "These Debian packages are missing and apt-get is not available: ${missing[*]}" >&2
      exit 1
    fi
    local sudo=""
    if [[ $(id -u) -ne 0 ]]; then
      if ! command -v sudo >/dev/null; then
        echo "These Debian packages are missing: ${missing[*]}" >&2
        echo "Install them as root (apt-get install ${missing[*]}), or install sudo, and run again." >&2
        exit 1
      fi
      sudo="sudo"
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# qv_build DIR [cmake options...]
qv_build() {
  local dir="$1"; shift
  cmake -S "$QV_ROOT" -B "$QV_ROOT/$dir" -G Ninja "$@" >/dev/null
  cmake --build "$QV_ROOT/$dir" -j "$JOBS"
}
