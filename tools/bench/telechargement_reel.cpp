#include "banc_en_fil.h"
#include "mesures_rapides.h"
#include "postes_reels/processeur.h"
#include "postes_reels/station_reelle.h"

#include "rapide/recepteur_morse_rapide.h"
#include "liaison/interface.h"

#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace optolink::mesures {

namespace {

// What the receiving station holds at one of its yields.
struct Point {
    double t;
    int nbmesures;
};

// A board keeps no journal of its commands: -1.
int enregistrements_lances(BancEnFil& banc)
{
    int n = -1;
    banc.dans_le_fil([&](sim::BancReel& b) {
        if (!b.carte(1))
            n = static_cast<int>(b.interface(1).commandes_recues().count("WGOR"));
    });
    return n;
}

void laser(BancEnFil& banc, bool allume)
{
    banc.dans_le_fil([allume](sim::BancReel& b) { b.interface(0).envoyer(QByteArray(1, allume ? '\0' : ' ')); });
}

struct Reglage {
    std::int16_t nbmesuresmax;
    Echantillonnage modevitesse;
    double periode_s;
};

// One reception of a dark or of a lit recording, the sender's laser driven through the bench.
void mesurer(BancEnFil& banc, int numero_b, const Reglage& r, bool eclaire, bool accueil)
{
    StationReelle b;
    if (!b.demarrer(numero_b, Codage::morse_rapide, accueil)) {
        std::printf("  %s\n", qPrintable(b.poste.liaison.erreur()));
        return;
    }
    const int enregistrements_avant = enregistrements_lances(banc);
    Etat& etat = b.poste.etat;
    etat.nbmesuresmax = r.nbmesuresmax;
    etat.modevitesse = r.modevitesse;
    const QString en_cours = QStringLiteral("RECEPTION DE MESSAGE EN COURS DANS");
    std::vector<Point> points;
    double cpu_debut = 0, cpu_fin = 0;
    b.boucle.avantChaqueCession([&] {
        if (!b.poste.fenetre.Etiquette2.Caption.startsWith(en_cours))
            return;
        if (points.empty())
            cpu_debut = temps_processeur_fil_s();
        cpu_fin = temps_processeur_fil_s();
        points.push_back({b.horloge.maintenant_s(), etat.nbmesures});
    });
    double fin_reception = 0;
    const auto sauvegarde = b.poste.fenetre.surOuvrirEnregistrefichier.brancher([&](const QString&) {
        fin_reception = b.horloge.maintenant_s();
        laser(banc, false);
        // Two seconds more of waiting, as the program does: a sample left on the line would show.
        QTimer::singleShot(2000, [&] { etat.typecodage.reset(); });
    });
    // A reception that never starts ends the wait after a minute: "aucune réception".
    QTimer abandon;
    abandon.setSingleShot(true);
    QObject::connect(&abandon, &QTimer::timeout, [&] { etat.typecodage.reset(); });
    abandon.start(60000);
    QTimer::singleShot(300, [&] { laser(banc, true); });
    QTimer::singleShot(1300, [&] { laser(banc, false); });
    if (eclaire)
        QTimer::singleShot(1450, [&] { laser(banc, true); });
    attentereceptionmorserapide(b.poste.liaison, b.poste.plateforme, b.poste.etat, b.poste.modele);

    const int enregistrements = enregistrements_lances(banc) - enregistrements_avant;
    if (points.empty()) {
        std::printf("  aucune réception\n");
        return;
    }
    const double debut = points.front().t;
    const double limite = limite_annoncee_s(r.nbmesuresmax, r.periode_s);
    int a_la_limite = 0;
    double dernier_echantillon = debut;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (points[i].t - debut <= limite)
            a_la_limite = points[i].nbmesures;
        if (i > 0 && points[i].nbmesures > points[i - 1].nbmesures)
            dernier_echantillon = points[i].t;
    }
    const double duree = fin_reception - debut;
    // What the stored samples took on the line: each value and its comma, 10 bits a character.
    qsizetype caracteres = 0;
    for (int i = 0; i < etat.nbmesures; ++i)
        caracteres += QString::number(niveau(etat.tabmesures[i])).size() + 1;
    const double ligne = caracteres * b.poste.liaison.duree_caractere();
    // The line's own time: the recording, or its characters at the line's rate, whichever is longer.
    const double enregistrement = r.nbmesuresmax * r.periode_s;
    const double propre = std::max(enregistrement, ligne);
    std::printf("  %6d bauds %5d × %4.0f µs %-8s ligne %5.2f s  dernier échantillon %5.2f s  réception %5.2f s (%5.3f × son"
                " temps propre)  message %6.3f s après la dernière mesure prise  rangés %5d  (à la limite de %5.2f s :"
                " %5d, %4d restés sur la ligne)  CPU %4.1f %%  enregistrements %d\n",
                b.poste.liaison.vitesse_bauds(), r.nbmesuresmax, r.periode_s * 1e6, eclaire ? "éclairé" : "sombre", ligne,
                dernier_echantillon - debut, duree, duree / propre, duree - enregistrement, etat.nbmesures, limite,
                a_la_limite, etat.nbmesures - a_la_limite, 100 * (cpu_fin - cpu_debut) / (points.back().t - debut),
                enregistrements);
    std::fflush(stdout);
}

} // namespace

void mesurer_telechargements(BancEnFil& banc, int numero_b, bool accueil)
{
    std::printf("== Téléchargement d'un enregistrement rapide par la ligne%s\n"
                "   (ligne : temps des échantillons rangés sur la ligne ; dernier échantillon : du début de la réception\n"
                "   à son arrivée ; réception : du début de la réception à la boîte d'enregistrement ; à la limite : ce que l'arrêt à nbmesuresmax ×\n"
                "   periodemesure + 8 s (+ 6 s) aurait gardé ; CPU : fil du programme récepteur pendant le téléchargement ;\n"
                "   enregistrements : lancés par le récepteur, 1 quand aucun reste de la ligne n'en déclenche un second ;\n"
                "   temps propre : l'enregistrement, ou ses caractères à la vitesse de la ligne s'ils sont plus longs)\n",
                accueil ? ", la carte saluée puis accélérée" : " à 9600 bauds");
    using enum Echantillonnage;
    for (const Reglage r : {Reglage{6400, us1300, 0.0013}, {6400, us800, 0.0008}, {6400, us500, 0.0005},
                            {12800, us1300, 0.0013}, {12800, us800, 0.0008}, {12800, us500, 0.0005}})
        for (bool eclaire : {false, true})
            mesurer(banc, numero_b, r, eclaire, accueil);
}

} // namespace optolink::mesures
