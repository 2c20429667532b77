#!/usr/bin/env bash
# Builds the Debian package in build-paket/ (Release, Debian's build flags, no tests or
# benchmarks), unpacks it into a scratch root and checks what it installs: desktop entry,
# AppStream data, lintian, and the installed rinolux-regel.
#
#   scripts/paket.sh                 leaves build-paket/rinolux_<version>_<arch>.deb
#   scripts/paket.sh --installieren  also installs the package into the system and purges it
#                                    again (CI does this on its fresh machine)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --paket

# Debian's hardening flags, without debug information (the package is stripped anyway).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
export DEB_CXXFLAGS_MAINT_STRIP=-g
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake -S . -B build-paket -G Ninja -DCMAKE_BUILD_TYPE=Release -DRINOLUX_TESTS=OFF -DRINOLUX_BENCH=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr "-DCMAKE_CXX_FLAGS=${CXXFLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${LDFLAGS}" >/dev/null
cmake --build build-paket
rm -f build-paket/rinolux_*.deb
(cd build-paket && cpack -G DEB >/dev/null)
deb="$(ls build-paket/rinolux_*.deb)"
echo "== Paket: ${deb}"
dpkg-deb --field "$deb"

wurzel="$(mktemp -d)"
trap 'rm -rf "$wurzel"' EXIT
dpkg -x "$deb" "$wurzel"

echo "== desktop-file-validate"
desktop-file-validate "$wurzel"/usr/share/applications/*.desktop
echo "== appstreamcli validate"
appstreamcli validate --no-net "$wurzel"/usr/share/metainfo/*.metainfo.xml

echo "== lintian"
# Errors fail the run; warnings are listed.
lintian --fail-on error --tag-display-limit 0 "$deb"

echo "== installiertes rinolux-regel --hilfe"
hilfe="$(LD_LIBRARY_PATH="$wurzel/usr/lib:$wurzel/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)" \
  "$wurzel/usr/bin/rinolux-regel" --hilfe)"
echo "$hilfe" | head -n 3
grep -q -- "--rueckgaengig-liste" <<<"$hilfe"
for datei in usr/bin/rinolux usr/share/icons/hicolor/scalable/apps/rinolux.svg \
  usr/share/icons/hicolor/48x48/apps/rinolux.png usr/share/man/de/man1/rinolux.1.gz \
  usr/share/man/man1/rinolux-regel.1.gz usr/share/bash-completion/completions/rinolux-regel \
  usr/share/kio/servicemenus/de.rinolux.Rinolux.servicemenu.desktop; do
  if [ ! -e "$wurzel/$datei" ]; then
    echo "!! Im Paket fehlt /${datei}" >&2
    exit 1
  fi
done

if [ "${1:-}" = "--installieren" ]; then
  echo "== installieren und wieder entfernen"
  als_root=()
  if [ "$(id -u)" -ne 0 ]; then
    als_root=(sudo)
  fi
  "${als_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "./${deb}" >/dev/null
  /usr/bin/rinolux-regel --hilfe >/dev/null
  dateien="$(dpkg-query -L rinolux)"
  "${als_root[@]}" env DEBIAN_FRONTEND=noninteractive dpkg --purge rinolux >/dev/null
  while IFS= read -r datei; do
    if [ -f "$datei" ] || [ -L "$datei" ]; then
      echo "!! Nach dem Entfernen noch da: ${datei}" >&2
      exit 1
    fi
  done <<<"$dateien"
fi
echo "== Paket in Ordnung: ${deb}"
