# The wine that scripts/windows, windows-screenshot and windows-startup run their programs with.
# Sourced after common.sh.
# shellcheck shell=bash

# Debian's `wine` launcher always starts the 32-bit loader first, so on a kernel that runs no
# 32-bit programs it fails even for a 64-bit one. The scripts call the loaders directly instead,
# "$WINELOADER" program.exe and "$WINESERVER" --kill, and wine itself reads both variables when it
# starts another program or its server.
WINE64_LOADER=/usr/lib/wine/wine64
WINE32_LOADER=/usr/lib/wine/wine
export WINESERVER=/usr/lib/wine/wineserver

# Wine without its .NET and HTML engine installers, and without its debug channels' noise unless
# WINEDEBUG asks for them.
export WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml="

# use_wine FOLDER ARCH: the programs that follow run in FOLDER/wineprefix, by the wine of ARCH
# (win64 or win32).
use_wine() {
  export WINEPREFIX="$1/wineprefix" WINEARCH="$2"
  case "$2" in
    win64) export WINELOADER="$WINE64_LOADER" ;;
    win32) export WINELOADER="$WINE32_LOADER" ;;
    *) echo "use_wine: no wine for $2" >&2; return 1 ;;
  esac
}

# stop_wine: ends the prefix's wine server and whatever still runs in it; quiet and successful
# when there is none.
stop_wine() {
  "$WINESERVER" --kill 2>/dev/null || true
}

# xvfb_options WIDTHxHEIGHT: the server options of xvfb-run (-s) for a private screen of that size.
# An X server resets when its last client leaves and drops the connections that come meanwhile,
# so a wine started just after another ended would find no display ("no driver could be
# loaded"): -noreset.
xvfb_options() {
  echo "-screen 0 ${1}x24 -nolisten tcp -noreset"
}
