# Sourced by the scripts that start our programs for use: a Wine prefix with a program folder of
# its own, both kept between runs, so that settings, the file association and the files a user
# puts beside the programs stay.
#
# QUILLON_WINE_TARGET (win32 or win64) picks the prefix: each kind of program has its own,
# ${XDG_DATA_HOME:-~/.local/share}/quillon/<target>/prefix; deleting that folder starts afresh.
# Where there is no display, an Xvfb display is started and stopped with the calling script.
#
# After sourcing: WINEPREFIX, WINEARCH, WINELOADER and DISPLAY are set; quillon_program_dir is the
# program folder (C:\Quillon in the prefix); quillon_headless is 1 under our Xvfb, else 0.

quillon_lib_dir=$(dirname "${BASH_SOURCE[0]}")
quillon_checkout=$(cd "$quillon_lib_dir/../.." && pwd)
source "$quillon_lib_dir/wine-loader.sh"
source "$quillon_lib_dir/xvfb.sh"

quillon_lasting_dir="${XDG_DATA_HOME:-$HOME/.local/share}/quillon/${QUILLON_WINE_TARGET:?}"
quillon_bin_dir=$(mktemp -d "${TMPDIR:-/tmp}/quillon-bin.XXXXXX")
quillon_use_wine "$QUILLON_WINE_TARGET" "$quillon_bin_dir" || exit 1
export WINEPREFIX="$quillon_lasting_dir/prefix"
quillon_program_dir="$WINEPREFIX/drive_c/Quillon"
quillon_headless=0
quillon_xvfb_pid=""
# Registry values changed for a run under Xvfb, as "key|name|type|data" ("key|name||" when the
# value did not exist), put back when the script ends.
quillon_changed_values=()

quillon_lasting_cleanup() {
  if [ "$quillon_headless" = 1 ]; then
    # The display goes away with us: whatever still runs on it is given a moment, then ended.
    timeout 20 wineserver -w 2>/dev/null || wineserver -k >/dev/null 2>&1 || true
    quillon_restore_values
    wineserver -w 2>/dev/null || true
  fi
  quillon_stop_xvfb
  rm -rf "$quillon_bin_dir"
}
trap quillon_lasting_cleanup EXIT
trap 'exit 143' TERM INT

# quillon_set_for_run KEY NAME TYPE DATA: sets a registry value until the script ends.
quillon_set_for_run() {
  local old
  # reg prints the value as "    NAME    TYPE    DATA"; the data, spaces and all, is the rest
  # of the line.
  old=$(wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v n="$2" '
    BEGIN { lead = "    " n "    " }
    index($0, lead) == 1 {
      rest = substr($0, length(lead) + 1)
      cut = index(rest, "    ")
      print (cut ? substr(rest, 1, cut - 1) "|" substr(rest, cut + 4) : rest "|")
      exit
    }' || true)
  quillon_changed_values+=("$1|$2|${old:-|}")
  wine reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1
}

quillon_restore_values() {
  local entry key name type data
  for entry in "${quillon_changed_values[@]}"; do
    IFS='|' read -r key name type data <<<"$entry"
    if [ -z "$type" ]; then
      wine reg delete "$key" /v "$name" /f >/dev/null 2>&1 || true
    else
      wine reg add "$key" /v "$name" /t "$type" /d "$data" /f >/dev/null 2>&1 || true
    fi
  done
  quillon_changed_values=()
}

# quillon_install_program FILE: puts FILE into the program folder when it differs from the copy
# there. The new copy is renamed into place, so a program still running keeps its old file;
# nothing else in the folder is touched.
quillon_install_program() {
  local target
  target="$quillon_program_dir/$(basename "$1")"
  cmp -s "$1" "$target" && return 0
  cp "$1" "$target.new"
  mv -f "$target.new" "$target"
}

# quillon_windows_args ARGS...: sets quillon_args to ARGS, each one that names a file or folder
# here turned into its Windows path; switches ("/S", "/W2") and other texts stay as they are.
# Fails with a message when a file or folder has no Windows path in the prefix.
quillon_windows_args() {
  local arg
  quillon_args=()
  for arg in "$@"; do
    if [[ ! "$arg" =~ ^/[A-Za-z][0-9]*$ ]] && [ -e "$arg" ]; then
      arg=$(quillon_windows_path "$(realpath "$arg")") || return 1
    fi
    quillon_args+=("$arg")
  done
}

# quillon_run_program PROGRAM ARGS...: runs a Windows program to its end on the display.
# Under our Xvfb nobody can answer it: when it still runs after two minutes, a screenshot of the
# screen goes to build/<program>-screenshot.png, the program is asked to close and the run fails.
quillon_run_program() {
  if [ "$quillon_headless" = 0 ]; then
    wine "$@"
    return
  fi
  wine "$@" &
  local pid=$! deadline=$((SECONDS + 120)) name shot
  while [ "$SECONDS" -lt "$deadline" ]; do
    kill -0 "$pid" 2>/dev/null || { wait "$pid"; return; }
    sleep 0.2
  done
  name=$(basename "$1")
  shot="$quillon_checkout/build/${name%.*}-screenshot.png"
  mkdir -p "$(dirname "$shot")"
  import -window root "$shot"
  quillon_close_program "$pid" "$name"
  echo "No display: $name ran under Xvfb and was still waiting after two minutes, so it was closed." >&2
  echo "Screenshot of the screen before: $shot" >&2
  return 1
}

# quillon_close_program PID NAME: asks the program's windows to close, as the user would, and
# waits up to 20 seconds for PID to end.
quillon_close_program() {
  wine taskkill.exe /im "$2" >/dev/null 2>&1 || true
  local deadline=$((SECONDS + 20))
  while [ "$SECONDS" -lt "$deadline" ] && kill -0 "$1" 2>/dev/null; do
    sleep 0.2
  done
  wait "$1" 2>/dev/null || true
}

if [ -z "${DISPLAY:-}" ]; then
  quillon_start_xvfb || exit 1
  quillon_headless=1
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Making the Wine prefix $WINEPREFIX (once)."
  mkdir -p "$quillon_lasting_dir"
  rm -rf "$WINEPREFIX.new"
  # Made aside and renamed, so that an interrupted first run leaves no half-made prefix.
  (export WINEPREFIX="$WINEPREFIX.new" && quillon_boot_prefix)
  mv "$WINEPREFIX.new" "$WINEPREFIX"
fi
mkdir -p "$quillon_program_dir"

# Without a window manager Wine should not wait for one (a managed window's destruction waits two
# seconds for it), and nobody answers the crash dialog: a program that crashes ends at once.
if [ "$quillon_headless" = 1 ]; then
  quillon_set_for_run 'HKCU\Software\Wine\X11 Driver' Managed REG_SZ N
  quillon_set_for_run 'HKCU\Software\Wine\WineDbg' ShowCrashDialog REG_DWORD 0
fi
