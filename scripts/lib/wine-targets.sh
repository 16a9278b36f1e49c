# Sourced by the scripts that build or start Windows programs: which targets this machine runs.
#
# quillon_win32_runs: true when 32-bit Wine starts here. Some kernels run no 32-bit Linux code at
# all, whatever is installed, so this starts the 32-bit loader instead of guessing from packages.
# Sets quillon_win32_reason to why not.
quillon_win32_runs() {
  quillon_win32_reason=""
  if [ ! -x /usr/lib/wine/wine ]; then
    quillon_win32_reason="32-bit Wine (wine32:i386) is not installed"
    return 1
  fi
  local out
  if ! out=$(/usr/lib/wine/wine --version 2>&1); then
    quillon_win32_reason="this kernel does not run 32-bit programs (/usr/lib/wine/wine: ${out##*: })"
    return 1
  fi
}

# quillon_pick_target WHAT: the 32-bit programs are the ones we ship; where this kernel cannot
# run them, the 64-bit build runs. Sets quillon_preset, exports QUILLON_WINE_TARGET and says
# which WHAT starts.
quillon_pick_target() {
  if quillon_win32_runs; then
    quillon_preset=windows
    export QUILLON_WINE_TARGET=win32
    echo "Starting the 32-bit $1."
  else
    quillon_preset=windows64
    export QUILLON_WINE_TARGET=win64
    echo "Starting the 64-bit $1: $quillon_win32_reason."
  fi
}

# quillon_program_target FILE: prints win32 or win64 after the machine field of a Windows
# program's header; fails for anything else.
quillon_program_target() {
  local header_at machine
  [ "$(head -c 2 "$1" 2>/dev/null)" = MZ ] || return 1
  header_at=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  [ -n "$header_at" ] || return 1
  [ "$(od -An -c -j"$header_at" -N4 "$1" | tr -d ' ')" = 'PE\0\0' ] || return 1
  machine=$(od -An -tx1 -j$((header_at + 4)) -N2 "$1" | tr -d ' ')
  case "$machine" in
    4c01) echo win32 ;;
    6486) echo win64 ;;
    *) return 1 ;;
  esac
}
