# Shared by ./test and ./run: the Debian packages of the stack, installed only when missing, and
# the build.

TOLVEK_PACKAGES=(build-essential cmake ninja-build ccache qt6-base-dev libqt6sql6-mysql
  mariadb-server mariadb-client libgtest-dev fonts-liberation2 poppler-utils qt6-translations-l10n)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

ensure_packages() {
  local missing=()
  for p in "${TOLVEK_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    # The package scripts must not start a system database server of their own.
    as_root env DEBIAN_FRONTEND=noninteractive RUNLEVEL=1 apt-get install -y -qq "${missing[@]}"
  fi
}

build_tolvek() {
  local dir=$1
  local type=${2:-RelWithDebInfo}
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" >/dev/null
  cmake --build "$dir"
}

# The server programs live in sbin on Debian, which is not on a normal user's PATH.
find_server_program() {
  local p
  for p in "$@"; do
    for d in "" /usr/sbin /usr/libexec /usr/local/sbin /sbin; do
      if [ -z "$d" ]; then command -v "$p" 2>/dev/null && return 0
      elif [ -x "$d/$p" ]; then echo "$d/$p"; return 0; fi
    done
  done
  return 1
}
