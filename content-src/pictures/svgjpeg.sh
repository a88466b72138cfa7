# Sourced by the picture scripts: one drawing to one JPEG at a pixel size.
#
# svg_to_jpeg DRAWING.svg WIDTH HEIGHT OUT.jpg WORK_DIR
# JPEGs are written without metadata (-strip) and without chroma
# subsampling, so the same drawing always gives the same bytes and thin
# coloured details keep their colour. ImageMagick 6 is called by full path:
# another convert may come first in PATH.
svg_to_jpeg() {
    rsvg-convert -w "$2" -h "$3" -b white "$1" -o "$5/picture.png"
    /usr/bin/convert "$5/picture.png" -background white -alpha remove -alpha off -strip \
        -sampling-factor 1x1 -quality 90 "$4"
}
