# Sourced by every content script: gives the tools that lay out or draw text
# (Inkscape, rsvg-convert, ImageMagick) a private fontconfig set-up that
# holds only the font files below, so that fonts installed on the machine
# for other reasons can never change a glyph or an advance in the content.
# layout.py and checkfit.py measure with the same files by path.
#
# content_fonts_setup WORK_DIR   writes the set-up into WORK_DIR/fonts (which
# goes away with the caller's work folder) and exports FONTCONFIG_FILE; does
# nothing when a calling script has already made one.

CONTENT_FONT_FILES=(
    /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf   # fonts-liberation
    /usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf
    /usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf
    /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf              # fonts-dejavu-core
    /usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf
)

content_fonts_setup() {
    if [[ -n ${VELMORA_CONTENT_FONTS:-} && ${FONTCONFIG_FILE:-} == "$VELMORA_CONTENT_FONTS" && -f $VELMORA_CONTENT_FONTS ]]; then
        return 0
    fi
    local dir=$1/fonts f
    for f in "${CONTENT_FONT_FILES[@]}"; do
        [[ -f $f ]] || { echo "content fonts: $f is missing (install fonts-liberation and fonts-dejavu-core)" >&2; return 1; }
    done
    mkdir -p "$dir/fonts" "$dir/cache"
    for f in "${CONTENT_FONT_FILES[@]}"; do ln -s "$f" "$dir/fonts/"; done
    # No <include>: nothing from /etc/fonts or the user's folders is read.
    # The pages and drawings name Arial (drawn by the program with the
    # metric-compatible Liberation Sans) and Symbol (its Greek text is
    # rewritten into Arial by wmfgreek.py, so any face serves for it).
    cat >"$dir/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>$dir/fonts</dir>
  <cachedir>$dir/cache</cachedir>
  <config><rescan><int>0</int></rescan></config>
  <alias binding="same"><family>Arial</family><prefer><family>Liberation Sans</family></prefer></alias>
  <alias binding="same"><family>Symbol</family><prefer><family>Liberation Sans</family></prefer></alias>
  <alias binding="same"><family>sans-serif</family><prefer><family>Liberation Sans</family></prefer></alias>
  <alias binding="same"><family>serif</family><prefer><family>Liberation Serif</family></prefer></alias>
</fontconfig>
EOF
    export FONTCONFIG_FILE=$dir/fonts.conf VELMORA_CONTENT_FONTS=$dir/fonts.conf
    unset FONTCONFIG_PATH FONTCONFIG_SYSROOT
}
