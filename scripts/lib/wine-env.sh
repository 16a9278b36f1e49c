# Sourced by the scripts that run Windows programs: makes a throw-away Wine prefix (and an
# Xvfb display when there is none) and removes both when the calling script exits.
#
# QUILLON_WINE_TARGET picks the programs' architecture: win32 (the default) or win64. Debian's
# `wine` starts the 32-bit loader whenever wine32 is installed, so a `wine` of our own that
# calls the target's loader goes first on PATH; everything started from here uses it.
#
# After sourcing: WINEPREFIX, WINEARCH, WINELOADER, WINEDEBUG, WINEDLLOVERRIDES, HOME and
# DISPLAY are set; QUILLON_SESSION_DIR is the folder that holds them all.

quillon_session_dir=$(mktemp -d "${TMPDIR:-/tmp}/quillon-wine.XXXXXX")
export QUILLON_SESSION_DIR="$quillon_session_dir"
export WINEPREFIX="$quillon_session_dir/prefix"
export WINEARCH=${QUILLON_WINE_TARGET:-win32}
case "$WINEARCH" in
  win32) export WINELOADER=/usr/lib/wine/wine ;;
  win64) export WINELOADER=/usr/lib/wine/wine64 ;;
  *) echo "QUILLON_WINE_TARGET must be win32 or win64, not '$WINEARCH'" >&2; exit 1 ;;
esac
mkdir -p "$quillon_session_dir/bin"
for name in wine wine-stable; do
  printf '#!/bin/sh\nexec "%s" "$@"\n' "$WINELOADER" >"$quillon_session_dir/bin/$name"
  chmod +x "$quillon_session_dir/bin/$name"
done
export PATH="$quillon_session_dir/bin:$PATH"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export HOME="$quillon_session_dir/home"
mkdir -p "$HOME"

quillon_xvfb_pid=""

quillon_wine_cleanup() {
  WINEPREFIX="$QUILLON_SESSION_DIR/prefix" wineserver -k >/dev/null 2>&1 || true
  if [ -n "$quillon_xvfb_pid" ]; then
    kill "$quillon_xvfb_pid" >/dev/null 2>&1 || true
    wait "$quillon_xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$QUILLON_SESSION_DIR"
}
trap quillon_wine_cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  # Xvfb picks a free display number and writes it to the pipe.
  exec {quillon_fd}<> <(:)
  Xvfb -displayfd "$quillon_fd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  quillon_xvfb_pid=$!
  read -r -t 30 -u "$quillon_fd" quillon_display || { echo "Xvfb did not start" >&2; exit 1; }
  exec {quillon_fd}>&-
  export DISPLAY=":$quillon_display"
fi

wine wineboot.exe -i >/dev/null 2>&1
wineserver -w
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true

# Without a window manager (our Xvfb) or in tests, Wine should not wait for one: a managed
# window's destruction waits two seconds for a manager that never answers.
if [ -n "$quillon_xvfb_pid" ] || [ "${QUILLON_TEST:-0}" = 1 ]; then
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wineserver -w
fi
