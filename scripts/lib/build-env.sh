# Sourced by the scripts that build: every preset compiles through ccache. A machine keeps its
# files between runs, so the cache makes a rebuild of an unchanged tree cheap; paths are taken
# relative to the checkout, so another clone on the same machine hits the same entries.
export CCACHE_BASEDIR="$here"
export CCACHE_NOHASHDIR=1
export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-20G}
