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
  # The newest version first. A mirror may list a version whose files it does
  # not serve (a security update's sources): then the next one.
  local candidate fetched=""
  for candidate in $(apt-cache showsrc --only-source "$package" | sed -n 's/^Version: //p' |
    sort -ruV); do
    # As root, apt warns that it downloads without its sandbox user: expected.
    if (cd "$src/.fetch-$name" && apt-get source -qq "$package=$candidate" >/dev/null 2>&1); then
      fetched=$candidate
      break
    fi
    rm -rf "${src:?}/.fetch-$name"/*
  done
  [ -n "$fetched" ] || {
    echo "build-deps.sh: no version of $package could be fetched" >&2
    return 1
  }
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
