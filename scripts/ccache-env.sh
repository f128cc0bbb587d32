# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the build scripts: the compiler cache is kept in the project's cache folder (CANTORIX_WINQT_CACHE,
# default /var/cache/cantorix2, where the Windows Qt is kept too), shared by every checkout and build folder, so
# that a machine keeping that folder between runs compiles only what changed. CCACHE_DIR set beforehand wins; a
# cache folder that cannot be made or written leaves ccache its own default.
if [ -z "${CCACHE_DIR:-}" ]; then
    ccache_home=${CANTORIX_WINQT_CACHE:-/var/cache/cantorix2}/ccache
    if mkdir -p "$ccache_home" 2>/dev/null && [ -w "$ccache_home" ]; then
        export CCACHE_DIR=$ccache_home
    fi
fi
# Objects are found again from another checkout's folder; the precompiled Qt headers of the tests are used as they
# are (their macros and times do not change what a test compiles to).
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
export CCACHE_SLOPPINESS=${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}
export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-4G}
