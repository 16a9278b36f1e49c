# Sourced by scripts/test and scripts/run-quillon: which Windows targets this machine can run.
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
