#!/usr/bin/env bash
# Makes the release of the checked-out commit in build/release/:
#   <product>-<version>.zip holding Stats.dll, Stats-Guide.txt (the
#   operator's guide) and SHA256SUMS, and the zip's own checksum beside it.
# Stats.dll is built twice, from two clones of the commit in folders of
# different names, minutes apart; the release is made only if both builds
# give the same bytes, zip included.  Uncommitted changes are not in it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/install-deps.sh

commit=$(git rev-parse HEAD)
[ -z "$(git status --porcelain)" ] ||
    echo "release: uncommitted changes are left out; releasing commit $commit"
# The zip's member times: the commit's, so a later build makes the same zip.
commit_time=$(git log -1 --format=%ct "$commit")

out=$root/build/release
work=$root/build/release-work
rm -rf "$out" "$work"
mkdir -p "$out" "$work"

# Clones the commit into FOLDER and builds Stats.dll there; the zip and its
# parts end up in FOLDER/build-win32/release.
build_in() {
    local source=$1 build=$1/build-win32
    git clone -q --no-hardlinks "$root" "$source"
    git -C "$source" checkout -q "$commit"
    cmake -S "$source" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_TOOLCHAIN_FILE="$source/cmake/mingw-i686.cmake" -DSTATS_BUILD_HOST=OFF >/dev/null
    cmake --build "$build" --target Stats -j2
    package "$build"
}

# Stats.dll, the guide and their checksums into <name>.zip, members in a
# fixed order with fixed times and attributes.
package() {
    local release=$1/release name
    name=$(cat "$release/version.txt")
    cp "$1/bin/Stats.dll" "$release/"
    (cd "$release" && sha256sum Stats.dll Stats-Guide.txt >SHA256SUMS)
    python3 - "$release/$name.zip" "$commit_time" "$release/Stats.dll" \
        "$release/Stats-Guide.txt" "$release/SHA256SUMS" <<'PY'
import os, sys, time, zipfile
target, when, members = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
stamp = time.gmtime(max(when, 315532800))[:6]  # zip times start in 1980
with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as archive:
    for path in members:
        info = zipfile.ZipInfo(os.path.basename(path), stamp)
        info.create_system = 0  # MS-DOS attributes: a plain archived file
        info.external_attr = 0x20
        info.compress_type = zipfile.ZIP_DEFLATED
        with open(path, "rb") as data:
            archive.writestr(info, data.read(), compresslevel=9)
PY
}

echo "== Release build 1 of 2"
build_in "$work/first"
echo "== Release build 2 of 2"
build_in "$work/second-clone-of-$(basename "$root")"

first=$work/first/build-win32/release
second=$work/second-clone-of-$(basename "$root")/build-win32/release
name=$(cat "$first/version.txt")
for file in Stats.dll "$name.zip"; do
    if ! cmp "$first/$file" "$second/$file"; then
        echo "release: the two builds of $file differ; no release made" >&2
        cmp -l "$first/$file" "$second/$file" | head -n 20 >&2
        exit 1
    fi
done

cp "$first/$name.zip" "$out/"
(cd "$out" && sha256sum "$name.zip" >"$name.zip.sha256")
dll_sum=$(grep ' Stats.dll$' "$first/SHA256SUMS" | cut -d' ' -f1)
rm -rf "$work"
echo "== Release of commit $commit: $out/$name.zip"
echo "SHA-256 of Stats.dll: $dll_sum"
echo "SHA-256 of $name.zip: $(cut -d' ' -f1 <"$out/$name.zip.sha256")"
