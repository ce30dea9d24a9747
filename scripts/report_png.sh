#!/usr/bin/env bash
# Regenerates docs/report-page1.png: the first page of the worked example's
# report (N = 2, from A through P1 to B) as the window program prints it,
# printed into a PDF file through the same printer code and drawn at 80 dots
# per inch by pdftoppm.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${KORAVEL_BUILD_DIR:-build}

bash scripts/deps.sh test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target report_pdf_tool >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/tests/qt/report_pdf_tool" "$work/report.pdf" >/dev/null
pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$work/report.pdf" "$work/page"
mkdir -p docs
cp "$work/page.png" docs/report-page1.png
echo "$PWD/docs/report-page1.png"
