# Fetching Debian's source packages, with Debian's patches applied. Sourced by
# build-deps.sh, after apt.sh; uses $src.

# fetch_source PACKAGE UPSTREAM_VERSION NAME: unpacks the source package into
# $src/NAME, and stops if its upstream version is not the one the game is
# built and tested with.
fetch_source() {
  local package=$1 version=$2 name=$3 unpacked
  [ -d "$src/$name" ] && return 0
  apt_enable_sources
  apt_update_once
  rm -rf "$src/.fetch-$name"
  mkdir -p "$src/.fetch-$name"
  # As root, apt warns that it downloads without its sandbox user: expected.
  (cd "$src/.fetch-$name" && apt-get source -qq "$package" >/dev/null) \
    2> >(grep -v '^W: Download is performed unsandboxed' >&2)
  unpacked=$(find "$src/.fetch-$name" -mindepth 1 -maxdepth 1 -type d)
  case "$(basename "$unpacked")" in
    *-"$version"+*|*-"$version") ;;
    *)
      echo "build-deps.sh: $package is $(basename "$unpacked"), expected upstream $version" >&2
      return 1
      ;;
  esac
  mv "$unpacked" "$src/$name"
  rm -rf "$src/.fetch-$name"
}
