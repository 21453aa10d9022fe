// Prints, for each fault the bench can play (as `optolink-bench --panne SORTE` plays it), how a
// station of the program takes it while waiting for light and while downloading a fast
// recording: the processor share of the station's thread from the fault to the end, and the
// time from the fault to the notice the user gets (none for the faults that only spoil data).
//
// optolink-pannes

#include "programme/perte_liaison.h"
#include "banc_en_fil.h"
#include "rapide/recepteur_morse_rapide.h"
#include "liaison_qt/ports_systeme.h"
#include "postes_reels/processeur.h"
#include "postes_reels/station_reelle.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace optolink;
using namespace optolink::mesures;
using sim::SortePanne;

namespace {

constexpr std::array ports{95, 96};

struct MesurePanne {
    double processeur_pourcent;
    double duree_s;
    double avis_apres_s; // negative: no notice
    int echantillons;
};

// Station B waits in fast Morse; with telechargement, interface A lights it for a second so that
// a recording starts, and the fault strikes a few seconds into the download.
MesurePanne mesurer(SortePanne sorte, bool telechargement)
{
    BancEnFil banc(ports, dossier_banc());
    StationReelle b;
    surveiller_liaison(b.poste.plateforme, b.poste.liaison);
    if (!banc.erreur().isEmpty() || !b.demarrer(ports[1], Codage::morse_rapide)) {
        std::fprintf(stderr, "%s %s\n", qPrintable(banc.erreur()), qPrintable(b.poste.liaison.erreur()));
        std::exit(1);
    }
    b.poste.etat.enregistremorse = true;
    auto laser = [&](bool allume) {
        banc.dans_le_fil([allume](sim::BancReel& r) { r.interface(0).envoyer(QByteArray(1, allume ? '\0' : ' ')); });
    };
    auto arreter = [&] { b.poste.etat.typecodage.reset(); };

    // The timers of this measure go with it.
    QObject contexte;
    Crochet<const QString&>::Branchement sauvegarde;
    double panne_s = -1, avis_s = -1, processeur_panne = 0;
    auto provoquer = [&] {
        banc.dans_le_fil([sorte](sim::BancReel& r) { r.interface(1).provoquer({.sorte = sorte, .debut_s = r.temps().maintenant_s()}); });
        panne_s = b.horloge.maintenant_s();
        processeur_panne = temps_processeur_fil_s();
    };
    b.boucle.avantChaqueCession([&] {
        if (avis_s < 0 && panne_s >= 0 && !b.boites.montrees.empty())
            avis_s = b.horloge.maintenant_s();
    });
    if (telechargement) {
        QTimer::singleShot(200, &contexte, [&] { laser(true); });
        QTimer::singleShot(1200, &contexte, [&] { laser(false); });
        QTimer::singleShot(5000, &contexte, provoquer);
        sauvegarde = b.poste.fenetre.surOuvrirEnregistrefichier.brancher(
            [&](const QString&) { QTimer::singleShot(3000, &contexte, arreter); });
        QTimer::singleShot(40000, &contexte, arreter);
    } else {
        QTimer::singleShot(500, &contexte, provoquer);
        QTimer::singleShot(5500, &contexte, arreter);
    }
    attentereceptionmorserapide(b.poste.liaison, b.poste.plateforme, b.poste.etat, b.poste.modele);
    const double duree = b.horloge.maintenant_s() - panne_s;
    return {100 * (temps_processeur_fil_s() - processeur_panne) / duree, duree, avis_s < 0 ? -1 : avis_s - panne_s,
            b.poste.etat.nbmesures};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // A private folder for the bench's ports: these measures never meet a bench already running.
    QTemporaryDir dossier;
    qputenv("TMPDIR", dossier.path().toLocal8Bit());
    std::printf("== Pannes du banc (réglages par défaut de optolink-bench --panne), poste récepteur en morse rapide\n"
                "   (processeur : fil du poste, de la panne à la fin ; avis : de la panne à la boîte montrée)\n");
    for (const SortePanne sorte : {SortePanne::mutisme, SortePanne::disparition, SortePanne::brouillage,
                                   SortePanne::decoupage, SortePanne::retard, SortePanne::reponse_de_trop}) {
        for (const bool telechargement : {false, true}) {
            const MesurePanne m = mesurer(sorte, telechargement);
            const QString avis = m.avis_apres_s < 0 ? QStringLiteral("aucun avis") : QStringLiteral("avis après %1 s").arg(m.avis_apres_s, 0, 'f', 2);
            std::printf("  %-16s %-36s processeur %5.2f %% sur %5.1f s   %-18s", qPrintable(sim::nom_panne(sorte)),
                        telechargement ? "pendant un téléchargement rapide" : "en attente de lumière",
                        m.processeur_pourcent, m.duree_s, qPrintable(avis));
            if (telechargement)
                std::printf("  %d échantillons rangés", m.echantillons);
            std::printf("\n");
            std::fflush(stdout);
        }
    }
    return 0;
}
