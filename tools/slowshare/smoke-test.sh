#!/usr/bin/env bash
# Mounts pallox_slowshare over a small folder with a long delay and checks what the share
# benchmark relies on: every look-up waits, requests under way at once wait at once, files read
# back as they are, and writes, renames and deletes reach the folder beneath. Exit 77: skipped.
set -uo pipefail
tool="${1:-}"
delay_ms=200
if [ -z "$tool" ] || [ ! -x "$tool" ]; then
  echo "skipped: pallox_slowshare was not built (libfuse3-dev is not installed)"
  exit 77
fi
if [ ! -c /dev/fuse ]; then
  echo "skipped: /dev/fuse is missing"
  exit 77
fi

source "$(dirname "$0")/work-folder.sh" pallox-slowshare
mkdir -p "$work/source/folder"
printf 'Name=Loom\r\n' > "$work/source/game.ini"
for i in 1 2 3 4 5 6 7 8; do printf 'file %s\n' "$i" > "$work/source/folder/f$i"; done

if ! timeout 20 "$tool" --delay-ms="$delay_ms" "$work/source" "$work/share" 2> "$work/mount.log"; then
  echo "skipped: the share could not be mounted here: $(cat "$work/mount.log")"
  exit 77
fi
mounted=1

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
fail() { echo "FAIL: $*"; exit 1; }

[ "$(timeout 20 cat "$work/share/game.ini")" = "$(cat "$work/source/game.ini")" ] || fail "a file did not read back as it is"

start=$(now_ms)
timeout 20 stat "$work/share/folder/f1" > /dev/null || fail "stat failed"
took=$(( $(now_ms) - start ))
[ "$took" -ge "$delay_ms" ] || fail "a look-up of a name not seen before took ${took} ms, less than the ${delay_ms} ms delay"

# Seven reads of names not looked up yet, each a look-up, an open and a read or more: one after
# another at least 7 x 3 delays; side by side a few, and look-ups in one folder must not wait
# for each other.
start=$(now_ms)
for i in 2 3 4 5 6 7 8; do timeout 20 cat "$work/share/folder/f$i" > "$work/out$i" & done
wait
took=$(( $(now_ms) - start ))
for i in 2 3 4 5 6 7 8; do
  [ "$(cat "$work/out$i")" = "file $i" ] || fail "f$i read back as '$(cat "$work/out$i")'"
done
[ "$took" -lt $(( 6 * delay_ms )) ] || fail "seven reads at once took ${took} ms: the share serves one request at a time, or one per folder"

printf 'cache\r\n' > "$work/share/new.tmp" || fail "could not create a file"
mv "$work/share/new.tmp" "$work/share/DataCache.txt" || fail "could not rename a file"
[ "$(cat "$work/source/DataCache.txt")" = "$(printf 'cache\r\n')" ] || fail "the written file did not reach the folder beneath"
rm "$work/share/DataCache.txt" || fail "could not delete a file"
[ ! -e "$work/source/DataCache.txt" ] || fail "the deleted file is still in the folder beneath"

echo "pallox_slowshare: look-up ${delay_ms} ms or more, seven reads at once in ${took} ms, writes pass"
