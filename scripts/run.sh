#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. Without a display it starts the program
# on a virtual one, saves a screenshot of the main window and keeps it running until Ctrl+C.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    build
    exec "$BUILD/bin/DUVUZozeved"
fi

echo "No display found (DISPLAY and WAYLAND_DISPLAY are not set): starting ZEVO Contest on a virtual display."
build xvfb xauth imagemagick
SHOT="$BUILD/screenshot.png"
export SHOT BUILD
exec xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$BUILD/bin/DUVUZozeved" &
    program=$!
    trap "kill $program 2>/dev/null; exit 0" INT TERM
    for _ in $(seq 50); do
        sleep 0.2
        import -window "ZEVO Contest " "$SHOT" 2>/dev/null && break
    done
    echo "Screenshot of the main window: $SHOT"
    echo "ZEVO Contest is running on the virtual display $DISPLAY; press Ctrl+C to end it."
    wait $program
'
