# shellcheck shell=bash
# Qt's base for another platform (Windows, a browser), built from Debian's own source of this
# machine's Qt, once, and kept outside the checkout for every later run: shared by
# tools/build-windows and tools/build-web.

# build_qt_from_source WHAT DIR OPTIONS KEYED CONFIGURE: sets QT to DIR/qtbase-VERSION-KEY and builds
# Qt's base for WHAT there unless a finished build is there; an interrupted one goes on where it
# stopped. OPTIONS is the file of configure's arguments (every line not a comment); KEY changes
# with it and with the file KEYED (a toolchain, say), so that a new configuration builds anew.
# CONFIGURE is the function that runs configure, in the build folder, with Qt's source folder and
# the options as its arguments; QT is set when it runs.
build_qt_from_source() {
    local what=$1 dir=$2 options_file=$3 keyed=$4 configure=$5 source_version key src
    source_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
    key=$(cat "$options_file" "$keyed" | sha256sum | cut -c1-12)
    QT=$dir/qtbase-$source_version-$key
    [ -f "$QT/.built" ] && { echo "== reusing Qt for $what in $QT"; return; }

    mkdir -p "$dir"
    src=$(fetch_qt_source "$source_version")
    echo "== building Qt's base for $what in $QT (15 to 40 minutes on two cores)"
    mkdir -p "$QT.build"
    local options
    # shellcheck disable=SC2207 # the options are words, one or more to a line
    options=($(grep -v '^\s*\(#\|$\)' "$options_file"))
    # Compiled a batch of files at a time where configure offers it (Qt 6.5 on): much faster, the
    # same Qt
    grep -q -- '^ *-unity-build ' "$src/config_help.txt" && options+=(-unity-build)
    # Qt 6.4 cannot write its bill of materials (-sbom, Qt 6.8 on): its attribution files, kept
    # below with the rest of the legal texts, say the same
    grep -q -- '^ *-sbom ' "$src/config_help.txt" || mapfile -t options < <(printf '%s\n' "${options[@]}" | grep -vx -- -sbom)
    (cd "$QT.build" && "$configure" "$src" "${options[@]}") >"$QT.configure.log" 2>&1 ||
        { tail -n 30 "$QT.configure.log" >&2; exit 1; }
    cmake --build "$QT.build" --parallel "$(nproc)" >"$QT.build.log" 2>&1 ||
        { grep -B2 -A20 -m1 'FAILED' "$QT.build.log" >&2 || tail -n 30 "$QT.build.log" >&2; exit 1; }
    cmake --install "$QT.build" --strip >/dev/null && keep_qt_legal_texts "$src" "$source_version" "$options_file" &&
        touch "$QT/.built" && rm -rf "$QT.build"
}

# keep_qt_legal_texts SOURCE VERSION OPTIONS: what a package of this Qt must carry, kept in
# $QT/legal: the source's licence texts and the attribution files of the code it bundles (with
# the licence files beside them), and which source was built how: the source package, our options
# file with its reasons, and the very arguments configure was given (its config.opt).
keep_qt_legal_texts() {
    local src=$1 version=$2 options_file=$3
    mkdir -p "$QT/legal"
    (cd "$src" && find . -path ./tests -prune -o -type f \( -name qt_attribution.json -o -iname '*LICEN[CS]E*' \
        -o -iname '*COPYING*' -o -path './LICENSES/*' -o -path ./debian/copyright \) -print | tar -cf - -T -) |
        tar -xf - -C "$QT/legal" || return 1
    echo "qt6-base $version" >"$QT/legal/source-package"
    cp "$options_file" "$QT/legal/qtbase.options" && cp "$QT.build/config.opt" "$QT/legal/configure-arguments"
}

# fetch_qt_source VERSION: prints the folder of qt6-base's source at VERSION, with Debian's patches,
# fetched from Debian's archive into $ZOOMKIN_QT_SOURCE_DIR (default /var/lib/zoomkin-race/source)
# unless it is there already.
fetch_qt_source() {
    local version=$1 dir=${ZOOMKIN_QT_SOURCE_DIR:-/var/lib/zoomkin-race/source}
    local src=$dir/qt6-base-${version%-*}
    if [ ! -f "$src/.fetched" ]; then
        echo "== fetching Debian's source of qt6-base $version" >&2
        # apt's settings of its own: a source index beside the build, none of the machine's touched
        local work=$dir/apt
        mkdir -p "$dir"
        mkdir -p "$work/lists/partial" "$work/cache/archives/partial"
        echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $(debian_mirror)" \
            "$(. /etc/os-release && echo "$VERSION_CODENAME") main" >"$work/sources.list"
        # (and as root throughout: apt's own user may not read this folder)
        local apt=(apt-get -qq -o "Dir::Etc::SourceList=$work/sources.list" -o Dir::Etc::SourceParts=-
            -o "Dir::State::Lists=$work/lists" -o "Dir::Cache=$work/cache" -o APT::Sandbox::User=root)
        rm -rf "$src"
        (cd "$dir" && "${apt[@]}" update && "${apt[@]}" source "qt6-base=$version") >/dev/null &&
            touch "$src/.fetched" || { echo "could not fetch qt6-base's source" >&2; exit 1; }
    fi
    echo "$src"
}
