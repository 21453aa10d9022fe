#!/usr/bin/env bash
# What a failed real-time exchange shows, and which side it blames. Sourced by echange_reel.sh.
#   verdict_echange BANC.LOG RECEPTEUR.LOG DEBUT_EPOCH NOMINALES RETARD_TOLERE_MS
# BANC.LOG: the bench's journal with --journal-ea0 (lines stamped with the epoch they were written
# at); RECEPTEUR.LOG: the receiving program's standard error, with its ticks journalled
# (QT_LOGGING_RULES="optolink.reception.debug=true"); NOMINALES: the sender's nominal periods
# (optolink-emission-nominale). It prints:
# - the sender's periods against the nominal ones (from the bench's journal of A's laser);
# - the bench's lateness where it matters: on an element of the message, or within 100 ms of an
#   edge of a long mark (its middle changes nothing: a late reply is no reading, the last stands);
# - the receiver's ticks around the message: the reply read and the voltage kept, beside the EA0
#   reading the bench made for it and A's laser, each disagreement marked;
# then one VERDICT line naming the sender, the bench or the receiver.
verdict_echange() {
    awk -v debut="$3" -v tolere_ms="$5" -v nominales="$4" -v q="'" '
    function banc_s(epoch) { return epoch - origine }
    function abs(x) { return x < 0 ? -x : x }
    FNR == 1 { fichier++ }
    fichier == 1 && /Horloge du banc/ { origine = $(NF - 5) + 0 }
    fichier == 1 && /laser A/ { na++; ta[na] = $2 + 0; ea[na] = ($NF == "allumé") }
    fichier == 1 && /retard du banc/ { nr++; rt[nr] = $2 + 0; rp[nr] = $8 + 0; rf[nr] = $2 + $(NF - 1) / 1000 }
    fichier == 1 && /EA0 de B/ { nb++; tb[nb] = $2 + 0; vb[nb] = $NF + 0; if (nb == 1 || $NF + 0 > vmax) vmax = $NF + 0; if (nb == 1 || $NF + 0 < vmin) vmin = $NF + 0 }
    fichier == 2 && / tic / { nt++; tt[nt] = $2 + 0; tl[nt] = $7; tv[nt] = $9 + 0 }
    END {
        # The send: A lights its laser after the click.
        for (i = 1; i <= na && ta[i] < banc_s(debut) - 0.5; i++) {}
        premier = i
        if (premier > na) { print "VERDICT : l" q "émetteur n" q "a rien émis (aucun allumage du laser de A après le clic)"; exit }
        n = 0
        while ((getline ligne < nominales) > 0) { split(ligne, c, " "); n++; nom[n] = c[2] + 0 }
        pire_ecart = 0; faux = 0
        for (k = 1; k <= n; k++) {
            if (premier + k > na) { faux = 1; manque = k; break }
            duree = ta[premier + k] - ta[premier + k - 1]
            ecart = abs(duree - nom[k]) * 1000
            if (ecart > pire_ecart) { pire_ecart = ecart; pire_k = k }
            tol = nom[k] * 200 > 5 ? nom[k] * 200 : 5
            if (ecart > tol) faux = 1
        }
        fin_envoi = ta[premier + n > na ? na : premier + n]
        if (manque) printf "émetteur : %d périodes de laser sur les %d prévues\n", k - 1, n
        else printf "émetteur : %d périodes, écart le plus grand à la durée prévue %.1f ms (période %d, %.3f s prévue)\n", n, pire_ecart, pire_k, nom[pire_k]
        # Where the lateness of the bench matters: within the elements shorter than a second, and near
        # every edge.
        pire_banc = 0; comptes = 0
        for (r = 1; r <= nr; r++) {
            if (rf[r] < ta[premier] - 0.1 || rt[r] > fin_envoi + 0.1) continue
            compte = 0
            for (k = premier; k <= premier + n && k <= na; k++) {
                if (rt[r] <= ta[k] + 0.1 && rf[r] >= ta[k] - 0.1) compte = 1
                if (k < na && ta[k + 1] - ta[k] < 1 && rt[r] <= ta[k + 1] && rf[r] >= ta[k]) compte = 1
            }
            if (compte) { comptes++; if (rp[r] > pire_banc) pire_banc = rp[r] }
        }
        printf "banc : %d retards sur les éléments du message ou près de leurs fronts, jusqu%sà %.2f ms\n", comptes, q, pire_banc
        # The receiver: each tick reads the reply to the request before; the bench made that
        # reading at least a character time before the tick.
        milieu = (vmin + vmax) / 2; desaccords = 0; b = 1; lus = 0
        print "récepteur : ses tics (instant du banc, réponse lue, tension gardée) / la lecture de EA0 du banc / le laser de A"
        for (t = 1; t <= nt; t++) {
            s = banc_s(tt[t])
            if (s < ta[premier] - 1 || s > fin_envoi + 1) continue
            lus++
            while (b < nb && tb[b + 1] < s - 0.003) b++
            montre = (nb > 0 && tb[b] < s) ? vb[b] : -1
            for (k = 1; k < na && ta[k + 1] <= s; k++) {}
            laser = (na > 0 && ta[k] <= s && ea[k]) ? "allumé" : "éteint"
            lu_clair = tv[t] * 255 / 20 > milieu
            marque = ""
            if (montre >= 0 && lu_clair != (montre > milieu)) { marque = "  << désaccord"; desaccords++ }
            printf "  %10.3f s  lu %-12s %6.3f V   banc %3d   laser A %s%s\n", s, tl[t], tv[t], montre, laser, marque
        }
        printf "récepteur : %d tics sur %d en désaccord avec la lumière que le banc lui montrait\n", desaccords, lus
        if (faux)
            print "VERDICT : l" q "émetteur a mal émis (périodes du laser de A loin de leurs durées prévues)"
        else if (pire_banc > tolere_ms)
            printf "VERDICT : le banc a pris du retard sur les éléments du message (jusqu%sà %.2f ms, plus que les %d ms tolérées)\n", q, pire_banc, tolere_ms
        else if (nt == 0)
            print "VERDICT : l" q "émetteur et le banc étaient à l" q "heure ; le récepteur ne journalise pas ses tics"
        else
            printf "VERDICT : l%sémetteur et le banc étaient à l%sheure : le récepteur a mal lu (%d tics en désaccord)\n", q, q, desaccords
    }' "$1" "$2"
}
