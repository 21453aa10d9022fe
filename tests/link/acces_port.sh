#!/usr/bin/env bash
# The serial-access advice as an account without rights sees it. An account and a group are
# created for the test; the simulated bench's pseudo-terminal is given that group, and the
# account reaches it by its port number. The account's program is then started three times:
# outside the group, added to the group but in a session that began before, and in a new session.
# Creating accounts needs root, as CI has.
#
# usage: acces_port.sh TEST_ACCES_PORT OPTOLINK_BENCH
set -euo pipefail
essai=$1 banc=$2

if [ "$(id -u)" -ne 0 ]; then
    echo "ce test crée un compte et un groupe : il se lance en root, comme la CI" >&2
    exit 77
fi

travail=$(mktemp -d)
chmod 755 "$travail"
compte=optolink$$ groupe=optoport$$ port=7
pid_banc=""
finir() {
    if [ -n "$pid_banc" ]; then kill "$pid_banc" 2>/dev/null || true; wait "$pid_banc" 2>/dev/null || true; fi
    userdel "$compte" 2>/dev/null || true
    groupdel "$groupe" 2>/dev/null || true
    rm -rf "$travail"
}
trap finir EXIT

groupadd "$groupe"
useradd --user-group --no-create-home --home-dir "$travail/maison" --shell /usr/sbin/nologin "$compte"
uid=$(id -u "$compte")

# The bench, started by root, publishes its ports in root's folder; the line "Ctrl-C" says they are up.
mkdir "$travail/racine"
exec {sortie_banc}< <(TMPDIR="$travail/racine" exec "$banc" --ports "$port,$((port + 1))")
pid_banc=$!
while read -r -t 30 -u "$sortie_banc" ligne; do [[ $ligne == *Ctrl-C* ]] && break; done
peripherique=$(readlink -f "$travail/racine/optolink-0/COM$port")
[ -c "$peripherique" ] || { echo "le banc n'a pas publié le port $port" >&2; exit 1; }
chgrp "$groupe" "$peripherique"
chmod 660 "$peripherique"

# The account's own bench folder leads to the same device.
mkdir -p "$travail/maison" "$travail/tmp/optolink-$uid"
ln -s "$peripherique" "$travail/tmp/optolink-$uid/COM$port"
chown -R "$compte:$compte" "$travail/maison" "$travail/tmp"

# The account runs its own copies: the build folder need not be open to it.
install -m 755 "$essai" "$travail/essai"
if [[ ${LSAN_OPTIONS:-} =~ suppressions=([^:]*) ]]; then
    install -m 644 "${BASH_REMATCH[1]}" "$travail/lsan.supp"
    LSAN_OPTIONS=${LSAN_OPTIONS/${BASH_REMATCH[1]}/$travail/lsan.supp}
fi

en_tant_que_compte() { # groups option of setpriv, then the test to run
    HOME="$travail/maison" USER="$compte" LOGNAME="$compte" TMPDIR="$travail/tmp" QT_QPA_PLATFORM=offscreen \
        OPTOLINK_ESSAI_PORT=$port OPTOLINK_ESSAI_GROUPE=$groupe OPTOLINK_ESSAI_COMPTE=$compte \
        setpriv --reuid="$compte" --regid="$compte" "$1" "$travail/essai" --gtest_filter="AccesPort.$2"
}

en_tant_que_compte --clear-groups UnCompteHorsDuGroupeApprendQuelGroupeRejoindreEtDoitSeReconnecter
usermod -a -G "$groupe" "$compte"
en_tant_que_compte --clear-groups UnCompteAjouteDepuisLeDebutDeSaSessionDoitSeReconnecter
en_tant_que_compte --init-groups UneNouvelleSessionDuCompteAjouteOuvreLePort
