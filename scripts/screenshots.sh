#!/usr/bin/env bash
# Pictures of the window to look at after a change that shows: models D and E (the two
# extremes of the presets), at the smallest and a common large screen, in English and German.
# Usage: scripts/screenshots.sh BUILD_DIR OUT_DIR
set -euo pipefail
build=${1:?build directory}
out=${2:?output directory}
settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT
for model in D E; do
  for size in 1024x768 1920x1080; do
    for language in en de; do
      folder=$out/$model-$size-$language
      mkdir -p "$folder"
      rm -f "$settings/shots.ini"
      CHANFORGE_SETTINGS=$settings/shots.ini "$build/bin/chanforge-cli" policy set "$model" >/dev/null
      CHANFORGE_SETTINGS=$settings/shots.ini QT_QPA_PLATFORM=offscreen \
        "$build/bin/chanforge-guide-shots" "$build/samples/model-$model.bin" "$language" "$folder" "$size"
    done
  done
done
echo "Pictures in $out"
