# Sourced by the build scripts from the project root. ccache rewrites paths under the root to
# relative ones and leaves the working directory out of the hash, so a checkout in another folder
# (CI's fresh clone) hits the same cache entries. The sloppiness lets it cache files whose headers
# were written just before the build (a fresh clone) and, with KELVARA_PCH=ON, files compiled
# against the precompiled header.
CCACHE_BASEDIR="$(pwd -P)"
CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-true}"
CCACHE_SLOPPINESS="${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}"
export CCACHE_BASEDIR CCACHE_NOHASHDIR CCACHE_SLOPPINESS
