# Sourced by the scripts that mount pallox_slowshare, with a name for the folder: makes a
# temporary folder `work` holding source/ and share/, and unmounts the share and removes the
# folder at exit, however the script ends. The script sets `mounted=1` once the share is up.
work="$(mktemp -d "${TMPDIR:-/tmp}/$1-XXXXXX")"
mounted=""
slowshare_cleanup() {
  if [ -n "$mounted" ]; then
    fusermount3 -u "$work/share" 2>/dev/null || umount "$work/share" 2>/dev/null || umount -l "$work/share"
  fi
  rm -rf "$work"
}
trap slowshare_cleanup EXIT
mkdir -p "$work/source" "$work/share"
