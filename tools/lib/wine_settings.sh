# shellcheck shell=bash
# export_for_wine: exports each NAME=VALUE line it reads. Wine keeps a Linux desktop's QT_ settings
# away from Windows programs; the ones read here are meant for the Windows Qt, so they go through
# as Wine's WINEQT_ ones, which Windows programs see as QT_.
export_for_wine() {
    local name value
    while IFS='=' read -r name value; do
        case $name in QT_*) name=WINE$name ;; esac
        export "$name=$value"
    done
}
