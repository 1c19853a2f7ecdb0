# Helpers for the dependency builds: installing Debian packages and fetching
# Debian source packages. Sourced by build-deps.sh.

apt_sudo() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

# Another apt-get or dpkg may hold the lock (a second build, an unattended
# upgrade): wait for it instead of failing.
apt_retry() {
  local try
  for try in $(seq 1 60); do
    if apt_sudo env DEBIAN_FRONTEND=noninteractive "$@" -o DPkg::Lock::Timeout=60; then
      return 0
    fi
    echo "apt busy or failed (try $try), retrying in 10 s" >&2
    sleep 10
  done
  return 1
}

# The source packages come from the same mirror as the binary ones: every
# "deb" entry of the system's sources is repeated as "deb-src", in a file of
# our own.
SRC_LIST=/etc/apt/sources.list.d/ridgeline-deb-src
apt_enable_sources() {
  [ -f "$SRC_LIST.sources" ] || [ -f "$SRC_LIST.list" ] && return 0
  local stanzas lines
  # deb822 files: the stanzas whose Types are just "deb".
  stanzas=$(awk 'BEGIN { RS = ""; ORS = "\n\n" } /(^|\n)Types: deb\n/' \
    /etc/apt/sources.list.d/*.sources 2>/dev/null | sed 's/^Types: deb$/Types: deb-src/' || true)
  # One-line files.
  lines=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
    sed -n 's/^deb \(.*\)/deb-src \1/p' || true)
  [ -n "$stanzas" ] && apt_sudo tee "$SRC_LIST.sources" <<<"$stanzas" >/dev/null
  [ -n "$lines" ] && apt_sudo tee "$SRC_LIST.list" <<<"$lines" >/dev/null
  APT_UPDATED=""
}

APT_UPDATED=""
apt_update_once() {
  [ -n "$APT_UPDATED" ] && return 0
  apt_retry apt-get update -qq
  APT_UPDATED=1
}

# Installs the named packages that are not installed yet.
apt_install() { "$(dirname "${BASH_SOURCE[0]}")/../../tools/install-packages" "$@"; }
