# Sourced by the scripts that run Windows programs: the Wine of one target and its prefixes.
#
# quillon_use_wine TARGET BIN_DIR: TARGET is win32 or win64. Exports WINEARCH and WINELOADER for
# it and puts a `wine` of our own that calls that loader first on PATH (in BIN_DIR): Debian's
# `wine` starts the 32-bit loader whenever wine32 is installed, even where the kernel cannot run
# it, and everything started from here (winepath too) must use the target's loader. Wine stays
# quiet, installs neither Mono nor Gecko and leaves the desktop's menus and file types alone.
quillon_use_wine() {
  export WINEARCH=$1
  case "$WINEARCH" in
    win32) export WINELOADER=/usr/lib/wine/wine ;;
    win64) export WINELOADER=/usr/lib/wine/wine64 ;;
    *) echo "QUILLON_WINE_TARGET must be win32 or win64, not '$WINEARCH'" >&2; return 1 ;;
  esac
  mkdir -p "$2"
  local name
  for name in wine wine-stable; do
    printf '#!/bin/sh\nexec "%s" "$@"\n' "$WINELOADER" >"$2/$name"
    chmod +x "$2/$name"
  done
  export PATH="$2:$PATH"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
}

# quillon_boot_prefix: makes the prefix WINEPREFIX names, with Wine's own fonts in it.
quillon_boot_prefix() {
  wine wineboot.exe -i >/dev/null 2>&1
  wineserver -w
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
}

# quillon_windows_path PATH: prints PATH's Windows form in the current prefix; fails with a
# message when it has none, rather than handing a program an empty argument.
quillon_windows_path() {
  local windows
  windows=$(winepath -w "$1" 2>/dev/null) || windows=""
  if [ -z "$windows" ]; then
    echo "\"$1\" has no Windows path in this prefix." >&2
    return 1
  fi
  printf '%s\n' "$windows"
}
