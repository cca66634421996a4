# Sourced: the environment every Wine run of this project uses.
ravlen_wine_env() {
    export WINEPREFIX="$1"
    export WINEARCH=win64
    export WINEDEBUG=-all
    # No sound card, no desktop integration, no Mono or Gecko download prompts.
    export WINEDLLOVERRIDES="winealsa.drv,winepulse.drv=d;winemenubuilder.exe=d;mscoree,mshtml="
    export WINESERVER=/usr/lib/wine/wineserver
    [ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver || true)
}
