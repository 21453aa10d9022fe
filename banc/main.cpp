// optolink-bench: two simulated interfaces (or boards) facing each other, served on
// pseudo-terminals and reachable from the program by their port numbers.

#include "liaison_qt/console_utf8.h"
#include "liaison_qt/ports_systeme.h"
#include "liaison_qt/priorite_systeme.h"
#include "optolink/version.h"
#include "liaison_qt/arret_propre.h"
#include "banc/banc_reel.h"
#include "banc/commandes_banc.h"
#include "banc/journal_banc.h"
#include "sim/commande_lumiere.h"
#ifdef OPTOLINK_BANC_CARTE
#include "carte_simulee/interface_carte.h"
#endif

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <chrono>
#include <cstdio>
#include <optional>

using namespace optolink;
using namespace optolink::sim;

namespace {

const char* const aide_format =
    "Usage : optolink-bench [options]\n"
    "\n"
    "Banc optique simulé : deux interfaces d'acquisition face à face. Le laser de l'interface A\n"
    "éclaire la photodiode de l'interface B, et celui de B éclaire celle de A. Chaque interface\n"
    "est servie sur un pseudo-terminal (Linux) ou un tube nommé (Windows) et se choisit dans le\n"
    "programme par son numéro de port.\n"
    "\n"
    "Options :\n"
    "  --ports N,M            numéros de port des interfaces A et B (par défaut 1,2)\n"
    "  --journal              affiche chaque allumage et extinction des lasers, avec l'instant,\n"
    "                         et les retards du banc lui-même : des événements (octets, lasers,\n"
    "                         pas d'une carte) traités plus de 1 ms après leur instant\n"
    "  --journal-ea0          comme --journal, et chaque lecture de EA0 d'une interface : l'instant et la\n"
    "                         valeur rendue (0 à 255), la lumière que le banc a montrée au programme\n"
    "  --priorite-ordinaire   le banc garde la priorité ordinaire ; sinon il demande la classe\n"
    "                         temps réel (ou une part du processeur plus grande), comme le\n"
    "                         programme quand il chronomètre un signal : c'est le matériel qu'il\n"
    "                         simule, qui n'attend jamais le processeur\n"
    "  --noir V               tension lue dans le noir, en volts (par défaut 0.16)\n"
    "  --eclaire V            tension ajoutée quand le laser d'en face est allumé, la photodiode\n"
    "                         contre lui (par défaut 3.9)\n"
    "  --distance-a M         distance en mètres du laser de B à la photodiode de A (par défaut 0) ;\n"
    "                         la tache du faisceau s'élargit, la lumière reçue tombe comme\n"
    "                         (2 / (2 + M))², soit 20·log10(1 + M / 2) dB\n"
    "  --distance-b M         distance en mètres du laser de A à la photodiode de B (par défaut 0)\n"
    "  --bruit V              bruit : chaque lecture s'écarte d'au plus V volts (par défaut 0)\n"
    "  --derive V             lumière ambiante : amplitude d'une lente variation (par défaut 0)\n"
    "  --periode-derive S     période de cette variation en secondes (0 : décalage fixe de V)\n"
    "  --graine N             graine du bruit et des pannes, pour les rejouer (par défaut 1)\n"
    "\n"
    "%s"
    "Liaison USB (interface USB, ou adaptateur USB-série), sur demande :\n"
    "  --usb                  les octets de l'ordinateur atteignent l'interface au début d'une\n"
    "                         trame USB (toutes les 1 ms), après le délai de l'ordinateur ; ceux\n"
    "                         de l'interface lui parviennent quand la minuterie de latence de\n"
    "                         l'adaptateur expire, ou dès qu'un paquet de 62 octets est plein\n"
    "  --usb-latence MS       minuterie de latence de l'adaptateur, en ms (par défaut 16)\n"
    "  --usb-hote MIN,MAX     délai de l'ordinateur avant chaque écriture, tiré entre MIN et MAX\n"
    "                         ms (par défaut 0,0 : le délai réel de l'ordinateur seul)\n"
    "\n"
    "Pannes, sur demande seulement (sans --panne, le banc se conduit normalement) :\n"
    "  --panne SORTE          mutisme : l'interface ne répond plus ; disparition : son port\n"
    "                         disparaît, comme une interface débranchée ; brouillage : des\n"
    "                         octets envoyés sont remplacés au hasard ; decoupage : des réponses\n"
    "                         s'interrompent un moment ; retard : chaque réponse part en retard ;\n"
    "                         reponse-de-trop : des réponses sont envoyées deux fois\n"
    "  --panne-interface X    A ou B : l'interface en panne (par défaut les deux)\n"
    "  --panne-debut S        la panne commence S secondes après le démarrage du banc (par défaut 0)\n"
    "  --panne-apres-octets N ... et une fois que le programme a reçu N octets de l'interface\n"
    "                         (par défaut 0)\n"
    "  --panne-taux T         part des octets brouillés, des réponses découpées ou envoyées deux\n"
    "                         fois, de 0 à 1 (par défaut 1)\n"
    "  --panne-delai S        retard de chaque réponse, ou attente de la fin d'une réponse\n"
    "                         découpée, en secondes (par défaut 0.2)\n"
    "  --commandes            lit des commandes sur l'entrée standard, une par ligne, et s'arrête\n"
    "                         à la fin de l'entrée : pour le programme qui lance le banc.\n"
    "                         « lumiere B distance=1.5 ambiante=0.3 bruit=0.05 » règle la lumière\n"
    "                         d'une photodiode (les clés omises gardent leur valeur), « quitter »\n"
    "                         arrête le banc\n"
    "  --version              affiche la version\n"
    "  -h, --help             affiche cette aide\n"
    "\n"
    "Ctrl-C arrête le banc et retire ses ports.\n";

#ifdef OPTOLINK_BANC_CARTE
const char* const aide_carte =
    "Carte Arduino simulée, sur demande :\n"
    "  --carte X              A, B ou AB : une carte Arduino Mega 2560 remplace l'interface A, B\n"
    "                         ou les deux. Son micrologiciel (share/optolink/carte) tourne sur un\n"
    "                         ATmega2560 simulé à 16 MHz ; la lumière, le journal et --usb (le port\n"
    "                         USB de la carte) restent ceux du banc. Sans --chargeur, la carte\n"
    "                         simulée est celle dont la remise à zéro automatique est neutralisée\n"
    "                         (condensateur de 10 µF ou stty -hupcl, voir carte-arduino.md) :\n"
    "                         l'ouverture du port ne la relance pas. Les pannes ne s'appliquent\n"
    "                         qu'aux interfaces. La ligne de la carte va à la vitesse que le\n"
    "                         programme donne à son port et que le micrologiciel règle : 9600\n"
    "                         bauds, puis 500 000 quand une carte qui a salué le programme y passe.\n"
    "  --chargeur FICHIER     la carte telle qu'elle sort du magasin : le chargeur (fichier hex,\n"
    "                         celui de la Mega 2560 est dans le paquet arduino-core-avr) démarre\n"
    "                         à la mise sous tension et à chaque ouverture du port, et ne passe\n"
    "                         la main au micrologiciel qu'après un silence sur la ligne ; la carte\n"
    "                         salue alors le programme et passe à 500 000 bauds\n"
    "\n";
#else
const char* const aide_carte =
    "Carte Arduino simulée : absente de ce banc. Elle fait tourner le micrologiciel sur un\n"
    "ATmega2560 simulé par simavr, que ce système n'a pas (Debian ne le construit que pour\n"
    "Linux) : le banc de Linux la simule (--carte).\n"
    "\n";
#endif

QString aide() { return QString::asprintf(aide_format, aide_carte); }

// Once the bench runs, what it writes goes through its journal's own thread.
JournalBanc* journal = nullptr;

void ecrire(const QString& texte)
{
    if (journal) {
        journal->ecrire(texte.toUtf8().toStdString());
        return;
    }
    std::fputs(texte.toUtf8().constData(), stdout);
    std::fflush(stdout);
}

bool lire_reel(const QCommandLineParser& p, const QString& nom, double& valeur)
{
    if (!p.isSet(nom))
        return true;
    bool ok = false;
    valeur = p.value(nom).toDouble(&ok);
    return ok;
}

// The USB link asked for on the command line; false with a message on stderr when an option is wrong.
bool lire_usb(const QCommandLineParser& p, std::optional<ReglagesUsb>& usb)
{
    const bool demande = p.isSet(QStringLiteral("usb")) || p.isSet(QStringLiteral("usb-latence"))
                         || p.isSet(QStringLiteral("usb-hote"));
    if (!demande)
        return true;
    ReglagesUsb lus;
    double latence_ms = lus.latence_s * 1000;
    bool ok = lire_reel(p, QStringLiteral("usb-latence"), latence_ms) && latence_ms >= 1 && latence_ms <= 255;
    if (p.isSet(QStringLiteral("usb-hote"))) {
        const QStringList champs = p.value(QStringLiteral("usb-hote")).split(u',');
        bool ok_min = false, ok_max = false;
        if (champs.size() == 2) {
            lus.delai_hote_min_s = champs[0].trimmed().toDouble(&ok_min) / 1000;
            lus.delai_hote_max_s = champs[1].trimmed().toDouble(&ok_max) / 1000;
        }
        ok = ok && ok_min && ok_max && lus.delai_hote_min_s >= 0 && lus.delai_hote_max_s >= lus.delai_hote_min_s;
    }
    if (!ok) {
        std::fprintf(stderr, "--usb-latence attend un nombre de millisecondes de 1 à 255, --usb-hote deux "
                             "nombres de millisecondes croissants séparés par une virgule (ex. 0,2)\n");
        return false;
    }
    lus.latence_s = latence_ms / 1000;
    usb = lus;
    return true;
}

// The ends that are boards: --carte A, B or AB; false with a message on stderr when the option is wrong.
bool lire_cartes(const QCommandLineParser& p, std::array<bool, 2>& cartes)
{
    cartes = {false, false};
    if (!p.isSet(QStringLiteral("carte")))
        return true;
    const QString valeur = p.value(QStringLiteral("carte")).toUpper();
    if (valeur != u"A" && valeur != u"B" && valeur != u"AB" && valeur != u"BA") {
        std::fprintf(stderr, "--carte attend A, B ou AB\n");
        return false;
    }
    cartes = {valeur.contains(u'A'), valeur.contains(u'B')};
#ifndef OPTOLINK_BANC_CARTE
    std::fprintf(stderr, "--carte : ce banc a été construit sans carte simulée (avr-gcc ou simavr absent)\n");
    return false;
#else
    return true;
#endif
}

#ifdef OPTOLINK_BANC_CARTE
// The firmware installed beside the bench, or the one of the build it comes from.
std::string micrologiciel()
{
    const QString installe =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/optolink/carte/optolink-carte.elf");
    return QFileInfo::exists(installe) ? installe.toStdString() : std::string(OPTOLINK_CARTE_ELF);
}
#endif

// The fault asked for on the command line, and the interfaces it strikes; false with a message on
// stderr when an option is wrong.
bool lire_panne(const QCommandLineParser& p, std::optional<Panne>& panne, std::array<bool, 2>& frappees)
{
    if (!p.isSet(QStringLiteral("panne")))
        return true;
    const auto sorte = sorte_panne(p.value(QStringLiteral("panne")));
    if (!sorte) {
        std::fprintf(stderr, "--panne attend mutisme, disparition, brouillage, decoupage, retard ou reponse-de-trop\n");
        return false;
    }
    Panne lue{.sorte = *sorte};
    double apres_octets = 0;
    if (!lire_reel(p, QStringLiteral("panne-debut"), lue.debut_s) || !lire_reel(p, QStringLiteral("panne-taux"), lue.taux)
        || !lire_reel(p, QStringLiteral("panne-delai"), lue.delai_s)
        || !lire_reel(p, QStringLiteral("panne-apres-octets"), apres_octets) || lue.debut_s < 0 || lue.taux < 0
        || lue.taux > 1 || lue.delai_s < 0 || apres_octets < 0) {
        std::fprintf(stderr, "--panne-debut, --panne-delai et --panne-apres-octets attendent un nombre positif, "
                             "--panne-taux un nombre de 0 à 1\n");
        return false;
    }
    lue.apres_octets = static_cast<std::int64_t>(apres_octets);
    frappees = {true, true};
    if (p.isSet(QStringLiteral("panne-interface"))) {
        const QString nom = p.value(QStringLiteral("panne-interface")).toUpper();
        if (nom != u"A" && nom != u"B") {
            std::fprintf(stderr, "--panne-interface attend A ou B\n");
            return false;
        }
        frappees = {nom == u"A", nom == u"B"};
    }
    panne = lue;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ecrire_la_console_en_utf8();
    QCommandLineParser p;
    for (const char* nom : {"ports", "carte", "chargeur", "noir", "eclaire", "distance-a", "distance-b", "bruit", "derive",
                            "periode-derive", "graine", "panne",
                            "usb-latence", "usb-hote", "panne-interface", "panne-debut", "panne-apres-octets", "panne-taux", "panne-delai"})
        p.addOption(QCommandLineOption(QString::fromLatin1(nom), QString(), QStringLiteral("valeur")));
    p.addOption(QCommandLineOption(QStringLiteral("journal")));
    p.addOption(QCommandLineOption(QStringLiteral("journal-ea0")));
    p.addOption(QCommandLineOption(QStringLiteral("usb")));
    p.addOption(QCommandLineOption(QStringLiteral("priorite-ordinaire")));
    p.addOption(QCommandLineOption(QStringLiteral("commandes")));
    p.addOption(QCommandLineOption(QStringLiteral("version")));
    p.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    if (!p.parse(app.arguments())) {
        std::fprintf(stderr, "%s\n\n%s", p.errorText().toUtf8().constData(), aide().toUtf8().constData());
        return 2;
    }
    if (p.isSet(QStringLiteral("help"))) {
        ecrire(aide());
        return 0;
    }
    if (p.isSet(QStringLiteral("version"))) {
        ecrire(QStringLiteral("optolink-bench " OPTOLINK_VERSION "\n"));
        return 0;
    }

    std::array<int, 2> numeros{1, 2};
    if (p.isSet(QStringLiteral("ports"))) {
        const QStringList champs = p.value(QStringLiteral("ports")).split(u',');
        bool ok0 = false, ok1 = false;
        if (champs.size() == 2) {
            numeros = {champs[0].trimmed().toInt(&ok0), champs[1].trimmed().toInt(&ok1)};
        }
        if (!ok0 || !ok1 || numeros[0] < 1 || numeros[1] < 1 || numeros[0] == numeros[1]) {
            std::fprintf(stderr, "--ports attend deux numéros différents, à partir de 1, séparés par une virgule (ex. 1,2)\n");
            return 2;
        }
    }
    ReglagesLumiere reglages;
    double graine = reglages.graine;
    std::array<double, 2> distances_m{};
    if (!lire_reel(p, QStringLiteral("distance-a"), distances_m[0]) || !lire_reel(p, QStringLiteral("distance-b"), distances_m[1])
        || distances_m[0] < 0 || distances_m[1] < 0) {
        std::fprintf(stderr, "--distance-a et --distance-b attendent une distance en mètres, positive ou nulle (ex. 1.5)\n");
        return 2;
    }
    if (!lire_reel(p, QStringLiteral("noir"), reglages.noir_v) || !lire_reel(p, QStringLiteral("eclaire"), reglages.eclaire_v)
        || !lire_reel(p, QStringLiteral("bruit"), reglages.bruit_v) || !lire_reel(p, QStringLiteral("derive"), reglages.derive_v)
        || !lire_reel(p, QStringLiteral("periode-derive"), reglages.periode_derive_s)
        || !lire_reel(p, QStringLiteral("graine"), graine) || graine < 0) {
        std::fprintf(stderr, "valeur numérique attendue (le point comme séparateur décimal)\n");
        return 2;
    }
    reglages.graine = static_cast<std::uint32_t>(graine);
    std::optional<Panne> panne;
    std::array<bool, 2> frappees{};
    if (!lire_panne(p, panne, frappees))
        return 2;
    std::optional<ReglagesUsb> usb;
    if (!lire_usb(p, usb))
        return 2;
    std::array<bool, 2> cartes{};
    if (!lire_cartes(p, cartes))
        return 2;
    if (panne && ((frappees[0] && cartes[0]) || (frappees[1] && cartes[1]))) {
        std::fprintf(stderr, "--panne ne s'applique qu'aux interfaces simulées, pas aux cartes : "
                             "choisir l'interface avec --panne-interface\n");
        return 2;
    }

    const std::string chargeur = p.value(QStringLiteral("chargeur")).toStdString();
    if (!chargeur.empty() && !cartes[0] && !cartes[1]) {
        std::fprintf(stderr, "--chargeur ne s'applique qu'aux cartes : le demander avec --carte\n");
        return 2;
    }
    std::array<BancReel::FabriqueCarte, 2> fabriques;
#ifdef OPTOLINK_BANC_CARTE
    for (int rang = 0; rang < 2; ++rang) {
        if (cartes[rang])
            fabriques[rang] = [&chargeur](Ordonnanceur& temps, const QString& nom, std::function<double(double)> tension_v) {
                return std::make_unique<InterfaceCarte>(temps, nom, micrologiciel(), std::move(tension_v), chargeur);
            };
    }
#endif
    quitter_sur_signal();
    // The bench stands for hardware, which never waits for the processor: its thread asks for the
    // real-time class (or a higher share), as the program does while it times a signal. What it
    // still runs late, it journals.
    JournalBanc journal_banc;
    journal = &journal_banc;
    PrioriteSysteme priorite;
    if (!p.isSet(QStringLiteral("priorite-ordinaire")))
        priorite.elever();
    std::unique_ptr<BancReel> cree;
    try {
        cree = std::make_unique<BancReel>(reglages, numeros, dossier_banc(), fabriques);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Banc impossible à démarrer. Carte simulée : %s\n", e.what());
        return 1;
    }
    BancReel& banc = *cree;
    if (!banc.erreur().isEmpty()) {
        std::fprintf(stderr, "Banc impossible à démarrer. %s\n", banc.erreur().toUtf8().constData());
        return 1;
    }
    for (int rang = 0; rang < 2; ++rang) {
        ReglagesLumiere r = banc.lumiere(rang);
        r.distance_m = distances_m[std::size_t(rang)];
        banc.regler_lumiere(rang, r);
    }
    const char* const noms[] = {"A", "B"};
    ecrire(QStringLiteral("Banc optique simulé prêt : le laser de A éclaire la photodiode de B, et inversement.\n"));
    for (int rang = 0; rang < 2; ++rang) {
        ecrire(QStringLiteral("  %1 %2 : répondre %3 au numéro de port (%4 -> %5)\n")
                   .arg(banc.carte(rang) ? QStringLiteral("Carte") : QStringLiteral("Interface"),
                        QLatin1String(noms[rang]))
                   .arg(banc.port(rang).numero())
                   .arg(banc.port(rang).lien(), banc.port(rang).peripherique()));
    }
    for (int rang = 0; rang < 2; ++rang) {
        if (const double d = banc.lumiere(rang).distance_m; d > 0)
            ecrire(QStringLiteral("  Photodiode de %1 à %2 m du laser d'en face : %3 dB, %4 % de la lumière\n")
                       .arg(QLatin1String(noms[rang]))
                       .arg(d)
                       .arg(attenuation_db(d), 0, 'f', 2)
                       .arg(100 * transmission(d), 0, 'f', 1));
    }
    if (usb) {
        for (int rang = 0; rang < 2; ++rang) {
            ReglagesUsb r = *usb;
            r.graine = reglages.graine + static_cast<std::uint32_t>(rang);
            banc.extremite(rang).regler_usb(r);
        }
        ecrire(QStringLiteral("  Liaison USB : trames de 1 ms, délai de l'ordinateur de %1 à %2 ms, latence %3 ms\n")
                   .arg(usb->delai_hote_min_s * 1000)
                   .arg(usb->delai_hote_max_s * 1000)
                   .arg(usb->latence_s * 1000));
    }
    if (panne) {
        for (int rang = 0; rang < 2; ++rang) {
            if (!frappees[rang])
                continue;
            Panne p_interface = *panne;
            p_interface.graine = reglages.graine + static_cast<std::uint32_t>(rang);
            banc.interface(rang).provoquer(p_interface);
            ecrire(QStringLiteral("  Panne « %1 » de l'interface %2 à partir de %3 s et de %4 octets reçus\n")
                       .arg(nom_panne(panne->sorte), QLatin1String(noms[rang]))
                       .arg(panne->debut_s)
                       .arg(panne->apres_octets));
        }
    }
    if ((cartes[0] || cartes[1]) && chargeur.empty())
        ecrire(QStringLiteral("  Carte Arduino Mega 2560 simulée (ATmega2560 à 16 MHz), remise à zéro automatique "
                              "neutralisée : l'ouverture du port ne la relance pas\n"));
    if ((cartes[0] || cartes[1]) && !chargeur.empty())
        ecrire(QStringLiteral("  Carte Arduino Mega 2560 simulée (ATmega2560 à 16 MHz), telle que vendue : l'ouverture "
                              "du port la relance dans son chargeur (%1)\n")
                   .arg(QString::fromStdString(chargeur)));
    ecrire(QStringLiteral("Ctrl-C pour arrêter.\n"));
    if (p.isSet(QStringLiteral("journal")) || p.isSet(QStringLiteral("journal-ea0"))) {
        // The instants below are the bench's clock; its origin on the computer's calendar lets a
        // journal be set beside the programs' own.
        const auto calendrier = std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch());
        ecrire(QStringLiteral("Horloge du banc : 0 s à %1 s du calendrier (depuis 1970)\n")
                   .arg(calendrier.count() - banc.temps().maintenant_s(), 0, 'f', 6));
        for (int rang = 0; rang < 2; ++rang) {
            const QString nom = QLatin1String(noms[rang]);
            banc.extremite(rang).surChangementLaser([nom](const ChangementLaser& c) {
                ecrire(QStringLiteral("%1 s  laser %2 %3\n")
                           .arg(c.instant_s, 12, 'f', 6)
                           .arg(nom, c.allume ? QStringLiteral("allumé") : QStringLiteral("éteint")));
            });
            if (p.isSet(QStringLiteral("journal-ea0")) && !banc.carte(rang))
                banc.interface(rang).surLectureEa0([nom](double instant_s, int brut) {
                    ecrire(QStringLiteral("%1 s  EA0 de %2 : %3\n").arg(instant_s, 12, 'f', 6).arg(nom).arg(brut));
                });
        }
        banc.temps().surRetard([](const OrdonnanceurReel::Retard& r) {
            ecrire(QStringLiteral("%1 s  retard du banc : %2 ms au pire, %3 événements en retard sur %4 ms\n")
                       .arg(r.debut_s, 12, 'f', 6)
                       .arg(r.pire_s * 1000, 0, 'f', 2)
                       .arg(r.evenements)
                       .arg((r.fin_s - r.debut_s) * 1000, 0, 'f', 1));
        });
    }
    if (p.isSet(QStringLiteral("commandes")))
        lire_commandes([&banc](const QString& ligne) {
            if (ligne == u"quitter") {
                QCoreApplication::quit();
                return;
            }
            if (ligne.isEmpty())
                return;
            if (!ligne.startsWith(QLatin1String("lumiere"))) {
                ecrire(QStringLiteral("Commande inconnue : %1\n").arg(ligne));
                return;
            }
            const auto lue = lire_commande_lumiere(ligne, {banc.lumiere(0), banc.lumiere(1)});
            if (const auto* raison = std::get_if<QString>(&lue)) {
                ecrire(QStringLiteral("Commande refusée : %1\n").arg(*raison));
                return;
            }
            const auto& commande = std::get<CommandeLumiere>(lue);
            banc.regler_lumiere(commande.rang, commande.reglages);
            ecrire(QStringLiteral("  Photodiode de %1 à %2 m du laser d'en face (%3 dB), lumière ambiante %4 V, bruit %5 V\n")
                       .arg(QLatin1String(commande.rang == 0 ? "A" : "B"))
                       .arg(commande.reglages.distance_m)
                       .arg(attenuation_db(commande.reglages.distance_m), 0, 'f', 2)
                       .arg(commande.reglages.derive_v)
                       .arg(commande.reglages.bruit_v));
        });
    const int code = app.exec();
    ecrire(QStringLiteral("Banc arrêté. Retard le plus grand du banc : %1 ms.\n").arg(banc.temps().pire_retard_s() * 1000, 0, 'f', 2));
    return code;
}
