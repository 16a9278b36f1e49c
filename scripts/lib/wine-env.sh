# Sourced by the scripts that run Windows programs: makes a throw-away Wine prefix (and an
# Xvfb display when there is none) and removes both when the calling script exits.
#
# QUILLON_WINE_TARGET picks the programs' architecture: win32 (the default) or win64; `wine`
# then calls that target's loader (see wine-loader.sh).
#
# After sourcing: WINEPREFIX, WINEARCH, WINELOADER, WINEDEBUG, WINEDLLOVERRIDES, HOME and
# DISPLAY are set; QUILLON_SESSION_DIR is the folder that holds them all.

quillon_session_dir=$(mktemp -d "${TMPDIR:-/tmp}/quillon-wine.XXXXXX")
export QUILLON_SESSION_DIR="$quillon_session_dir"
export WINEPREFIX="$quillon_session_dir/prefix"
source "$(dirname "${BASH_SOURCE[0]}")/wine-loader.sh"
quillon_use_wine "${QUILLON_WINE_TARGET:-win32}" "$quillon_session_dir/bin" || exit 1
export HOME="$quillon_session_dir/home"
mkdir -p "$HOME"

source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
quillon_xvfb_pid=""

quillon_wine_cleanup() {
  WINEPREFIX="$QUILLON_SESSION_DIR/prefix" wineserver -k >/dev/null 2>&1 || true
  quillon_stop_xvfb
  rm -rf "$QUILLON_SESSION_DIR"
}
trap quillon_wine_cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  quillon_start_xvfb || exit 1
fi

quillon_boot_prefix

# Without a window manager (our Xvfb) or in tests, Wine should not wait for one: a managed
# window's destruction waits two seconds for a manager that never answers. Nobody answers the
# crash dialog either: a program that crashes ends at once, its backtrace on the standard error.
if [ -n "$quillon_xvfb_pid" ] || [ "${QUILLON_TEST:-0}" = 1 ]; then
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wineserver -w
fi
