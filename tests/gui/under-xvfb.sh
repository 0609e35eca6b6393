#!/bin/sh
# Runs a test program on a virtual X display through Qt's xcb platform, so the real display
# path is exercised and not only the offscreen one. Exit code 77 (skipped) where xvfb-run is
# not installed.
command -v xvfb-run >/dev/null 2>&1 || { echo "xvfb-run is not installed: skipped"; exit 77; }
QT_QPA_PLATFORM=xcb exec xvfb-run -a "$@"
