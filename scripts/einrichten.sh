# Shared by scripts/run, scripts/test and scripts/bench: installs missing Debian packages and configures a build.
# Sourced, not run.

WERKBUND_QUELLE=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
WERKBUND_PAKETE="cmake ninja-build g++ qt6-base-dev qt6-translations-l10n fonts-dejavu-core"

pakete_einrichten() {
  local fehlend=""
  for paket in $WERKBUND_PAKETE; do
    if ! dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q "install ok installed"; then
      fehlend="$fehlend $paket"
    fi
  done
  [ -z "$fehlend" ] && return 0
  echo "Fehlende Pakete werden installiert:$fehlend"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null; then sudo="sudo"; else
      echo "Bitte als root ausführen oder installieren:$fehlend" >&2; exit 1
    fi
  fi
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  # shellcheck disable=SC2086
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $fehlend
}

# bauen BUILDORDNER [cmake-Optionen...]; WERKBUND_BAUZIEL names a single target to build instead of all.
bauen() {
  local ordner=$1; shift
  local beschleuniger=()
  # A compiler cache, where one is installed, makes rebuilds of several build folders cheap.
  if command -v ccache >/dev/null; then beschleuniger=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
  cmake -S "$WERKBUND_QUELLE" -B "$ordner" -G Ninja "${beschleuniger[@]}" "$@" >/dev/null
  cmake --build "$ordner" -j "$(nproc)" ${WERKBUND_BAUZIEL:+--target "$WERKBUND_BAUZIEL"}
}
