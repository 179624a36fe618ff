#!/usr/bin/env bash
# Installs what tools/make_cues.sh needs to speak the cues of the languages named (all of its
# table when none is): sox, ffmpeg, Festival and each language's voice.
#   tools/cue_voices.sh [CODE...]
# Most voices are in Debian's main component; SVOX Pico (de, fr, es, it) and RHVoice (ru) are
# in its non-free one. Where the machine's apt sources do not have non-free, those packages are
# fetched through a source list of this script's own in a temporary folder: the machine's
# sources are left as they are (and apt will not update those packages later).
set -euo pipefail
cd "$(dirname "$0")/.."

wanted=(festival festvox-us-slt-hts sox ffmpeg)
while read -r code packages; do
  if [ $# -eq 0 ] || [[ " $* " == *" $code "* ]]; then
    read -ra list <<<"$packages"
    wanted+=("${list[@]}")
  fi
done < <(tools/make_cues.sh --packages)

mapfile -t wanted < <(printf '%s\n' "${wanted[@]}" | awk '!seen[$0]++')
missing=()
for package in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -gt 0 ] || { echo "All installed: ${wanted[*]}"; exit 0; }

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
apt=(apt-get)
for package in "${missing[@]}"; do
  if ! apt-cache policy "$package" | grep -q 'Candidate: [^(]'; then
    # Not in the machine's sources: Debian's main, contrib and non-free for this release.
    . /etc/os-release
    apt_dir=$(mktemp -d)
    trap '$sudo rm -rf "$apt_dir"' EXIT
    chmod 755 "$apt_dir"  # readable by apt's own user
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/sources.list.d"
    {
      echo "deb http://deb.debian.org/debian $VERSION_CODENAME main contrib non-free"
      echo "deb http://deb.debian.org/debian $VERSION_CODENAME-updates main contrib non-free"
      echo "deb http://deb.debian.org/debian-security $VERSION_CODENAME-security main"
    } >"$apt_dir/sources.list"
    apt=(apt-get -o "Dir::Etc::sourcelist=$apt_dir/sources.list"
      -o "Dir::Etc::sourceparts=$apt_dir/sources.list.d" -o "Dir::State::Lists=$apt_dir/lists")
    echo "Some are in Debian's non-free component: using $apt_dir/sources.list"
    $sudo "${apt[@]}" update
    break
  fi
done
echo "Installing: ${missing[*]}"
$sudo "${apt[@]}" install -y --no-install-recommends "${missing[@]}"
